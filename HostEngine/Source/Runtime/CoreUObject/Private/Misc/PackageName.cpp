#include "Misc/PackageName.h"
#include "Misc/Paths.h"

#include <filesystem>

namespace
{
	struct FMountPoint
	{
		FString RootPath;
		FString ContentPath;
	};

	TArray<FMountPoint>& MountPoints()
	{
		static TArray<FMountPoint>* Points = new TArray<FMountPoint>{ { TEXT("/Game/"), FString() }, { TEXT("/Engine/"), FString() } };
		return *Points;
	}

	/** Where the mount point's packages are stored: /Game/ is the project's content folder unless mounted elsewhere. */
	FString GetContentPath(const FMountPoint& Point)
	{
		if (Point.ContentPath.IsEmpty() && Point.RootPath == TEXT("/Game/") && FPaths::CanGetProjectDir())
		{
			return FPaths::ProjectContentDir();
		}
		return Point.ContentPath;
	}

	/** Roots packages can live under but that have no files. */
	bool IsReadOnlyRoot(FStringView Name)
	{
		return FString(Name).StartsWith(TEXT("/Script/")) || FString(Name).StartsWith(TEXT("/Memory/"));
	}

	/** The mount point with the longest root the name starts with. */
	const FMountPoint* FindMountPoint(const FString& LongName)
	{
		const FMountPoint* Best = nullptr;
		for (const FMountPoint& Point : MountPoints())
		{
			FString Root = Point.RootPath;
			const bool bMatches = LongName.StartsWith(Root) || (LongName + TEXT("/")).Equals(Root, ESearchCase::IgnoreCase);
			if (bMatches && (Best == nullptr || Point.RootPath.Len() > Best->RootPath.Len()))
			{
				Best = &Point;
			}
		}
		return Best;
	}

	FString WithTrailingSlash(const FString& Path)
	{
		return Path.EndsWith(TEXT("/")) ? Path : Path + TEXT("/");
	}

	bool FileExists(const FString& Filename)
	{
		std::error_code Error;
		return std::filesystem::is_regular_file(std::filesystem::path(TCHAR_TO_UTF8(*Filename)), Error);
	}
}

bool FPackageName::IsScriptPackage(FStringView InPackageName)
{
	return InPackageName.StartsWith(FStringView(TEXT("/Script/")), ESearchCase::IgnoreCase);
}

bool FPackageName::IsMemoryPackage(FStringView InPackageName)
{
	return InPackageName.StartsWith(FStringView(TEXT("/Memory/")), ESearchCase::IgnoreCase);
}

bool FPackageName::IsVersePackage(FStringView InPackageName)
{
	return false;
}

FString FPackageName::GetLongPackagePath(const FString& InLongPackageName)
{
	const int32 Slash = InLongPackageName.Find(TEXT("/"), ESearchCase::CaseSensitive, ESearchDir::FromEnd);
	return Slash == INDEX_NONE ? FString() : InLongPackageName.Left(Slash);
}

FString FPackageName::GetShortName(const FString& LongName)
{
	const int32 Slash = LongName.Find(TEXT("/"), ESearchCase::CaseSensitive, ESearchDir::FromEnd);
	return LongName.Mid(Slash + 1);
}

FString FPackageName::GetShortName(const TCHAR* LongName)
{
	return GetShortName(FString(LongName));
}

FString FPackageName::GetShortName(const FName& LongName)
{
	return GetShortName(LongName.ToString());
}

FName FPackageName::GetShortFName(const FString& LongName)
{
	return FName(*GetShortName(LongName));
}

FName FPackageName::GetShortFName(const FName& LongName)
{
	return FName(*GetShortName(LongName.ToString()));
}

FString FPackageName::ObjectPathToPackageName(const FString& InObjectPath)
{
	const int32 Dot = InObjectPath.Find(TEXT("."), ESearchCase::CaseSensitive);
	return Dot == INDEX_NONE ? InObjectPath : InObjectPath.Left(Dot);
}

FString FPackageName::ObjectPathToObjectName(const FString& InObjectPath)
{
	for (int32 Index = InObjectPath.Len() - 1; Index >= 0; --Index)
	{
		if (InObjectPath[Index] == TEXT('.') || InObjectPath[Index] == TEXT(':'))
		{
			return InObjectPath.Mid(Index + 1);
		}
	}
	return InObjectPath;
}

FString FPackageName::ObjectPathToOuterPath(const FString& InObjectPath)
{
	for (int32 Index = InObjectPath.Len() - 1; Index >= 0; --Index)
	{
		if (InObjectPath[Index] == TEXT('.') || InObjectPath[Index] == TEXT(':'))
		{
			return InObjectPath.Left(Index);
		}
	}
	return FString();
}

bool FPackageName::IsValidLongPackageName(FStringView InLongPackageName, bool bIncludeReadOnlyRoots, FText* OutReason)
{
	const FString Name(InLongPackageName);
	auto Fail = [OutReason](const TCHAR* Reason)
	{
		if (OutReason)
		{
			*OutReason = FText::FromString(Reason);
		}
		return false;
	};
	if (Name.IsEmpty())
	{
		return Fail(TEXT("Input is empty."));
	}
	if (!Name.StartsWith(TEXT("/")))
	{
		return Fail(TEXT("Input is not a long package name: it must start with a slash."));
	}
	if (Name.EndsWith(TEXT("/")))
	{
		return Fail(TEXT("Input ends with a slash."));
	}
	if (Name.Contains(TEXT("//")))
	{
		return Fail(TEXT("Input contains a double slash."));
	}
	static const TCHAR* InvalidCharacters = TEXT("\\:*?\"<>|' ,.&!~\n\r\t@#");
	for (int32 Index = 0; Index < Name.Len(); ++Index)
	{
		for (const TCHAR* Invalid = InvalidCharacters; *Invalid; ++Invalid)
		{
			if (Name[Index] == *Invalid)
			{
				return Fail(TEXT("Input contains a character that package names cannot have."));
			}
		}
	}
	if (bIncludeReadOnlyRoots && IsReadOnlyRoot(InLongPackageName))
	{
		return true;
	}
	if (FindMountPoint(Name) == nullptr)
	{
		return Fail(TEXT("Input does not start with a known root."));
	}
	return true;
}

bool FPackageName::IsValidObjectPath(const FString& InObjectPath, FText* OutReason)
{
	const FString PackageName = ObjectPathToPackageName(InObjectPath);
	if (!IsValidLongPackageName(PackageName, true, OutReason))
	{
		return false;
	}
	const int32 Dot = InObjectPath.Find(TEXT("."));
	if (Dot == INDEX_NONE || Dot == InObjectPath.Len() - 1)
	{
		if (OutReason)
		{
			*OutReason = FText::FromString(TEXT("Object path has no object name."));
		}
		return false;
	}
	return true;
}

bool FPackageName::TryConvertLongPackageNameToFilename(FStringView InLongPackageNameView, FString& OutFilename, FStringView InExtensionView)
{
	const FString InLongPackageName(InLongPackageNameView);
	const FString InExtension(InExtensionView);
	const FMountPoint* Point = FindMountPoint(InLongPackageName);
	const FString ContentPath = Point != nullptr ? GetContentPath(*Point) : FString();
	if (ContentPath.IsEmpty())
	{
		return false;
	}
	const FString Relative = InLongPackageName.Len() > Point->RootPath.Len() ? InLongPackageName.Mid(Point->RootPath.Len()) : FString();
	OutFilename = ContentPath + Relative + InExtension;
	return true;
}

FString FPackageName::LongPackageNameToFilename(const FString& InLongPackageName, const FString& InExtension)
{
	FString Result;
	checkf(TryConvertLongPackageNameToFilename(InLongPackageName, Result, InExtension),
		TEXT("LongPackageNameToFilename failed to convert '%s'. Path does not map to any roots."), *InLongPackageName);
	return Result;
}

bool FPackageName::TryConvertFilenameToLongPackageName(const FString& InFilename, FString& OutPackageName, FString* OutFailureReason, const EConvertFlags Flags)
{
	FString Filename = InFilename.Replace(TEXT("\\"), TEXT("/"));
	const FMountPoint* Best = nullptr;
	FString BestContentPath;
	for (const FMountPoint& Point : MountPoints())
	{
		const FString ContentPath = GetContentPath(Point);
		if (!ContentPath.IsEmpty() && Filename.StartsWith(ContentPath) && (Best == nullptr || ContentPath.Len() > BestContentPath.Len()))
		{
			Best = &Point;
			BestContentPath = ContentPath;
		}
	}
	if (Best == nullptr)
	{
		if (OutFailureReason)
		{
			*OutFailureReason = FString::Printf(TEXT("FilenameToLongPackageName failed to convert '%s'. Path does not map to any roots."), *InFilename);
		}
		return false;
	}
	FString Relative = Filename.Mid(BestContentPath.Len());
	const int32 Dot = Relative.Find(TEXT("."), ESearchCase::CaseSensitive, ESearchDir::FromEnd);
	const int32 Slash = Relative.Find(TEXT("/"), ESearchCase::CaseSensitive, ESearchDir::FromEnd);
	if (Dot != INDEX_NONE && Dot > Slash)
	{
		Relative = Relative.Left(Dot);
	}
	OutPackageName = Best->RootPath + Relative;
	return true;
}

FString FPackageName::FilenameToLongPackageName(const FString& InFilename)
{
	FString Result;
	FString Reason;
	checkf(TryConvertFilenameToLongPackageName(InFilename, Result, &Reason), TEXT("%s"), *Reason);
	return Result;
}

FName FPackageName::GetPackageMountPoint(const FString& InPackagePath, bool InWithoutSlashes)
{
	const FMountPoint* Point = FindMountPoint(InPackagePath);
	if (Point == nullptr)
	{
		return FName();
	}
	FString Root = Point->RootPath;
	if (InWithoutSlashes)
	{
		Root = Root.Replace(TEXT("/"), TEXT(""));
	}
	return FName(*Root);
}

bool FPackageName::DoesPackageExist(const FString& LongPackageName, FString* OutFilename, bool InAllowTextFormats)
{
	FString Base;
	if (!TryConvertLongPackageNameToFilename(LongPackageName, Base))
	{
		return false;
	}
	for (const FString* Extension : { &GetAssetPackageExtension(), &GetMapPackageExtension() })
	{
		if (FileExists(Base + *Extension))
		{
			if (OutFilename)
			{
				*OutFilename = Base + *Extension;
			}
			return true;
		}
	}
	return false;
}

const FString& FPackageName::GetAssetPackageExtension()
{
	static const FString* Extension = new FString(TEXT(".uasset"));
	return *Extension;
}

const FString& FPackageName::GetMapPackageExtension()
{
	static const FString* Extension = new FString(TEXT(".umap"));
	return *Extension;
}

const FString& FPackageName::GetTextAssetPackageExtension()
{
	static const FString* Extension = new FString(TEXT(".utxt"));
	return *Extension;
}

const FString& FPackageName::GetTextMapPackageExtension()
{
	static const FString* Extension = new FString(TEXT(".utxtmap"));
	return *Extension;
}

bool FPackageName::IsPackageExtension(const TCHAR* Ext)
{
	FString Extension(Ext);
	if (!Extension.StartsWith(TEXT(".")))
	{
		Extension = TEXT(".") + Extension;
	}
	return Extension.Equals(GetAssetPackageExtension(), ESearchCase::IgnoreCase) || Extension.Equals(GetMapPackageExtension(), ESearchCase::IgnoreCase);
}

FName FPackageName::GetModuleScriptPackageName(FName InModuleName)
{
	return FName(*(FString(TEXT("/Script/")) + InModuleName.ToString()));
}

FString FPackageName::GetModuleScriptPackageName(FStringView InModuleName)
{
	return FString(TEXT("/Script/")) + FString(InModuleName);
}

FString FPackageName::ConvertToLongScriptPackageName(const TCHAR* InShortName)
{
	const FString Name(InShortName);
	return Name.StartsWith(TEXT("/")) ? Name : FString(TEXT("/Script/")) + Name;
}

void FPackageName::RegisterMountPoint(const FString& RootPath, const FString& ContentPath)
{
	const FString Root = WithTrailingSlash(RootPath);
	const FString Content = ContentPath.IsEmpty() ? FString() : WithTrailingSlash(ContentPath.Replace(TEXT("\\"), TEXT("/")));
	for (FMountPoint& Point : MountPoints())
	{
		if (Point.RootPath.Equals(Root, ESearchCase::IgnoreCase))
		{
			Point.ContentPath = Content;
			return;
		}
	}
	MountPoints().Add(FMountPoint{ Root, Content });
}

void FPackageName::UnRegisterMountPoint(const FString& RootPath, const FString& ContentPath)
{
	const FString Root = WithTrailingSlash(RootPath);
	TArray<FMountPoint>& Points = MountPoints();
	for (int32 Index = 0; Index < Points.Num(); ++Index)
	{
		if (Points[Index].RootPath.Equals(Root, ESearchCase::IgnoreCase))
		{
			Points.RemoveAt(Index);
			return;
		}
	}
}

bool FPackageName::MountPointExists(FStringView RootPath)
{
	const FString Root = WithTrailingSlash(FString(RootPath));
	for (const FMountPoint& Point : MountPoints())
	{
		if (Point.RootPath.Equals(Root, ESearchCase::IgnoreCase))
		{
			return true;
		}
	}
	return false;
}
