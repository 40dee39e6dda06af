#include "UnrealEdMisc.h"

#include "HAL/PlatformProcess.h"
#include "Misc/Paths.h"

FUnrealEdMisc& FUnrealEdMisc::Get()
{
	static FUnrealEdMisc Instance;
	return Instance;
}

FString FUnrealEdMisc::GetExecutableForCommandlets() const
{
	return FPaths::Combine(FPaths::EngineDir(), TEXT("Binaries"), FPlatformProcess::GetBinariesSubdirectory(), TEXT("UnrealEditor-Cmd"));
}
