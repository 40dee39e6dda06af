#include "AssetRegistry/AssetRegistryModule.h"

#include "AssetRegistryImpl.h"
#include "Modules/ModuleManager.h"

IMPLEMENT_MODULE(FAssetRegistryModule, AssetRegistry);

void FAssetRegistryModule::StartupModule()
{
	FAssetRegistryImpl* Registry = new FAssetRegistryImpl();
	FAssetRegistryImpl::SetInstance(Registry);
	IAssetRegistrySingleton::Singleton = Registry;
	IAssetRegistryInterface::Default = this;
}

void FAssetRegistryModule::ShutdownModule()
{
	// What the registry knew goes with the module; a later start-up begins empty.
	FAssetRegistryImpl* Registry = FAssetRegistryImpl::GetInstance();
	if (IAssetRegistryInterface::Default == this)
	{
		IAssetRegistryInterface::Default = nullptr;
	}
	if (IAssetRegistrySingleton::Singleton == Registry)
	{
		IAssetRegistrySingleton::Singleton = nullptr;
	}
	FAssetRegistryImpl::SetInstance(nullptr);
	delete Registry;
}

IAssetRegistry& FAssetRegistryModule::Get() const
{
	FAssetRegistryImpl* Registry = FAssetRegistryImpl::GetInstance();
	checkf(Registry != nullptr, TEXT("The AssetRegistry module is not started"));
	return *Registry;
}

void FAssetRegistryModule::GetDependencies(FName InPackageName, TArray<FName>& OutDependencies, UE::AssetRegistry::EDependencyCategory Category, const UE::AssetRegistry::FDependencyQuery& Flags)
{
	Get().GetDependencies(InPackageName, OutDependencies, Category, Flags);
}

UE::AssetRegistry::EExists FAssetRegistryModule::TryGetAssetByObjectPath(const FSoftObjectPath& ObjectPath, FAssetData& OutAssetData) const
{
	return Get().TryGetAssetByObjectPath(ObjectPath, OutAssetData);
}

UE::AssetRegistry::EExists FAssetRegistryModule::TryGetAssetPackageData(FName PackageName, FAssetPackageData& OutPackageData) const
{
	// The host records no package data beyond the package's assets, so OutPackageData keeps its defaults.
	TArray<FAssetData> PackageAssets;
	Get().GetAssetsByPackageName(PackageName, PackageAssets);
	return PackageAssets.Num() > 0 ? UE::AssetRegistry::EExists::Exists : UE::AssetRegistry::EExists::DoesNotExist;
}

bool FAssetRegistryModule::EnumerateAssets(const FARFilter& Filter, TFunctionRef<bool(const FAssetData&)> Callback, UE::AssetRegistry::EEnumerateAssetsFlags InEnumerateFlags) const
{
	return Get().EnumerateAssets(Filter, Callback, InEnumerateFlags);
}
