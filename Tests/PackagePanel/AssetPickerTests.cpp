// The "Add Asset:" row: what its picker offers from the registry, and what a pick does to the package
// and the panel.

#include "PackagePanelTestSupport.h"

#include "AssetRegistry/AssetData.h"
#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreProbe.h"
#include "J5Package.h"
#include "PropertyCustomizationHelpers.h"

using namespace PackagePanelTest;

namespace
{
	FAssetData FindOffered(const TSharedRef<SObjectPropertyEntryBox>& Box, const TCHAR* PackageName)
	{
		for (const FAssetData& Entry : HostTest::GetPickerEntries(Box))
		{
			if (Entry.PackageName == FName(PackageName))
			{
				return Entry;
			}
		}
		return FAssetData();
	}

	int32 CountLogLinesContaining(const TCHAR* Text)
	{
		int32 Count = 0;
		for (const HostTest::FRecordedLogLine& Line : HostTest::GetRecordedLogLines())
		{
			Count += Line.Message.Contains(Text, ESearchCase::CaseSensitive) ? 1 : 0;
		}
		return Count;
	}
}

class FAssetPickerTest : public FPackagePanelTest
{
protected:
	void AddRegistered(const TCHAR* PackageName, const FTopLevelAssetPath& ClassPath)
	{
		ASSERT_TRUE(HostTest::AddAsset(FName(PackageName), ClassPath)) << TCHAR_TO_UTF8(PackageName);
	}
};

TEST_F(FAssetPickerTest, RowHoldsTheLabelAndAnEntryBoxGivenOnlyItsFourArguments)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(View), AddAssetsCategory);
	ASSERT_GE(Rows.Num(), 2);
	const HostTest::FWidgetSnapshot& Box = Rows[1].WholeRow;
	EXPECT_TRUE(Rows[1].bWholeRow);
	EXPECT_EQ(Box.Type, TEXT("SHorizontalBox"));
	ASSERT_EQ(Box.Children.Num(), 2);

	const HostTest::FWidgetSnapshot& Label = Box.Children[0];
	EXPECT_EQ(Label.Type, TEXT("STextBlock"));
	EXPECT_EQ(Label.Arguments.FindRef(TEXT("Text")), TEXT("Add Asset:"));
	EXPECT_EQ(Names(Label.GivenArguments), "Text");
	EXPECT_EQ(Names(Label.GivenSlotArguments), "AutoWidth,Padding,VAlign");
	EXPECT_EQ(Label.SlotArguments.FindRef(TEXT("VAlign")), TEXT("VAlign_Center"));
	EXPECT_EQ(Label.SlotArguments.FindRef(TEXT("Padding")), TEXT("(Left=0.0,Top=0.0,Right=10.0,Bottom=0.0)"));

	const HostTest::FWidgetSnapshot& Entry = Box.Children[1];
	EXPECT_EQ(Entry.Type, TEXT("SObjectPropertyEntryBox"));
	EXPECT_EQ(Names(Entry.GivenSlotArguments), "FillWidth");
	EXPECT_EQ(Entry.SlotArguments.FindRef(TEXT("FillWidth")), TEXT("1.0"));
	EXPECT_EQ(Names(Entry.GivenArguments), "AllowClear,AllowedClass,OnObjectChanged,OnShouldFilterAsset");
	EXPECT_EQ(Entry.Arguments.FindRef(TEXT("AllowedClass")), TEXT("/Script/CoreUObject.Object"));
	EXPECT_EQ(Entry.Arguments.FindRef(TEXT("AllowClear")), TEXT("false"));
	EXPECT_EQ(Entry.Arguments.FindRef(TEXT("ObjectPath")), TEXT("unset"));
	EXPECT_EQ(Entry.Arguments.FindRef(TEXT("PropertyHandle")), TEXT("null"));
	EXPECT_EQ(HostTest::GetDisplayedValue(PickerOf(View)), TEXT("None"));
}

TEST_F(FAssetPickerTest, OffersTheFiveAcceptedKindsInsideTheDirectoryAndHidesTheOthers)
{
	AddRegistered(TEXT("/Game/Pack/L_Map"), WorldClass);
	AddRegistered(TEXT("/Game/Pack/T_Rock"), TextureClass);
	AddRegistered(TEXT("/Game/Pack/SM_Rock"), StaticMeshClass);
	AddRegistered(TEXT("/Game/Pack/M_Rock"), MaterialClass);
	AddRegistered(TEXT("/Game/Pack/SK_Hero"), SkeletalMeshClass);
	AddRegistered(TEXT("/Game/Pack/WBP_Menu"), WidgetBlueprintClass);
	AddRegistered(TEXT("/Game/Pack/BP_Door"), BlueprintClass);
	AddRegistered(TEXT("/Game/Pack/ABP_Hero"), AnimBlueprintClass);

	EXPECT_EQ(OfferedPaths(PickerOf(OpenPanel())), (TArray<FString>{
		TEXT("/Game/Pack/L_Map"), TEXT("/Game/Pack/SM_Rock"), TEXT("/Game/Pack/SK_Hero"),
		TEXT("/Game/Pack/BP_Door"), TEXT("/Game/Pack/ABP_Hero") }));
}

TEST_F(FAssetPickerTest, OffersSubfoldersAndCaseOnlyDifferencesButNoSiblingOrOutsideFolder)
{
	AddRegistered(TEXT("/Game/Pack/Meshes/SM_Deep"), StaticMeshClass);
	AddRegistered(TEXT("/game/pack/SM_Lower"), StaticMeshClass);
	AddRegistered(TEXT("/Game/Pack2/SM_Sibling"), StaticMeshClass);
	AddRegistered(TEXT("/Game/Package/SM_Longer"), StaticMeshClass);
	AddRegistered(TEXT("/Game/Other/SM_Outside"), StaticMeshClass);
	AddRegistered(TEXT("/Game/SM_Above"), StaticMeshClass);

	const TArray<FString> Offered = OfferedPaths(PickerOf(OpenPanel()));
	ASSERT_EQ(Offered.Num(), 2);
	EXPECT_EQ(Offered[0], TEXT("/Game/Pack/Meshes/SM_Deep"));
	EXPECT_TRUE(Offered[1].Equals(TEXT("/Game/Pack/SM_Lower"), ESearchCase::IgnoreCase)) << TCHAR_TO_UTF8(*Offered[1]);
}

TEST_F(FAssetPickerTest, EmptyDirectoryHidesEverything)
{
	AddRegistered(TEXT("/Game/Pack/SM_Rock"), StaticMeshClass);
	AddRegistered(TEXT("/Game/SM_Top"), StaticMeshClass);
	Package->PackageDirectory.Empty();
	EXPECT_TRUE(OfferedPaths(PickerOf(OpenPanel())).IsEmpty());
}

TEST_F(FAssetPickerTest, OffersNoWayToClearTheChoice)
{
	const TSharedRef<SObjectPropertyEntryBox> Box = PickerOf(OpenPanel());
	EXPECT_FALSE(HostTest::HasClearEntry(Box));
	EXPECT_FALSE(HostTest::ClearSelection(Box));
	EXPECT_TRUE(Package->MainAssets.IsEmpty());
}

TEST_F(FAssetPickerTest, PickAddsTheAssetOnceThenRebuildsAndTheNewRowShowsNoObject)
{
	AddRegistered(TEXT("/Game/Pack/SM_Rock"), StaticMeshClass);
	int32 Broadcasts = 0;
	Package->OnPackageChanged.AddLambda([&Broadcasts]() { ++Broadcasts; });
	const TSharedRef<IDetailsView> View = OpenPanel();
	const TSharedRef<SObjectPropertyEntryBox> Box = PickerOf(View);
	const int32 Builds = HostTest::GetRefreshCount(View);

	ASSERT_TRUE(HostTest::PickAsset(Box, FindOffered(Box, TEXT("/Game/Pack/SM_Rock"))));

	ASSERT_EQ(Package->MainAssets.Num(), 1);
	EXPECT_EQ(Package->MainAssets[0].ToString(), TEXT("/Game/Pack/SM_Rock.SM_Rock"));
	EXPECT_EQ(CountLogLinesContaining(TEXT("was not added")), 0);
	// The package announces its change, and the panel is rebuilt once for the pick as a whole.
	EXPECT_EQ(Broadcasts, 1);
	EXPECT_EQ(HostTest::GetRefreshCount(View), Builds + 1);

	const TSharedRef<SObjectPropertyEntryBox> NewBox = PickerOf(View);
	EXPECT_NE(&NewBox.Get(), &Box.Get());
	EXPECT_EQ(HostTest::GetDisplayedValue(NewBox), TEXT("None"));
	const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(View), AddAssetsCategory);
	ASSERT_EQ(Rows.Num(), 3);
	EXPECT_EQ(FirstTextOf(Rows[2]), TEXT("Main Assets: 1 | Assets To Cook: 1"));
}

TEST_F(FAssetPickerTest, PickOfAnAssetAlreadyInThePackageStillRebuildsOnce)
{
	AddRegistered(TEXT("/Game/Pack/SM_Rock"), StaticMeshClass);
	Package->MainAssets.Add(FSoftObjectPath(TEXT("/Game/Pack/SM_Rock.SM_Rock")));
	const TSharedRef<IDetailsView> View = OpenPanel();
	const TSharedRef<SObjectPropertyEntryBox> Box = PickerOf(View);
	const int32 Builds = HostTest::GetRefreshCount(View);

	ASSERT_TRUE(HostTest::PickAsset(Box, FindOffered(Box, TEXT("/Game/Pack/SM_Rock"))));
	EXPECT_EQ(Package->MainAssets.Num(), 1);
	EXPECT_EQ(CountLogLinesContaining(TEXT("already in the package")), 1);
	EXPECT_EQ(HostTest::GetRefreshCount(View), Builds + 1);
}

TEST_F(FAssetPickerTest, SuccessivePicksEachLeaveAWorkingPicker)
{
	AddRegistered(TEXT("/Game/Pack/SM_Rock"), StaticMeshClass);
	AddRegistered(TEXT("/Game/Pack/Maps/L_Map"), WorldClass);
	const TSharedRef<IDetailsView> View = OpenPanel();

	ASSERT_TRUE(HostTest::PickAsset(PickerOf(View), FindOffered(PickerOf(View), TEXT("/Game/Pack/SM_Rock"))));
	ASSERT_TRUE(HostTest::PickAsset(PickerOf(View), FindOffered(PickerOf(View), TEXT("/Game/Pack/Maps/L_Map"))));
	EXPECT_EQ(Package->MainAssets.Num(), 2);
	const TArray<HostTest::FPaintedDetailRow> Rows = PaintedRowsOf(HostTest::PaintDetailsView(View), AddAssetsCategory);
	ASSERT_EQ(Rows.Num(), 3);
	EXPECT_EQ(FirstTextOf(Rows[2]), TEXT("Main Assets: 2 | Assets To Cook: 2"));
}
