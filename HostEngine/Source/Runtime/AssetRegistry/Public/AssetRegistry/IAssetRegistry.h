#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/ARFilter.h"
#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetIdentifier.h"
#include "Delegates/Delegate.h"
#include "Misc/AssetRegistryInterface.h"
#include "Templates/Function.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/TopLevelAssetPath.h"

class UObject;

namespace AssetRegistryConstants
{
	const FName ModuleName(TEXT("AssetRegistry"));
}

/**
 * The asset registry: what is known about every asset of the project without loading it, and the
 * dependencies between packages.
 *
 * Every query that fills an array appends to it and leaves what it held untouched. Results come in the
 * order the assets became known to the registry.
 */
class ASSETREGISTRY_API IAssetRegistry
{
public:
	virtual ~IAssetRegistry() = default;

	/** The registry, once the AssetRegistry module has started; null before and after. */
	static IAssetRegistry* Get()
	{
		return IAssetRegistrySingleton::Get();
	}

	static IAssetRegistry& GetChecked()
	{
		IAssetRegistry* Registry = IAssetRegistrySingleton::Get();
		checkf(Registry != nullptr, TEXT("The asset registry is not available: the AssetRegistry module is not loaded"));
		return *Registry;
	}

	/** Whether any asset lies in the folder (or, with bRecursive, below it). */
	virtual bool HasAssets(const FName PackagePath, const bool bRecursive = false) const = 0;

	/** The assets of one package. */
	virtual bool GetAssetsByPackageName(FName PackageName, TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets = false, bool bSkipARFilteredAssets = true) const = 0;

	/** The assets in a folder such as "/Game/Meshes"; with bRecursive also those in its subfolders. */
	virtual bool GetAssetsByPath(FName PackagePath, TArray<FAssetData>& OutAssetData, bool bRecursive = false, bool bIncludeOnlyOnDiskAssets = false) const = 0;
	virtual bool GetAssetsByPaths(TArray<FName> PackagePaths, TArray<FAssetData>& OutAssetData, bool bRecursive = false, bool bIncludeOnlyOnDiskAssets = false) const = 0;

	/** The assets of a class; with bSearchSubClasses also those of its loaded subclasses. */
	virtual bool GetAssetsByClass(FTopLevelAssetPath ClassPathName, TArray<FAssetData>& OutAssetData, bool bSearchSubClasses = false) const = 0;

	/**
	 * The assets that pass the filter. Returns false, and adds nothing, for an empty filter: use
	 * GetAllAssets to list everything.
	 */
	virtual bool GetAssets(const FARFilter& Filter, TArray<FAssetData>& OutAssetData, bool bSkipARFilteredAssets = true) const = 0;

	/** Calls Callback for each asset that passes the filter until it returns false. */
	virtual bool EnumerateAssets(const FARFilter& Filter, TFunctionRef<bool(const FAssetData&)> Callback, UE::AssetRegistry::EEnumerateAssetsFlags InEnumerateFlags = UE::AssetRegistry::EEnumerateAssetsFlags::None) const = 0;

	/** The asset at an object path ("/Game/Path/Package.Asset"); an invalid FAssetData when it is unknown. */
	virtual FAssetData GetAssetByObjectPath(const FSoftObjectPath& ObjectPath, bool bIncludeOnlyOnDiskAssets = false, bool bSkipARFilteredAssets = true) const = 0;
	virtual UE::AssetRegistry::EExists TryGetAssetByObjectPath(const FSoftObjectPath& ObjectPath, FAssetData& OutAssetData) const = 0;

	virtual bool GetAllAssets(TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets = false) const = 0;
	virtual bool EnumerateAllAssets(TFunctionRef<bool(const FAssetData&)> Callback, UE::AssetRegistry::EEnumerateAssetsFlags InEnumerateFlags = UE::AssetRegistry::EEnumerateAssetsFlags::None) const = 0;

	/**
	 * The packages that the package refers to, as recorded on disk, that answer the query. Returns false
	 * when the package is unknown to the dependency graph.
	 */
	virtual bool GetDependencies(FName PackageName, TArray<FName>& OutDependencies, UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::Package, const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) const = 0;
	virtual bool GetDependencies(const FAssetIdentifier& AssetIdentifier, TArray<FAssetIdentifier>& OutDependencies, UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::All, const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) const = 0;

	/** The packages that refer to the package and answer the query; the reverse of GetDependencies. */
	virtual bool GetReferencers(FName PackageName, TArray<FName>& OutReferencers, UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::Package, const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) const = 0;
	virtual bool GetReferencers(const FAssetIdentifier& AssetIdentifier, TArray<FAssetIdentifier>& OutReferencers, UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::All, const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) const = 0;

	/** The super classes of a loaded class, nearest first. Returns false when the class is not loaded. */
	virtual bool GetAncestorClassNames(FTopLevelAssetPath ClassName, TArray<FTopLevelAssetPath>& OutAncestorClassNames) const = 0;

	/** The loaded classes derived from ClassNames, the classes themselves included, minus ExcludedClassNames and what derives from them. */
	virtual void GetDerivedClassNames(const TArray<FTopLevelAssetPath>& ClassNames, const TSet<FTopLevelAssetPath>& ExcludedClassNames, TSet<FTopLevelAssetPath>& OutDerivedClassNames) const = 0;

	/**
	 * What the editor tells the registry about assets in memory: a factory made one, one was deleted,
	 * one was renamed or moved (OldObjectPath is "/Path/Package.Asset"). Objects that are not assets
	 * are ignored.
	 */
	virtual void AssetCreated(UObject* NewAsset) = 0;
	virtual void AssetDeleted(UObject* DeletedAsset) = 0;
	virtual void AssetRenamed(const UObject* RenamedAsset, const FString& OldObjectPath) = 0;

	/** Whether the initial search of the content folders is still running. */
	virtual bool IsLoadingAssets() const = 0;
	virtual void SearchAllAssets(bool bSynchronousSearch) = 0;
	virtual void ScanPathsSynchronous(const TArray<FString>& InPaths, bool bForceRescan = false, bool bIgnoreDenyListScanFilters = false) = 0;

	/**
	 * Reads the package files now: their assets and the dependencies they record replace what the
	 * registry knew of those packages. Files that do not exist are skipped.
	 */
	virtual void ScanFilesSynchronous(const TArray<FString>& InFilePaths, bool bForceRescan = false) = 0;
	virtual void WaitForCompletion() = 0;

	DECLARE_TS_MULTICAST_DELEGATE_OneParam(FAssetAddedEvent, const FAssetData&);
	virtual FAssetAddedEvent& OnAssetAdded() = 0;

	DECLARE_TS_MULTICAST_DELEGATE_OneParam(FAssetRemovedEvent, const FAssetData&);
	virtual FAssetRemovedEvent& OnAssetRemoved() = 0;

	/** The asset's new data and its old object path. */
	DECLARE_TS_MULTICAST_DELEGATE_TwoParams(FAssetRenamedEvent, const FAssetData&, const FString&);
	virtual FAssetRenamedEvent& OnAssetRenamed() = 0;

	DECLARE_TS_MULTICAST_DELEGATE(FFilesLoadedEvent);
	virtual FFilesLoadedEvent& OnFilesLoaded() = 0;
};
