#include "UObject/SoftObjectPath.h"

#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/TopLevelAssetPath.h"
#include "UObject/UObjectGlobals.h"

// FTopLevelAssetPath

FTopLevelAssetPath::FTopLevelAssetPath(const UObject* InObject)
{
	if (InObject == nullptr)
	{
		return;
	}
	const UObject* Outer = InObject->GetOuter();
	if (Outer == nullptr)
	{
		PackageName = InObject->GetFName();
	}
	else if (Outer->GetOuter() == nullptr)
	{
		PackageName = Outer->GetFName();
		AssetName = InObject->GetFName();
	}
}

bool FTopLevelAssetPath::TrySetPath(FName InPackageName, FName InAssetName)
{
	if (InPackageName.IsNone())
	{
		Reset();
		return InAssetName.IsNone();
	}
	PackageName = InPackageName;
	AssetName = InAssetName;
	return true;
}

bool FTopLevelAssetPath::TrySetPath(FStringView Path)
{
	Reset();
	if (Path.Len() == 0)
	{
		return true;
	}
	if (Path[0] != TEXT('/'))
	{
		return false;
	}
	int32 Dot = INDEX_NONE;
	for (int32 Index = 0; Index < Path.Len(); ++Index)
	{
		const TCHAR Char = Path[Index];
		if (Char == TEXT(':'))
		{
			// A subobject is not a top-level asset.
			return false;
		}
		if (Char == TEXT('.'))
		{
			if (Dot != INDEX_NONE)
			{
				return false;
			}
			Dot = Index;
		}
	}
	if (Dot == INDEX_NONE)
	{
		PackageName = FName(Path);
		return true;
	}
	if (Dot == 0 || Dot == Path.Len() - 1)
	{
		return false;
	}
	PackageName = FName(Path.Left(Dot));
	AssetName = FName(Path.Mid(Dot + 1));
	return true;
}

void FTopLevelAssetPath::AppendString(FString& Builder) const
{
	if (IsNull())
	{
		return;
	}
	PackageName.AppendString(Builder);
	if (!AssetName.IsNone())
	{
		Builder.AppendChar(TEXT('.'));
		AssetName.AppendString(Builder);
	}
}

void FTopLevelAssetPath::AppendString(FStringBuilderBase& Builder) const
{
	FString Text;
	AppendString(Text);
	Builder << *Text;
}

FString FTopLevelAssetPath::ToString() const
{
	FString Result;
	AppendString(Result);
	return Result;
}

void FTopLevelAssetPath::ToString(FString& OutString) const
{
	OutString.Reset();
	AppendString(OutString);
}

int32 FTopLevelAssetPath::Compare(const FTopLevelAssetPath& Other) const
{
	const int32 Packages = PackageName.Compare(Other.PackageName);
	return Packages != 0 ? Packages : AssetName.Compare(Other.AssetName);
}

FString LexToString(const FTopLevelAssetPath& Path)
{
	return Path.ToString();
}

// FSoftObjectPath

FSoftObjectPath::FSoftObjectPath(const UObject* InObject)
{
	if (InObject != nullptr)
	{
		SetPath(InObject->GetPathName());
	}
}

void FSoftObjectPath::SetPath(FStringView Path)
{
	Reset();
	// Export text: Class'/Game/A.A'
	if (Path.Len() >= 2 && Path[Path.Len() - 1] == TEXT('\''))
	{
		int32 Quote = INDEX_NONE;
		for (int32 Index = 0; Index < Path.Len() - 1; ++Index)
		{
			if (Path[Index] == TEXT('\''))
			{
				Quote = Index;
				break;
			}
		}
		if (Quote != INDEX_NONE)
		{
			Path = Path.Mid(Quote + 1, Path.Len() - Quote - 2);
		}
	}
	if (Path.Len() == 0 || Path[0] != TEXT('/'))
	{
		return;
	}
	int32 Dot = INDEX_NONE;
	for (int32 Index = 0; Index < Path.Len(); ++Index)
	{
		if (Path[Index] == TEXT('.'))
		{
			Dot = Index;
			break;
		}
	}
	if (Dot == INDEX_NONE)
	{
		AssetPath = FTopLevelAssetPath(FName(Path), FName());
		return;
	}
	int32 SubStart = INDEX_NONE;
	for (int32 Index = Dot + 1; Index < Path.Len(); ++Index)
	{
		if (Path[Index] == TEXT(':') || Path[Index] == TEXT('.'))
		{
			SubStart = Index;
			break;
		}
	}
	const FStringView AssetPart = SubStart == INDEX_NONE ? Path.Mid(Dot + 1) : Path.Mid(Dot + 1, SubStart - Dot - 1);
	AssetPath = FTopLevelAssetPath(FName(Path.Left(Dot)), FName(AssetPart));
	if (SubStart != INDEX_NONE)
	{
		SubPathString = FString(Path.Mid(SubStart + 1));
	}
}

void FSoftObjectPath::AppendString(FString& Builder) const
{
	if (IsNull())
	{
		return;
	}
	AssetPath.AppendString(Builder);
	if (!SubPathString.IsEmpty())
	{
		Builder.AppendChar(TEXT(':'));
		Builder.Append(SubPathString);
	}
}

void FSoftObjectPath::AppendString(FStringBuilderBase& Builder) const
{
	Builder << *ToString();
}

FString FSoftObjectPath::ToString() const
{
	FString Result;
	AppendString(Result);
	return Result;
}

void FSoftObjectPath::ToString(FStringBuilderBase& Builder) const
{
	AppendString(Builder);
}

UObject* FSoftObjectPath::ResolveObject() const
{
	if (IsNull())
	{
		return nullptr;
	}
	return StaticFindObject(nullptr, nullptr, *ToString(), false);
}

UObject* FSoftObjectPath::TryLoad(FUObjectSerializeContext* InLoadContext) const
{
	// Nothing is on disk for the host: an object loads when it is already in memory.
	return ResolveObject();
}

FSoftClassPath::FSoftClassPath(const UClass* InClass)
	: FSoftObjectPath(static_cast<const UObject*>(InClass))
{
}

UClass* FSoftClassPath::ResolveClass() const
{
	UObject* Object = ResolveObject();
	return (Object && Object->IsA(UClass::StaticClass())) ? static_cast<UClass*>(Object) : nullptr;
}

UClass* FSoftClassPath::HostTryLoadClass(const UClass* BaseClass) const
{
	UClass* Class = ResolveClass();
	return (Class && Class->IsChildOf(BaseClass)) ? Class : nullptr;
}
