#include "Modules/ModuleManager.h"

#include "Containers/StringConv.h"
#include "Logging/LogMacros.h"
#include "Modules/ModuleManagerState.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

DEFINE_LOG_CATEGORY_STATIC(LogModuleManager, Log, All);

namespace UE::Core::Private::Modules
{
	FModuleManagerState& GetState()
	{
		// Never destroyed: libraries unloaded during static destruction may still reach it.
		static FModuleManagerState* State = new FModuleManagerState();
		return *State;
	}

	std::vector<FLoadedModule*> GetModulesInLoadOrder(FModuleManagerState& State)
	{
		std::vector<FLoadedModule*> Result;
		for (const std::unique_ptr<FLoadedModule>& Loaded : State.Loaded)
		{
			if (Loaded->bReady)
			{
				Result.push_back(Loaded.get());
			}
		}
		std::sort(Result.begin(), Result.end(), [](const FLoadedModule* A, const FLoadedModule* B) { return A->LoadOrder < B->LoadOrder; });
		return Result;
	}

	std::u16string MakeKey(const TCHAR* Name)
	{
		std::u16string Key;
		for (const TCHAR* Char = Name; Char && *Char; ++Char)
		{
			Key.push_back((*Char >= u'A' && *Char <= u'Z') ? TCHAR(*Char - u'A' + u'a') : *Char);
		}
		return Key;
	}

	std::u16string MakeKey(const FName& Name)
	{
		return MakeKey(*Name.ToString());
	}

	std::string ToUtf8(const std::u16string& Text)
	{
		std::string Result;
		for (size_t Index = 0; Index < Text.size(); ++Index)
		{
			uint32 Code = Text[Index];
			if (Code >= 0xD800 && Code < 0xDC00 && Index + 1 < Text.size())
			{
				Code = 0x10000 + ((Code - 0xD800) << 10) + (uint32(Text[++Index]) - 0xDC00);
			}
			if (Code < 0x80)
			{
				Result.push_back(char(Code));
			}
			else if (Code < 0x800)
			{
				Result.push_back(char(0xC0 | (Code >> 6)));
				Result.push_back(char(0x80 | (Code & 0x3F)));
			}
			else if (Code < 0x10000)
			{
				Result.push_back(char(0xE0 | (Code >> 12)));
				Result.push_back(char(0x80 | ((Code >> 6) & 0x3F)));
				Result.push_back(char(0x80 | (Code & 0x3F)));
			}
			else
			{
				Result.push_back(char(0xF0 | (Code >> 18)));
				Result.push_back(char(0x80 | ((Code >> 12) & 0x3F)));
				Result.push_back(char(0x80 | ((Code >> 6) & 0x3F)));
				Result.push_back(char(0x80 | (Code & 0x3F)));
			}
		}
		return Result;
	}

	std::vector<std::string> GetSearchDirectories()
	{
		std::vector<std::string> Directories;
		char Buffer[4096];
		const ssize_t Length = readlink("/proc/self/exe", Buffer, sizeof(Buffer) - 1);
		if (Length > 0)
		{
			std::string Executable(Buffer, size_t(Length));
			const size_t Slash = Executable.rfind('/');
			Directories.push_back(Slash == std::string::npos ? std::string(".") : Executable.substr(0, Slash));
		}
		FModuleManagerState& State = GetState();
		std::lock_guard<std::recursive_mutex> Lock(State.Mutex);
		Directories.insert(Directories.end(), State.ExtraDirectories.begin(), State.ExtraDirectories.end());
		return Directories;
	}

	std::string GetLibraryFileName(const FName& Name)
	{
		return "libUnrealEditor-" + ToUtf8(std::u16string(*Name.ToString())) + ".so";
	}

	namespace
	{
		std::mutex GEntryMutex;
		FModuleInitializerEntry* GFirstEntry = nullptr;

		FLoadedModule* FindLoaded(FModuleManagerState& State, const std::u16string& Key)
		{
			for (const std::unique_ptr<FLoadedModule>& Loaded : State.Loaded)
			{
				if (Loaded->Key == Key)
				{
					return Loaded.get();
				}
			}
			return nullptr;
		}

		bool FileExists(const std::string& Path)
		{
			struct stat Info;
			return stat(Path.c_str(), &Info) == 0 && S_ISREG(Info.st_mode);
		}

		/**
		 * Whether the library itself defines the module marker. dlsym also searches the library's dependencies, and
		 * Core, which every module links, is a module too.
		 */
		bool HasOwnModuleMarker(void* Handle, const std::string& Path)
		{
			void* Marker = dlsym(Handle, "ThisIsAnUnrealEngineModule");
			Dl_info Info;
			if (!Marker || !dladdr(Marker, &Info) || !Info.dli_fname)
			{
				return false;
			}
			char* MarkerFile = realpath(Info.dli_fname, nullptr);
			char* LibraryFile = realpath(Path.c_str(), nullptr);
			const bool bSame = MarkerFile && LibraryFile && std::strcmp(MarkerFile, LibraryFile) == 0;
			std::free(MarkerFile);
			std::free(LibraryFile);
			return bSame;
		}

		/** Opens the module's library from the search directories; the result says why it could not. */
		EModuleLoadResult OpenLibrary(const FName& Name, void*& OutHandle, std::string& OutPath)
		{
			const std::string FileName = GetLibraryFileName(Name);
			for (const std::string& Directory : GetSearchDirectories())
			{
				const std::string Path = Directory + "/" + FileName;
				if (!FileExists(Path))
				{
					continue;
				}
				void* Handle = dlopen(Path.c_str(), RTLD_NOW | RTLD_LOCAL);
				if (!Handle)
				{
					// Always worth reporting: it names the undefined symbol when a module links badly.
					UE_LOG(LogModuleManager, Warning, TEXT("Could not load %s: %s"), UTF8_TO_TCHAR(Path.c_str()), UTF8_TO_TCHAR(dlerror()));
					return EModuleLoadResult::CouldNotBeLoadedByOS;
				}
				if (!HasOwnModuleMarker(Handle, Path))
				{
					dlclose(Handle);
					return EModuleLoadResult::FileIncompatible;
				}
				OutHandle = Handle;
				OutPath = Path;
				return EModuleLoadResult::Success;
			}
			return EModuleLoadResult::FileNotFound;
		}

		const TCHAR* DescribeResult(EModuleLoadResult Result)
		{
			switch (Result)
			{
			case EModuleLoadResult::Success: return TEXT("success");
			case EModuleLoadResult::FileNotFound: return TEXT("library not found");
			case EModuleLoadResult::FileIncompatible: return TEXT("library is not a module");
			case EModuleLoadResult::CouldNotBeLoadedByOS: return TEXT("library could not be loaded");
			case EModuleLoadResult::FailedToInitialize: return TEXT("module failed to initialize");
			}
			return TEXT("unknown");
		}
	}
}

using namespace UE::Core::Private::Modules;

FModuleInitializerEntry::FModuleInitializerEntry(const TCHAR* InName, FInitializeModuleFunctionPtr InFunction, const TCHAR* InName2)
	: Prev(nullptr)
	, Next(nullptr)
	, Function(InFunction)
	, Name(InName)
	, Name2(InName2)
{
	std::lock_guard<std::mutex> Lock(GEntryMutex);
	Next = GFirstEntry;
	if (Next)
	{
		Next->Prev = this;
	}
	GFirstEntry = this;
}

FModuleInitializerEntry::~FModuleInitializerEntry()
{
	std::lock_guard<std::mutex> Lock(GEntryMutex);
	if (Prev)
	{
		Prev->Next = Next;
	}
	else
	{
		GFirstEntry = Next;
	}
	if (Next)
	{
		Next->Prev = Prev;
	}
}

FInitializeModuleFunctionPtr FModuleInitializerEntry::FindModule(const TCHAR* InName)
{
	const std::u16string Key = MakeKey(InName);
	std::lock_guard<std::mutex> Lock(GEntryMutex);
	for (FModuleInitializerEntry* Entry = GFirstEntry; Entry; Entry = Entry->Next)
	{
		if (MakeKey(Entry->Name) == Key)
		{
			return Entry->Function;
		}
	}
	return nullptr;
}

FModuleManager& FModuleManager::Get()
{
	static FModuleManager* Manager = new FModuleManager();
	return *Manager;
}

IModuleInterface* FModuleManager::LoadModule(const FName InModuleName, ELoadModuleFlags InLoadModuleFlags)
{
	EModuleLoadResult Result;
	return LoadModuleWithFailureReason(InModuleName, Result, InLoadModuleFlags);
}

IModuleInterface& FModuleManager::LoadModuleChecked(const FName InModuleName)
{
	EModuleLoadResult Result = EModuleLoadResult::Success;
	IModuleInterface* Module = LoadModuleWithFailureReason(InModuleName, Result, ELoadModuleFlags::LogFailures);
	checkf(Module != nullptr, TEXT("Failed to load module '%s'"), *InModuleName.ToString());
	return *Module;
}

IModuleInterface* FModuleManager::LoadModuleWithFailureReason(const FName InModuleName, EModuleLoadResult& OutFailureReason, ELoadModuleFlags InLoadModuleFlags)
{
	FModuleManagerState& State = GetState();
	std::lock_guard<std::recursive_mutex> Lock(State.Mutex);

	const std::u16string Key = MakeKey(InModuleName);
	if (FLoadedModule* Existing = FindLoaded(State, Key))
	{
		// Also reached when a module's StartupModule loads the module itself.
		OutFailureReason = EModuleLoadResult::Success;
		return Existing->Module;
	}

	void* Handle = nullptr;
	std::string Path;
	FInitializeModuleFunctionPtr Initialize = FModuleInitializerEntry::FindModule(*InModuleName.ToString());
	if (!Initialize)
	{
		OutFailureReason = OpenLibrary(InModuleName, Handle, Path);
		if (OutFailureReason == EModuleLoadResult::Success)
		{
			Initialize = FModuleInitializerEntry::FindModule(*InModuleName.ToString());
			if (!Initialize)
			{
				dlclose(Handle);
				Handle = nullptr;
				OutFailureReason = EModuleLoadResult::FailedToInitialize;
			}
		}
	}

	IModuleInterface* Module = Initialize ? Initialize() : nullptr;
	if (!Module)
	{
		if (Initialize)
		{
			OutFailureReason = EModuleLoadResult::FailedToInitialize;
		}
		if (Handle)
		{
			dlclose(Handle);
		}
		if (EnumHasAnyFlags(InLoadModuleFlags, ELoadModuleFlags::LogFailures))
		{
			UE_LOG(LogModuleManager, Warning, TEXT("Unable to load module '%s': %s"), *InModuleName.ToString(), DescribeResult(OutFailureReason));
		}
		return nullptr;
	}

	auto Record = std::make_unique<FLoadedModule>();
	Record->Name = InModuleName;
	Record->Key = Key;
	Record->Module = Module;
	Record->LibraryHandle = Handle;
	Record->LibraryPath = Path;
	FLoadedModule* Loaded = Record.get();
	State.Loaded.push_back(std::move(Record));
	++State.LoadCounts[Key];

	Module->StartupModule();
	Loaded->LoadOrder = State.NextLoadOrder++;
	Loaded->bReady = true;
	OutFailureReason = EModuleLoadResult::Success;
	return Module;
}

IModuleInterface* FModuleManager::GetModule(const FName InModuleName)
{
	FModuleManagerState& State = GetState();
	std::lock_guard<std::recursive_mutex> Lock(State.Mutex);
	FLoadedModule* Loaded = FindLoaded(State, MakeKey(InModuleName));
	return Loaded ? Loaded->Module : nullptr;
}

bool FModuleManager::IsModuleLoaded(const FName InModuleName) const
{
	FModuleManagerState& State = GetState();
	std::lock_guard<std::recursive_mutex> Lock(State.Mutex);
	FLoadedModule* Loaded = FindLoaded(State, MakeKey(InModuleName));
	return Loaded && Loaded->bReady;
}

bool FModuleManager::UnloadModule(const FName InModuleName, bool bIsShutdown, bool bAllowUnloadCode)
{
	FModuleManagerState& State = GetState();
	std::lock_guard<std::recursive_mutex> Lock(State.Mutex);

	FLoadedModule* Loaded = FindLoaded(State, MakeKey(InModuleName));
	if (!Loaded || !Loaded->bReady || Loaded->bUnloading)
	{
		return false;
	}

	// The record stays in the list while the module shuts down, so the module still finds itself.
	Loaded->bUnloading = true;
	Loaded->Module->ShutdownModule();
	delete Loaded->Module;
	Loaded->Module = nullptr;

	void* Handle = Loaded->LibraryHandle;
	const std::u16string Key = Loaded->Key;
	for (auto It = State.Loaded.begin(); It != State.Loaded.end(); ++It)
	{
		if (It->get() == Loaded)
		{
			State.Loaded.erase(It);
			break;
		}
	}
	++State.UnloadCounts[Key];

	if (Handle && bAllowUnloadCode)
	{
		dlclose(Handle);
	}
	return true;
}
