#pragma once

#include "CoreMinimal.h"
#include "IAssetTools.h"

/** A category as AssetTools keeps it: the engine's own ones and those registered by key. */
struct FAssetCategoryRecord
{
	FName Key;
	FText DisplayName;
	EAssetTypeCategories::Type Bit = EAssetTypeCategories::None;
	bool bBuiltIn = false;
};

/** The editor's asset tools, owned by the AssetTools module between its start-up and shut-down. */
class FAssetTools : public IAssetTools
{
public:
	FAssetTools();

	//~ Begin IAssetTools interface
	virtual void RegisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& NewActions) override;
	virtual void UnregisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& ActionsToRemove) override;
	virtual void GetAssetTypeActionsList(TArray<TWeakPtr<IAssetTypeActions>>& OutAssetTypeActionsList) const override;
	virtual TWeakPtr<IAssetTypeActions> GetAssetTypeActionsForClass(const UClass* Class) const override;
	virtual EAssetTypeCategories::Type RegisterAdvancedAssetCategory(FName CategoryKey, FText CategoryDisplayName) override;
	virtual EAssetTypeCategories::Type FindAdvancedAssetCategory(FName CategoryKey) const override;
	virtual void GetAllAdvancedAssetCategories(TArray<FAdvancedAssetCategory>& OutCategoryList) const override;
	virtual UObject* CreateAsset(const FString& AssetName, const FString& PackagePath, UClass* AssetClass, UFactory* Factory, FName CallingContext = NAME_None) override;
	virtual UObject* DuplicateAsset(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject) override;
	virtual void RenameReferencingSoftObjectPaths(const TArray<UPackage*> PackagesToCheck, const TMap<FSoftObjectPath, FSoftObjectPath>& AssetRedirectorMap) override;
	virtual TArray<UFactory*> GetNewAssetFactories() const override;
	//~ End IAssetTools interface

	const TArray<TSharedRef<IAssetTypeActions>>& GetRegisteredActions() const
	{
		return AssetTypeActionsList;
	}

	const TArray<FAssetCategoryRecord>& GetCategories() const
	{
		return Categories;
	}

private:
	const FAssetCategoryRecord* FindCategory(FName CategoryKey) const;

	TArray<TSharedRef<IAssetTypeActions>> AssetTypeActionsList;

	/** The engine's categories first, then the registered ones in registration order. */
	TArray<FAssetCategoryRecord> Categories;

	/** The bit the next new key receives; zero once every bit is taken. */
	uint32 NextCategoryBit;
};

namespace AssetToolsPrivate
{
	/** Notes a call of an IAssetTools function, for the host's tests. */
	void RecordCall(const TCHAR* FunctionName);

	/** Whether the next DuplicateAsset call is to fail, as the tests asked. */
	bool ConsumeDuplicateFailure();

	/** The asset tools of the loaded module, or null. */
	FAssetTools* GetLoadedAssetTools();
}
