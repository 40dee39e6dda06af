#pragma once

// A started editor module with one package asset, /Game/Pack/PKG_Pack, whose panel the tests open in a
// details view as an asset editor does, then read back row by row and paint as the user would see it.

#include "CoreMinimal.h"
#include "HostTest/PropertyEditorProbe.h"
#include "HostTest/SlateProbe.h"
#include "IDetailsView.h"
#include "UObject/TopLevelAssetPath.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

class SObjectPropertyEntryBox;
class UJ5Package;

namespace PackagePanelTest
{
	const FTopLevelAssetPath WorldClass(TEXT("/Script/Engine"), TEXT("World"));
	const FTopLevelAssetPath StaticMeshClass(TEXT("/Script/Engine"), TEXT("StaticMesh"));
	const FTopLevelAssetPath SkeletalMeshClass(TEXT("/Script/Engine"), TEXT("SkeletalMesh"));
	const FTopLevelAssetPath BlueprintClass(TEXT("/Script/Engine"), TEXT("Blueprint"));
	const FTopLevelAssetPath AnimBlueprintClass(TEXT("/Script/Engine"), TEXT("AnimBlueprint"));
	const FTopLevelAssetPath TextureClass(TEXT("/Script/Engine"), TEXT("Texture2D"));
	const FTopLevelAssetPath MaterialClass(TEXT("/Script/Engine"), TEXT("Material"));
	const FTopLevelAssetPath WidgetBlueprintClass(TEXT("/Script/UMGEditor"), TEXT("WidgetBlueprint"));
	const FTopLevelAssetPath PackageClass(TEXT("/Script/TalvynSDKBase"), TEXT("J5Package"));

	const FName AddAssetsCategory(TEXT("Add Assets"));
	const FName DependenciesCategory(TEXT("Dependencies"));
	const FName ExportCategory(TEXT("Export"));
	const FName MissingGroup(TEXT("MissingDependenciesGroup"));

	/** The custom rows of a category in the built layout, group rows and the rows inside groups included. */
	TArray<HostTest::FDetailRowLayout> CustomRowsOf(const HostTest::FDetailPanelLayout& Layout, FName Category);

	/** The painted rows of a category; empty when it is not on screen. */
	TArray<HostTest::FPaintedDetailRow> PaintedRowsOf(const HostTest::FPaintedDetailsPanel& Panel, FName Category);

	/** Every snapshot at or below Root whose type is Type, depth first. */
	TArray<HostTest::FWidgetSnapshot> SnapshotsOfType(const HostTest::FWidgetSnapshot& Root, const FString& Type);

	/** The painted text of the first text block of the row; empty when it has none. */
	FString FirstTextOf(const HostTest::FPaintedDetailRow& Row);

	/** Labels of every button painted in the panel, in display order. */
	TArray<FString> ButtonLabelsOf(const HostTest::FPaintedDetailsPanel& Panel);

	/** Package names of the picker's entries, in registry order. */
	TArray<FString> OfferedPaths(const TSharedRef<SObjectPropertyEntryBox>& Box);

	/** The argument names, sorted and comma-separated, for comparing and printing. */
	std::string Names(const TSet<FString>& Set);
}

// Readable failure messages for the engine's string types.
inline void PrintTo(const FString& Value, std::ostream* Out)
{
	*Out << '"' << TCHAR_TO_UTF8(*Value) << '"';
}

inline void PrintTo(const FName& Value, std::ostream* Out)
{
	*Out << TCHAR_TO_UTF8(*Value.ToString());
}

class FPackagePanelTest : public ::testing::Test
{
protected:
	void SetUp() override;
	void TearDown() override;

	/** Opens a details view on the objects, kept open until the test ends. */
	TSharedRef<IDetailsView> OpenPanel(const TArray<UObject*>& Objects);
	TSharedRef<IDetailsView> OpenPanel();

	/** A package asset named after its package, outside the registry. */
	static UJ5Package* NewPackageAsset(const TCHAR* LongPackageName, const TCHAR* AssetName);

	/** Adds main assets, dependencies and outside references directly, as an operation would have left them. */
	void FillPackage(UJ5Package* Target, int32 NumMainAssets, int32 NumDependencies, int32 NumMissing = 0) const;

	/** The asset picker of the panel's current layout. */
	static TSharedRef<SObjectPropertyEntryBox> PickerOf(const TSharedRef<IDetailsView>& View);

	/** The whole-row widget of the first custom row with that filter text, or null. */
	static TSharedPtr<SWidget> RowWidget(const TSharedRef<IDetailsView>& View, FName Category, const FString& FilterText);

	UJ5Package* Package = nullptr;
	TArray<TSharedRef<IDetailsView>> Views;
};
