#include "J5Package.h"

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Misc/AssetRegistryInterface.h"
#include "Misc/PackageName.h"
#include "Modules/ModuleManager.h"
#include "TalvynSDKBase.h"
#include "UObject/NameTypes.h"
#include "UObject/Package.h"

#if WITH_EDITOR
#include "ScopedTransaction.h"
#endif

#define LOCTEXT_NAMESPACE "J5Package"

namespace J5Package
{
	/** The directory without trailing slashes, so that both spellings compare alike. */
	static FStringView TrimDirectory(FStringView Directory)
	{
		while (Directory.Len() > 0 && Directory[Directory.Len() - 1] == TEXT('/'))
		{
			Directory = Directory.LeftChop(1);
		}
		return Directory;
	}

	/** True for the directory itself and every folder below it, but not for a sibling that merely shares its first characters. */
	static bool IsFolderInDirectory(FStringView Folder, FStringView Directory)
	{
		if (Directory.IsEmpty() || !Folder.StartsWith(Directory, ESearchCase::IgnoreCase))
		{
			return false;
		}
		return Folder.Len() == Directory.Len() || Folder[Directory.Len()] == TEXT('/');
	}

	/** True for a package whose long name continues the directory with a slash, that is one stored in it or below it. */
	static bool IsPackageInDirectory(FStringView PackageName, FStringView Directory)
	{
		return !Directory.IsEmpty()
			&& PackageName.Len() > Directory.Len()
			&& PackageName.StartsWith(Directory, ESearchCase::IgnoreCase)
			&& PackageName[Directory.Len()] == TEXT('/');
	}

	static bool IsEnginePackage(FStringView PackageName)
	{
		return PackageName.StartsWith(TEXT("/Engine/"), ESearchCase::IgnoreCase);
	}

	static IAssetRegistry& GetAssetRegistry()
	{
		return FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
	}

	/** Orders paths by package, then by asset, without building strings. */
	static bool PathLess(const FSoftObjectPath& A, const FSoftObjectPath& B)
	{
		const int32 PackageOrder = A.GetAssetPath().GetPackageName().Compare(B.GetAssetPath().GetPackageName());
		if (PackageOrder != 0)
		{
			return PackageOrder < 0;
		}
		return A.GetAssetPath().GetAssetName().Compare(B.GetAssetPath().GetAssetName()) < 0;
	}

	static bool HaveSameElements(const TSet<FName>& A, const TSet<FName>& B)
	{
		if (A.Num() != B.Num())
		{
			return false;
		}
		for (const FName& Element : A)
		{
			if (!B.Contains(Element))
			{
				return false;
			}
		}
		return true;
	}

	/** Same entries in the same order: the panel prints the map in its order, so a reordering is a change. */
	static bool HaveSameEntries(const TMap<FName, int32>& A, const TMap<FName, int32>& B)
	{
		if (A.Num() != B.Num())
		{
			return false;
		}
		TMap<FName, int32>::TConstIterator Other = B.CreateConstIterator();
		for (const TPair<FName, int32>& Entry : A)
		{
			if (Entry.Key != Other.Key() || Entry.Value != Other.Value())
			{
				return false;
			}
			++Other;
		}
		return true;
	}

	/** One package of the walk whose dependencies are being visited; they sit in a buffer shared by the whole walk. */
	struct FWalkFrame
	{
		int32 FirstDependency;
		int32 NextDependency;
		int32 EndDependency;
		/** Depth given to the outside packages that this package is the first to reach. */
		int32 OutsideDepth;
	};
}

void UJ5Package::FindAllAssets()
{
	if (PackageDirectory.IsEmpty())
	{
		UE_LOG(LogTalvynSDK, Warning, TEXT("%s: no assets were added, because the package lies in no content folder."), *GetPathName());
		return;
	}

	TArray<FAssetData> Found;
	J5Package::GetAssetRegistry().GetAssetsByPath(FName(*PackageDirectory), Found, /*bRecursive=*/true);

	TSet<FSoftObjectPath> Present;
	Present.Reserve(MainAssets.Num() + Found.Num());
	for (const FSoftObjectPath& Path : MainAssets)
	{
		Present.Add(Path);
	}

	const FName OwnPackageName = GetPackage()->GetFName();
	const FName OwnName = GetFName();
	TArray<FSoftObjectPath> NewAssets;
	for (const FAssetData& AssetData : Found)
	{
		if (AssetData.PackageName == OwnPackageName && AssetData.AssetName == OwnName)
		{
			continue;
		}
		const FSoftObjectPath Path = AssetData.GetSoftObjectPath();
		bool bAlreadyPresent = false;
		Present.Add(Path, &bAlreadyPresent);
		if (!bAlreadyPresent)
		{
			NewAssets.Add(Path);
		}
	}

	if (NewAssets.IsEmpty())
	{
		return;
	}

	// The registry's order depends on how it was scanned; sorting keeps the package the same from one run to the next.
	NewAssets.Sort([](const FSoftObjectPath& A, const FSoftObjectPath& B) { return J5Package::PathLess(A, B); });

	ChangeCollections(LOCTEXT("AddAllAssetsTransaction", "Add All Assets"), [this, &NewAssets]()
	{
		MainAssets.Append(NewAssets);
	});
}

void UJ5Package::AddAsset(const FAssetData& AssetData)
{
	if (!AssetData.IsValid())
	{
		UE_LOG(LogTalvynSDK, Warning, TEXT("%s: an asset was not added, because its asset data is invalid."), *GetPathName());
		return;
	}

	const FString AssetPath = AssetData.GetObjectPathString();
	if (AssetData.PackageName == GetPackage()->GetFName() && AssetData.AssetName == GetFName())
	{
		UE_LOG(LogTalvynSDK, Warning, TEXT("%s: %s was not added, because it is this package asset itself."), *GetPathName(), *AssetPath);
		return;
	}

	const FNameBuilder AssetFolder(AssetData.PackagePath);
	if (!J5Package::IsFolderInDirectory(AssetFolder.ToView(), J5Package::TrimDirectory(PackageDirectory)))
	{
		UE_LOG(LogTalvynSDK, Warning, TEXT("%s: %s was not added, because it lies outside the package's directory \"%s\"."), *GetPathName(), *AssetPath, *PackageDirectory);
		return;
	}

	const FSoftObjectPath Path = AssetData.GetSoftObjectPath();
	if (MainAssets.Contains(Path))
	{
		UE_LOG(LogTalvynSDK, Warning, TEXT("%s: %s was not added, because it is already in the package."), *GetPathName(), *AssetPath);
		return;
	}

	ChangeCollections(LOCTEXT("AddAssetTransaction", "Add Asset"), [this, &Path]()
	{
		MainAssets.Add(Path);
	});
}

void UJ5Package::RemoveAllAssets()
{
	if (MainAssets.IsEmpty() && Dependencies.IsEmpty() && MissingDependencies.IsEmpty())
	{
		return;
	}

	ChangeCollections(LOCTEXT("RemoveAllAssetsTransaction", "Remove All Assets"), [this]()
	{
		MainAssets.Empty();
		Dependencies.Empty();
		MissingDependencies.Empty();
	});
}

void UJ5Package::FindAllDependencies()
{
	using namespace UE::AssetRegistry;

	IAssetRegistry& AssetRegistry = J5Package::GetAssetRegistry();
	const FStringView Directory = J5Package::TrimDirectory(PackageDirectory);

	TSet<FName> NewDependencies;
	TMap<FName, int32> NewMissingDependencies;
	TArray<FName> EnginePackages;

	// Every package is looked at once, so cycles and self references end the walk and the cost stays linear.
	// The package asset and the main assets' packages are already accounted for and never become dependencies.
	TSet<FName> Visited;
	Visited.Add(GetPackage()->GetFName());
	TArray<FName> Roots;
	for (const FSoftObjectPath& MainAsset : MainAssets)
	{
		const FName RootPackage = MainAsset.GetAssetPath().GetPackageName();
		bool bAlreadyVisited = false;
		Visited.Add(RootPackage, &bAlreadyVisited);
		if (!bAlreadyVisited)
		{
			Roots.Add(RootPackage);
		}
	}

	// Outside packages that the package's own content names directly are listed at depth 0, even when another
	// outside package reaches them first; a walk over the inside packages alone finds them.
	TSet<FName> DirectOutside;
	{
		TSet<FName> InsideSeen;
		InsideSeen.Add(GetPackage()->GetFName());
		TArray<FName> InsideQueue;
		for (const FName Root : Roots)
		{
			InsideSeen.Add(Root);
			InsideQueue.Add(Root);
		}
		TArray<FName> References;
		for (int32 Index = 0; Index < InsideQueue.Num(); ++Index)
		{
			References.Reset();
			AssetRegistry.GetDependencies(InsideQueue[Index], References, EDependencyCategory::Package, EDependencyQuery::Game);
			for (const FName Reference : References)
			{
				// Most references lead to a package this walk has placed already: a look-up costs less than the spelling.
				if (InsideSeen.Contains(Reference) || DirectOutside.Contains(Reference))
				{
					continue;
				}
				const FNameBuilder ReferenceName(Reference);
				const FStringView ReferenceView = ReferenceName.ToView();
				if (FPackageName::IsScriptPackage(ReferenceView) || J5Package::IsEnginePackage(ReferenceView))
				{
					continue;
				}
				if (!J5Package::IsPackageInDirectory(ReferenceView, Directory))
				{
					DirectOutside.Add(Reference);
					continue;
				}
				bool bAlreadySeen = false;
				InsideSeen.Add(Reference, &bAlreadySeen);
				if (!bAlreadySeen)
				{
					InsideQueue.Add(Reference);
				}
			}
		}
	}

	// Depth first, without recursion (dependency chains can be long): an outside package enters the map right before
	// the outside packages it pulls in, so that the panel's indented list reads as a tree.
	TArray<FName> PendingDependencies;
	TArray<J5Package::FWalkFrame> Stack;
	auto Enter = [&AssetRegistry, &PendingDependencies, &Stack](const FName Package, const int32 OutsideDepth)
	{
		const int32 First = PendingDependencies.Num();
		AssetRegistry.GetDependencies(Package, PendingDependencies, EDependencyCategory::Package, EDependencyQuery::Game);
		Stack.Add(J5Package::FWalkFrame{ First, First, PendingDependencies.Num(), OutsideDepth });
	};

	for (const FName Root : Roots)
	{
		Enter(Root, 0);
		while (Stack.Num() > 0)
		{
			J5Package::FWalkFrame& Frame = Stack.Last();
			if (Frame.NextDependency == Frame.EndDependency)
			{
				PendingDependencies.RemoveAt(Frame.FirstDependency, PendingDependencies.Num() - Frame.FirstDependency, EAllowShrinking::No);
				Stack.Pop(EAllowShrinking::No);
				continue;
			}

			const FName Dependency = PendingDependencies[Frame.NextDependency++];
			const int32 OutsideDepth = Frame.OutsideDepth;

			bool bAlreadyVisited = false;
			Visited.Add(Dependency, &bAlreadyVisited);
			if (bAlreadyVisited)
			{
				continue;
			}

			const FNameBuilder DependencyName(Dependency);
			const FStringView DependencyView = DependencyName.ToView();
			if (FPackageName::IsScriptPackage(DependencyView))
			{
				continue;
			}
			if (J5Package::IsEnginePackage(DependencyView))
			{
				// Engine content ships with every installation: nothing to copy, nothing missing.
				EnginePackages.Add(Dependency);
				continue;
			}

			if (J5Package::IsPackageInDirectory(DependencyView, Directory))
			{
				NewDependencies.Add(Dependency);
				Enter(Dependency, 0);
			}
			else if (OutsideDepth > 0 && DirectOutside.Contains(Dependency))
			{
				// Left for the inside package that names it, which lists it at depth 0.
				Visited.Remove(Dependency);
			}
			else
			{
				NewMissingDependencies.Add(Dependency, OutsideDepth);
				Enter(Dependency, OutsideDepth + 1);
			}
		}
	}

	if (EnginePackages.Num() > 0)
	{
		FString EngineList;
		for (const FName EnginePackage : EnginePackages)
		{
			if (!EngineList.IsEmpty())
			{
				EngineList += TEXT(", ");
			}
			EngineList += EnginePackage.ToString();
		}
		UE_LOG(LogTalvynSDK, Display, TEXT("%s: %d engine packages are referenced; they are neither copied nor counted as missing: %s"), *GetPathName(), EnginePackages.Num(), *EngineList);
	}

	if (J5Package::HaveSameElements(NewDependencies, Dependencies) && J5Package::HaveSameEntries(NewMissingDependencies, MissingDependencies))
	{
		return;
	}

	ChangeCollections(LOCTEXT("FindDependenciesTransaction", "Find Dependencies"), [this, &NewDependencies, &NewMissingDependencies]()
	{
		Dependencies = MoveTemp(NewDependencies);
		MissingDependencies = MoveTemp(NewMissingDependencies);
	});
}

void UJ5Package::PostInitProperties()
{
	Super::PostInitProperties();

	// The class default object lives in the script package and stands for no folder.
	if (!HasAnyFlags(RF_ClassDefaultObject))
	{
		UpdatePackageDirectory();
	}
}

void UJ5Package::PostLoad()
{
	Super::PostLoad();

	// The asset may have been moved on disk since it was saved.
	UpdatePackageDirectory();
}

void UJ5Package::PostRename(UObject* OldOuter, const FName OldName)
{
	Super::PostRename(OldOuter, OldName);

	// A move is a rename into another package.
	UpdatePackageDirectory();
}

void UJ5Package::PostDuplicate(bool bDuplicateForPIE)
{
	Super::PostDuplicate(bDuplicateForPIE);

	UpdatePackageDirectory();
}

void UJ5Package::UpdatePackageDirectory()
{
	const UPackage* const Package = GetPackage();
	if (Package == nullptr || Package == GetTransientPackage())
	{
		// Not stored in any content folder: there is no directory to gather from.
		PackageDirectory.Empty();
		return;
	}
	PackageDirectory = FPackageName::GetLongPackagePath(Package->GetName());
}

#if WITH_EDITOR
void UJ5Package::PostEditUndo()
{
	Super::PostEditUndo();

	// The directory is where the asset is now, which a move since the change may have made another than the one recorded.
	UpdatePackageDirectory();
	// Undo and redo set the collections back without an operation, so the panels are told here.
	OnPackageChanged.Broadcast();
}
#endif

void UJ5Package::ChangeCollections(const FText& Description, TFunctionRef<void()> Change)
{
	{
#if WITH_EDITOR
		// Joins the transaction of an enclosing operation (Copy Dependencies) instead of making a step of its own.
		FScopedTransaction Transaction(Description);
#endif
		Modify();
		MarkPackageDirty();
		Change();
	}
	OnPackageChanged.Broadcast();
}

#undef LOCTEXT_NAMESPACE
