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

	/** The pak's destination of a cooked file: "../../../<Project>/Content/<path>". */
	FString GetMountPath(const FJ5ExportContext& Context, const FJ5CookedFile& File);
}

#endif
