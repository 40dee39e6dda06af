#pragma once

#include "CoreMinimal.h"
#include "AssetTypeCategories.h"
#include "IAssetTypeActions.h"
#include "UObject/SoftObjectPath.h"

class UClass;
class UFactory;
class UObject;
class UPackage;

/** An asset category registered by name, as the Content Browser lists it. */
struct FAdvancedAssetCategory
{
	EAssetTypeCategories::Type CategoryType;
	FText CategoryName;

	FAdvancedAssetCategory(EAssetTypeCategories::Type InCategoryType, FText InCategoryName)
		: CategoryType(InCategoryType)
		, CategoryName(MoveTemp(InCategoryName))
	{
	}
};

/** What the Content Browser may do with assets of a class. */
enum EAssetClassAction
{
	CreateAsset,
	ViewAsset,
	ImportAsset,
	ExportAsset,
	AllAssetActions,
};

/**
 * The editor's asset tools: the registry of asset type actions and asset categories, and the creation
 * of new assets through factories. Reached through the AssetTools module.
 */
class IAssetTools
{
public:
	virtual ~IAssetTools() {}

	/** The asset tools of the AssetTools module, which is loaded if it is not yet. */
	ASSETTOOLS_API static IAssetTools& Get();

	/** Adds asset type actions; the registry keeps a reference until they are unregistered. */
	virtual void RegisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& NewActions) = 0;

	virtual void UnregisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& ActionsToRemove) = 0;

	/** Appends every registered asset type actions, in registration order. */
	virtual void GetAssetTypeActionsList(TArray<TWeakPtr<IAssetTypeActions>>& OutAssetTypeActionsList) const = 0;

	/** The actions for the class: those whose supported class is the class or its nearest ancestor. */
	virtual TWeakPtr<IAssetTypeActions> GetAssetTypeActionsForClass(const UClass* Class) const = 0;

	/**
	 * Allocates a category bit for the key, or returns the one it already has. When no bit is left,
	 * returns Misc.
	 */
	virtual EAssetTypeCategories::Type RegisterAdvancedAssetCategory(FName CategoryKey, FText CategoryDisplayName) = 0;

	/** The bit registered for the key, or Misc when the key is unknown. */
	virtual EAssetTypeCategories::Type FindAdvancedAssetCategory(FName CategoryKey) const = 0;

	/** Appends every category, the engine's own first, then the registered ones in registration order. */
	virtual void GetAllAdvancedAssetCategories(TArray<FAdvancedAssetCategory>& OutCategoryList) const = 0;

	/**
	 * Creates a new asset named AssetName in the package PackagePath/AssetName through the factory, and
	 * records it in the asset registry. Returns null when the factory made nothing.
	 */
	virtual UObject* CreateAsset(const FString& AssetName, const FString& PackagePath, UClass* AssetClass, UFactory* Factory, FName CallingContext = NAME_None) = 0;

	/**
	 * Copies OriginalObject into a new package PackagePath/AssetName, records the copy in the asset
	 * registry and marks its package dirty; the copy is not saved. Returns null, and makes nothing,
	 * when an asset or package of that name exists already.
	 */
	virtual UObject* DuplicateAsset(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject) = 0;

	/**
	 * In the given packages only, makes every soft object path that names a key of the map name its value
	 * instead; packages that changed are marked dirty.
	 */
	virtual void RenameReferencingSoftObjectPaths(const TArray<UPackage*> PackagesToCheck, const TMap<FSoftObjectPath, FSoftObjectPath>& AssetRedirectorMap) = 0;

	/** The class defaults of every factory offered in the new-asset menu. */
	virtual TArray<UFactory*> GetNewAssetFactories() const = 0;
};
