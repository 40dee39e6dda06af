#include "PackageExportFixture.h"

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/AssetToolsProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/ExportProbe.h"
#include "HostTest/NotificationProbe.h"
#include "HostTest/UnrealEdProbe.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

#include <algorithm>
#include <cstdlib>

namespace
{
	std::string Utf8(const FString& Text)
	{
		return std::string(TCHAR_TO_UTF8(*Text));
	}

	UObject* FindAsset(const TCHAR* ObjectPath)
	{
		return StaticFindObject(nullptr, nullptr, ObjectPath);
	}

	FSoftObjectPath PathOf(const TCHAR* ObjectPath)
	{
		return FSoftObjectPath(FString(ObjectPath));
	}

	int32 CountAssetToolsCalls(const TCHAR* FunctionName)
	{
		int32 Count = 0;
		for (const FName Call : HostTest::GetAssetToolsCalls())
		{
			Count += Call == FName(FunctionName) ? 1 : 0;
		}
		return Count;
	}

	/** The per-package lines of the last copy, in the order it went through the packages. */
	TArray<FString> CopyLines()
	{
		TArray<FString> Lines;
		for (const HostTest::FRecordedLogLine& Line : HostTest::GetRecordedLogLines())
		{
			if (Line.Message.Contains(TEXT("Copy Dependencies: /Game/")))
			{
				Lines.Add(Line.Message);
			}
		}
		return Lines;
	}
}

/**
 * The export fixture's package (/Game/Pack: SM_Rock -> T_Rock, a map) with content outside its folder, loaded as
 * the editor holds it: SM_Rock refers to /Game/Shared/M_Stone, which refers to T_Stone (hard) and T_Stone_N (soft);
 * the map refers softly to /Game/Props/SM_Lamp.
 */
class FCopyDependenciesTest : public FPackageExportTest
{
protected:
	void SetUp() override
	{
		bWithMaterialAndEditorOnlySource = false;
		FPackageExportTest::SetUp();
		HostTest::ResetAssetToolsCalls();
		HostTest::ResetSavedPackages();
		AddContent(TEXT(
			"asset /Game/Shared/M_Stone /Script/Engine.Material\n"
			"asset /Game/Shared/T_Stone /Script/Engine.Texture2D\n"
			"asset /Game/Shared/T_Stone_N /Script/Engine.Texture2D\n"
			"asset /Game/Props/SM_Lamp /Script/Engine.StaticMesh\n"
			"dep /Game/Pack/SM_Rock /Game/Shared/M_Stone\n"
			"dep /Game/Shared/M_Stone /Game/Shared/T_Stone\n"
			"dep /Game/Shared/M_Stone /Game/Shared/T_Stone_N soft\n"
			"dep /Game/Pack/Maps/Level /Game/Props/SM_Lamp soft\n"));
	}

	void TearDown() override
	{
		HostTest::FailDuplicateAssetAfter(-1);
		HostTest::ResetSavedPackages();
		FPackageExportTest::TearDown();
	}

	/** Adds registry records, loads what they describe and searches the package's dependencies afresh. */
	void AddContent(const TCHAR* Records)
	{
		FString Error;
		ASSERT_TRUE(HostTest::LoadAssetRegistryFromString(Records, TEXT("test"), Error)) << Utf8(Error);
		HostTest::LoadRegisteredAssets();
		Package->FindAllDependencies();
		HostTest::ClearRecordedLogLines();
		HostTest::ClearShownNotifications();
		HostTest::ClearTransactionRecords();
	}
};

TEST_F(FCopyDependenciesTest, CopiesEveryOutsidePackageBelowItsSourcePathAndPointsTheContentAtTheCopies)
{
	ASSERT_EQ(Package->MissingDependencies.Num(), 4);
	UObject* const OriginalStone = FindAsset(TEXT("/Game/Shared/M_Stone.M_Stone"));
	UObject* const OriginalTexture = FindAsset(TEXT("/Game/Shared/T_Stone.T_Stone"));

	Package->CopyDependencies();

	UObject* const Stone = FindAsset(TEXT("/Game/Pack/Dependencies/Game/Shared/M_Stone.M_Stone"));
	UObject* const Texture = FindAsset(TEXT("/Game/Pack/Dependencies/Game/Shared/T_Stone.T_Stone"));
	UObject* const Lamp = FindAsset(TEXT("/Game/Pack/Dependencies/Game/Props/SM_Lamp.SM_Lamp"));
	ASSERT_NE(Stone, nullptr);
	ASSERT_NE(Texture, nullptr);
	ASSERT_NE(Lamp, nullptr);
	EXPECT_EQ(Stone->GetClass(), OriginalStone->GetClass());

	// The package's content and the copies refer to the copies, hard and soft alike.
	EXPECT_EQ(HostTest::GetHardReferences(FindAsset(TEXT("/Game/Pack/SM_Rock.SM_Rock"))), (TArray<UObject*>{ FindAsset(TEXT("/Game/Pack/T_Rock.T_Rock")), Stone }));
	EXPECT_EQ(HostTest::GetHardReferences(Stone), TArray<UObject*>{ Texture });
	EXPECT_EQ(HostTest::GetSoftReferences(Stone), TArray<FSoftObjectPath>{ PathOf(TEXT("/Game/Pack/Dependencies/Game/Shared/T_Stone_N.T_Stone_N")) });
	EXPECT_EQ(HostTest::GetSoftReferences(FindAsset(TEXT("/Game/Pack/Maps/Level.Level"))), TArray<FSoftObjectPath>{ PathOf(TEXT("/Game/Pack/Dependencies/Game/Props/SM_Lamp.SM_Lamp")) });

	// Deepest first: the textures the material needs are copied before it.
	const TArray<FString> Lines = CopyLines();
	ASSERT_EQ(Lines.Num(), 4);
	EXPECT_TRUE(Lines[0].Contains(TEXT("/Game/Shared/T_Stone copied to /Game/Pack/Dependencies/Game/Shared/T_Stone."))) << Utf8(Lines[0]);
	EXPECT_TRUE(Lines[1].Contains(TEXT("/Game/Shared/T_Stone_N copied to"))) << Utf8(Lines[1]);
	EXPECT_TRUE(Lines[2].Contains(TEXT("/Game/Shared/M_Stone copied to")) || Lines[3].Contains(TEXT("/Game/Shared/M_Stone copied to")));

	// The search that follows finds nothing outside any more, and the copies inside.
	EXPECT_EQ(Package->MissingDependencies.Num(), 0);
	EXPECT_TRUE(Package->Dependencies.Contains(FName(TEXT("/Game/Pack/Dependencies/Game/Shared/M_Stone"))));
	Package->FindAllDependencies();
	EXPECT_EQ(Package->MissingDependencies.Num(), 0);

	// Copies and changed packages are saved where the cook reads them; nothing outside the folder is.
	EXPECT_TRUE(std::filesystem::exists(ProjectDir / "Content" / "Pack" / "Dependencies" / "Game" / "Shared" / "M_Stone.uasset"));
	EXPECT_TRUE(std::filesystem::exists(ProjectDir / "Content" / "Pack" / "Dependencies" / "Game" / "Props" / "SM_Lamp.uasset"));
	for (const FName Saved : HostTest::GetSavedPackages())
	{
		EXPECT_TRUE(Saved.ToString().StartsWith(TEXT("/Game/Pack/"))) << Utf8(Saved.ToString());
	}

	// The originals are as they were.
	EXPECT_EQ(HostTest::GetHardReferences(OriginalStone), TArray<UObject*>{ OriginalTexture });
	EXPECT_EQ(HostTest::GetSoftReferences(OriginalStone), TArray<FSoftObjectPath>{ PathOf(TEXT("/Game/Shared/T_Stone_N.T_Stone_N")) });
	EXPECT_FALSE(OriginalStone->GetPackage()->IsDirty());

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Success);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("4 of 4 outside packages copied into /Game/Pack/Dependencies, 0 skipped."))) << Utf8(LastNotification().SubText);

	// One undoable step holding the package's changed assets, and not the originals.
	const TArray<HostTest::FTransactionRecord> Transactions = HostTest::GetTransactionRecords();
	ASSERT_EQ(Transactions.Num(), 1);
	EXPECT_TRUE(Transactions[0].bCommitted);
	EXPECT_TRUE(Transactions[0].ObjectPaths.Contains(TEXT("/Game/Pack/SM_Rock.SM_Rock")));
	EXPECT_FALSE(Transactions[0].ObjectPaths.Contains(OriginalStone->GetPathName()));
}

TEST_F(FCopyDependenciesTest, NeverOverwritesAnExistingAssetAndSaysWhichNameItChose)
{
	AddContent(TEXT("asset /Game/Pack/Dependencies/Game/Shared/M_Stone /Script/Engine.Texture2D\n"));
	UObject* const Existing = FindAsset(TEXT("/Game/Pack/Dependencies/Game/Shared/M_Stone.M_Stone"));
	ASSERT_NE(Existing, nullptr);

	Package->CopyDependencies();

	EXPECT_EQ(FindAsset(TEXT("/Game/Pack/Dependencies/Game/Shared/M_Stone.M_Stone")), Existing);
	EXPECT_TRUE(HostTest::GetHardReferences(Existing).IsEmpty());
	UObject* const Copy = FindAsset(TEXT("/Game/Pack/Dependencies/Game/Shared/M_Stone_2.M_Stone_2"));
	ASSERT_NE(Copy, nullptr);
	EXPECT_EQ(HostTest::GetHardReferences(FindAsset(TEXT("/Game/Pack/SM_Rock.SM_Rock"))).Last(), Copy);
	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("/Game/Shared/M_Stone copied to /Game/Pack/Dependencies/Game/Shared/M_Stone_2 (/Game/Pack/Dependencies/Game/Shared/M_Stone exists already and was left as it is).")));
	EXPECT_EQ(Package->MissingDependencies.Num(), 0);
}

TEST_F(FCopyDependenciesTest, CopiesACycleAmongOutsidePackagesOnceEachAndClosesItAmongTheCopies)
{
	AddContent(TEXT(
		"asset /Game/Props/BP_Door /Script/Engine.Blueprint\n"
		"asset /Game/Props/BP_Switch /Script/Engine.Blueprint\n"
		"dep /Game/Pack/SM_Rock /Game/Props/BP_Door\n"
		"dep /Game/Props/BP_Door /Game/Props/BP_Switch\n"
		"dep /Game/Props/BP_Switch /Game/Props/BP_Door\n"));

	Package->CopyDependencies();

	UObject* const Door = FindAsset(TEXT("/Game/Pack/Dependencies/Game/Props/BP_Door.BP_Door"));
	UObject* const Switch = FindAsset(TEXT("/Game/Pack/Dependencies/Game/Props/BP_Switch.BP_Switch"));
	ASSERT_NE(Door, nullptr);
	ASSERT_NE(Switch, nullptr);
	EXPECT_EQ(HostTest::GetHardReferences(Door), TArray<UObject*>{ Switch });
	EXPECT_EQ(HostTest::GetHardReferences(Switch), TArray<UObject*>{ Door });
	EXPECT_EQ(CountAssetToolsCalls(TEXT("DuplicateAsset")), 6);
	EXPECT_EQ(Package->MissingDependencies.Num(), 0);
}

TEST_F(FCopyDependenciesTest, AFailureHalfWayStopsThereAndLeavesWhatWasCopiedConsistent)
{
	HostTest::FailDuplicateAssetAfter(1);
	UObject* const OriginalStone = FindAsset(TEXT("/Game/Shared/M_Stone.M_Stone"));

	Package->CopyDependencies();

	// The deepest package was copied; the second failed, and nothing after it was tried.
	EXPECT_NE(FindAsset(TEXT("/Game/Pack/Dependencies/Game/Shared/T_Stone.T_Stone")), nullptr);
	EXPECT_EQ(FindPackage(nullptr, TEXT("/Game/Pack/Dependencies/Game/Shared/T_Stone_N")), nullptr);
	EXPECT_EQ(FindPackage(nullptr, TEXT("/Game/Pack/Dependencies/Game/Shared/M_Stone")), nullptr);
	EXPECT_EQ(CountAssetToolsCalls(TEXT("DuplicateAsset")), 2);

	// Nothing refers to a copy that does not exist: the content still points at the original material.
	EXPECT_EQ(HostTest::GetHardReferences(FindAsset(TEXT("/Game/Pack/SM_Rock.SM_Rock"))).Last(), OriginalStone);
	EXPECT_TRUE(Package->MissingDependencies.Contains(FName(TEXT("/Game/Shared/M_Stone"))));

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("copying /Game/Shared/T_Stone_N to /Game/Pack/Dependencies/Game/Shared/T_Stone_N failed, so the copy stopped there; 2 of 4 packages were not tried."))) << Utf8(LastNotification().SubText);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("1 of 4 outside packages copied")));
}

TEST_F(FCopyDependenciesTest, SkipsWhatCannotBeCopiedNamesItAndCopiesTheRest)
{
	AddContent(TEXT(
		"asset /Game/Widgets/WBP_Hud /Script/UMGEditor.WidgetBlueprint\n"
		"dep /Game/Pack/SM_Rock /Game/Gone/T_Gone\n"
		"dep /Game/Pack/SM_Rock /Game/Widgets/WBP_Hud\n"));
	ASSERT_EQ(Package->MissingDependencies.Num(), 6);

	Package->CopyDependencies();

	EXPECT_NE(FindAsset(TEXT("/Game/Pack/Dependencies/Game/Shared/M_Stone.M_Stone")), nullptr);
	EXPECT_EQ(Package->MissingDependencies.Num(), 2);
	EXPECT_TRUE(Package->MissingDependencies.Contains(FName(TEXT("/Game/Gone/T_Gone"))));

	const FShown Shown = LastNotification();
	EXPECT_EQ(Shown.State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(Shown.SubText.Contains(TEXT("4 of 6 outside packages copied into /Game/Pack/Dependencies, 2 skipped."))) << Utf8(Shown.SubText);
	EXPECT_TRUE(Shown.SubText.Contains(TEXT("/Game/Gone/T_Gone skipped: no asset of that package is known")));
	EXPECT_TRUE(Shown.SubText.Contains(TEXT("/Game/Widgets/WBP_Hud skipped: it could not be loaded.")));
}

TEST_F(FCopyDependenciesTest, APackageThatCannotBeSavedIsNamed)
{
	HostTest::FailSavingPackage(FName(TEXT("/Game/Pack/Dependencies/Game/Shared/M_Stone")));

	Package->CopyDependencies();

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("/Game/Pack/Dependencies/Game/Shared/M_Stone could not be saved; save it before cooking."))) << Utf8(LastNotification().SubText);
	EXPECT_FALSE(std::filesystem::exists(ProjectDir / "Content" / "Pack" / "Dependencies" / "Game" / "Shared" / "M_Stone.uasset"));
}

TEST_F(FCopyDependenciesTest, WithNothingOutsideItSaysSoAndChangesNothing)
{
	HostTest::ClearAssetRegistry();
	Package->FindAllDependencies();
	ASSERT_EQ(Package->MissingDependencies.Num(), 0);
	HostTest::ClearTransactionRecords();

	Package->CopyDependencies();

	EXPECT_EQ(CountAssetToolsCalls(TEXT("DuplicateAsset")), 0);
	EXPECT_TRUE(HostTest::GetTransactionRecords().IsEmpty());
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Success);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("nothing to copy")));
}

TEST_F(FCopyDependenciesTest, IsRefusedWhileACookIsRunning)
{
	setenv("FAKE_COOK_HANG", "1", 1);
	Package->CookAssets();
	ASSERT_TRUE(WaitForOutputContaining(TEXT("Running engine")));

	Package->CopyDependencies();

	EXPECT_EQ(CountAssetToolsCalls(TEXT("DuplicateAsset")), 0);
	EXPECT_EQ(Package->MissingDependencies.Num(), 4);
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("still running"))) << Utf8(LastNotification().SubText);
}

TEST_F(FCopyDependenciesTest, TheWholeFlowEndsInAPakThatHoldsTheCopies)
{
	Package->CopyDependencies();
	Package->FindAllDependencies();
	ASSERT_EQ(Package->MissingDependencies.Num(), 0);
	HostTest::ClearShownNotifications();

	// One click: the copies are saved, cooked and packed.
	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Success) << Utf8(LastNotification().SubText);
	const std::string Mount = "../../../" + ProjectName + "/Content/";
	const std::vector<std::string> Index = ReadPakIndex();
	for (const char* Copy : { "Pack/Dependencies/Game/Shared/M_Stone.uasset", "Pack/Dependencies/Game/Shared/T_Stone_N.uexp", "Pack/Dependencies/Game/Props/SM_Lamp.uasset" })
	{
		EXPECT_NE(std::find(Index.begin(), Index.end(), Mount + Copy), Index.end()) << Copy;
	}
	const std::vector<std::string> Lines = ReadLines(ResponseFile());
	EXPECT_NE(std::find(Lines.begin(), Lines.end(), "\"" + CookedFile("Pack/Dependencies/Game/Shared/M_Stone.uasset").string() + "\" \"" + Mount + "Pack/Dependencies/Game/Shared/M_Stone.uasset\" -compress"), Lines.end());
}
