#include "PackageExportFixture.h"

#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/DeveloperToolSettingsProbe.h"
#include "HostTest/NotificationProbe.h"
#include "Settings/ProjectPackagingSettings.h"

#include <cstdlib>
#include <fstream>

namespace
{
	bool Contains(const std::string& Text, const std::string& Part)
	{
		return Text.find(Part) != std::string::npos;
	}

	std::string Utf8(const FString& Text)
	{
		return std::string(TCHAR_TO_UTF8(*Text));
	}
}

// Apply Cook Settings

using ApplyCookSettings = FPackageExportTest;

TEST_F(ApplyCookSettings, WritesTheDirectoryAndTheMapsToDefaultGameIni)
{
	Package->ApplyCookSettings();

	const std::string Ini = ReadFile(ProjectDir / "Config" / "DefaultGame.ini");
	EXPECT_TRUE(Contains(Ini, "[/Script/UnrealEd.ProjectPackagingSettings]")) << Ini;
	EXPECT_TRUE(Contains(Ini, "+DirectoriesToAlwaysCook=(Path=\"/Game/Pack\")")) << Ini;
	EXPECT_TRUE(Contains(Ini, "+MapsToCook=(FilePath=\"/Game/Pack/Maps/Level\")")) << Ini;
	EXPECT_FALSE(Contains(Ini, "SM_Rock")) << "only maps go to MapsToCook";
}

TEST_F(ApplyCookSettings, AddsNothingTwiceAndIgnoresCaseOfListedDirectories)
{
	std::ofstream(ProjectDir / "Config" / "DefaultGame.ini")
		<< "[/Script/EngineSettings.GeneralProjectSettings]\nProjectName=Demo\n\n"
		<< "[/Script/UnrealEd.ProjectPackagingSettings]\n+DirectoriesToAlwaysCook=(Path=\"/game/PACK\")\nBuildConfiguration=PPBC_Shipping\n";
	HostTest::ReloadProjectPackagingSettings();

	Package->ApplyCookSettings();
	Package->ApplyCookSettings();

	const std::string Ini = ReadFile(ProjectDir / "Config" / "DefaultGame.ini");
	EXPECT_FALSE(Contains(Ini, "(Path=\"/Game/Pack\")")) << Ini;
	EXPECT_TRUE(Contains(Ini, "(Path=\"/game/PACK\")")) << Ini;
	EXPECT_EQ(Ini.find("+MapsToCook"), Ini.rfind("+MapsToCook")) << Ini;
	EXPECT_TRUE(Contains(Ini, "ProjectName=Demo")) << "other sections stay";
	EXPECT_TRUE(Contains(Ini, "BuildConfiguration=PPBC_Shipping")) << "other keys of the section stay";
	EXPECT_EQ(GetMutableDefault<UProjectPackagingSettings>()->DirectoriesToAlwaysCook.Num(), 1);
	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("nothing had to change")));
}

// Cook Assets

using CookAssets = FPackageExportTest;

TEST_F(CookAssets, RunsTheCookCommandletWithQuotedPathsAndWritesCookedFiles)
{
	const std::filesystem::path ArgsFile = Root / "cook-args.txt";
	setenv("FAKE_COOK_ARGS_FILE", ArgsFile.c_str(), 1);

	Package->CookAssets();
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Pending);
	EXPECT_TRUE(LastNotification().bThrobber);
	EXPECT_EQ(LastNotification().Buttons.Num(), 1);
	ASSERT_TRUE(WaitForToolToFinish());

	const std::vector<std::string> Args = ReadLines(ArgsFile);
	ASSERT_EQ(Args.size(), 5u);
	EXPECT_EQ(Args[0], (ProjectDir / (ProjectName + ".uproject")).string());
	EXPECT_EQ(Args[1], "-run=cook");
	EXPECT_EQ(Args[2], "-targetplatform=Linux");
	EXPECT_EQ(Args[3], "-cookdir=" + (ProjectDir / "Content" / "Pack").string());
	EXPECT_EQ(Args[4], "-unattended");

	EXPECT_TRUE(std::filesystem::exists(CookedFile("Pack/SM_Rock.uasset")));
	EXPECT_TRUE(std::filesystem::exists(CookedFile("Pack/Maps/Level.umap")));
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Success);
	EXPECT_EQ(LastNotification().Text, TEXT("Cook complete"));
	EXPECT_TRUE(LastNotification().Buttons.IsEmpty()) << "Cancel shows only while pending";
	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("[The cook] LogCook: Display: Cooked packages 3 Packages Remain 0 Total 3")));
}

TEST_F(CookAssets, ReportsTheExitCodeAndTheFirstErrorLinesOfAFailedCook)
{
	setenv("FAKE_COOK_EXIT_CODE", "25", 1);

	Package->CookAssets();
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("exit code 25"))) << Utf8(LastNotification().SubText);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("LogCook: Error: Cook failed."))) << Utf8(LastNotification().SubText);
	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("exit code 25")));
}

TEST_F(CookAssets, CancelEndsAHangingCookAndSaysSo)
{
	setenv("FAKE_COOK_HANG", "1", 1);

	Package->CookAssets();
	ASSERT_TRUE(WaitForOutputContaining(TEXT("Cooking packages...")));
	ASSERT_TRUE(HostTest::ClickNotificationButton(NotificationCount() - 1, TEXT("Cancel")));
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_EQ(LastNotification().Text, TEXT("Cook cancelled"));
}

TEST_F(CookAssets, ASecondRunWhileOneIsRunningIsRefused)
{
	setenv("FAKE_COOK_HANG", "1", 1);

	Package->CookAssets();
	Package->CookAssets();
	Package->MakePakFile();

	const TArray<HostTest::FShownNotification> Shown = HostTest::GetShownNotifications();
	ASSERT_EQ(Shown.Num(), 3);
	EXPECT_EQ(Shown[0].State, SNotificationItem::CS_Pending);
	EXPECT_EQ(Shown[1].State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(Shown[1].SubText.Contains(TEXT("still running")));
	EXPECT_EQ(Shown[2].State, SNotificationItem::CS_Fail);
}

TEST_F(CookAssets, AMissingCookToolIsNamed)
{
	RemoveTool("UnrealEditor-Cmd");

	Package->CookAssets();

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("UnrealEditor-Cmd is missing"))) << Utf8(LastNotification().SubText);
}

// Make Pak File

using MakePakFile = FPackageExportTest;

TEST_F(MakePakFile, PacksTheCookedFilesFromTheResponseFileNextToThePak)
{
	Package->CookAssets();
	ASSERT_TRUE(WaitForToolToFinish());
	HostTest::ClearShownNotifications();

	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	const std::string Mount = "../../../" + ProjectName + "/Content/";
	const std::vector<std::string> Lines = ReadLines(ResponseFile());
	ASSERT_EQ(Lines.size(), 6u) << "a .uasset/.umap and a .uexp for each of the three packages";
	// Main assets in the package's order (Maps/Level sorts first), then the dependencies.
	EXPECT_EQ(Lines[0], "\"" + CookedFile("Pack/Maps/Level.umap").string() + "\" \"" + Mount + "Pack/Maps/Level.umap\"");
	EXPECT_EQ(Lines[1], "\"" + CookedFile("Pack/Maps/Level.uexp").string() + "\" \"" + Mount + "Pack/Maps/Level.uexp\"");
	EXPECT_EQ(Lines[5], "\"" + CookedFile("Pack/T_Rock.uexp").string() + "\" \"" + Mount + "Pack/T_Rock.uexp\"");

	const std::vector<std::string> Index = ReadPakIndex();
	ASSERT_EQ(Index.size(), 6u);
	EXPECT_EQ(Index[0], Mount + "Pack/Maps/Level.umap");
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Success);
	EXPECT_TRUE(LastNotification().SubText.Contains(FString::Printf(TEXT("(%lld bytes)"), (long long)std::filesystem::file_size(PakFile()))));
}

TEST_F(MakePakFile, RefusesWhenNothingIsCooked)
{
	Package->MakePakFile();

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("nothing is cooked"))) << Utf8(LastNotification().SubText);
	EXPECT_FALSE(std::filesystem::exists(ResponseFile()));
}

TEST_F(MakePakFile, NamesTheAssetsWhoseCookedFilesAreMissing)
{
	setenv("FAKE_COOK_SKIP", "T_Rock", 1);
	Package->CookAssets();
	ASSERT_TRUE(WaitForToolToFinish());

	Package->MakePakFile();

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("/Game/Pack/T_Rock"))) << Utf8(LastNotification().SubText);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("Cook Assets")));
	EXPECT_FALSE(LastNotification().SubText.Contains(TEXT("SM_Rock")));
	EXPECT_FALSE(std::filesystem::exists(PakFile()));
}

TEST_F(MakePakFile, RefusesWhileOutsideReferencesAreMissing)
{
	Package->MissingDependencies.Add(FName(TEXT("/Game/Shared/M_Stone")), 0);

	Package->MakePakFile();

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("Copy Dependencies")));
}

TEST_F(MakePakFile, ReportsAFailingOrMissingPakTool)
{
	Package->CookAssets();
	ASSERT_TRUE(WaitForToolToFinish());

	setenv("FAKE_UNREALPAK_EXIT_CODE", "3", 1);
	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("exit code 3"))) << Utf8(LastNotification().SubText);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("Unable to create pak file")));

	RemoveTool("UnrealPak");
	Package->MakePakFile();
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("UnrealPak is missing"))) << Utf8(LastNotification().SubText);
}

TEST_F(MakePakFile, CancelStopsAHangingPakToolAndLeavesNoPak)
{
	Package->CookAssets();
	ASSERT_TRUE(WaitForToolToFinish());
	setenv("FAKE_UNREALPAK_HANG", "1", 1);

	Package->MakePakFile();
	ASSERT_TRUE(WaitForOutputContaining(TEXT("[UnrealPak] LogPakFile: Display: Using command line")));
	ASSERT_TRUE(HostTest::ClickNotificationButton(NotificationCount() - 1, TEXT("Cancel")));
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_EQ(LastNotification().Text, TEXT("Pak cancelled"));
	EXPECT_FALSE(std::filesystem::exists(PakFile()));
	EXPECT_TRUE(std::filesystem::exists(ResponseFile())) << "the content list stays for inspection";
}

// A package's objects outlive nothing: a run whose package is destroyed still ends cleanly.

TEST_F(CookAssets, ARunOutlivingItsPackageEndsWithoutTouchingIt)
{
	Package->CookAssets();
	HostTest::DestroyObject(Package);
	Package = nullptr;

	ASSERT_TRUE(WaitForToolToFinish());
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Success);
}
