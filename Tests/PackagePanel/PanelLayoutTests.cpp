// The package's panel as the details view builds and paints it: categories, rows, buttons, the live
// counts and the outside-reference warning and list.

#include "PackagePanelTestSupport.h"

#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "Internationalization/Internationalization.h"
#include "J5Package.h"

using namespace PackagePanelTest;

namespace
{
	const FString RedColour(TEXT("(R=1.000000,G=0.000000,B=0.000000,A=1.000000)"));

	TArray<FString> FilterTextsOf(const TArray<HostTest::FDetailRowLayout>& Rows)
	{
		TArray<FString> Texts;
		for (const HostTest::FDetailRowLayout& Row : Rows)
		{
			Texts.Add(Row.FilterText);
		}
		return Texts;
	}

	FString PaintedTotals(const TSharedRef<IDetailsView>& View)
	{
		const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(View), AddAssetsCategory);
		return Rows.Num() == 3 ? FirstTextOf(Rows[2]) : FString(TEXT("<no totals row>"));
	}
}

// --- What the panel shows for a package with everything in it ---

class FFullPanelTest : public FPackagePanelTest
{
protected:
	void SetUp() override
	{
		FPackagePanelTest::SetUp();
		FillPackage(Package, 1, 1, 2);
		View = OpenPanel();
	}

	TSharedPtr<IDetailsView> View;
};

TEST_F(FFullPanelTest, CategoriesReadAddAssetsDependenciesExportAlthoughCreatedInAnotherOrder)
{
	TArray<FName> Shown;
	for (const HostTest::FPaintedDetailCategory& Category : HostTest::PaintDetailsView(View.ToSharedRef()).Categories)
	{
		if (Category.Name == AddAssetsCategory || Category.Name == DependenciesCategory || Category.Name == ExportCategory)
		{
			Shown.Add(Category.Name);
			// An empty display name lets the view show the category's own name.
			EXPECT_EQ(Category.DisplayName, Category.Name.ToString());
		}
	}
	EXPECT_EQ(Shown, (TArray<FName>{ AddAssetsCategory, DependenciesCategory, ExportCategory }));

	const HostTest::FDetailPanelLayout Layout = HostTest::GetLayout(View.ToSharedRef());
	EXPECT_EQ(Layout.FindCategory(AddAssetsCategory)->SortOrder, 0);
	EXPECT_EQ(Layout.FindCategory(DependenciesCategory)->SortOrder, 1);
	EXPECT_EQ(Layout.FindCategory(ExportCategory)->SortOrder, 2);
	for (const FName Name : { AddAssetsCategory, DependenciesCategory, ExportCategory })
	{
		EXPECT_EQ(Layout.FindCategory(Name)->Priority, ECategoryPriority::Default);
	}
}

TEST_F(FFullPanelTest, OwnPropertiesStayBesideTheCustomCategories)
{
	int32 PropertyRows = 0;
	for (const HostTest::FDetailCategoryLayout& Category : HostTest::GetLayout(View.ToSharedRef()).Categories)
	{
		for (const HostTest::FDetailRowLayout& Row : Category.Rows)
		{
			PropertyRows += (Row.Kind == HostTest::EDetailRowKind::Property && Row.bShown) ? 1 : 0;
		}
	}
	EXPECT_EQ(PropertyRows, 4);
}

TEST_F(FFullPanelTest, RowsAreBuiltInOrderWithTheirFilterTexts)
{
	const HostTest::FDetailPanelLayout Layout = HostTest::GetLayout(View.ToSharedRef());
	EXPECT_EQ(FilterTextsOf(CustomRowsOf(Layout, AddAssetsCategory)), (TArray<FString>{ TEXT("FindAssets"), TEXT("Asset Picker"), TEXT("Total Assets") }));
	EXPECT_EQ(FilterTextsOf(CustomRowsOf(Layout, ExportCategory)), (TArray<FString>{ TEXT("ApplyCook"), TEXT("MakePak") }));

	const TArray<HostTest::FDetailRowLayout> Dependencies = CustomRowsOf(Layout, DependenciesCategory);
	ASSERT_EQ(Dependencies.Num(), 5);
	EXPECT_EQ(Dependencies[0].FilterText, TEXT("GetDependencies"));
	EXPECT_EQ(Dependencies[1].FilterText, TEXT("DependencyWarning"));
	EXPECT_EQ(Dependencies[2].FilterText, TEXT("CopyDependencies"));
	EXPECT_EQ(Dependencies[3].Kind, HostTest::EDetailRowKind::Group);
	EXPECT_EQ(Dependencies[3].GroupName, MissingGroup);
	EXPECT_EQ(Dependencies[3].DisplayName, TEXT("Missing Dependencies"));
	EXPECT_EQ(Dependencies[4].Depth, 1);
	EXPECT_EQ(Dependencies[4].GroupName, MissingGroup);
}

TEST_F(FFullPanelTest, EveryRowContentSpansTheWholeRowAndNoRowIsAdvanced)
{
	for (const FName Category : { AddAssetsCategory, DependenciesCategory, ExportCategory })
	{
		for (const HostTest::FDetailRowLayout& Row : CustomRowsOf(HostTest::GetLayout(View.ToSharedRef()), Category))
		{
			EXPECT_FALSE(Row.bAdvanced) << TCHAR_TO_UTF8(*Row.FilterText);
			if (Row.Kind == HostTest::EDetailRowKind::CustomRow)
			{
				EXPECT_TRUE(Row.HasWholeRowContent()) << TCHAR_TO_UTF8(*Row.FilterText);
				EXPECT_FALSE(Row.NameWidget.IsValid()) << TCHAR_TO_UTF8(*Row.FilterText);
				EXPECT_FALSE(Row.ValueWidget.IsValid()) << TCHAR_TO_UTF8(*Row.FilterText);
			}
		}
	}
}

TEST_F(FFullPanelTest, FirstRowHoldsBothButtonsSideBySideWithFiveUnitsAroundTheSecond)
{
	const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(View.ToSharedRef()), AddAssetsCategory);
	ASSERT_GE(Rows.Num(), 1);
	const HostTest::FWidgetSnapshot& Box = Rows[0].WholeRow;
	EXPECT_TRUE(Rows[0].bWholeRow);
	EXPECT_EQ(Box.Type, TEXT("SHorizontalBox"));
	ASSERT_EQ(Box.Children.Num(), 2);

	const HostTest::FWidgetSnapshot& First = Box.Children[0];
	const HostTest::FWidgetSnapshot& Second = Box.Children[1];
	EXPECT_EQ(First.Type, TEXT("SButton"));
	EXPECT_EQ(First.Arguments.FindRef(TEXT("Text")), TEXT("Add All Assets"));
	EXPECT_EQ(Second.Type, TEXT("SButton"));
	EXPECT_EQ(Second.Arguments.FindRef(TEXT("Text")), TEXT("Remove All Assets"));

	EXPECT_EQ(Names(First.GivenSlotArguments), "AutoWidth");
	EXPECT_EQ(Names(Second.GivenSlotArguments), "AutoWidth,Padding");
	EXPECT_EQ(Second.SlotArguments.FindRef(TEXT("Padding")), TEXT("(Left=5.0,Top=0.0,Right=5.0,Bottom=0.0)"));
}

TEST_F(FFullPanelTest, ButtonsShowTheirCommandsAndNoneIsCookAssets)
{
	EXPECT_EQ(ButtonLabelsOf(HostTest::PaintDetailsView(View.ToSharedRef())), (TArray<FString>{
		TEXT("Add All Assets"), TEXT("Remove All Assets"),
		TEXT("Find Dependencies"), TEXT("Copy Dependencies"),
		TEXT("Apply Cook Settings"), TEXT("Make Pak File") }));
}

TEST_F(FFullPanelTest, EveryButtonIsGivenExactlyTextTooltipAlignmentClickAndEnabled)
{
	const std::string Expected = "HAlign,IsEnabled,OnClicked,Text,ToolTipText";
	int32 Buttons = 0;
	for (const HostTest::FPaintedDetailCategory& Category : HostTest::PaintDetailsView(View.ToSharedRef()).Categories)
	{
		for (const HostTest::FPaintedDetailRow& Row : Category.Rows)
		{
			for (const HostTest::FWidgetSnapshot& Button : SnapshotsOfType(Row.WholeRow, TEXT("SButton")))
			{
				++Buttons;
				const std::string Label = TCHAR_TO_UTF8(*Button.Arguments.FindRef(TEXT("Text")));
				EXPECT_EQ(Names(Button.GivenArguments), Expected) << Label;
				EXPECT_EQ(Button.Arguments.FindRef(TEXT("HAlign")), TEXT("HAlign_Center")) << Label;
				EXPECT_EQ(Button.Arguments.FindRef(TEXT("OnClicked")), TEXT("bound")) << Label;
				EXPECT_EQ(Button.Arguments.FindRef(TEXT("IsEnabled")), TEXT("true")) << Label;
				EXPECT_FALSE(Button.Arguments.FindRef(TEXT("ToolTipText")).IsEmpty()) << Label;
				EXPECT_EQ(Button.Arguments.FindRef(TEXT("ButtonStyle")), TEXT("Default")) << Label;
			}
		}
	}
	EXPECT_EQ(Buttons, 6);
}

TEST_F(FFullPanelTest, SingleButtonRowsHoldOneAutoWidthSlot)
{
	const HostTest::FPaintedDetailsPanel Panel = HostTest::PaintDetailsView(View.ToSharedRef());
	const TArray<HostTest::FPaintedDetailRow> Export = PaintedRowsOf(Panel, ExportCategory);
	const TArray<HostTest::FPaintedDetailRow> Dependencies = PaintedRowsOf(Panel, DependenciesCategory);
	ASSERT_EQ(Export.Num(), 2);
	ASSERT_GE(Dependencies.Num(), 3);
	for (const HostTest::FPaintedDetailRow* Row : { &Export[0], &Export[1], &Dependencies[0], &Dependencies[2] })
	{
		EXPECT_EQ(Row->WholeRow.Type, TEXT("SHorizontalBox"));
		ASSERT_EQ(Row->WholeRow.Children.Num(), 1);
		EXPECT_EQ(Row->WholeRow.Children[0].Type, TEXT("SButton"));
		EXPECT_EQ(Names(Row->WholeRow.Children[0].GivenSlotArguments), "AutoWidth");
	}
}

TEST_F(FFullPanelTest, SearchFindsTheAssetPickerAndTotalsRows)
{
	for (const TCHAR* Search : { TEXT("Asset Picker"), TEXT("Total Assets") })
	{
		HostTest::SetSearchText(View.ToSharedRef(), Search);
		TArray<FString> Shown;
		for (const HostTest::FDetailCategoryLayout& Category : HostTest::GetLayout(View.ToSharedRef()).Categories)
		{
			for (const HostTest::FDetailRowLayout& Row : Category.Rows)
			{
				if (Row.bShown)
				{
					Shown.Add(Row.FilterText);
				}
			}
		}
		EXPECT_EQ(Shown, (TArray<FString>{ Search })) << TCHAR_TO_UTF8(Search);
	}
}

// --- Totals row ---

class FTotalsRowTest : public FPackagePanelTest
{
};

TEST_F(FTotalsRowTest, PackageWithoutMainAssetsHasNoTotalsRow)
{
	FillPackage(Package, 0, 3);
	const TSharedRef<IDetailsView> View = OpenPanel();
	EXPECT_EQ(FilterTextsOf(CustomRowsOf(HostTest::GetLayout(View), AddAssetsCategory)), (TArray<FString>{ TEXT("FindAssets"), TEXT("Asset Picker") }));
}

TEST_F(FTotalsRowTest, OneMainAssetAndNoDependenciesCountOneAndOne)
{
	FillPackage(Package, 1, 0);
	const TSharedRef<IDetailsView> View = OpenPanel();
	const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(View), AddAssetsCategory);
	ASSERT_EQ(Rows.Num(), 3);

	const HostTest::FWidgetSnapshot& Box = Rows[2].WholeRow;
	EXPECT_EQ(Box.Type, TEXT("SBox"));
	EXPECT_EQ(Box.Arguments.FindRef(TEXT("MinDesiredWidth")), TEXT("250.0"));
	ASSERT_EQ(Box.Children.Num(), 1);
	const HostTest::FWidgetSnapshot& Text = Box.Children[0];
	EXPECT_EQ(Text.Type, TEXT("STextBlock"));
	EXPECT_EQ(Text.Arguments.FindRef(TEXT("Text")), TEXT("Main Assets: 1 | Assets To Cook: 1"));
	EXPECT_EQ(Text.Arguments.FindRef(TEXT("AutoWrapText")), TEXT("true"));
	EXPECT_EQ(Text.Arguments.FindRef(TEXT("TextStyle")), TEXT("Default"));
	EXPECT_EQ(Text.Arguments.FindRef(TEXT("Font")), TEXT("unset"));
}

TEST_F(FTotalsRowTest, ThreeMainAssetsAndFiveDependenciesCountThreeAndEight)
{
	FillPackage(Package, 3, 5);
	EXPECT_EQ(PaintedTotals(OpenPanel()), TEXT("Main Assets: 3 | Assets To Cook: 8"));
}

TEST_F(FTotalsRowTest, DependenciesAddedWithoutRebuildShowAtTheNextDraw)
{
	FillPackage(Package, 3, 5);
	const TSharedRef<IDetailsView> View = OpenPanel();
	const int32 Builds = HostTest::GetRefreshCount(View);
	EXPECT_EQ(PaintedTotals(View), TEXT("Main Assets: 3 | Assets To Cook: 8"));

	Package->Dependencies.Add(FName(TEXT("/Game/Pack/Textures/T_Late")));
	Package->MainAssets.Add(FSoftObjectPath(TEXT("/Game/Pack/SM_Late.SM_Late")));
	EXPECT_EQ(PaintedTotals(View), TEXT("Main Assets: 4 | Assets To Cook: 10"));
	EXPECT_EQ(HostTest::GetRefreshCount(View), Builds);
}

TEST_F(FTotalsRowTest, TotalsRowNotBuiltAppearsOnlyAfterARebuild)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	Package->MainAssets.Add(FSoftObjectPath(TEXT("/Game/Pack/SM_Late.SM_Late")));
	EXPECT_EQ(PaintedTotals(View), TEXT("<no totals row>"));

	View->ForceRefresh();
	EXPECT_EQ(PaintedTotals(View), TEXT("Main Assets: 1 | Assets To Cook: 1"));
}

// --- Outside references ---

class FOutsideReferencesTest : public FPackagePanelTest
{
protected:
	/** Two outside references, the second reached through the first. */
	void AddTwoReferences()
	{
		Package->MissingDependencies.Add(FName(TEXT("/Game/Shared/M_Stone")), 0);
		Package->MissingDependencies.Add(FName(TEXT("/Game/Shared/T_Stone")), 1);
	}

	static FString PaintedList(const TSharedRef<IDetailsView>& View)
	{
		const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(View), DependenciesCategory);
		return Rows.Num() == 5 ? FirstTextOf(Rows[4]) : FString(TEXT("<list not shown>"));
	}
};

TEST_F(FOutsideReferencesTest, NoOutsideReferencesShowOnlyFindDependencies)
{
	FillPackage(Package, 2, 2);
	const TSharedRef<IDetailsView> View = OpenPanel();
	EXPECT_EQ(FilterTextsOf(CustomRowsOf(HostTest::GetLayout(View), DependenciesCategory)), (TArray<FString>{ TEXT("GetDependencies") }));
	const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(View), DependenciesCategory);
	ASSERT_EQ(Rows.Num(), 1);
	EXPECT_EQ(SnapshotsOfType(Rows[0].WholeRow, TEXT("SButton"))[0].Arguments.FindRef(TEXT("Text")), TEXT("Find Dependencies"));
}

TEST_F(FOutsideReferencesTest, TwoReferencesShowRedWarningCopyButtonAndClosedList)
{
	AddTwoReferences();
	const TSharedRef<IDetailsView> View = OpenPanel();
	const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(View), DependenciesCategory);
	ASSERT_EQ(Rows.Num(), 4);

	const HostTest::FWidgetSnapshot& Warning = Rows[1].WholeRow;
	EXPECT_EQ(Warning.Type, TEXT("STextBlock"));
	EXPECT_EQ(Warning.Arguments.FindRef(TEXT("Text")), TEXT("2 referenced assets are outside of this package's directory."));
	EXPECT_EQ(Warning.Arguments.FindRef(TEXT("ColorAndOpacity")), RedColour);
	EXPECT_EQ(Names(Warning.GivenArguments), "ColorAndOpacity,Text");

	EXPECT_EQ(SnapshotsOfType(Rows[2].WholeRow, TEXT("SButton"))[0].Arguments.FindRef(TEXT("Text")), TEXT("Copy Dependencies"));

	EXPECT_EQ(Rows[3].Kind, HostTest::EDetailRowKind::Group);
	EXPECT_EQ(Rows[3].Label, TEXT("Missing Dependencies"));
	EXPECT_EQ(Rows[3].Value, TEXT("collapsed"));
	const HostTest::FDetailRowLayout Group = CustomRowsOf(HostTest::GetLayout(View), DependenciesCategory)[3];
	EXPECT_FALSE(Group.bStartExpanded);
}

TEST_F(FOutsideReferencesTest, OpenedListShowsOneLinePerReferenceIndentedByDepth)
{
	AddTwoReferences();
	Package->MissingDependencies.Add(FName(TEXT("/Game/Shared/T_Deep")), 3);
	Package->MissingDependencies.Add(FName(TEXT("/Game/Shared/T_Odd")), -2);
	const TSharedRef<IDetailsView> View = OpenPanel();
	ASSERT_TRUE(HostTest::SetGroupExpanded(View, DependenciesCategory, MissingGroup, true));

	const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(View), DependenciesCategory);
	ASSERT_EQ(Rows.Num(), 5);
	EXPECT_EQ(Rows[4].Depth, 1);
	const HostTest::FWidgetSnapshot& Box = Rows[4].WholeRow;
	EXPECT_EQ(Box.Type, TEXT("SBox"));
	for (const TCHAR* Size : { TEXT("WidthOverride"), TEXT("HeightOverride"), TEXT("MinDesiredWidth"), TEXT("MinDesiredHeight"), TEXT("MaxDesiredWidth"), TEXT("MaxDesiredHeight") })
	{
		EXPECT_EQ(Box.Arguments.FindRef(Size), TEXT("unset")) << TCHAR_TO_UTF8(Size);
	}
	ASSERT_EQ(Box.Children.Num(), 1);
	EXPECT_EQ(Box.Children[0].Arguments.FindRef(TEXT("AutoWrapText")), TEXT("true"));
	EXPECT_EQ(Box.Children[0].Arguments.FindRef(TEXT("Text")), TEXT("/Game/Shared/M_Stone\n\t/Game/Shared/T_Stone\n\t\t\t/Game/Shared/T_Deep\n/Game/Shared/T_Odd\n"));
}

TEST_F(FOutsideReferencesTest, ThousandsOfReferencesAreCountedWithDigitGrouping)
{
	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("en")));
	FillPackage(Package, 1, 0, 1234);
	const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(OpenPanel()), DependenciesCategory);
	ASSERT_GE(Rows.Num(), 2);
	EXPECT_EQ(FirstTextOf(Rows[1]), TEXT("1,234 referenced assets are outside of this package's directory."));
}

TEST_F(FOutsideReferencesTest, ReferenceAddedWithoutRebuildShowsInTheOpenListWhileTheWarningKeepsItsCount)
{
	AddTwoReferences();
	const TSharedRef<IDetailsView> View = OpenPanel();
	ASSERT_TRUE(HostTest::SetGroupExpanded(View, DependenciesCategory, MissingGroup, true));
	const int32 Builds = HostTest::GetRefreshCount(View);

	Package->MissingDependencies.Add(FName(TEXT("/Game/Other/SM_Late")), 0);
	const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(View), DependenciesCategory);
	ASSERT_EQ(Rows.Num(), 5);
	EXPECT_EQ(FirstTextOf(Rows[1]), TEXT("2 referenced assets are outside of this package's directory."));
	EXPECT_EQ(FirstTextOf(Rows[4]), TEXT("/Game/Shared/M_Stone\n\t/Game/Shared/T_Stone\n/Game/Other/SM_Late\n"));
	EXPECT_EQ(HostTest::GetRefreshCount(View), Builds);
}

TEST_F(FOutsideReferencesTest, ReferencesFoundAfterOpeningAppearOnlyAfterARebuild)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	AddTwoReferences();
	EXPECT_EQ(PaintedRowsOf(HostTest::PaintDetailsView(View), DependenciesCategory).Num(), 1);

	View->ForceRefresh();
	EXPECT_EQ(PaintedRowsOf(HostTest::PaintDetailsView(View), DependenciesCategory).Num(), 4);
}

// --- Several packages selected ---

TEST_F(FPackagePanelTest, WithTwoPackagesSelectedEveryRowRefersToTheFirst)
{
	FillPackage(Package, 1, 0, 2);
	UJ5Package* const Second = NewPackageAsset(TEXT("/Game/Other/PKG_Other"), TEXT("PKG_Other"));
	FillPackage(Second, 3, 5, 0);
	Second->MissingDependencies.Add(FName(TEXT("/Game/Shared/A")), 0);
	Second->MissingDependencies.Add(FName(TEXT("/Game/Shared/B")), 0);
	Second->MissingDependencies.Add(FName(TEXT("/Game/Shared/C")), 0);

	const TSharedRef<IDetailsView> View = OpenPanel({ Package, Second });
	ASSERT_TRUE(HostTest::SetGroupExpanded(View, DependenciesCategory, MissingGroup, true));
	const HostTest::FPaintedDetailsPanel Panel = HostTest::PaintDetailsView(View);
	const TArray<HostTest::FPaintedDetailRow> AddAssets = PaintedRowsOf(Panel, AddAssetsCategory);
	const TArray<HostTest::FPaintedDetailRow> Dependencies = PaintedRowsOf(Panel, DependenciesCategory);
	ASSERT_EQ(AddAssets.Num(), 3);
	ASSERT_EQ(Dependencies.Num(), 5);
	EXPECT_EQ(FirstTextOf(AddAssets[2]), TEXT("Main Assets: 1 | Assets To Cook: 1"));
	EXPECT_EQ(FirstTextOf(Dependencies[1]), TEXT("2 referenced assets are outside of this package's directory."));
	EXPECT_EQ(FirstTextOf(Dependencies[4]), TEXT("/Game/Shared/T_Outside0\n/Game/Shared/T_Outside1\n"));

	HostTest::AddAsset(FName(TEXT("/Game/Pack/SM_Mine")), StaticMeshClass);
	HostTest::AddAsset(FName(TEXT("/Game/Other/SM_Theirs")), StaticMeshClass);
	EXPECT_EQ(OfferedPaths(PickerOf(View)), (TArray<FString>{ TEXT("/Game/Pack/SM_Mine") }));
}
