#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "UObject/NameTypes.h"

/** What the module manager did, and a way to end a test process's modules in order. */
namespace HostTest
{
	/** Another directory in which the module manager looks for libUnrealEditor-<Name>.so, after the executable's. */
	CORE_API void AddModuleDirectory(const FString& Directory);

	/** The modules loaded now, in the order they were loaded. */
	CORE_API TArray<FName> GetLoadedModules();

	/** How many times the module was created and started, and how many times it was shut down and destroyed. */
	CORE_API int32 GetModuleLoadCount(const FName ModuleName);
	CORE_API int32 GetModuleUnloadCount(const FName ModuleName);

	/** Whether the module's library is mapped into the process (however it got there). */
	CORE_API bool IsModuleLibraryMapped(const FName ModuleName);

	/** Whether the module's initializer entry is registered, i.e. its library's static objects are alive. */
	CORE_API bool IsModuleRegistered(const FName ModuleName);

	/** Unloads every loaded module, last loaded first, as the editor does at exit. */
	CORE_API void UnloadAllModules();

	/** Shuts the editor down as the engine loop does: the pre-exit broadcasts, then every module unloaded. */
	CORE_API void ExitEditor();
}
