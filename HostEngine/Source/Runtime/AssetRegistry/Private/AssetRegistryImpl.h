#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/IAssetRegistry.h"

/**
 * The registry's in-memory state. Assets sit in one array in the order they became known; the maps
 * below index into it. A removed asset leaves a hole until enough holes gather to compact the array,
 * so removal never reorders what remains.
 *
 * Only the editor's main thread uses the registry, so nothing here is locked.
 */
class FAssetRegistryImpl final : public IAssetRegistry
{
public:
	FAssetRegistryImpl();
	virtual ~FAssetRegistryImpl() override;

	/** The registry of the started module, or null. */
	static FAssetRegistryImpl* GetInstance();
	static void SetInstance(FAssetRegistryImpl* Instance);

	//~ Begin IAssetRegistry interface
	virtual bool HasAssets(const FName PackagePath, const bool bRecursive = false) const override;
	virtual bool GetAssetsByPackageName(FName PackageName, TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets = false, bool bSkipARFilteredAssets = true) const override;
	virtual bool GetAssetsByPath(FName PackagePath, TArray<FAssetData>& OutAssetData, bool bRecursive = false, bool bIncludeOnlyOnDiskAssets = false) const override;
	virtual bool GetAssetsByPaths(TArray<FName> PackagePaths, TArray<FAssetData>& OutAssetData, bool bRecursive = false, bool bIncludeOnlyOnDiskAssets = false) const override;
	virtual bool GetAssetsByClass(FTopLevelAssetPath ClassPathName, TArray<FAssetData>& OutAssetData, bool bSearchSubClasses = false) const override;
	virtual bool GetAssets(const FARFilter& Filter, TArray<FAssetData>& OutAssetData, bool bSkipARFilteredAssets = true) const override;
	virtual bool EnumerateAssets(const FARFilter& Filter, TFunctionRef<bool(const FAssetData&)> Callback, UE::AssetRegistry::EEnumerateAssetsFlags InEnumerateFlags = UE::AssetRegistry::EEnumerateAssetsFlags::None) const override;
	virtual FAssetData GetAssetByObjectPath(const FSoftObjectPath& ObjectPath, bool bIncludeOnlyOnDiskAssets = false, bool bSkipARFilteredAssets = true) const override;
	virtual UE::AssetRegistry::EExists TryGetAssetByObjectPath(const FSoftObjectPath& ObjectPath, FAssetData& OutAssetData) const override;
	virtual bool GetAllAssets(TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets = false) const override;
	virtual bool EnumerateAllAssets(TFunctionRef<bool(const FAssetData&)> Callback, UE::AssetRegistry::EEnumerateAssetsFlags InEnumerateFlags = UE::AssetRegistry::EEnumerateAssetsFlags::None) const override;
	virtual bool GetDependencies(FName PackageName, TArray<FName>& OutDependencies, UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::Package, const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) const override;
	virtual bool GetDependencies(const FAssetIdentifier& AssetIdentifier, TArray<FAssetIdentifier>& OutDependencies, UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::All, const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) const override;
	virtual bool GetReferencers(FName PackageName, TArray<FName>& OutReferencers, UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::Package, const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) const override;
	virtual bool GetReferencers(const FAssetIdentifier& AssetIdentifier, TArray<FAssetIdentifier>& OutReferencers, UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::All, const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) const override;
	virtual bool GetAncestorClassNames(FTopLevelAssetPath ClassName, TArray<FTopLevelAssetPath>& OutAncestorClassNames) const override;
	virtual void GetDerivedClassNames(const TArray<FTopLevelAssetPath>& ClassNames, const TSet<FTopLevelAssetPath>& ExcludedClassNames, TSet<FTopLevelAssetPath>& OutDerivedClassNames) const override;
	virtual void AssetCreated(UObject* NewAsset) override;
	virtual void AssetDeleted(UObject* DeletedAsset) override;
	virtual void AssetRenamed(const UObject* RenamedAsset, const FString& OldObjectPath) override;
	virtual bool IsLoadingAssets() const override;
	virtual void SearchAllAssets(bool bSynchronousSearch) override;
	virtual void ScanPathsSynchronous(const TArray<FString>& InPaths, bool bForceRescan = false, bool bIgnoreDenyListScanFilters = false) override;
	virtual void ScanFilesSynchronous(const TArray<FString>& InFilePaths, bool bForceRescan = false) override;
	virtual void WaitForCompletion() override;
	virtual FAssetAddedEvent& OnAssetAdded() override;
	virtual FAssetRemovedEvent& OnAssetRemoved() override;
	virtual FAssetRenamedEvent& OnAssetRenamed() override;
	virtual FFilesLoadedEvent& OnFilesLoaded() override;
	//~ End IAssetRegistry interface

	/** Adds an asset and broadcasts OnAssetAdded; false (and nothing changes) for a bad name or a known object path. */
	bool AddAsset(FName PackageName, FName AssetName, const FTopLevelAssetPath& ClassPath, FString* OutError = nullptr);
	/** Removes an asset and broadcasts OnAssetRemoved. A package left without assets loses its own dependencies. */
	bool RemoveAsset(FName PackageName, FName AssetName);
	/** Moves an asset to a new object path and broadcasts OnAssetRenamed. A package that moves whole takes its dependency records along. */
	bool RenameAsset(FName OldPackageName, FName OldAssetName, FName NewPackageName, FName NewAssetName, FString* OutError = nullptr);
	/** Records that FromPackage refers to ToPackage; a second record of the same pair adds its properties. */
	bool AddDependency(FName FromPackage, FName ToPackage, UE::AssetRegistry::EDependencyProperty Properties, FString* OutError = nullptr);
	bool RemoveDependency(FName FromPackage, FName ToPackage);
	/** Forgets everything, without broadcasting. */
	void Clear();

	bool ContainsAsset(FName PackageName, FName AssetName) const;
	int32 GetNumAssets() const
	{
		return NumLiveAssets;
	}
	int32 GetNumDependencies() const
	{
		return Edges.Num();
	}

	/** Why a package name cannot be one ("" when it can): "/Root/Name", no empty parts, no '.', spaces or reserved characters. */
	static FString GetInvalidPackageNameReason(FName PackageName);
	static FString GetInvalidAssetNameReason(FName AssetName);
	static FString GetInvalidClassPathReason(const FTopLevelAssetPath& ClassPath);

private:
	/** Two names: a package and an asset in it, or a referencing package and the package it refers to. */
	struct FNamePair
	{
		FName PackageName;
		FName AssetName;

		bool operator==(const FNamePair& Other) const
		{
			return PackageName == Other.PackageName && AssetName == Other.AssetName;
		}
		friend uint32 GetTypeHash(const FNamePair& Key)
		{
			return HashCombine(GetTypeHash(Key.PackageName), GetTypeHash(Key.AssetName));
		}
	};

	struct FAssetSlot
	{
		FAssetData Data;
		bool bLive = false;
	};

	struct FDependencyLink
	{
		FName Package;
		UE::AssetRegistry::EDependencyProperty Properties = UE::AssetRegistry::EDependencyProperty::None;
	};

	/** A node of the package dependency graph: what it refers to and what refers to it, in recording order. */
	struct FPackageNode
	{
		TArray<FDependencyLink> Dependencies;
		TArray<FDependencyLink> Referencers;
	};

	/** A filter resolved against the registry, so each asset is tested with set look-ups only. */
	struct FCompiledFilter;

	bool CompileFilter(const FARFilter& Filter, FCompiledFilter& OutCompiled) const;
	/** The indices of the assets that pass, ascending (registration order). */
	void GatherFiltered(const FCompiledFilter& Compiled, TArray<int32>& OutIndices) const;
	bool PassesFilter(const FCompiledFilter& Compiled, const FAssetData& Data) const;

	/** Adds the folder and every folder above it to the folder tree. */
	void AddPath(FName Path);
	/** The folder and, with bRecursive, every folder below it, each once. */
	void GatherPaths(FName Path, bool bRecursive, TSet<FName>& OutPaths) const;
	static FName NormalizePath(FName Path);

	void IndexAsset(int32 Index);
	void UnindexAsset(int32 Index);
	void CompactIfWorthwhile();
	void RemovePackageDependencies(FName PackageName);
	void MovePackageDependencies(FName OldPackageName, FName NewPackageName);

	static bool AppendMatching(const TArray<FDependencyLink>& Links, TArray<FName>& OutPackages, UE::AssetRegistry::EDependencyCategory Category, const UE::AssetRegistry::FDependencyQuery& Flags);

	TArray<FAssetSlot> Assets;
	int32 NumLiveAssets = 0;
	TMap<FNamePair, int32> AssetsByObjectPath;
	TMap<FName, TArray<int32>> AssetsByPackage;
	TMap<FName, TArray<int32>> AssetsByPath;
	TMap<FTopLevelAssetPath, TArray<int32>> AssetsByClass;
	/** Folder to its direct subfolders. */
	TMap<FName, TArray<FName>> SubPaths;

	TMap<FName, FPackageNode> Packages;
	/** Enumerations under way; the registry must not change while a callback may hold one of its records. */
	mutable int32 EnumerationDepth = 0;
	/** Every recorded (referencer, dependency) pair, so a repeated record is found without scanning. */
	TSet<FNamePair> Edges;

	FAssetAddedEvent AssetAddedEvent;
	FAssetRemovedEvent AssetRemovedEvent;
	FAssetRenamedEvent AssetRenamedEvent;
	FFilesLoadedEvent FilesLoadedEvent;
};
