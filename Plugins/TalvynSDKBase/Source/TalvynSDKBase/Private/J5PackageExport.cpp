#include "J5Package.h"

#if WITH_EDITOR

#include "Export/J5ExportJob.h"
#include "Export/J5ExportStage.h"
#include "Export/J5ProjectCookSettings.h"
#include "TalvynSDKSettings.h"

void UJ5Package::ApplyCookSettings()
{
	J5ProjectCookSettings::Apply(*this);
}

void UJ5Package::CookAssets()
{
	FJ5ExportJob::Run(*this, TEXT("Cook Assets"), { J5ExportStages::MakeCook() });
}

void UJ5Package::MakePakFile()
{
	TArray<TSharedRef<FJ5ExportStage>> Stages = { J5ExportStages::MakeSave(), J5ExportStages::MakeCook() };
	if (GetDefault<UTalvynSDKSettings>()->ContainerFormat == ETalvynContainerFormat::PakAndIoStore)
	{
		Stages.Add(J5ExportStages::MakeIoStore());
	}
	Stages.Add(J5ExportStages::MakePak());
	FJ5ExportJob::Run(*this, TEXT("Make Pak File"), Stages);
}

#else

void UJ5Package::ApplyCookSettings()
{
}

void UJ5Package::CookAssets()
{
}

void UJ5Package::MakePakFile()
{
}

#endif
