#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Misc/AssetRegistryInterface.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"

/** The AssetRegistry module: owns the registry from start-up to shut-down. */
class ASSETREGISTRY_API FAssetRegistryModule : public IModuleInterface, public IAssetRegistryInterface
{
public:
	//~ Begin IModuleInterface interface
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;
	virtual bool SupportsDynamicReloading() override
	{
		return false;
	}
	//~ End IModuleInterface interface

	/** The registry; the module must be started. */
	virtual IAssetRegistry& Get() const;

	/** The registry, loading the module if it is not loaded yet. */
	static IAssetRegistry& GetRegistry()
	{
		if (IAssetRegistry* Registry = IAssetRegistry::Get())
		{
			return *Registry;
		}
		return FModuleManager::LoadModuleChecked<FAssetRegistryModule>(AssetRegistryConstants::ModuleName).Get();
	}

	/** The registry, or null when the module is not started. */
	static IAssetRegistry* TryGet()
	{
		return IAssetRegistry::Get();
	}

	/** True except while the engine shuts down. */
	static bool IsValid()
	{
		return IAssetRegistry::Get() != nullptr;
	}

	/** Forward what the editor does to assets in memory to the registry, loading the module if needed. */
	static void AssetCreated(UObject* NewAsset)
	{
		GetRegistry().AssetCreated(NewAsset);
	}
	static void AssetDeleted(UObject* DeletedAsset)
	{
		GetRegistry().AssetDeleted(DeletedAsset);
	}
	static void AssetRenamed(const UObject* RenamedAsset, const FString& OldObjectPath)
	{
		GetRegistry().AssetRenamed(RenamedAsset, OldObjectPath);
	}

	//~ Begin IAssetRegistryInterface interface
	virtual void GetDependencies(FName InPackageName, TArray<FName>& OutDependencies, UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::Package, const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) override;
	virtual UE::AssetRegistry::EExists TryGetAssetByObjectPath(const FSoftObjectPath& ObjectPath, FAssetData& OutAssetData) const override;
	virtual UE::AssetRegistry::EExists TryGetAssetPackageData(FName PackageName, FAssetPackageData& OutPackageData) const override;
	virtual bool EnumerateAssets(const FARFilter& Filter, TFunctionRef<bool(const FAssetData&)> Callback, UE::AssetRegistry::EEnumerateAssetsFlags InEnumerateFlags = UE::AssetRegistry::EEnumerateAssetsFlags::None) const override;
	//~ End IAssetRegistryInterface interface
};
