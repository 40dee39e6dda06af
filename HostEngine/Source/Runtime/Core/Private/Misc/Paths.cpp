#include "Misc/Paths.h"
#include "Misc/PathsHost.h"
#include "Containers/StringConv.h"

#include <filesystem>
#include <mutex>
#include <unistd.h>

namespace UE::Paths::Private
{
	struct FRoots
	{
		std::mutex Mutex;
		FString ProjectDir;
		FString ProjectName;
		FString EngineDir;
		FString SavedDir;
	};

	static FRoots& GetRoots()
	{
		static FRoots Roots;
		return Roots;
	}

	static std::filesystem::path ToPath(const FString& In)
	{
		return std::filesystem::path(reinterpret_cast<const char8_t*>(TCHAR_TO_UTF8(*In)));
	}

	static FString WithTrailingSlash(FString In)
	{
		In.ReplaceCharInline(TEXT('\\'), TEXT('/'));
		if (!In.IsEmpty() && !In.EndsWith(TEXT("/")))
		{
			In += TEXT("/");
		}
		return In;
	}

	static FString CurrentDir()
	{
		char Buffer[4096];
		return getcwd(Buffer, sizeof(Buffer)) ? WithTrailingSlash(FString(UTF8_TO_TCHAR(Buffer))) : FString(TEXT("/"));
	}
}

using namespace UE::Paths::Private;

void FPathsHost::SetProjectDirectory(const FString& Directory, const FString& ProjectName)
{
	FRoots& Roots = GetRoots();
	std::lock_guard<std::mutex> Lock(Roots.Mutex);
	Roots.ProjectDir = Directory.IsEmpty() ? FString() : WithTrailingSlash(FPaths::ConvertRelativePathToFull(Directory));
	Roots.ProjectName = ProjectName;
	Roots.SavedDir = Roots.ProjectDir.IsEmpty() ? FString() : Roots.ProjectDir + TEXT("Saved/");
}

void FPathsHost::SetEngineDirectory(const FString& Directory)
{
	FRoots& Roots = GetRoots();
	std::lock_guard<std::mutex> Lock(Roots.Mutex);
	Roots.EngineDir = Directory.IsEmpty() ? FString() : WithTrailingSlash(FPaths::ConvertRelativePathToFull(Directory));
}

FString FPathsHost::GetProjectName()
{
	FRoots& Roots = GetRoots();
	std::lock_guard<std::mutex> Lock(Roots.Mutex);
	return Roots.ProjectName;
}

FString FPaths::EngineDir()
{
	FRoots& Roots = GetRoots();
	std::lock_guard<std::mutex> Lock(Roots.Mutex);
	return Roots.EngineDir.IsEmpty() ? CurrentDir() + TEXT("Engine/") : Roots.EngineDir;
}

FString FPaths::ProjectDir()
{
	FRoots& Roots = GetRoots();
	std::lock_guard<std::mutex> Lock(Roots.Mutex);
	return Roots.ProjectDir;
}

bool FPaths::CanGetProjectDir()
{
	return !ProjectDir().IsEmpty();
}

FString FPaths::ProjectContentDir()
{
	return ProjectDir() + TEXT("Content/");
}

FString FPaths::ProjectConfigDir()
{
	return ProjectDir() + TEXT("Config/");
}

FString FPaths::ProjectIntermediateDir()
{
	return ProjectDir() + TEXT("Intermediate/");
}

FString FPaths::ProjectPluginsDir()
{
	return ProjectDir() + TEXT("Plugins/");
}

const FString& FPaths::ProjectSavedDir()
{
	// The engine hands out a reference to a string that lives as long as the process.
	FRoots& Roots = GetRoots();
	std::lock_guard<std::mutex> Lock(Roots.Mutex);
	return Roots.SavedDir;
}

FString FPaths::GetProjectFilePath()
{
	FRoots& Roots = GetRoots();
	std::lock_guard<std::mutex> Lock(Roots.Mutex);
	if (Roots.ProjectDir.IsEmpty())
	{
		return FString();
	}
	return Roots.ProjectDir + Roots.ProjectName + TEXT(".uproject");
}

FString FPaths::ConvertRelativePathToFull(const FString& InPath)
{
	return ConvertRelativePathToFull(CurrentDir(), InPath);
}

FString FPaths::ConvertRelativePathToFull(const FString& BasePath, const FString& InPath)
{
	FString Full = InPath;
	Full.ReplaceCharInline(TEXT('\\'), TEXT('/'));
	if (IsRelative(Full))
	{
		Full = Combine(BasePath, Full);
	}
	CollapseRelativeDirectories(Full);
	return Full;
}

bool FPaths::MakePathRelativeTo(FString& InPath, const TCHAR* InRelativeTo)
{
	FString Target = ConvertRelativePathToFull(InPath);
	FString Base = GetPath(ConvertRelativePathToFull(FString(InRelativeTo)));
	TArray<FString> TargetParts;
	TArray<FString> BaseParts;
	Target.ParseIntoArray(TargetParts, TEXT("/"), true);
	Base.ParseIntoArray(BaseParts, TEXT("/"), true);
	int32 Common = 0;
	while (Common < TargetParts.Num() && Common < BaseParts.Num() && TargetParts[Common].Equals(BaseParts[Common]))
	{
		++Common;
	}
	FString Result;
	for (int32 Index = Common; Index < BaseParts.Num(); ++Index)
	{
		Result += TEXT("../");
	}
	for (int32 Index = Common; Index < TargetParts.Num(); ++Index)
	{
		Result += TargetParts[Index];
		if (Index + 1 < TargetParts.Num())
		{
			Result += TEXT("/");
		}
	}
	InPath = Result;
	return true;
}

FString FPaths::GetCleanFilename(const FString& InPath)
{
	int32 Slash = INDEX_NONE;
	InPath.FindLastChar(TEXT('/'), Slash);
	return Slash == INDEX_NONE ? InPath : InPath.RightChop(Slash + 1);
}

FString FPaths::GetBaseFilename(const FString& InPath, bool bRemovePath)
{
	FString Result = bRemovePath ? GetCleanFilename(InPath) : InPath;
	int32 Dot = INDEX_NONE;
	int32 Slash = INDEX_NONE;
	Result.FindLastChar(TEXT('.'), Dot);
	Result.FindLastChar(TEXT('/'), Slash);
	if (Dot != INDEX_NONE && Dot > Slash)
	{
		Result.LeftInline(Dot);
	}
	return Result;
}

FString FPaths::GetExtension(const FString& InPath, bool bIncludeDot)
{
	const FString Clean = GetCleanFilename(InPath);
	int32 Dot = INDEX_NONE;
	if (!Clean.FindLastChar(TEXT('.'), Dot))
	{
		return FString();
	}
	return Clean.RightChop(bIncludeDot ? Dot : Dot + 1);
}

FString FPaths::GetPath(const FString& InPath)
{
	int32 Slash = INDEX_NONE;
	InPath.FindLastChar(TEXT('/'), Slash);
	return Slash == INDEX_NONE ? FString() : InPath.Left(Slash);
}

bool FPaths::FileExists(const FString& InPath)
{
	std::error_code Error;
	return std::filesystem::is_regular_file(ToPath(InPath), Error);
}

bool FPaths::DirectoryExists(const FString& InPath)
{
	std::error_code Error;
	return std::filesystem::is_directory(ToPath(InPath), Error);
}

bool FPaths::IsRelative(const FString& InPath)
{
	return !InPath.StartsWith(TEXT("/"));
}

bool FPaths::IsSamePath(const FString& PathA, const FString& PathB)
{
	FString A = ConvertRelativePathToFull(PathA);
	FString B = ConvertRelativePathToFull(PathB);
	NormalizeDirectoryName(A);
	NormalizeDirectoryName(B);
	// Linux file names are case-sensitive.
	return A.Equals(B, ESearchCase::CaseSensitive);
}

void FPaths::NormalizeFilename(FString& InPath)
{
	InPath.ReplaceCharInline(TEXT('\\'), TEXT('/'));
}

void FPaths::NormalizeDirectoryName(FString& InPath)
{
	NormalizeFilename(InPath);
	while (InPath.Len() > 1 && InPath.EndsWith(TEXT("/")))
	{
		InPath.LeftChopInline(1);
	}
}

bool FPaths::CollapseRelativeDirectories(FString& InPath)
{
	const bool bAbsolute = InPath.StartsWith(TEXT("/"));
	const bool bTrailing = InPath.EndsWith(TEXT("/"));
	TArray<FString> Parts;
	InPath.ParseIntoArray(Parts, TEXT("/"), true);
	TArray<FString> Kept;
	for (const FString& Part : Parts)
	{
		if (Part == TEXT("."))
		{
			continue;
		}
		if (Part == TEXT("..") && Kept.Num() > 0 && Kept.Last() != TEXT(".."))
		{
			Kept.Pop();
			continue;
		}
		if (Part == TEXT("..") && bAbsolute)
		{
			return false;
		}
		Kept.Add(Part);
	}
	FString Result = bAbsolute ? FString(TEXT("/")) : FString();
	Result += FString::Join(Kept, TEXT("/"));
	if (bTrailing && Kept.Num() > 0)
	{
		Result += TEXT("/");
	}
	InPath = Result;
	return true;
}

void FPaths::MakeStandardFilename(FString& InPath)
{
	InPath = ConvertRelativePathToFull(InPath);
}

FString FPaths::CombineInternal(const FStringView* Paths, int32 NumPaths)
{
	FString Result;
	for (int32 Index = 0; Index < NumPaths; ++Index)
	{
		if (Paths[Index].Len() == 0)
		{
			continue;
		}
		if (Result.IsEmpty())
		{
			Result = FString(Paths[Index]);
		}
		else
		{
			Result /= FString(Paths[Index]);
		}
	}
	return Result;
}
