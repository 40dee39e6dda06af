#include "AssetRegistry/AssetData.h"

#include "AssetRegistry/ARFilter.h"
#include "Misc/AssetRegistryInterface.h"
#include "Misc/PackageName.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

FAssetData::FAssetData(FName InPackageName, FName InPackagePath, FName InAssetName, FTopLevelAssetPath InAssetClassPath, FAssetDataTagMap InTags, TArrayView<const int32> InChunkIDs, uint32 InPackageFlags)
	: PackageName(InPackageName)
	, PackagePath(InPackagePath)
	, AssetName(InAssetName)
	, AssetClassPath(InAssetClassPath)
	, PackageFlags(InPackageFlags)
	, TagsAndValues(MoveTemp(InTags))
{
	for (const int32 ChunkID : InChunkIDs)
	{
		ChunkIDs.Add(ChunkID);
	}
}

FAssetData::FAssetData(const FString& InLongPackageName, const FString& InObjectPath, FTopLevelAssetPath InAssetClassPath, FAssetDataTagMap InTags, TArrayView<const int32> InChunkIDs, uint32 InPackageFlags)
	: FAssetData(FName(*InLongPackageName), FName(*FPackageName::GetLongPackagePath(InLongPackageName)), FName(*FPackageName::ObjectPathToObjectName(InObjectPath)), InAssetClassPath, MoveTemp(InTags), InChunkIDs, InPackageFlags)
{
}

FAssetData::FAssetData(const UObject* InAsset, ECreationFlags InCreationFlags)
{
	if (InAsset == nullptr)
	{
		return;
	}
	const UPackage* Package = InAsset->GetPackage();
	if (Package == nullptr)
	{
		return;
	}
	PackageName = Package->GetFName();
	PackagePath = FName(*FPackageName::GetLongPackagePath(PackageName.ToString()));
	AssetName = InAsset->GetFName();
	AssetClassPath = InAsset->GetClass()->GetClassPathName();
	PackageFlags = Package->GetPackageFlags();
}

FAssetData::FAssetData(const UObject* InAsset, bool bAllowBlueprintClass)
	: FAssetData(InAsset, bAllowBlueprintClass ? ECreationFlags::AllowBlueprintClass : ECreationFlags::None)
{
}

FString FAssetData::GetObjectPathString() const
{
	FString Result;
	AppendObjectPath(Result);
	return Result;
}

void FAssetData::AppendObjectPath(FString& Builder) const
{
	if (PackageName.IsNone())
	{
		return;
	}
	PackageName.AppendString(Builder);
	Builder.AppendChar(TEXT('.'));
	AssetName.AppendString(Builder);
}

void FAssetData::AppendObjectPath(FStringBuilderBase& Builder) const
{
	Builder << *GetObjectPathString();
}

FString FAssetData::GetFullName() const
{
	return AssetClassPath.GetAssetName().ToString() + TEXT(" ") + GetObjectPathString();
}

UObject* FAssetData::GetAsset(TSet<FName> LoadTags) const
{
	return FastGetAsset(true, MoveTemp(LoadTags));
}

UObject* FAssetData::FastGetAsset(bool bLoad, TSet<FName> LoadTags) const
{
	if (!IsValid())
	{
		return nullptr;
	}
	UObject* Package = StaticFindObjectFast(UPackage::StaticClass(), nullptr, PackageName);
	if (Package == nullptr)
	{
		return nullptr;
	}
	return StaticFindObjectFast(nullptr, Package, AssetName);
}

bool FAssetData::IsAssetLoaded() const
{
	return FastGetAsset(false) != nullptr;
}

UPackage* FAssetData::GetPackage() const
{
	return PackageName.IsNone() ? nullptr : (UPackage*)StaticFindObjectFast(UPackage::StaticClass(), nullptr, PackageName);
}

UClass* FAssetData::GetClass(EResolveClass ResolveClass) const
{
	if (AssetClassPath.IsNull())
	{
		return nullptr;
	}
	return (UClass*)StaticFindObject(UClass::StaticClass(), nullptr, *AssetClassPath.ToString(), true);
}

bool FAssetData::IsInstanceOf(const UClass* BaseClass, EResolveClass ResolveClass) const
{
	const UClass* Class = GetClass(ResolveClass);
	return Class != nullptr && Class->IsChildOf(BaseClass);
}

bool FAssetData::IsUAsset() const
{
	return !PackageName.IsNone() && FPackageName::GetShortName(PackageName.ToString()).Equals(AssetName.ToString(), ESearchCase::IgnoreCase);
}

bool FAssetData::IsTopLevelAsset() const
{
	return IsValid();
}

// Dependency queries

namespace UE::AssetRegistry
{
	FDependencyQuery::FDependencyQuery(EDependencyQuery QueryFlags)
	{
		auto Apply = [this, QueryFlags](EDependencyQuery Has, EDependencyQuery HasNot, EDependencyProperty Property)
		{
			if (EnumHasAnyFlags(QueryFlags, Has))
			{
				Required |= Property;
			}
			if (EnumHasAnyFlags(QueryFlags, HasNot))
			{
				Excluded |= Property;
			}
		};
		Apply(EDependencyQuery::Hard, EDependencyQuery::NotHard, EDependencyProperty::Hard);
		Apply(EDependencyQuery::Game, EDependencyQuery::NotGame, EDependencyProperty::Game);
		Apply(EDependencyQuery::Build, EDependencyQuery::NotBuild, EDependencyProperty::Build);
		Apply(EDependencyQuery::Direct, EDependencyQuery::NotDirect, EDependencyProperty::Direct);
		if (EnumHasAnyFlags(QueryFlags, EDependencyQuery::Propagation))
		{
			// What a change propagates through: game or build dependencies.
			RequiredUnions.Add(EDependencyProperty::Game | EDependencyProperty::Build);
		}
	}

	bool FDependencyQuery::Matches(EDependencyProperty Properties) const
	{
		if ((Properties & Required) != Required || EnumHasAnyFlags(Properties, Excluded))
		{
			return false;
		}
		for (const EDependencyProperty Union : RequiredUnions)
		{
			if (!EnumHasAnyFlags(Properties, Union))
			{
				return false;
			}
		}
		return true;
	}

	namespace Private
	{
		IAssetRegistry* IAssetRegistrySingleton::Singleton = nullptr;
	}
}

IAssetRegistryInterface* IAssetRegistryInterface::Default = nullptr;

IAssetRegistryInterface* IAssetRegistryInterface::GetPtr()
{
	return Default;
}

UE::AssetRegistry::EExists IAssetRegistryInterface::TryGetAssetByObjectPath(const FSoftObjectPath& ObjectPath, FAssetData& OutAssetData) const
{
	HOST_UNIMPLEMENTED();
	return UE::AssetRegistry::EExists::Unknown;
}

UE::AssetRegistry::EExists IAssetRegistryInterface::TryGetAssetPackageData(FName PackageName, FAssetPackageData& OutPackageData) const
{
	HOST_UNIMPLEMENTED();
	return UE::AssetRegistry::EExists::Unknown;
}

bool IAssetRegistryInterface::EnumerateAssets(const FARFilter& Filter, TFunctionRef<bool(const FAssetData&)> Callback, UE::AssetRegistry::EEnumerateAssetsFlags InEnumerateFlags) const
{
	HOST_UNIMPLEMENTED();
	return false;
}
