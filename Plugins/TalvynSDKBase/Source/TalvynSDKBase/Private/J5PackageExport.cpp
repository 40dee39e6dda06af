#include "J5Package.h"

#if WITH_EDITOR

#include "Export/J5ExportJob.h"
#include "Export/J5ExportStage.h"
#include "Export/J5ProjectCookSettings.h"

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
	FJ5ExportJob::Run(*this, TEXT("Make Pak File"), { J5ExportStages::MakeSave(), J5ExportStages::MakeCook(), J5ExportStages::MakePak() });
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
