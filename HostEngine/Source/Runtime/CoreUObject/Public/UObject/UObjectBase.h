#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
#include <utility>

class UClass;
class UObject;
class UPackage;
class UScriptStruct;
class UEnum;

/**
 * The lowest level of every object: its flags, its slot in the global object array, its class,
 * name and outer. Objects are made only by the object system (NewObject and friends).
 */
class COREUOBJECT_API UObjectBase
{
	friend class UObjectBaseUtility;
	friend struct FHostObjectSystem;

protected:
	/** Takes name, class, outer and flags from the construction the object system started for this memory. */
	UObjectBase();

	/** Constructor of the intrinsic class objects, which are linked into the object system afterwards. */
	explicit UObjectBase(EObjectFlags InFlags);

public:
	UObjectBase(UClass* InClass, EObjectFlags InFlags, EInternalObjectFlags InInternalFlags, UObject* InOuter, FName InName);
	virtual ~UObjectBase();

	UObjectBase(const UObjectBase&) = delete;
	UObjectBase& operator=(const UObjectBase&) = delete;

	/** Whether the object is one the object system knows and that has a class. */
	bool IsValidLowLevel() const;
	bool IsValidLowLevelFast(bool bRecursive = true) const;

	/** Index of the object in the global object array. */
	FORCEINLINE uint32 GetUniqueID() const
	{
		return (uint32)InternalIndex;
	}

	FORCEINLINE UClass* GetClass() const
	{
		return ClassPrivate;
	}

	FORCEINLINE UObject* GetOuter() const
	{
		return OuterPrivate;
	}

	FORCEINLINE FName GetFName() const
	{
		return NamePrivate;
	}

	/** The package the object lives in; external packages are not modelled, so this is the outermost one. */
	UPackage* GetExternalPackage() const;

	FORCEINLINE EObjectFlags GetFlags() const
	{
		return ObjectFlags;
	}

	EInternalObjectFlags GetInternalFlags() const;

protected:
	/** Changes name and outer, keeping the object system's lookup in step. */
	void LowLevelRename(FName NewName, UObject* NewOuter = nullptr);

	FORCEINLINE void SetFlagsTo(EObjectFlags NewFlags)
	{
		ObjectFlags = NewFlags;
	}

private:
	EObjectFlags ObjectFlags = RF_NoFlags;
	int32 InternalIndex = -1;
	UClass* ClassPrivate = nullptr;
	FName NamePrivate;
	UObject* OuterPrivate = nullptr;
};

/** Reload-change record of a compiled-in class: its size and a hash of its generated code. */
struct FClassReloadVersionInfo
{
	SIZE_T Size = 0;
	uint32 Hash = 0;
};

struct FStructReloadVersionInfo
{
	SIZE_T Size = 0;
	uint32 Hash = 0;
};

struct FEnumReloadVersionInfo
{
	uint32 Hash = 0;
};

struct FPackageReloadVersionInfo
{
	uint32 BodyHash = 0;
	uint32 DeclarationsHash = 0;
};

/** Where a compiled-in type keeps its lazily built object: inner (the class itself) and outer (fully constructed). */
template<typename T, typename V>
struct TRegistrationInfo
{
	using TType = T;
	using TVersion = V;

	T* InnerSingleton = nullptr;
	T* OuterSingleton = nullptr;
	V ReloadVersionInfo;
};

using FClassRegistrationInfo = TRegistrationInfo<UClass, FClassReloadVersionInfo>;
using FStructRegistrationInfo = TRegistrationInfo<UScriptStruct, FStructReloadVersionInfo>;
using FEnumRegistrationInfo = TRegistrationInfo<UEnum, FEnumReloadVersionInfo>;
using FPackageRegistrationInfo = TRegistrationInfo<UPackage, FPackageReloadVersionInfo>;

#define CONSTRUCT_RELOAD_VERSION_INFO(VersionInfo, ...) VersionInfo{ __VA_ARGS__ }

struct FClassRegisterCompiledInInfo
{
	class UClass* (*OuterRegister)();
	class UClass* (*InnerRegister)();
	const TCHAR* Name;
	FClassRegistrationInfo* Info;
	FClassReloadVersionInfo VersionInfo;
};

struct FStructRegisterCompiledInInfo
{
	class UScriptStruct* (*OuterRegister)();
	const TCHAR* Name;
	FStructRegistrationInfo* Info;
	FStructReloadVersionInfo VersionInfo;
};

struct FEnumRegisterCompiledInInfo
{
	class UEnum* (*OuterRegister)();
	const TCHAR* Name;
	FEnumRegistrationInfo* Info;
	FEnumReloadVersionInfo VersionInfo;
};

/** Queue a compiled-in type for registration; nothing is constructed until it is first asked for. */
COREUOBJECT_API void RegisterCompiledInInfo(class UClass* (*InOuterRegister)(), class UClass* (*InInnerRegister)(), const TCHAR* InPackageName, const TCHAR* InName, FClassRegistrationInfo& InInfo, const FClassReloadVersionInfo& InVersionInfo);
COREUOBJECT_API void RegisterCompiledInInfo(class UPackage* (*InOuterRegister)(), const TCHAR* InPackageName, FPackageRegistrationInfo& InInfo, const FPackageReloadVersionInfo& InVersionInfo);
COREUOBJECT_API void RegisterCompiledInInfo(class UScriptStruct* (*InOuterRegister)(), const TCHAR* InPackageName, const TCHAR* InName, FStructRegistrationInfo& InInfo, const FStructReloadVersionInfo& InVersionInfo);
COREUOBJECT_API void RegisterCompiledInInfo(class UEnum* (*InOuterRegister)(), const TCHAR* InPackageName, const TCHAR* InName, FEnumRegistrationInfo& InInfo, const FEnumReloadVersionInfo& InVersionInfo);
COREUOBJECT_API void RegisterCompiledInInfo(const TCHAR* PackageName, const FClassRegisterCompiledInInfo* ClassInfo, size_t NumClassInfo, const FStructRegisterCompiledInInfo* StructInfo, size_t NumStructInfo, const FEnumRegisterCompiledInInfo* EnumInfo, size_t NumEnumInfo);

/** A static instance of this hands its arguments to RegisterCompiledInInfo while the library loads. */
struct FRegisterCompiledInInfo
{
	template<typename... Args>
	FRegisterCompiledInInfo(Args&&... args)
	{
		RegisterCompiledInInfo(std::forward<Args>(args)...);
	}
};

/** Whether the object system is up; the host's is from the first use on. */
COREUOBJECT_API bool UObjectInitialized();
