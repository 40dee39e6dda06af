#pragma once

#include "CoreMinimal.h"
#include "Templates/Function.h"
#include "UObject/Object.h"
#include "UObject/SoftObjectPath.h"
#include "J5Package.generated.h"

struct FAssetData;

DECLARE_MULTICAST_DELEGATE(FOnJ5PackageChanged);

/**
 * A package of content for the Talvyn application: the assets of one content directory, the further
 * packages they need inside that directory, and the references that lead outside it.
 * All operations run on the game thread, on the editor's asset registry.
 */
UCLASS()
class TALVYNSDKBASE_API UJ5Package : public UObject
{
	GENERATED_BODY()

public:
	/** The package's own assets. Kept as paths, so that they survive saving and loading without being loaded. */
	UPROPERTY(VisibleAnywhere, Category = "Package")
	TArray<FSoftObjectPath> MainAssets;

	/** Long names of the packages inside the directory that the main assets need, directly or not. */
	UPROPERTY(VisibleAnywhere, Category = "Package")
	TSet<FName> Dependencies;

	/** Long package path of the folder that holds this asset, without a trailing slash; empty outside any content folder. */
	UPROPERTY(VisibleAnywhere, Category = "Package")
	FString PackageDirectory;

	/**
	 * Packages outside the directory that the content refers to, with their depth in the reference tree:
	 * 0 when the package's own content refers to them, one more than the outside package they were first reached from.
	 * Saved with the asset, so a reloaded package shows the same warning as before it was saved.
	 */
	UPROPERTY(VisibleAnywhere, Category = "Package")
	TMap<FName, int32> MissingDependencies;

	/**
	 * Broadcast once after each operation that changed the collections above, never when nothing changed, and
	 * after an undo or redo of such a change.
	 */
	FOnJ5PackageChanged OnPackageChanged;

	/** Adds every asset below PackageDirectory, subfolders included, that is not yet a main asset (this one excepted). */
	void FindAllAssets();

	/** Adds one asset of the directory; refusals are written to the log. */
	void AddAsset(const FAssetData& AssetData);

	/** Empties MainAssets, Dependencies and MissingDependencies. */
	void RemoveAllAssets();

	/**
	 * Walks the package dependencies of the main assets that a cook follows (game ones, hard and soft) and
	 * fills Dependencies and MissingDependencies afresh.
	 */
	void FindAllDependencies();

	/** Adds the directory and the package's maps to the project's cook settings and saves them to DefaultGame.ini. */
	void ApplyCookSettings();

	/** Cooks the directory's content and maps into Saved/Talvyn/<Name>/Cooked, with a notification that follows it. */
	void CookAssets();

	/**
	 * The whole export, as one task under one notification: saves the unsaved content (with the editor's
	 * prompt), cooks it, and writes the cooked files of the main assets and their dependencies into
	 * Saved/Talvyn/<Name>/<Name>.pak for the application set in Project Settings > Plugins > Talvyn SDK.
	 */
	void MakePakFile();

	/**
	 * Copies every package of MissingDependencies into <PackageDirectory>/Dependencies, below the path it
	 * came from, and points the package's content and the copies at the copies; originals stay as they are.
	 */
	void CopyDependencies();

	//~ Begin UObject interface
	virtual void PostInitProperties() override;
	virtual void PostLoad() override;
	virtual void PostRename(UObject* OldOuter, const FName OldName) override;
	virtual void PostDuplicate(bool bDuplicateForPIE) override;
#if WITH_EDITOR
	virtual void PostEditUndo() override;
#endif
	//~ End UObject interface

private:
	/** Derives PackageDirectory from the package that holds this asset. */
	void UpdatePackageDirectory();

	/**
	 * Makes a change to the collections above as one step of the editor's undo history, named after the
	 * command that asked for it, then tells the panels. Only for a change: a step is never left empty.
	 */
	void ChangeCollections(const FText& Description, TFunctionRef<void()> Change);
};
