#pragma once

#include "CoreTypes.h"
#include "Modules/ModuleInterface.h"
#include "UObject/NameTypes.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// State shared by the module manager and its test probe.
namespace UE::Core::Private::Modules
{
	struct FLoadedModule
	{
		FName Name;
		std::u16string Key;
		IModuleInterface* Module = nullptr;
		/** The library the manager opened for this module, if it opened one. */
		void* LibraryHandle = nullptr;
		std::string LibraryPath;
		/**
		 * Set when StartupModule returns, so a module that loads others while starting comes after them and is
		 * shut down before them.
		 */
		int32 LoadOrder = 0;
		/** Started (and not yet destroyed). */
		bool bReady = false;
		bool bUnloading = false;
	};

	struct FModuleManagerState
	{
		/** Recursive: a module may load other modules from its StartupModule. */
		std::recursive_mutex Mutex;
		/** In the order loading began; LoadOrder gives the order loading finished. */
		std::vector<std::unique_ptr<FLoadedModule>> Loaded;
		int32 NextLoadOrder = 1;
		std::vector<std::string> ExtraDirectories;
		std::map<std::u16string, int32> LoadCounts;
		std::map<std::u16string, int32> UnloadCounts;
	};

	FModuleManagerState& GetState();

	/** The started modules, in the order they finished starting. The caller holds the state's lock. */
	std::vector<FLoadedModule*> GetModulesInLoadOrder(FModuleManagerState& State);

	/** Module names compare ignoring case. */
	std::u16string MakeKey(const TCHAR* Name);
	std::u16string MakeKey(const FName& Name);

	std::string ToUtf8(const std::u16string& Text);

	/** Where to look for module libraries: the executable's directory, then the directories added by tests. */
	std::vector<std::string> GetSearchDirectories();

	std::string GetLibraryFileName(const FName& Name);
}
