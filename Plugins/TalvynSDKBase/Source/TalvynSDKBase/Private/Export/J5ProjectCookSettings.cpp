#include "Export/J5ProjectCookSettings.h"

#if WITH_EDITOR

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "J5Package.h"
#include "J5PackageExportReport.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "Settings/ProjectPackagingSettings.h"

namespace J5ProjectCookSettings
{
	void Apply(UJ5Package& Package)
	{
		const FString Title = TEXT("Apply Cook Settings");
		if (Package.PackageDirectory.IsEmpty())
		{
			J5PackageExport::ReportFailure(Package, Title, TEXT("the package lies in no content directory."));
			return;
		}
		UProjectPackagingSettings* Settings = GetMutableDefault<UProjectPackagingSettings>();
		TArray<FString> Changes;

		bool bDirectoryListed = false;
		for (const FDirectoryPath& Directory : Settings->DirectoriesToAlwaysCook)
		{
			FString Listed = Directory.Path;
			FPaths::NormalizeDirectoryName(Listed);
			bDirectoryListed |= Listed.Equals(Package.PackageDirectory, ESearchCase::IgnoreCase);
		}
		if (!bDirectoryListed)
		{
			Settings->DirectoriesToAlwaysCook.Add(FDirectoryPath{ Package.PackageDirectory });
			Changes.Add(FString::Printf(TEXT("added %s to the directories to always cook"), *Package.PackageDirectory));
		}

		IAssetRegistry& AssetRegistry = FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
		const FTopLevelAssetPath WorldClass(TEXT("/Script/Engine"), TEXT("World"));
		for (const FSoftObjectPath& AssetPath : Package.MainAssets)
		{
			const FAssetData AssetData = AssetRegistry.GetAssetByObjectPath(AssetPath);
			if (!AssetData.IsValid() || AssetData.AssetClassPath != WorldClass)
			{
				continue;
			}
			const FString MapName = AssetData.PackageName.ToString();
			bool bMapListed = false;
			for (const FFilePath& Map : Settings->MapsToCook)
			{
				bMapListed |= Map.FilePath.Equals(MapName, ESearchCase::IgnoreCase);
			}
			if (!bMapListed)
			{
				Settings->MapsToCook.Add(FFilePath{ MapName });
				Changes.Add(FString::Printf(TEXT("added the map %s to the maps to cook"), *MapName));
			}
		}

		if (Changes.Num() == 0)
		{
			J5PackageExport::ReportSuccess(Package, Title, TEXT("the project already cooks this package's content; nothing had to change."));
			return;
		}
		if (!Settings->TryUpdateDefaultConfigFile())
		{
			J5PackageExport::ReportFailure(Package, Title, FString::Printf(TEXT("could not write %s (is it read-only?)."), *Settings->GetDefaultConfigFilename()));
			return;
		}
		J5PackageExport::ReportSuccess(Package, Title, FString::Join(Changes, TEXT("; ")) + FString::Printf(TEXT(" (saved to %s)."), *Settings->GetDefaultConfigFilename()));
	}
}

#endif
