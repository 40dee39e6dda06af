#pragma once

// A started editor module with one package asset, /Game/Pack/PKG_Pack, whose panel the tests open in a
// details view as an asset editor does, then read back row by row and paint as the user would see it.

#include "CoreMinimal.h"
#include "PackagePanelAssets.h"
#include "HostTest/PropertyEditorProbe.h"
#include "HostTest/SlateProbe.h"
#include "IDetailsView.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

class SObjectPropertyEntryBox;
class UJ5Package;

namespace PackagePanelTest
{
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

	static UJ5Package* NewPackageAsset(const TCHAR* LongPackageName, const TCHAR* AssetName)
	{
		return PackagePanelTest::NewPackageAsset(LongPackageName, AssetName);
	}

	static void FillPackage(UJ5Package* Target, int32 NumMainAssets, int32 NumDependencies, int32 NumMissing = 0)
	{
		PackagePanelTest::FillPackage(Target, NumMainAssets, NumDependencies, NumMissing);
	}

	static TSharedRef<SObjectPropertyEntryBox> PickerOf(const TSharedRef<IDetailsView>& View)
	{
		return PackagePanelTest::PickerOf(View);
	}

	/** The whole-row widget of the first custom row with that filter text, or null. */
	static TSharedPtr<SWidget> RowWidget(const TSharedRef<IDetailsView>& View, FName Category, const FString& FilterText);

	UJ5Package* Package = nullptr;
	TArray<TSharedRef<IDetailsView>> Views;
};
