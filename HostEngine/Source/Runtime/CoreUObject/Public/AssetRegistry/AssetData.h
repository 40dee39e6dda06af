#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/AssetDataTagMap.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/TopLevelAssetPath.h"

class UObject;
class UClass;
class UPackage;
struct FAssetBundleData;

/** The registry's record of one asset. It describes the asset; it is not saved. */
struct FAssetData
{
	/** The package the asset is in: "/Game/Path/Package". */
	FName PackageName;
	/** The folder of the package: "/Game/Path". */
	FName PackagePath;
	/** The asset's name within the package. */
	FName AssetName;
	/** The class path of the asset: "/Script/Engine.StaticMesh". */
	FTopLevelAssetPath AssetClassPath;
	uint32 PackageFlags = 0;
	FAssetDataTagMapSharedView TagsAndValues;
	TSharedPtr<FAssetBundleData, ESPMode::ThreadSafe> TaggedAssetBundles;

	enum class ECreationFlags
	{
		None = 0,
		AllowBlueprintClass = 1 << 0,
		SkipAssetRegistryTagsGathering = 1 << 1,
	};

	enum class EResolveClass
	{
		No,
		Yes
	};

	FAssetData() = default;
	COREUOBJECT_API FAssetData(FName InPackageName, FName InPackagePath, FName InAssetName, FTopLevelAssetPath InAssetClassPath, FAssetDataTagMap InTags = FAssetDataTagMap(), TArrayView<const int32> InChunkIDs = TArrayView<const int32>(), uint32 InPackageFlags = 0);
	COREUOBJECT_API FAssetData(const FString& InLongPackageName, const FString& InObjectPath, FTopLevelAssetPath InAssetClassPath, FAssetDataTagMap InTags = FAssetDataTagMap(), TArrayView<const int32> InChunkIDs = TArrayView<const int32>(), uint32 InPackageFlags = 0);
	/** The record of an object in memory: its package, its name and its class. */
	COREUOBJECT_API FAssetData(const UObject* InAsset, ECreationFlags InCreationFlags = ECreationFlags::None);
	COREUOBJECT_API FAssetData(const UObject* InAsset, bool bAllowBlueprintClass);

	bool IsValid() const
	{
		return !PackageName.IsNone() && !AssetName.IsNone();
	}

	/** "/Game/Path/Package.AssetName". */
	COREUOBJECT_API FString GetObjectPathString() const;
	COREUOBJECT_API void AppendObjectPath(FString& Builder) const;
	COREUOBJECT_API void AppendObjectPath(FStringBuilderBase& Builder) const;

	FSoftObjectPath GetSoftObjectPath() const
	{
		return FSoftObjectPath(FTopLevelAssetPath(PackageName, AssetName), FString());
	}

	FSoftObjectPath ToSoftObjectPath() const
	{
		return GetSoftObjectPath();
	}

	/** "ClassName /Game/Path/Package.AssetName". */
	COREUOBJECT_API FString GetFullName() const;

	/** The asset when it is in memory; the host has nothing on disk to load it from. */
	COREUOBJECT_API UObject* GetAsset(TSet<FName> LoadTags = {}) const;
	COREUOBJECT_API UObject* FastGetAsset(bool bLoad = false, TSet<FName> LoadTags = {}) const;
	COREUOBJECT_API bool IsAssetLoaded() const;
	COREUOBJECT_API UPackage* GetPackage() const;

	/** The asset's class, when it is loaded. */
	COREUOBJECT_API UClass* GetClass(EResolveClass ResolveClass = EResolveClass::No) const;
	COREUOBJECT_API bool IsInstanceOf(const UClass* BaseClass, EResolveClass ResolveClass = EResolveClass::No) const;

	bool IsRedirector() const
	{
		return AssetClassPath == FTopLevelAssetPath(TEXT("/Script/CoreUObject"), TEXT("ObjectRedirector"));
	}

	COREUOBJECT_API bool IsUAsset() const;
	COREUOBJECT_API bool IsTopLevelAsset() const;

	template<typename ValueType>
	bool GetTagValue(FName Tag, ValueType& OutValue) const;

	FString GetTagValueRef(FName Tag) const
	{
		TOptional<FString> Found = TagsAndValues.FindTag(Tag);
		return Found.IsSet() ? Found.GetValue() : FString();
	}

	bool FindTag(FName Tag) const
	{
		return TagsAndValues.Contains(Tag);
	}

	friend bool operator==(const FAssetData& A, const FAssetData& B)
	{
		return A.PackageName == B.PackageName && A.AssetName == B.AssetName;
	}

	friend bool operator!=(const FAssetData& A, const FAssetData& B)
	{
		return !(A == B);
	}

	friend uint32 GetTypeHash(const FAssetData& AssetData)
	{
		return HashCombine(GetTypeHash(AssetData.PackageName), GetTypeHash(AssetData.AssetName));
	}

private:
	/** The pak chunks the asset is in; the engine keeps them private behind its chunk accessors. */
	TArray<int32, TInlineAllocator<2>> ChunkIDs;
};
ENUM_CLASS_FLAGS(FAssetData::ECreationFlags);

template<>
inline bool FAssetData::GetTagValue<FString>(FName Tag, FString& OutValue) const
{
	TOptional<FString> Found = TagsAndValues.FindTag(Tag);
	if (Found.IsSet())
	{
		OutValue = Found.GetValue();
		return true;
	}
	return false;
}

/** Package-level data of the registry (size, versions); the host records none of it. */
class FAssetPackageData
{
public:
	int64 DiskSize = -1;
};
