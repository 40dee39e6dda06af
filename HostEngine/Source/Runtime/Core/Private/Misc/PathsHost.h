#pragma once

#include "Containers/UnrealString.h"

/** The host's roots behind FPaths; set through the test probe. */
struct FPathsHost
{
	static void SetProjectDirectory(const FString& Directory, const FString& ProjectName);
	static void SetEngineDirectory(const FString& Directory);
	static FString GetProjectName();
};
