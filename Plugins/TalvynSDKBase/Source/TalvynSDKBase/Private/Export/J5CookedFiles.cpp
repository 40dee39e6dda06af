#include "Export/J5CookedFiles.h"

#if WITH_EDITOR

#include "Export/J5ExportContext.h"
#include "HAL/FileManager.h"
#include "Misc/Paths.h"

namespace J5CookedFiles
{
	/** The package a cooked file belongs to, as a path below the content folder: the file's path up to the first dot of its name, or the map a generated package was made for. */
	static FString GetOwningPackage(const FString& ContentRelativePath)
	{
		const int32 Generated = ContentRelativePath.Find(TEXT("/_Generated_/"), ESearchCase::IgnoreCase);
		if (Generated != INDEX_NONE)
		{
			return ContentRelativePath.Left(Generated);
		}
		int32 Slash = INDEX_NONE;
		ContentRelativePath.FindLastChar(TEXT('/'), Slash);
		const int32 Dot = ContentRelativePath.Find(TEXT("."), ESearchCase::CaseSensitive, ESearchDir::FromStart, Slash + 1);
		return Dot == INDEX_NONE ? ContentRelativePath : ContentRelativePath.Left(Dot);
	}

	bool Find(const FJ5ExportContext& Context, TArray<FJ5CookedFile>& OutFiles, FString& OutReason)
	{
		TMap<FString, FString> Wanted;
		for (const FString& PackageName : Context.PackageNames)
		{
			FString Relative;
			if (FJ5ExportContext::GetContentRelativePath(PackageName, Relative))
			{
				Wanted.Add(Relative.ToLower(), PackageName);
			}
		}

		TArray<FString> Found;
		IFileManager::Get().FindFilesRecursive(Found, *Context.CookedContentDir, TEXT("*"), /*Files=*/true, /*Directories=*/false);
		Found.Sort();
		TSet<FString> Cooked;
		FString Root = Context.CookedContentDir;
		FPaths::NormalizeDirectoryName(Root);
		Root += TEXT("/");
		for (const FString& File : Found)
		{
			FString Relative = File;
			FPaths::NormalizeFilename(Relative);
			if (!Relative.RemoveFromStart(Root))
			{
				continue;
			}
			const FString Owner = GetOwningPackage(Relative).ToLower();
			if (!Wanted.Contains(Owner))
			{
				continue;
			}
			OutFiles.Add(FJ5CookedFile{ File, Relative });
			const FString Extension = FPaths::GetExtension(Relative).ToLower();
			if (!Relative.Contains(TEXT("/_Generated_/")) && (Extension == TEXT("uasset") || Extension == TEXT("umap")))
			{
				Cooked.Add(Owner);
			}
		}

		TArray<FString> NotCooked;
		for (const TPair<FString, FString>& Package : Wanted)
		{
			if (!Cooked.Contains(Package.Key))
			{
				NotCooked.Add(Package.Value);
			}
		}
		for (const FString& PackageName : Context.PackageNames)
		{
			FString Relative;
			if (!FJ5ExportContext::GetContentRelativePath(PackageName, Relative))
			{
				NotCooked.AddUnique(PackageName);
			}
		}
		if (NotCooked.Num() > 0)
		{
			NotCooked.Sort();
			OutReason = FString::Printf(TEXT("the cook did not write %s; see its log %s."), *FString::Join(NotCooked, TEXT(", ")), *Context.CookLogFile);
			return false;
		}
		return true;
	}

	bool IsListedInContainer(const FJ5CookedFile& File)
	{
		const FString Name = FPaths::GetCleanFilename(File.ContentRelativePath);
		for (const TCHAR* Extension : { TEXT(".uasset"), TEXT(".umap"), TEXT(".ubulk"), TEXT(".uptnl") })
		{
			if (Name.EndsWith(Extension, ESearchCase::IgnoreCase))
			{
				return true;
			}
		}
		return false;
	}

	bool IsInContainer(const FJ5CookedFile& File)
	{
		return IsListedInContainer(File) || File.ContentRelativePath.EndsWith(TEXT(".uexp"), ESearchCase::IgnoreCase);
	}

	FString GetMountPath(const FJ5ExportContext& Context, const FJ5CookedFile& File)
	{
		return FString::Printf(TEXT("../../../%s/Content/%s"), *Context.MountProjectName, *File.ContentRelativePath);
	}
}

#endif
