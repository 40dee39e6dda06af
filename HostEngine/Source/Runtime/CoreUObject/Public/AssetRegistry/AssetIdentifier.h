#pragma once

#include "CoreMinimal.h"

/** Names a package, or an object or value inside one, as a node of the dependency graph. */
struct FAssetIdentifier
{
	FName PackageName;
	FName PrimaryAssetType;
	FName ObjectName;
	FName ValueName;

	FAssetIdentifier() = default;
	FAssetIdentifier(FName InPackageName, FName InObjectName = NAME_None, FName InValueName = NAME_None)
		: PackageName(InPackageName)
		, ObjectName(InObjectName)
		, ValueName(InValueName)
	{
	}

	bool IsValid() const
	{
		return !PackageName.IsNone() || !PrimaryAssetType.IsNone();
	}

	bool IsPackage() const
	{
		return !PackageName.IsNone() && ObjectName.IsNone() && ValueName.IsNone();
	}

	FString ToString() const
	{
		FString Result = PackageName.ToString();
		if (!ObjectName.IsNone())
		{
			Result += TEXT(".");
			Result += ObjectName.ToString();
		}
		if (!ValueName.IsNone())
		{
			Result += TEXT("::");
			Result += ValueName.ToString();
		}
		return Result;
	}

	friend bool operator==(const FAssetIdentifier& A, const FAssetIdentifier& B)
	{
		return A.PackageName == B.PackageName && A.PrimaryAssetType == B.PrimaryAssetType && A.ObjectName == B.ObjectName && A.ValueName == B.ValueName;
	}

	friend bool operator!=(const FAssetIdentifier& A, const FAssetIdentifier& B)
	{
		return !(A == B);
	}

	friend uint32 GetTypeHash(const FAssetIdentifier& Key)
	{
		uint32 Hash = GetTypeHash(Key.PackageName);
		Hash = HashCombine(Hash, GetTypeHash(Key.PrimaryAssetType));
		Hash = HashCombine(Hash, GetTypeHash(Key.ObjectName));
		return HashCombine(Hash, GetTypeHash(Key.ValueName));
	}
};
