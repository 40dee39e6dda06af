#pragma once

#include "CoreMinimal.h"
#include "UObject/TopLevelAssetPath.h"

class UObject;
class UClass;
struct FUObjectSerializeContext;

/** A reference to an object by path: "/Game/Dir/Package.Asset[:Sub.Path]". Finds the object when it is in memory. */
struct FSoftObjectPath
{
	FSoftObjectPath() = default;
	FSoftObjectPath(const FSoftObjectPath&) = default;
	FSoftObjectPath(FSoftObjectPath&&) = default;
	FSoftObjectPath& operator=(const FSoftObjectPath&) = default;
	FSoftObjectPath& operator=(FSoftObjectPath&&) = default;

	FSoftObjectPath(TYPE_OF_NULLPTR)
	{
	}
	FSoftObjectPath(const FString& Path)
	{
		SetPath(FStringView(*Path, Path.Len()));
	}
	explicit FSoftObjectPath(FStringView Path)
	{
		SetPath(Path);
	}
	FSoftObjectPath(const TCHAR* Path)
	{
		SetPath(FStringView(Path ? Path : TEXT("")));
	}
	FSoftObjectPath(const ANSICHAR* Path)
	{
		SetPath(FString(Path));
	}
	explicit FSoftObjectPath(const FTopLevelAssetPath& InAssetPath, const FString& InSubPathString = FString())
		: AssetPath(InAssetPath)
		, SubPathString(InSubPathString)
	{
	}
	FSoftObjectPath(FName InPackageName, FName InAssetName, const FString& InSubPathString)
		: AssetPath(InPackageName, InAssetName)
		, SubPathString(InSubPathString)
	{
	}
	COREUOBJECT_API FSoftObjectPath(const UObject* InObject);

	static FSoftObjectPath ConstructFromAssetPath(FTopLevelAssetPath InAssetPath)
	{
		return FSoftObjectPath(InAssetPath, FString());
	}

	/** The full path string; empty for a null path. */
	COREUOBJECT_API FString ToString() const;
	COREUOBJECT_API void ToString(FStringBuilderBase& Builder) const;
	COREUOBJECT_API void AppendString(FString& Builder) const;
	COREUOBJECT_API void AppendString(FStringBuilderBase& Builder) const;

	const FTopLevelAssetPath& GetAssetPath() const
	{
		return AssetPath;
	}

	/** "/Game/Dir/Package.Asset", without the sub-path. */
	FString GetAssetPathString() const
	{
		return AssetPath.ToString();
	}

	FSoftObjectPath GetWithoutSubPath() const
	{
		return FSoftObjectPath(AssetPath, FString());
	}

	const FString& GetSubPathString() const
	{
		return SubPathString;
	}

	FString GetLongPackageName() const
	{
		return AssetPath.GetPackageName().ToString();
	}

	FName GetLongPackageFName() const
	{
		return AssetPath.GetPackageName();
	}

	FString GetAssetName() const
	{
		return AssetPath.GetAssetName().ToString();
	}

	FName GetAssetFName() const
	{
		return AssetPath.GetAssetName();
	}

	COREUOBJECT_API void SetPath(FStringView Path);
	void SetPath(const FString& Path)
	{
		SetPath(FStringView(*Path, Path.Len()));
	}
	void SetPath(const FTopLevelAssetPath& InAssetPath, FString InSubPathString = FString())
	{
		AssetPath = InAssetPath;
		SubPathString = MoveTemp(InSubPathString);
	}

	/** The object when it is in memory (finding is all the host's loading does). */
	COREUOBJECT_API UObject* TryLoad(FUObjectSerializeContext* InLoadContext = nullptr) const;
	COREUOBJECT_API UObject* ResolveObject() const;

	void Reset()
	{
		AssetPath.Reset();
		SubPathString.Reset();
	}

	bool IsValid() const
	{
		return AssetPath.IsValid();
	}

	bool IsNull() const
	{
		return AssetPath.IsNull();
	}

	bool IsAsset() const
	{
		return !AssetPath.GetAssetName().IsNone() && SubPathString.IsEmpty();
	}

	bool IsSubobject() const
	{
		return !SubPathString.IsEmpty();
	}

	friend bool operator==(const FSoftObjectPath& A, const FSoftObjectPath& B)
	{
		return A.AssetPath == B.AssetPath && A.SubPathString == B.SubPathString;
	}

	friend bool operator!=(const FSoftObjectPath& A, const FSoftObjectPath& B)
	{
		return !(A == B);
	}

	friend bool operator<(const FSoftObjectPath& A, const FSoftObjectPath& B)
	{
		const int32 Order = A.AssetPath.Compare(B.AssetPath);
		return Order != 0 ? Order < 0 : A.SubPathString < B.SubPathString;
	}

	friend uint32 GetTypeHash(const FSoftObjectPath& Path)
	{
		uint32 Hash = GetTypeHash(Path.AssetPath);
		if (!Path.SubPathString.IsEmpty())
		{
			Hash = HashCombine(Hash, GetTypeHash(Path.SubPathString));
		}
		return Hash;
	}

private:
	FTopLevelAssetPath AssetPath;
	FString SubPathString;
};

/** A soft path that must name a class. */
struct FSoftClassPath : public FSoftObjectPath
{
	using FSoftObjectPath::FSoftObjectPath;
	FSoftClassPath() = default;
	COREUOBJECT_API FSoftClassPath(const UClass* InClass);

	template<class T>
	UClass* TryLoadClass() const
	{
		return HostTryLoadClass(T::StaticClass());
	}

	COREUOBJECT_API UClass* ResolveClass() const;

private:
	COREUOBJECT_API UClass* HostTryLoadClass(const UClass* BaseClass) const;
};

inline FString LexToString(const FSoftObjectPath& Path)
{
	return Path.ToString();
}

/** A directory picked in the editor, as a path string. */
struct FDirectoryPath
{
	/** The path to the directory. */
	FString Path;
};

/** A file picked in the editor, as a path string. */
struct FFilePath
{
	/** The path to the file. */
	FString FilePath;
};
