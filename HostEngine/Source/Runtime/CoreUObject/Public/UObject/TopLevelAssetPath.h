#pragma once

#include "CoreMinimal.h"

class UObject;

/** The path of a top-level object: a package name and the name of an asset in it ("/Script/Engine.StaticMesh"). */
struct FTopLevelAssetPath
{
	FTopLevelAssetPath() = default;
	FTopLevelAssetPath(TYPE_OF_NULLPTR)
	{
	}
	FTopLevelAssetPath(FName InPackageName, FName InAssetName)
	{
		TrySetPath(InPackageName, InAssetName);
	}
	COREUOBJECT_API FTopLevelAssetPath(const UObject* InObject);
	FTopLevelAssetPath(const FString& Path)
	{
		TrySetPath(FStringView(*Path, Path.Len()));
	}
	template<typename CharType>
	FTopLevelAssetPath(TStringView<CharType> Path)
	{
		TrySetPath(FString(Path));
	}
	FTopLevelAssetPath(const TCHAR* Path)
	{
		TrySetPath(FStringView(Path));
	}
	FTopLevelAssetPath(const ANSICHAR* Path)
	{
		TrySetPath(FString(Path));
	}

	/** Sets the path from a package and an asset name; false (and reset) when either is missing. */
	COREUOBJECT_API bool TrySetPath(FName InPackageName, FName InAssetName);
	/** Sets the path from "/Package/Name.Asset"; false (and reset) when it is not of that form. */
	COREUOBJECT_API bool TrySetPath(FStringView Path);
	bool TrySetPath(const FString& Path)
	{
		return TrySetPath(FStringView(*Path, Path.Len()));
	}
	bool TrySetPath(const TCHAR* Path)
	{
		return TrySetPath(FStringView(Path));
	}

	FName GetPackageName() const
	{
		return PackageName;
	}

	FName GetAssetName() const
	{
		return AssetName;
	}

	COREUOBJECT_API void AppendString(FString& Builder) const;
	COREUOBJECT_API void AppendString(FStringBuilderBase& Builder) const;
	COREUOBJECT_API FString ToString() const;
	COREUOBJECT_API void ToString(FString& OutString) const;

	UE_DEPRECATED(5.3, "Use ToString.")
	FName ToFName() const
	{
		return FName(*ToString());
	}

	bool IsValid() const
	{
		return !PackageName.IsNone();
	}

	bool IsNull() const
	{
		return PackageName.IsNone();
	}

	void Reset()
	{
		PackageName = FName();
		AssetName = FName();
	}

	friend bool operator==(const FTopLevelAssetPath& A, const FTopLevelAssetPath& B)
	{
		return A.PackageName == B.PackageName && A.AssetName == B.AssetName;
	}

	friend bool operator!=(const FTopLevelAssetPath& A, const FTopLevelAssetPath& B)
	{
		return !(A == B);
	}

	/** Orders lexically, ignoring case. */
	COREUOBJECT_API int32 Compare(const FTopLevelAssetPath& Other) const;

	friend bool operator<(const FTopLevelAssetPath& A, const FTopLevelAssetPath& B)
	{
		return A.Compare(B) < 0;
	}

	friend uint32 GetTypeHash(const FTopLevelAssetPath& Path)
	{
		return HashCombine(GetTypeHash(Path.PackageName), GetTypeHash(Path.AssetName));
	}

private:
	FName PackageName;
	FName AssetName;
};

COREUOBJECT_API FString LexToString(const FTopLevelAssetPath& Path);
