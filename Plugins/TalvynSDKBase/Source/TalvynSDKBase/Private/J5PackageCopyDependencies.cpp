#include "J5Package.h"
#include "J5PackageExportReport.h"
#include "TalvynSDKBaseLog.h"

#if WITH_EDITOR
#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "AssetToolsModule.h"
#include "FileHelpers.h"
#include "IAssetTools.h"
#include "Misc/PackageName.h"
#include "Modules/ModuleManager.h"
#include "ScopedTransaction.h"
#include "Serialization/ArchiveReplaceObjectRef.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/UObjectHash.h"

#define LOCTEXT_NAMESPACE "J5Package"

namespace J5PackageCopy
{
	/** The folder of the package's directory that holds the copies, each below the path it was copied from. */
	const TCHAR* const CopiesFolderName = TEXT("Dependencies");

	/** How many problems the notification repeats; the log has every one. */
	constexpr int32 MaxReportedProblems = 5;

	/** How many numbered names are tried before a copy is given up for want of a free one. */
	constexpr int32 MaxNameAttempts = 1000;

	static bool IsPackageNameTaken(const IAssetRegistry& AssetRegistry, const FString& PackageName)
	{
		TArray<FAssetData> Existing;
		AssetRegistry.GetAssetsByPackageName(FName(*PackageName), Existing);
		return Existing.Num() > 0 || FindPackage(nullptr, *PackageName) != nullptr || FPackageName::DoesPackageExist(PackageName);
	}

	/** BaseName, or else BaseName_2, BaseName_3...: the first whose package does not exist in Folder; empty when none is free. */
	static FString FindFreeAssetName(const IAssetRegistry& AssetRegistry, const FString& Folder, const FString& BaseName)
	{
		for (int32 Attempt = 1; Attempt <= MaxNameAttempts; ++Attempt)
		{
			const FString Name = Attempt == 1 ? BaseName : FString::Printf(TEXT("%s_%d"), *BaseName, Attempt);
			if (!IsPackageNameTaken(AssetRegistry, Folder / Name))
			{
				return Name;
			}
		}
		return FString();
	}

	/** The package of the package's one asset, loaded if it is not; null when it cannot be. */
	static UPackage* LoadAssetPackage(const IAssetRegistry& AssetRegistry, FName PackageName)
	{
		TArray<FAssetData> Assets;
		AssetRegistry.GetAssetsByPackageName(PackageName, Assets);
		for (const FAssetData& Asset : Assets)
		{
			if (UObject* Object = Asset.GetAsset())
			{
				return Object->GetPackage();
			}
		}
		return nullptr;
	}

	static bool RefersToAny(const IAssetRegistry& AssetRegistry, FName PackageName, const TSet<FName>& Targets)
	{
		TArray<FName> References;
		AssetRegistry.GetDependencies(PackageName, References, UE::AssetRegistry::EDependencyCategory::Package, UE::AssetRegistry::EDependencyQuery::NoRequirements);
		for (const FName Reference : References)
		{
			if (Targets.Contains(Reference))
			{
				return true;
			}
		}
		return false;
	}

	/** Points the hard references of the package's objects at the copies; each object is recorded for undo first. */
	static void ReplaceHardReferences(UPackage& Package, const TMap<UObject*, UObject*>& Replacements)
	{
		TArray<UObject*> Objects;
		GetObjectsWithOuter(&Package, Objects, /*bIncludeNestedObjects=*/true);
		for (UObject* Object : Objects)
		{
			Object->Modify();
		}
		for (UObject* Object : Objects)
		{
			// The archive walks each object's subobjects itself.
			if (Object->GetOuter() == &Package)
			{
				FArchiveReplaceObjectRef<UObject> ReplaceReferences(Object, Replacements, EArchiveReplaceObjectFlags::IgnoreOuterRef | EArchiveReplaceObjectFlags::IgnoreArchetypeRef);
			}
		}
	}

	static FString GetPackageFilename(const UPackage& Package)
	{
		return FPackageName::LongPackageNameToFilename(Package.GetName(), Package.ContainsMap() ? FPackageName::GetMapPackageExtension() : FPackageName::GetAssetPackageExtension());
	}
}

void UJ5Package::CopyDependencies()
{
	using namespace J5PackageExport;
	const FString Title = TEXT("Copy Dependencies");

	const FString Busy = GetBusyReason();
	if (!Busy.IsEmpty())
	{
		ReportFailure(*this, Title, Busy);
		return;
	}
	if (PackageDirectory.IsEmpty())
	{
		ReportFailure(*this, Title, TEXT("the package lies in no content directory, so there is nowhere to copy to."));
		return;
	}
	if (MissingDependencies.IsEmpty())
	{
		ReportSuccess(*this, Title, FString::Printf(TEXT("no referenced package lies outside %s, so there is nothing to copy (run \"Find Dependencies\" if the content changed)."), *PackageDirectory), /*bNotify=*/true);
		return;
	}

	IAssetRegistry& AssetRegistry = FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
	IAssetTools& AssetTools = FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get();
	const FString CopiesRoot = PackageDirectory / J5PackageCopy::CopiesFolderName;

	// Deepest first, so that the outside packages a copy refers to are copied before it; equal depths keep the list's order.
	TArray<TPair<FName, int32>> Order;
	for (const TPair<FName, int32>& Entry : MissingDependencies)
	{
		Order.Add(Entry);
	}
	Order.StableSort([](const TPair<FName, int32>& A, const TPair<FName, int32>& B) { return A.Value > B.Value; });

	// Copying makes new packages, which undo does not remove; what undo restores is where the package's
	// own assets point and what the package lists.
	FScopedTransaction Transaction(LOCTEXT("CopyDependenciesTransaction", "Copy Dependencies"));

	TMap<UObject*, UObject*> Replacements;
	TMap<FSoftObjectPath, FSoftObjectPath> SoftReplacements;
	TSet<FName> CopiedSources;
	TArray<UPackage*> PackagesToSave;
	// What happened to each package, for the log; the problems among it also go to the notification.
	TArray<FString> Lines;
	TArray<FString> Problems;
	auto AddProblem = [&Lines, &Problems](const FString& Problem)
	{
		Lines.Add(Problem);
		Problems.Add(Problem);
	};
	int32 NumSkipped = 0;
	FString StopReason;

	for (int32 Index = 0; Index < Order.Num(); ++Index)
	{
		const FName SourcePackage = Order[Index].Key;
		const FString SourceName = SourcePackage.ToString();

		TArray<FAssetData> SourceAssets;
		AssetRegistry.GetAssetsByPackageName(SourcePackage, SourceAssets);
		if (SourceAssets.Num() != 1)
		{
			++NumSkipped;
			AddProblem(SourceAssets.Num() == 0
				? FString::Printf(TEXT("%s skipped: no asset of that package is known; it may have been deleted or not be an asset."), *SourceName)
				: FString::Printf(TEXT("%s skipped: it holds %d assets; copy it with the migration tool."), *SourceName, SourceAssets.Num()));
			continue;
		}
		UObject* const Original = SourceAssets[0].GetAsset();
		if (Original == nullptr)
		{
			++NumSkipped;
			AddProblem(FString::Printf(TEXT("%s skipped: it could not be loaded."), *SourceName));
			continue;
		}

		const FString TargetFolder = CopiesRoot + FPackageName::GetLongPackagePath(SourceName);
		const FString BaseName = SourceAssets[0].AssetName.ToString();
		const FString AssetName = J5PackageCopy::FindFreeAssetName(AssetRegistry, TargetFolder, BaseName);
		if (AssetName.IsEmpty())
		{
			++NumSkipped;
			AddProblem(FString::Printf(TEXT("%s skipped: no free name was found in %s."), *SourceName, *TargetFolder));
			continue;
		}

		UObject* const Copy = AssetTools.DuplicateAsset(AssetName, TargetFolder, Original);
		if (Copy == nullptr)
		{
			StopReason = FString::Printf(TEXT("copying %s to %s failed, so the copy stopped there; %d of %d packages were not tried. What was copied before is in place and referred to."),
				*SourceName, *(TargetFolder / AssetName), Order.Num() - Index - 1, Order.Num());
			break;
		}

		Replacements.Add(Original, Copy);
		SoftReplacements.Add(FSoftObjectPath(Original), FSoftObjectPath(Copy));
		CopiedSources.Add(SourcePackage);
		PackagesToSave.Add(Copy->GetPackage());
		Lines.Add(AssetName == BaseName
			? FString::Printf(TEXT("%s copied to %s."), *SourceName, *Copy->GetPackage()->GetName())
			: FString::Printf(TEXT("%s copied to %s (%s exists already and was left as it is)."), *SourceName, *Copy->GetPackage()->GetName(), *(TargetFolder / BaseName)));
	}

	if (CopiedSources.Num() == 0)
	{
		Transaction.Cancel();
	}
	else
	{
		// The package is part of the step whatever the search below finds, so that undoing it shows the list it had.
		Modify();

		// The package's own content and the copies now refer to the copies; nothing outside the directory is touched.
		TArray<FName> InsidePackages;
		for (const FSoftObjectPath& MainAsset : MainAssets)
		{
			InsidePackages.AddUnique(MainAsset.GetAssetPath().GetPackageName());
		}
		for (const FName& Dependency : Dependencies)
		{
			InsidePackages.AddUnique(Dependency);
		}
		for (const FName InsidePackage : InsidePackages)
		{
			if (!J5PackageCopy::RefersToAny(AssetRegistry, InsidePackage, CopiedSources))
			{
				continue;
			}
			if (UPackage* Loaded = J5PackageCopy::LoadAssetPackage(AssetRegistry, InsidePackage))
			{
				PackagesToSave.AddUnique(Loaded);
			}
			else
			{
				AddProblem(FString::Printf(TEXT("%s still refers to the originals: it could not be loaded."), *InsidePackage.ToString()));
			}
		}
		for (UPackage* Package : PackagesToSave)
		{
			J5PackageCopy::ReplaceHardReferences(*Package, Replacements);
		}
		AssetTools.RenameReferencingSoftObjectPaths(PackagesToSave, SoftReplacements);

		// Saved, so that the cook finds the copies and the registry records the new references.
		UEditorLoadingAndSavingUtils::SavePackages(PackagesToSave, /*bOnlyDirty=*/false);
		TArray<FString> SavedFiles;
		for (UPackage* Package : PackagesToSave)
		{
			if (Package->IsDirty())
			{
				AddProblem(FString::Printf(TEXT("%s could not be saved; save it before cooking."), *Package->GetName()));
				if (StopReason.IsEmpty())
				{
					StopReason = TEXT("some packages could not be saved.");
				}
			}
			else
			{
				SavedFiles.Add(J5PackageCopy::GetPackageFilename(*Package));
			}
		}
		AssetRegistry.ScanFilesSynchronous(SavedFiles, /*bForceRescan=*/true);

		FindAllDependencies();
	}

	for (const FString& Line : Lines)
	{
		UE_LOG(LogTalvynSDK, Display, TEXT("%s: %s: %s"), *GetName(), *Title, *Line);
	}

	FString Detail = FString::Printf(TEXT("%d of %d outside packages copied into %s, %d skipped."), CopiedSources.Num(), Order.Num(), *CopiesRoot, NumSkipped);
	if (!StopReason.IsEmpty())
	{
		Detail = StopReason + TEXT("\n") + Detail;
	}
	for (int32 Index = 0; Index < Problems.Num() && Index < J5PackageCopy::MaxReportedProblems; ++Index)
	{
		Detail += TEXT("\n") + Problems[Index];
	}
	if (Problems.Num() > J5PackageCopy::MaxReportedProblems)
	{
		Detail += FString::Printf(TEXT("\n... and %d more; the log lists them all."), Problems.Num() - J5PackageCopy::MaxReportedProblems);
	}

	if (StopReason.IsEmpty() && Problems.IsEmpty())
	{
		ReportSuccess(*this, Title, Detail, /*bNotify=*/true);
	}
	else
	{
		ReportFailure(*this, Title, Detail);
	}
}

#undef LOCTEXT_NAMESPACE

#else

void UJ5Package::CopyDependencies()
{
}

#endif
