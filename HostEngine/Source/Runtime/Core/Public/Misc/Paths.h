#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Containers/StringView.h"

/**
 * Path helpers. Project and engine directories are absolute, end with '/', and come from the
 * directories the host was pointed at (see HostTest/ExportProbe.h); paths use '/' throughout.
 */
class FPaths
{
public:
	static CORE_API FString EngineDir();
	static CORE_API FString ProjectDir();
	static CORE_API FString ProjectContentDir();
	static CORE_API FString ProjectConfigDir();
	static CORE_API FString ProjectIntermediateDir();
	static CORE_API FString ProjectPluginsDir();
	static CORE_API const FString& ProjectSavedDir();
	static CORE_API FString GetProjectFilePath();
	static CORE_API bool CanGetProjectDir();

	static CORE_API FString ConvertRelativePathToFull(const FString& InPath);
	static CORE_API FString ConvertRelativePathToFull(const FString& BasePath, const FString& InPath);
	static CORE_API bool MakePathRelativeTo(FString& InPath, const TCHAR* InRelativeTo);

	static CORE_API FString GetCleanFilename(const FString& InPath);
	static CORE_API FString GetBaseFilename(const FString& InPath, bool bRemovePath = true);
	static CORE_API FString GetExtension(const FString& InPath, bool bIncludeDot = false);
	static CORE_API FString GetPath(const FString& InPath);

	static CORE_API bool FileExists(const FString& InPath);
	static CORE_API bool DirectoryExists(const FString& InPath);
	static CORE_API bool IsRelative(const FString& InPath);
	static CORE_API bool IsSamePath(const FString& PathA, const FString& PathB);

	static CORE_API void NormalizeFilename(FString& InPath);
	static CORE_API void NormalizeDirectoryName(FString& InPath);
	static CORE_API bool CollapseRelativeDirectories(FString& InPath);
	static CORE_API void MakeStandardFilename(FString& InPath);

	template<typename... PathTypes>
	static FString Combine(PathTypes&&... InPaths)
	{
		const FStringView Paths[] = { FStringView(InPaths)... };
		return CombineInternal(Paths, sizeof...(InPaths));
	}

protected:
	static CORE_API FString CombineInternal(const FStringView* Paths, int32 NumPaths);
};
