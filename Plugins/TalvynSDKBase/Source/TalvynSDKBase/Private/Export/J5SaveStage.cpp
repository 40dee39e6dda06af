#include "Export/J5ExportStage.h"

#if WITH_EDITOR

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Export/J5ExportJob.h"
#include "FileHelpers.h"
#include "Modules/ModuleManager.h"
#include "UObject/Package.h"

/**
 * The cook reads packages from disk, so unsaved changes would silently not be exported: they are saved
 * first, with the editor's own prompt, and a declined prompt stops the export.
 */
class FJ5SaveStage : public FJ5ExportStage
{
public:
	virtual FString Describe(const FJ5ExportContext& Context) const override
	{
		return TEXT("Saving changed content...");
	}

	virtual void Start(FJ5ExportJob& Job) override
	{
		const FJ5ExportContext& Context = Job.GetContext();
		TArray<UPackage*> Packages;
		auto AddLoaded = [&Packages](const FString& PackageName)
		{
			if (UPackage* Loaded = FindPackage(nullptr, *PackageName))
			{
				Packages.AddUnique(Loaded);
			}
		};
		IAssetRegistry& AssetRegistry = FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
		TArray<FAssetData> InDirectory;
		AssetRegistry.GetAssetsByPath(FName(*Context.PackageDirectory), InDirectory, /*bRecursive=*/true);
		for (const FAssetData& Asset : InDirectory)
		{
			AddLoaded(Asset.PackageName.ToString());
		}
		for (const FString& PackageName : Context.PackageNames)
		{
			AddLoaded(PackageName);
		}

		TArray<UPackage*> Failed;
		const FEditorFileUtils::EPromptReturnCode Answer = FEditorFileUtils::PromptForCheckoutAndSave(Packages, /*bCheckDirty=*/true, /*bPromptToSave=*/true, &Failed);
		if (Answer == FEditorFileUtils::PR_Declined || Answer == FEditorFileUtils::PR_Cancelled)
		{
			Job.StageFailed(TEXT("the package's content has unsaved changes, and saving them was declined; the export cooks what is saved, so it needs them saved first."));
			return;
		}
		if (Answer == FEditorFileUtils::PR_Failure)
		{
			TArray<FString> Names;
			for (const UPackage* Package : Failed)
			{
				Names.Add(Package->GetName());
			}
			Job.StageFailed(FString::Printf(TEXT("could not save %s; the export needs its changes saved first."), Names.Num() > 0 ? *FString::Join(Names, TEXT(", ")) : TEXT("the changed content")));
			return;
		}
		Job.StageSucceeded();
	}
};

namespace J5ExportStages
{
	TSharedRef<FJ5ExportStage> MakeSave()
	{
		return MakeShared<FJ5SaveStage>();
	}
}

#endif
