#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"
#include "Misc/EnumClassFlags.h"
#include "Modules/Boilerplate/ModuleBoilerplate.h"
#include "Modules/ModuleInterface.h"
#include "UObject/NameTypes.h"

enum class ELoadModuleFlags
{
	None = 0x0,
	LogFailures = 1 << 0
};
ENUM_CLASS_FLAGS(ELoadModuleFlags);

enum class EModuleLoadResult
{
	Success,
	FileNotFound,
	FileIncompatible,
	CouldNotBeLoadedByOS,
	FailedToInitialize
};

/** Creates a module's object; every module library provides one through IMPLEMENT_MODULE. */
typedef IModuleInterface* (*FInitializeModuleFunctionPtr)(void);

/**
 * Registers a module's creator while its library is in the process: constructed when the library is loaded,
 * destroyed when it is unloaded. The entries form a process-wide list.
 */
class FModuleInitializerEntry
{
public:
	CORE_API FModuleInitializerEntry(const TCHAR* InName, FInitializeModuleFunctionPtr InFunction, const TCHAR* InName2);
	CORE_API ~FModuleInitializerEntry();

	FModuleInitializerEntry(const FModuleInitializerEntry&) = delete;
	FModuleInitializerEntry& operator=(const FModuleInitializerEntry&) = delete;

	/** The creator registered under Name (compared ignoring case), or null. */
	static CORE_API FInitializeModuleFunctionPtr FindModule(const TCHAR* Name);

private:
	FModuleInitializerEntry* Prev;
	FModuleInitializerEntry* Next;
	FInitializeModuleFunctionPtr Function;
	const TCHAR* Name;
	const TCHAR* Name2;
};

/** Loads, starts, finds and unloads modules by name. */
class FModuleManager
{
public:
	static CORE_API FModuleManager& Get();

	/** Loads and starts the module if it is not loaded yet; null if it cannot be loaded. */
	CORE_API IModuleInterface* LoadModule(const FName InModuleName, ELoadModuleFlags InLoadModuleFlags = ELoadModuleFlags::None);

	/** As LoadModule, but failing to load is fatal. */
	CORE_API IModuleInterface& LoadModuleChecked(const FName InModuleName);

	CORE_API IModuleInterface* LoadModuleWithFailureReason(const FName InModuleName, EModuleLoadResult& OutFailureReason, ELoadModuleFlags InLoadModuleFlags = ELoadModuleFlags::None);

	/** The loaded module, or null. */
	CORE_API IModuleInterface* GetModule(const FName InModuleName);

	CORE_API bool IsModuleLoaded(const FName InModuleName) const;

	/** Shuts the module down and destroys it, then unloads its library if this manager loaded it. */
	CORE_API bool UnloadModule(const FName InModuleName, bool bIsShutdown = false, bool bAllowUnloadCode = true);

	template<typename TModuleInterface>
	static TModuleInterface& LoadModuleChecked(const FName InModuleName)
	{
		IModuleInterface& ModuleInterface = Get().LoadModuleChecked(InModuleName);
		return static_cast<TModuleInterface&>(ModuleInterface);
	}

	/** The module, which must be loaded. */
	template<typename TModuleInterface>
	static TModuleInterface& GetModuleChecked(const FName ModuleName)
	{
		IModuleInterface* Module = Get().GetModule(ModuleName);
		checkf(Module != nullptr, TEXT("Module '%s' is not loaded"), *ModuleName.ToString());
		return static_cast<TModuleInterface&>(*Module);
	}

	template<typename TModuleInterface>
	static TModuleInterface* GetModulePtr(const FName ModuleName)
	{
		return static_cast<TModuleInterface*>(Get().GetModule(ModuleName));
	}

	template<typename TModuleInterface>
	static TModuleInterface* LoadModulePtr(const FName ModuleName)
	{
		return static_cast<TModuleInterface*>(Get().LoadModule(ModuleName));
	}

private:
	FModuleManager() = default;
	FModuleManager(const FModuleManager&) = delete;
	FModuleManager& operator=(const FModuleManager&) = delete;
};

/** A module with nothing to start or shut down. */
class FDefaultModuleImpl : public IModuleInterface
{
};

class FDefaultGameModuleImpl : public FDefaultModuleImpl
{
public:
	virtual bool IsGameModule() const override
	{
		return true;
	}
};

#if IS_MONOLITHIC
	#error "The host builds every module as its own shared library"
#endif

/**
 * Declares a module's creator and registers it under ModuleName, and marks the library as a module library.
 * Each library holds one module, so the marker symbol never clashes.
 */
#define IMPLEMENT_MODULE(ModuleImplClass, ModuleName) \
	static IModuleInterface* Initialize##ModuleName##Module() \
	{ \
		return new ModuleImplClass(); \
	} \
	static FModuleInitializerEntry ModuleName##InitializerEntry(TEXT(#ModuleName), Initialize##ModuleName##Module, TEXT(UE_MODULE_NAME)); \
	PER_MODULE_BOILERPLATE \
	PER_MODULE_BOILERPLATE_ANYLINK(ModuleImplClass, ModuleName) \
	extern "C" void IMPLEMENT_MODULE_##ModuleName() \
	{ \
	} \
	extern "C" DLLEXPORT void ThisIsAnUnrealEngineModule() \
	{ \
	}

#define IMPLEMENT_GAME_MODULE(ModuleImplClass, ModuleName) IMPLEMENT_MODULE(ModuleImplClass, ModuleName)

#define IMPLEMENT_PRIMARY_GAME_MODULE(ModuleImplClass, ModuleName, GameName) IMPLEMENT_MODULE(ModuleImplClass, ModuleName)
