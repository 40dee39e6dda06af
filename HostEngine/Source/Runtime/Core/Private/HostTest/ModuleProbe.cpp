#include "HostTest/ModuleProbe.h"

#include "Misc/CoreDelegates.h"
#include "Modules/ModuleManager.h"
#include "Modules/ModuleManagerState.h"

#include <dlfcn.h>

using namespace UE::Core::Private::Modules;

namespace HostTest
{
	void AddModuleDirectory(const FString& Directory)
	{
		FModuleManagerState& State = GetState();
		std::lock_guard<std::recursive_mutex> Lock(State.Mutex);
		State.ExtraDirectories.push_back(ToUtf8(std::u16string(*Directory)));
	}

	TArray<FName> GetLoadedModules()
	{
		FModuleManagerState& State = GetState();
		std::lock_guard<std::recursive_mutex> Lock(State.Mutex);
		TArray<FName> Result;
		for (const FLoadedModule* Loaded : GetModulesInLoadOrder(State))
		{
			Result.Add(Loaded->Name);
		}
		return Result;
	}

	int32 GetModuleLoadCount(const FName ModuleName)
	{
		FModuleManagerState& State = GetState();
		std::lock_guard<std::recursive_mutex> Lock(State.Mutex);
		const auto It = State.LoadCounts.find(MakeKey(ModuleName));
		return It == State.LoadCounts.end() ? 0 : It->second;
	}

	int32 GetModuleUnloadCount(const FName ModuleName)
	{
		FModuleManagerState& State = GetState();
		std::lock_guard<std::recursive_mutex> Lock(State.Mutex);
		const auto It = State.UnloadCounts.find(MakeKey(ModuleName));
		return It == State.UnloadCounts.end() ? 0 : It->second;
	}

	bool IsModuleLibraryMapped(const FName ModuleName)
	{
		const std::string FileName = GetLibraryFileName(ModuleName);
		std::vector<std::string> Candidates;
		for (const std::string& Directory : GetSearchDirectories())
		{
			Candidates.push_back(Directory + "/" + FileName);
		}
		// A library linked into the executable is known by its soname.
		Candidates.push_back(FileName);
		for (const std::string& Candidate : Candidates)
		{
			if (void* Handle = dlopen(Candidate.c_str(), RTLD_LAZY | RTLD_NOLOAD))
			{
				// RTLD_NOLOAD still takes a reference; give it back.
				dlclose(Handle);
				return true;
			}
		}
		return false;
	}

	bool IsModuleRegistered(const FName ModuleName)
	{
		return FModuleInitializerEntry::FindModule(*ModuleName.ToString()) != nullptr;
	}

	void ExitEditor()
	{
		FCoreDelegates::OnEnginePreExit.Broadcast();
		FCoreDelegates::OnPreExit.Broadcast();
		UnloadAllModules();
	}

	void UnloadAllModules()
	{
		FModuleManagerState& State = GetState();
		std::lock_guard<std::recursive_mutex> Lock(State.Mutex);
		// Re-read the list after each unload: a module's shutdown may unload or load others.
		for (;;)
		{
			FName Last;
			bool bFound = false;
			const std::vector<FLoadedModule*> InOrder = GetModulesInLoadOrder(State);
			for (auto It = InOrder.rbegin(); It != InOrder.rend(); ++It)
			{
				if (!(*It)->bUnloading)
				{
					Last = (*It)->Name;
					bFound = true;
					break;
				}
			}
			if (!bFound || !FModuleManager::Get().UnloadModule(Last, true))
			{
				break;
			}
		}
	}
}
