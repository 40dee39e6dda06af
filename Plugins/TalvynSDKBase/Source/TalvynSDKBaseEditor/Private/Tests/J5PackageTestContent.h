#pragma once

#include "CoreMinimal.h"

#if WITH_DEV_AUTOMATION_TESTS

#include "UObject/Object.h"
#include "UObject/WeakObjectPtrTemplates.h"

class IDetailsView;
class SButton;
class SWidget;
class SWindow;
class UJ5Package;
class UMaterial;
class UMaterialInstanceConstant;
class UMaterialInterface;
class UPackage;
class UStaticMesh;

/**
 * Content made for one test case in a content folder of its own, "/Game/<Name>", saved so that the asset
 * registry records the references between its packages, and removed again (objects, files, folder) by Remove.
 */
class FJ5PackageTestContent
{
public:
	explicit FJ5PackageTestContent(const FString& InFolderName);
	~FJ5PackageTestContent();

	FJ5PackageTestContent(const FJ5PackageTestContent&) = delete;
	FJ5PackageTestContent& operator=(const FJ5PackageTestContent&) = delete;

	/** "/Game/<Name>", the folder everything is made in. */
	const FString& GetRoot() const
	{
		return Root;
	}

	/** The long package name of a path below the folder: "Pack/M_Base" gives "/Game/<Name>/Pack/M_Base". */
	FString PackageNameOf(const FString& RelativePath) const;

	/** An empty package below the folder, removed with the rest. */
	UPackage* MakePackage(const FString& RelativePath);

	/** A package asset made by the editor's factory, as the Content Browser makes it. */
	UJ5Package* MakePackageAsset(const FString& RelativePath);

	UMaterial* MakeMaterial(const FString& RelativePath);
	UMaterialInstanceConstant* MakeMaterialInstance(const FString& RelativePath, UMaterialInterface* Parent);
	UStaticMesh* MakeStaticMesh(const FString& RelativePath, UMaterialInterface* Material);

	/** A further asset in the package of an asset made before: two assets, one package. */
	UMaterial* MakeMaterialBeside(const UObject* Neighbour, const FString& AssetName);

	/** Saves every package made so far and has the asset registry read the files, as it does for saved packages. */
	bool SaveAndScan();

	/** Deletes every asset made, their files and the folder; safe to call twice. */
	void Remove();

private:
	UPackage* MakeAssetPackage(const FString& RelativePath, FString& OutAssetName) const;
	void Register(UObject* Asset);

	FString Root;
	TArray<TWeakObjectPtr<UObject>> Assets;
	TArray<TWeakObjectPtr<UPackage>> Packages;
};

/**
 * A package's details panel as the editor shows it: a details view made by PropertyEditor, shown in a window
 * so that Slate lays out its rows, and read through its widget tree.
 */
class FJ5PackageTestPanel
{
public:
	FJ5PackageTestPanel() = default;
	~FJ5PackageTestPanel();

	FJ5PackageTestPanel(const FJ5PackageTestPanel&) = delete;
	FJ5PackageTestPanel& operator=(const FJ5PackageTestPanel&) = delete;

	/** Makes the view, shows Object in it and lets Slate lay it out. */
	void Open(UObject* Object);

	/** Closes the window and releases the view; widgets found before stay valid for whoever holds them. */
	void Close();

	bool IsOpen() const;

	/** Lets Slate lay out what changed since the last update, as a frame of the editor does. */
	void Update();

	/** The button whose label reads Label, null when the panel shows none. */
	TSharedPtr<SButton> FindButton(const FString& Label) const;

	/** The labels of the buttons shown, in the order of the tree. */
	TArray<FString> GetButtonLabels() const;

	/** Every text shown in a text block, in the order of the tree (button labels included). */
	TArray<FString> GetTexts() const;

	/** Whether some shown text contains Text. */
	bool ShowsTextContaining(const FString& Text) const;

	/** The label of a button: the texts of the text blocks within it. */
	static FString GetButtonLabel(const TSharedRef<SWidget>& Button);

private:
	static void CollectWidgets(const TSharedRef<SWidget>& Widget, FName Type, TArray<TSharedRef<SWidget>>& OutWidgets);

	TSharedPtr<IDetailsView> DetailsView;
	TSharedPtr<SWindow> Window;
};

#endif // WITH_DEV_AUTOMATION_TESTS
