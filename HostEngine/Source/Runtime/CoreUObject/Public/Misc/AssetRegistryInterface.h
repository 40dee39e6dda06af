#pragma once

#include "CoreMinimal.h"
#include "Templates/Function.h"

struct FARFilter;
struct FAssetData;
struct FSoftObjectPath;
class FAssetPackageData;
class IAssetRegistry;

namespace UE::AssetRegistry
{
	/** Kinds of dependency between packages and other nodes. */
	enum class EDependencyCategory : uint8
	{
		Package = 0x01,
		Manage = 0x02,
		SearchableName = 0x04,
		None = 0x0,
		All = Package | Manage | SearchableName,
	};
	ENUM_CLASS_FLAGS(EDependencyCategory);

	/** Properties of one dependency. */
	enum class EDependencyProperty : uint8
	{
		None = 0,
		/** The dependency is needed when the referencer loads (otherwise it is soft). */
		Hard = 1 << 0,
		/** Needed in the game, not only in the editor. */
		Game = 1 << 1,
		/** Needed to build (cook) the referencer. */
		Build = 1 << 2,
		PackageMask = Hard | Game | Build,
		SearchableNameMask = None,
		/** Set directly rather than through a chain. */
		Direct = 1 << 3,
		ManageMask = Direct,
		AllMask = PackageMask | SearchableNameMask | ManageMask,
	};
	ENUM_CLASS_FLAGS(EDependencyProperty);

	/** Which dependencies a query wants, by the properties they must have or lack. */
	enum class EDependencyQuery : uint32
	{
		NoRequirements = 0,
		Hard = 0x0001,
		NotHard = 0x0002,
		Soft = NotHard,
		Game = 0x0004,
		NotGame = 0x0008,
		EditorOnly = NotGame,
		Build = 0x0010,
		NotBuild = 0x0020,
		Propagation = 0x0040,
		Direct = 0x0400,
		NotDirect = 0x0800,
		Indirect = NotDirect,
		PackageMask = 0x00ff,
		SearchableNameMask = 0x0000,
		ManageMask = 0x0f00,
	};
	ENUM_CLASS_FLAGS(EDependencyQuery);

	/** A query in the form the registry tests dependencies with. */
	struct FDependencyQuery
	{
		/** Properties a dependency must have. */
		EDependencyProperty Required = EDependencyProperty::None;
		/** Properties a dependency must not have. */
		EDependencyProperty Excluded = EDependencyProperty::None;
		/** Sets of properties of which a dependency must have at least one, each. */
		TArray<EDependencyProperty, TInlineAllocator<1>> RequiredUnions;

		FDependencyQuery() = default;
		COREUOBJECT_API FDependencyQuery(EDependencyQuery QueryFlags);

		/** Whether a dependency with these properties answers the query. */
		COREUOBJECT_API bool Matches(EDependencyProperty Properties) const;
	};

	enum class EExists
	{
		DoesNotExist,
		Exists,
		Unknown,
	};

	enum class EEnumerateAssetsFlags : uint32
	{
		None = 0,
		OnlyOnDiskAssets = 1 << 0,
		AllowUnmountedPaths = 1 << 1,
		AllowUnfilteredArAssets = 1 << 2,
		Parallel = 1 << 3,
	};
	ENUM_CLASS_FLAGS(EEnumerateAssetsFlags);

	namespace Private
	{
		/** Where the asset registry's object is kept, so modules that do not link the registry reach it. */
		class IAssetRegistrySingleton
		{
		public:
			static IAssetRegistry* Get()
			{
				return Singleton;
			}

			static COREUOBJECT_API IAssetRegistry* Singleton;
		};
	}
}

using UE::AssetRegistry::Private::IAssetRegistrySingleton;

/** The part of the asset registry that CoreUObject and modules without a link to it can use. */
class COREUOBJECT_API IAssetRegistryInterface
{
public:
	virtual ~IAssetRegistryInterface() = default;

	/** The registry's interface, once the AssetRegistry module has started; null before. */
	static IAssetRegistryInterface* GetPtr();

	/** Appends the packages the package depends on. */
	virtual void GetDependencies(FName InPackageName, TArray<FName>& OutDependencies, UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::Package, const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) = 0;

	virtual UE::AssetRegistry::EExists TryGetAssetByObjectPath(const FSoftObjectPath& ObjectPath, FAssetData& OutAssetData) const;
	virtual UE::AssetRegistry::EExists TryGetAssetPackageData(FName PackageName, FAssetPackageData& OutPackageData) const;
	virtual bool EnumerateAssets(const FARFilter& Filter, TFunctionRef<bool(const FAssetData&)> Callback, UE::AssetRegistry::EEnumerateAssetsFlags InEnumerateFlags = UE::AssetRegistry::EEnumerateAssetsFlags::None) const;

protected:
	/** Set by the module that implements the registry. */
	static IAssetRegistryInterface* Default;
};
