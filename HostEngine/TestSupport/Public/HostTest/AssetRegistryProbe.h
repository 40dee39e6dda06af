#pragma once

#include "CoreMinimal.h"
#include "UObject/TopLevelAssetPath.h"

/**
 * How tests and programs fill the host's asset registry, which stands in for what the engine would
 * gather from the content folders. Every function loads the AssetRegistry module if it is not loaded;
 * the data lives as long as the module does. Adding, removing and renaming broadcast the registry's
 * OnAssetAdded, OnAssetRemoved and OnAssetRenamed events, as a scan would.
 *
 * Data file format (LoadAssetRegistryFromFile), UTF-8, one record per line, blank lines allowed,
 * '#' starts a comment that runs to the end of the line:
 *
 *     # assets: a package (or Package.Asset object path) and the asset's class path
 *     asset /Game/Pack/Meshes/SM_Rock /Script/Engine.StaticMesh
 *     asset /Game/Maps/Level.PersistentLevel /Script/Engine.World
 *
 *     # package dependencies: referencer, dependency, then optional properties in any order:
 *     # hard (default) or soft, game (default) or editoronly, and build
 *     dep /Game/Pack/Meshes/SM_Rock /Game/Shared/M_Stone
 *     dep /Game/Pack/Maps/Level /Game/Pack2/BP_Door soft editoronly
 *
 * Without ".Asset" the asset is named after the package ("/Game/A/SM_Rock" holds "SM_Rock"). A
 * dependency may name packages that hold no asset (script packages, missing packages). The file is
 * checked whole before anything is added: on any error nothing changes and OutError lists each
 * problem as "file:line: message".
 */
namespace HostTest
{
	/** Adds the asset AssetName in the package (its folder derived from the name). False, with nothing added, for bad names or an object path already known. */
	ASSETREGISTRY_API bool AddAsset(FName PackageName, FName AssetName, const FTopLevelAssetPath& ClassPath);
	/** Adds the asset named after its package: "/Game/A/SM_Rock" holds "SM_Rock". */
	ASSETREGISTRY_API bool AddAsset(FName PackageName, const FTopLevelAssetPath& ClassPath);

	/**
	 * Records that FromPackage refers to ToPackage; a package may refer to itself. Recording a pair again
	 * keeps one dependency with the stronger properties (hard over soft, game over editor-only).
	 * False for a bad package name.
	 */
	ASSETREGISTRY_API bool AddDependency(FName FromPackage, FName ToPackage, bool bHard = true, bool bEditorOnly = false);
	ASSETREGISTRY_API bool RemoveDependency(FName FromPackage, FName ToPackage);

	/** Removes the asset. When its package has no asset left, the package's own dependencies go too; references to it stay. */
	ASSETREGISTRY_API bool RemoveAsset(FName PackageName, FName AssetName);

	/**
	 * Moves the asset to a new package and name, keeping its place in the registry's order. When the old
	 * package is left without assets, its dependencies and its referencers move to the new package.
	 */
	ASSETREGISTRY_API bool RenameAsset(FName OldPackageName, FName OldAssetName, FName NewPackageName, FName NewAssetName);

	/** Forgets every asset, folder and dependency, without broadcasting. */
	ASSETREGISTRY_API void ClearAssetRegistry();

	/** Reads a data file in the format above and adds what it describes. */
	ASSETREGISTRY_API bool LoadAssetRegistryFromFile(const FString& Filename, FString& OutError);
	/** The same for text in memory; SourceName stands for the file name in messages. */
	ASSETREGISTRY_API bool LoadAssetRegistryFromString(const FString& Text, const FString& SourceName, FString& OutError);

	/**
	 * Makes in memory, as the editor loading them from disk would, every registered asset whose class is
	 * loaded: its package (clean) and the asset object, which holds the references that the package's
	 * dependency records name: hard ones to the asset of the referenced package, soft ones as its path
	 * (references to script packages are left out, those to packages without a known asset kept as
	 * paths). Assets already in memory stay the same objects and take their references from the records
	 * again, as on a reload. Returns how many assets were made.
	 */
	ASSETREGISTRY_API int32 LoadRegisteredAssets();

	ASSETREGISTRY_API int32 GetNumRegisteredAssets();
	/** The number of recorded (referencer, dependency) pairs. */
	ASSETREGISTRY_API int32 GetNumRegisteredDependencies();
}
