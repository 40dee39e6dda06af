#include "TalvynSDKSettings.h"

#include "HAL/PlatformProcess.h"
#include "Misc/Paths.h"

#define LOCTEXT_NAMESPACE "TalvynSDKSettings"

UTalvynSDKSettings::UTalvynSDKSettings(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

FString UTalvynSDKSettings::GetCookPlatform() const
{
	const FString Configured = TargetPlatform.TrimStartAndEnd();
	const FString Platform = Configured.IsEmpty() ? FString(FPlatformProcess::GetBinariesSubdirectory()) : Configured;
	// The cook names platforms without the architecture: Win64 cooks as Windows.
	return Platform.Equals(TEXT("Win64"), ESearchCase::IgnoreCase) ? FString(TEXT("Windows")) : Platform;
}

FString UTalvynSDKSettings::GetMountProjectName() const
{
	const FString Configured = ApplicationProjectName.TrimStartAndEnd();
	return Configured.IsEmpty() ? FPaths::GetBaseFilename(FPaths::GetProjectFilePath()) : Configured;
}

FName UTalvynSDKSettings::GetContainerName() const
{
	return FName(TEXT("Project"));
}

FName UTalvynSDKSettings::GetCategoryName() const
{
	return FName(TEXT("Plugins"));
}

FName UTalvynSDKSettings::GetSectionName() const
{
	return FName(TEXT("TalvynSDK"));
}

#if WITH_EDITOR
FText UTalvynSDKSettings::GetSectionText() const
{
	return LOCTEXT("SectionText", "Talvyn SDK");
}

FText UTalvynSDKSettings::GetSectionDescription() const
{
	return LOCTEXT("SectionDescription", "How package assets are exported for the Talvyn application.");
}
#endif

#undef LOCTEXT_NAMESPACE
