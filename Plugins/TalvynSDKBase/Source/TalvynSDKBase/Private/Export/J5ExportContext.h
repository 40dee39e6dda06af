#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR

#include "UObject/WeakObjectPtrTemplates.h"

class UJ5Package;

/**
 * Everything an export of one package works with, fixed when it starts: the package's content, the
 * settings it was started with, and where each stage reads and writes. All paths are absolute, so the
 * tools get the same files whatever their working directory.
 */
struct FJ5ExportContext
{
	TWeakObjectPtr<UJ5Package> Package;
	/** The package asset's name: the base name of everything the export writes. */
	FString PackageName;
	/** Long package path of the package's content folder ("/Game/Talvyn/Pack"). */
	FString PackageDirectory;

	FString ProjectFile;
	FString ProjectName;
	/** The cook platform ("Windows", "Linux"...). */
	FString Platform;
	/** The project name the application mounts the content under. */
	FString MountProjectName;
	bool bCompress = true;
	/** IoStore containers (.utoc/.ucas) with the packages, the .pak beside them with the rest. */
	bool bIoStore = false;

	/** Saved/Talvyn/<Package>/: the pak, its content list and the cook's log. */
	FString OutputDir;
	/** <OutputDir>/Cooked/<Platform>/: the cook's output, the package's own. */
	FString CookedPlatformDir;
	/** <CookedPlatformDir>/<Project>/Content/. */
	FString CookedContentDir;
	FString CookLogFile;
	FString PakFile;
	/** The pak's content list, the response file UnrealPak reads. */
	FString PakListFile;
	/** With bIoStore: the container (<Package>.utoc and .ucas), its file list and commands, and the plugin descriptor it is made for. */
	FString UtocFile;
	FString UcasFile;
	FString IoStoreListFile;
	FString IoStoreCommandsFile;
	FString ContainerPluginFile;
	/** What the loose cook writes beside the content for IoStore containers. */
	FString PackageStoreManifest;
	FString ScriptObjectsFile;

	/** Long names of the packages to ship: the main assets' and their dependencies'. */
	TArray<FString> PackageNames;
	/** Long names of the maps among them, which the cook takes by name. */
	TArray<FString> MapNames;

	/** What the stages wrote, for the closing message: "<file> (<size>)". */
	TArray<FString> Results;

	/** Gathers what an export of the package needs; false, with the reason, when the package cannot be exported. */
	static bool Make(UJ5Package& InPackage, FJ5ExportContext& OutContext, FString& OutReason);

	/** The path of a /Game package below the content folder ("Talvyn/Pack/SM_Rock"); false for other roots. */
	static bool GetContentRelativePath(const FString& LongPackageName, FString& OutRelative);

	/** UnrealPak of the engine's own platform folder, absolute; on Windows with its .exe, which the existence check needs. */
	static FString GetUnrealPak();

	/** Value in quotes for a command line; false for a value that quotes cannot carry. */
	static bool Quote(const FString& Value, FString& OutQuoted);
};

#endif
