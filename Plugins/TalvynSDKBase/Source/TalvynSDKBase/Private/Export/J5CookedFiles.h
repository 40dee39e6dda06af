#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR

struct FJ5ExportContext;

/** One cooked file of the package: where the cook wrote it, and its path below the content folder ("Maps/L_Arena.umap"). */
struct FJ5CookedFile
{
	FString SourcePath;
	FString ContentRelativePath;
};

/** The cooked files that make up the package's packages, found in the package's cooked folder. */
namespace J5CookedFiles
{
	/**
	 * Every file the cook wrote for the package's packages: each package's own files (.uasset or .umap,
	 * .uexp, .ubulk, .m.ubulk, .uptnl, whatever it wrote) and the packages it generated below a map
	 * (<Map>/_Generated_/...). False, naming the packages, when one of them was not cooked.
	 */
	bool Find(const FJ5ExportContext& Context, TArray<FJ5CookedFile>& OutFiles, FString& OutReason);

	/**
	 * Whether an IoStore container holds the file: the package files (.uasset, .umap, .ubulk, .m.ubulk, .uptnl) it
	 * lists, and the .uexp files it merges into their package. The rest goes into the pak beside it.
	 */
	bool IsInContainer(const FJ5CookedFile& File);

	/** Whether the container's file list names the file (every container file but .uexp, which the container merges). */
	bool IsListedInContainer(const FJ5CookedFile& File);

	/** The destination of a cooked file: "../../../<Project>/Content/<path>". */
	FString GetMountPath(const FJ5ExportContext& Context, const FJ5CookedFile& File);
}

#endif
