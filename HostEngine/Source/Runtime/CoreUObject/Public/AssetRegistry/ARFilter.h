#pragma once

#include "CoreMinimal.h"
#include "Misc/Optional.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/TopLevelAssetPath.h"

/** What to list from the asset registry. Entries of one array are OR-ed, the arrays AND-ed. */
struct FARFilter
{
	/** The package names to include. */
	TArray<FName> PackageNames;
	/** The folders to include: "/Game/Path". */
	TArray<FName> PackagePaths;
	/** The objects to include. */
	TArray<FSoftObjectPath> SoftObjectPaths;
	/** The classes to include, exactly or, with bRecursiveClasses, with their subclasses. */
	TArray<FTopLevelAssetPath> ClassPaths;
	/** Tags and values the assets must have; an unset value matches any value. */
	TMultiMap<FName, TOptional<FString>> TagsAndValues;
	/** Classes excluded when bRecursiveClasses is set. */
	TSet<FTopLevelAssetPath> RecursiveClassPathsExclusionSet;
	/** Include the folders below PackagePaths too. */
	bool bRecursivePaths = false;
	/** Include subclasses of ClassPaths. */
	bool bRecursiveClasses = false;
	/** Only what is on disk; loaded objects do not override it. */
	bool bIncludeOnlyOnDiskAssets = false;
	uint32 WithoutPackageFlags = 0;
	uint32 WithPackageFlags = 0;

	void Append(const FARFilter& Other)
	{
		PackageNames.Append(Other.PackageNames);
		PackagePaths.Append(Other.PackagePaths);
		SoftObjectPaths.Append(Other.SoftObjectPaths);
		ClassPaths.Append(Other.ClassPaths);
		for (const auto& Pair : Other.TagsAndValues)
		{
			TagsAndValues.Add(Pair.Key, Pair.Value);
		}
		RecursiveClassPathsExclusionSet.Append(Other.RecursiveClassPathsExclusionSet);
		bRecursivePaths |= Other.bRecursivePaths;
		bRecursiveClasses |= Other.bRecursiveClasses;
		bIncludeOnlyOnDiskAssets |= Other.bIncludeOnlyOnDiskAssets;
		WithoutPackageFlags |= Other.WithoutPackageFlags;
		WithPackageFlags |= Other.WithPackageFlags;
	}

	bool IsEmpty() const
	{
		return PackageNames.Num() == 0 && PackagePaths.Num() == 0 && SoftObjectPaths.Num() == 0 && ClassPaths.Num() == 0 && TagsAndValues.Num() == 0 && WithoutPackageFlags == 0 && WithPackageFlags == 0;
	}

	void Clear()
	{
		*this = FARFilter();
	}
};
