#include "PackageExportFixture.h"

#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/DeveloperToolSettingsProbe.h"
#include "HostTest/DeveloperSettingsProbe.h"
#include "HostTest/ExportProbe.h"
#include "HostTest/NotificationProbe.h"
#include "HostTest/UnrealEdProbe.h"
#include "Engine/StaticMesh.h"
#include "Logging/MessageLog.h"
#include "Misc/CoreDelegates.h"
#include "Modules/ModuleManager.h"
#include "Settings/ProjectPackagingSettings.h"
#include "TalvynSDKSettings.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <signal.h>

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

	bool HasLine(const std::vector<std::string>& Lines, const std::string& Line)
	{
		return std::find(Lines.begin(), Lines.end(), Line) != Lines.end();
	}

	std::string LogText()
	{
		std::string Text;
		for (const HostTest::FRecordedLogLine& Line : HostTest::GetRecordedLogLines())
		{
			Text += Utf8(Line.Message) + "\n";
		}
		return Text;
	}

	/** What the "PackagingResults" listing shows now (its last page), without the page's own entry. */
	TArray<HostTest::FMessageLogEntry> PackagingResults()
	{
		TArray<HostTest::FMessageLogEntry> Page = HostTest::GetMessageLogPage(FName(TEXT("PackagingResults")));
		Page.RemoveAll([](const HostTest::FMessageLogEntry& Entry) { return Entry.bIsNewPage; });
		return Page;
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

// The cook: run as the engine's packaging runs it, into a folder of the package's own

using ExportCook = FPackageExportTest;

TEST_F(ExportCook, RunsTheEditorsCommandletExecutableWithEverySwitchAndAbsolutePaths)
{
	const std::filesystem::path ArgsFile = Root / "cook-args.txt";
	setenv("FAKE_COOK_ARGS_FILE", ArgsFile.c_str(), 1);

	Package->CookAssets();
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Pending);
	EXPECT_TRUE(LastNotification().bThrobber);
	EXPECT_EQ(LastNotification().Buttons, TArray<FString>({ TEXT("Cancel") }));
	ASSERT_TRUE(WaitForToolToFinish());

	const std::filesystem::path Output = ProjectDir / "Saved" / "Talvyn" / "PKG_Pack";
	const std::vector<std::string> Expected = {
		(ProjectDir / (ProjectName + ".uproject")).string(),
		"-run=cook",
		"-targetplatform=Linux",
		"-cookdir=" + (ProjectDir / "Content" / "Pack").string(),
		"-map=/Game/Pack/Maps/Level",
		"-OutputDir=" + (Output / "Cooked" / "Linux").string(),
		"-SkipZenStore",
		"-ini:Game:[/Script/UnrealEd.ProjectPackagingSettings]:bShareMaterialShaderCode=False",
		"-iterate",
		"-unattended", "-stdout", "-UTF8Output", "-CrashForUAT", "-NoLogTimes",
		"-abslog=" + (Output / "Cook.log").string(),
	};
	EXPECT_EQ(ReadLines(ArgsFile), Expected);
	EXPECT_TRUE(HostTest::HasLogLineContaining(FString::Printf(TEXT("Running %s"), *FString(UTF8_TO_TCHAR((EngineBinaries / "UnrealEditor-Cmd").c_str())))));
	EXPECT_TRUE(std::filesystem::exists(Output / "Cook.log"));

	EXPECT_TRUE(std::filesystem::exists(CookedFile("Pack/SM_Rock.uasset")));
	EXPECT_TRUE(std::filesystem::exists(CookedFile("Pack/Maps/Level.umap"))) << "the map is cooked by name";
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Success);
	EXPECT_TRUE(LastNotification().Buttons.IsEmpty()) << "Cancel shows only while pending";
	EXPECT_FALSE(std::filesystem::exists(PakFile())) << "Cook Assets runs the cook alone";
}

TEST_F(ExportCook, LeavesTheProjectsOwnCookedFolderAloneAndGivesMaterialsTheirShaderCode)
{
	const std::filesystem::path ProjectCooked = ProjectDir / "Saved" / "Cooked" / "Linux";
	std::filesystem::create_directories(ProjectCooked);
	std::ofstream(ProjectCooked / "marker.txt") << "from the project's own packaging\n";
	// The project shares material shader code (the engine's default) and would cook into a Zen store.
	std::ofstream(ProjectDir / "Config" / "DefaultGame.ini") << "[/Script/UnrealEd.ProjectPackagingSettings]\nbShareMaterialShaderCode=True\nbUseZenStore=True\n";

	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	ASSERT_EQ(LastNotification().State, SNotificationItem::CS_Success) << Utf8(LastNotification().SubText);
	EXPECT_TRUE(std::filesystem::exists(ProjectCooked / "marker.txt"));
	EXPECT_TRUE(Contains(ReadFile(CookedFile("Pack/M_Rock.uexp")), "shader code: inline"));
	EXPECT_TRUE(ReadPakIndex().size() > 0) << "loose files, whatever the project's Zen setting";
}

TEST_F(ExportCook, ASecondExportRecooksOnlyWhatChanged)
{
	Package->CookAssets();
	ASSERT_TRUE(WaitForToolToFinish());
	const std::filesystem::file_time_type FirstCook = std::filesystem::last_write_time(CookedFile("Pack/SM_Rock.uasset"));
	HostTest::ClearRecordedLogLines();
	const std::filesystem::path ArgsFile = Root / "cook-args.txt";
	setenv("FAKE_COOK_ARGS_FILE", ArgsFile.c_str(), 1);

	Package->CookAssets();
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_TRUE(HasLine(ReadLines(ArgsFile), "-iterate"));

	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("packages are up to date; cooking 0")));
	EXPECT_EQ(std::filesystem::last_write_time(CookedFile("Pack/SM_Rock.uasset")), FirstCook);
}

TEST_F(ExportCook, ShowsTheCooksProgressInTheExportsOneNotification)
{
	// The cook prints its progress, then stays running.
	setenv("FAKE_COOK_HANG", "after", 1);

	Package->MakePakFile();
	ASSERT_TRUE(WaitForOutputContaining(TEXT("Cooked packages 4 Packages Remain 0 Total 4"))) << LogText();

	EXPECT_EQ(NotificationCount(), 1);
	EXPECT_EQ(LastNotification().SubText, TEXT("4 of 4 packages cooked"));
	EXPECT_EQ(LastNotification().Buttons, TArray<FString>({ TEXT("Cancel") }));
}

TEST_F(ExportCook, TakesThePlatformFromTheSettings)
{
	const std::filesystem::path ArgsFile = Root / "cook-args.txt";
	setenv("FAKE_COOK_ARGS_FILE", ArgsFile.c_str(), 1);
	GetMutableDefault<UTalvynSDKSettings>()->TargetPlatform = TEXT("Windows");

	Package->CookAssets();
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_TRUE(HasLine(ReadLines(ArgsFile), "-targetplatform=Windows"));
	EXPECT_TRUE(std::filesystem::exists(CookedFile("Pack/SM_Rock.uasset", "Windows")));
}

// Failures: said where the user looks, and kept until read

using ExportFailure = FPackageExportTest;

TEST_F(ExportFailure, AFailedCooksNotificationStaysNamesTheLogAndOpensTheOutputLog)
{
	setenv("FAKE_COOK_EXIT_CODE", "25", 1);

	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	const HostTest::FShownNotification Shown = HostTest::GetShownNotifications().Last();
	EXPECT_EQ(Shown.State, SNotificationItem::CS_Fail);
	EXPECT_FALSE(Shown.bFadedOut) << "a failure stays until dismissed";
	EXPECT_TRUE(Shown.SubText.Contains(TEXT("exit code 25"))) << Utf8(Shown.SubText);
	EXPECT_TRUE(Shown.SubText.Contains(TEXT("Cook.log"))) << Utf8(Shown.SubText);
	EXPECT_TRUE(Shown.SubText.Contains(TEXT("Unable to cook package"))) << Utf8(Shown.SubText);
	EXPECT_EQ(Shown.VisibleButtons, TArray<FString>({ TEXT("Show Output Log"), TEXT("Dismiss") }));
	EXPECT_FALSE(std::filesystem::exists(PakFile()));

	ASSERT_TRUE(HostTest::ClickNotificationButton(NotificationCount() - 1, TEXT("Show Output Log")));
	EXPECT_EQ(HostTest::GetInvokedTabs(), TArray<FName>({ FName(TEXT("OutputLog")) }));
	ASSERT_TRUE(HostTest::ClickNotificationButton(NotificationCount() - 1, TEXT("Dismiss")));
	EXPECT_TRUE(HostTest::GetShownNotifications().Last().bFadedOut);
}

TEST_F(ExportFailure, EachToolErrorAndWarningReachesAFreshMessageLogPageOnce)
{
	FMessageLog(FName(TEXT("PackagingResults"))).Error(FText::FromString(TEXT("left from an earlier packaging")));
	setenv("FAKE_COOK_EXIT_CODE", "1", 1);
	setenv("FAKE_COOK_WARN", "Texture T_Rock is not a power of two", 1);

	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	int32 Errors = 0;
	int32 Warnings = 0;
	TArray<FString> Texts;
	for (const HostTest::FMessageLogEntry& Entry : PackagingResults())
	{
		EXPECT_FALSE(Texts.Contains(Entry.Text)) << "twice: " << Utf8(Entry.Text);
		Texts.Add(Entry.Text);
		EXPECT_FALSE(Entry.Text.Contains(TEXT("earlier packaging"))) << "the listing starts afresh";
		Errors += Entry.Text.Contains(TEXT("Unable to cook package")) ? 1 : 0;
		Warnings += Entry.Text.Contains(TEXT("not a power of two")) && Entry.Severity == EMessageSeverity::Warning ? 1 : 0;
	}
	EXPECT_EQ(Errors, 1) << "the cook's closing summary repeats it";
	EXPECT_EQ(Warnings, 1);
}

TEST_F(ExportFailure, APackageTheCookDidNotWriteIsNamedWithTheCooksLog)
{
	setenv("FAKE_COOK_SKIP", "T_Rock", 1);

	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("/Game/Pack/T_Rock"))) << Utf8(LastNotification().SubText);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("Cook.log")));
	EXPECT_FALSE(LastNotification().SubText.Contains(TEXT("SM_Rock")));
	EXPECT_FALSE(std::filesystem::exists(PakFile()));
}

TEST_F(ExportFailure, AMissingToolIsNamedBeforeAnythingRuns)
{
	const std::filesystem::path ArgsFile = Root / "cook-args.txt";
	setenv("FAKE_COOK_ARGS_FILE", ArgsFile.c_str(), 1);
	RemoveTool("UnrealPak");

	Package->MakePakFile();

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("UnrealPak is missing"))) << Utf8(LastNotification().SubText);
	EXPECT_FALSE(std::filesystem::exists(ArgsFile)) << "no cook for a pak that cannot be written";

	RemoveTool("UnrealEditor-Cmd");
	Package->CookAssets();
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("UnrealEditor-Cmd is missing"))) << Utf8(LastNotification().SubText);
}

TEST_F(ExportFailure, AFailingPakToolIsReportedAndLeavesNoPak)
{
	setenv("FAKE_UNREALPAK_EXIT_CODE", "3", 1);

	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("exit code 3"))) << Utf8(LastNotification().SubText);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("Unable to create pak file")));
	EXPECT_FALSE(std::filesystem::exists(PakFile()));
}

TEST_F(ExportFailure, RefusesWhileOutsideReferencesAreMissingOrThePackageIsEmpty)
{
	Package->MissingDependencies.Add(FName(TEXT("/Game/Shared/M_Stone")), 0);
	Package->MakePakFile();
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("Copy Dependencies")));

	Package->RemoveAllAssets();
	Package->MakePakFile();
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("no assets"))) << Utf8(LastNotification().SubText);
}

// One click: save, cook and pak as one task

using OneClickExport = FPackageExportTest;

TEST_F(OneClickExport, WritesAPakOfEveryCookedFileOfThePackageAndNothingEditorOnly)
{
	ASSERT_EQ(Package->MissingDependencies.Num(), 0) << "an editor-only reference is not missing";
	EXPECT_FALSE(Package->Dependencies.Contains(FName(TEXT("/Game/Art/SM_Rock_Source"))));

	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());
	ASSERT_EQ(LastNotification().State, SNotificationItem::CS_Success) << Utf8(LastNotification().SubText);

	const std::string Mount = "../../../" + ProjectName + "/Content/";
	std::vector<std::string> Index = ReadPakIndex();
	std::sort(Index.begin(), Index.end());
	const std::vector<std::string> Expected = {
		Mount + "Pack/M_Rock.uasset", Mount + "Pack/M_Rock.uexp",
		Mount + "Pack/Maps/Level.uexp", Mount + "Pack/Maps/Level.umap",
		Mount + "Pack/Maps/Level/_Generated_/MainGrid_L0_X0_Y0.uexp", Mount + "Pack/Maps/Level/_Generated_/MainGrid_L0_X0_Y0.umap",
		Mount + "Pack/Maps/Level/_Generated_/MainGrid_L0_X1_Y0.uexp", Mount + "Pack/Maps/Level/_Generated_/MainGrid_L0_X1_Y0.umap",
		Mount + "Pack/SM_Rock.uasset", Mount + "Pack/SM_Rock.uexp",
		Mount + "Pack/T_Rock.m.ubulk", Mount + "Pack/T_Rock.uasset", Mount + "Pack/T_Rock.ubulk", Mount + "Pack/T_Rock.uexp", Mount + "Pack/T_Rock.uptnl",
	};
	EXPECT_EQ(Index, Expected);

	// The content list: one quoted line per file, compressed by default, as UnrealPak reads it.
	const std::vector<std::string> Lines = ReadLines(ResponseFile());
	EXPECT_EQ(Lines.size(), Expected.size());
	EXPECT_TRUE(HasLine(Lines, "\"" + CookedFile("Pack/T_Rock.m.ubulk").string() + "\" \"" + Mount + "Pack/T_Rock.m.ubulk\" -compress"));
	EXPECT_TRUE(HostTest::HasLogLineContaining(FString::Printf(TEXT("Mount point ../../../%s/Content/Pack/"), *FString(UTF8_TO_TCHAR(ProjectName.c_str())))));

	const FString Done = LastNotification().SubText;
	EXPECT_TRUE(Done.Contains(FString(UTF8_TO_TCHAR(PakFile().c_str())))) << Utf8(Done);
	EXPECT_TRUE(Done.Contains(FString::Printf(TEXT("%lld bytes, %d files"), (long long)std::filesystem::file_size(PakFile()), (int32)Expected.size()))) << Utf8(Done);
	EXPECT_EQ(NotificationCount(), 1);
}

TEST_F(OneClickExport, MountsUnderTheApplicationsProjectNameAndCompressesAsSet)
{
	const std::filesystem::path ArgsFile = Root / "pak-args.txt";
	setenv("FAKE_UNREALPAK_ARGS_FILE", ArgsFile.c_str(), 1);
	UTalvynSDKSettings* Settings = GetMutableDefault<UTalvynSDKSettings>();
	Settings->ApplicationProjectName = TEXT("TalvynApp");
	Settings->bCompressPak = false;

	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	ASSERT_EQ(LastNotification().State, SNotificationItem::CS_Success) << Utf8(LastNotification().SubText);
	for (const std::string& Entry : ReadPakIndex())
	{
		EXPECT_EQ(Entry.rfind("../../../TalvynApp/Content/Pack/", 0), 0u) << Entry;
	}
	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("Mount point ../../../TalvynApp/Content/Pack/")));
	for (const std::string& Line : ReadLines(ResponseFile()))
	{
		EXPECT_FALSE(Contains(Line, "-compress")) << Line;
	}
	const std::vector<std::string> Expected = { PakFile().string(), "-create=" + ResponseFile().string() };
	EXPECT_EQ(ReadLines(ArgsFile), Expected);

	Settings->bCompressPak = true;
	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());
	EXPECT_TRUE(HasLine(ReadLines(ArgsFile), "-compressionformats=Oodle"));
}

TEST_F(OneClickExport, TheSettingsPageIsReadFromTheProjectsDefaultEditorIni)
{
	std::ofstream(ProjectDir / "Config" / "DefaultEditor.ini")
		<< "[/Script/TalvynSDKBase.TalvynSDKSettings]\nTargetPlatform=Windows\nApplicationProjectName=TalvynApp\nbCompressPak=False\nContainerFormat=PakAndIoStore\n";
	UTalvynSDKSettings* Settings = GetMutableDefault<UTalvynSDKSettings>();
	HostTest::ReloadDeveloperSettings(*Settings);

	EXPECT_EQ(Settings->GetCookPlatform(), TEXT("Windows"));
	EXPECT_EQ(Settings->GetMountProjectName(), TEXT("TalvynApp"));
	EXPECT_FALSE(Settings->bCompressPak);
	EXPECT_EQ(Settings->ContainerFormat, ETalvynContainerFormat::PakAndIoStore);
	EXPECT_EQ(Settings->GetContainerName(), FName(TEXT("Project")));
	EXPECT_EQ(Settings->GetCategoryName(), FName(TEXT("Plugins")));
	EXPECT_EQ(Settings->GetSectionText().ToString(), TEXT("Talvyn SDK"));
	Settings->TargetPlatform = TEXT("Win64");
	EXPECT_EQ(Settings->GetCookPlatform(), TEXT("Windows")) << "the cook's name of the platform";

	Settings->ApplicationProjectName = TEXT("Other");
	ASSERT_TRUE(Settings->TryUpdateDefaultConfigFile());
	const std::string Ini = ReadFile(ProjectDir / "Config" / "DefaultEditor.ini");
	EXPECT_TRUE(Contains(Ini, "ApplicationProjectName=Other")) << Ini;
	EXPECT_TRUE(Contains(Ini, "ContainerFormat=PakAndIoStore")) << "enums are written by name";
}

TEST_F(OneClickExport, SavesUnsavedContentFirstAndADeclinedSaveRefuses)
{
	// An author changed the mesh and did not save it: the file on disk is older than the mesh in the editor.
	UPackage* MeshPackage = CreatePackage(TEXT("/Game/Pack/SM_Rock"));
	NewObject<UStaticMesh>(MeshPackage, TEXT("SM_Rock"), RF_Public | RF_Standalone);
	MeshPackage->SetDirtyFlag(true);
	std::ofstream(ProjectDir / "Content" / "Pack" / "SM_Rock.uasset") << "stale\n";
	const std::filesystem::path ArgsFile = Root / "cook-args.txt";
	setenv("FAKE_COOK_ARGS_FILE", ArgsFile.c_str(), 1);

	HostTest::SetSavePromptAnswer(HostTest::ESavePromptAnswer::DontSave);
	Package->MakePakFile();

	ASSERT_EQ(HostTest::GetSavePrompts().Num(), 1);
	EXPECT_TRUE(HostTest::GetSavePrompts()[0].Contains(FName(TEXT("/Game/Pack/SM_Rock"))));
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(LastNotification().SubText.Contains(TEXT("saving them was declined"))) << Utf8(LastNotification().SubText);
	EXPECT_FALSE(std::filesystem::exists(ArgsFile)) << "nothing is cooked";
	EXPECT_TRUE(MeshPackage->IsDirty());

	HostTest::SetSavePromptAnswer(HostTest::ESavePromptAnswer::Save);
	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_FALSE(MeshPackage->IsDirty());
	EXPECT_TRUE(HostTest::GetSavedPackages().Contains(FName(TEXT("/Game/Pack/SM_Rock"))));
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Success) << Utf8(LastNotification().SubText);
	const std::string Saved = ReadFile(ProjectDir / "Content" / "Pack" / "SM_Rock.uasset");
	EXPECT_FALSE(Contains(Saved, "stale"));
	EXPECT_EQ(ReadFile(CookedFile("Pack/SM_Rock.uexp")), Saved) << "the cook read the saved change";
}

TEST_F(OneClickExport, ASecondExportWhileOneRunsIsRefusedWithTheReason)
{
	setenv("FAKE_COOK_HANG", "1", 1);

	Package->MakePakFile();
	Package->CookAssets();

	const TArray<HostTest::FShownNotification> Shown = HostTest::GetShownNotifications();
	ASSERT_EQ(Shown.Num(), 2);
	EXPECT_EQ(Shown[0].State, SNotificationItem::CS_Pending);
	EXPECT_EQ(Shown[1].State, SNotificationItem::CS_Fail);
	EXPECT_TRUE(Shown[1].SubText.Contains(TEXT("Make Pak File of PKG_Pack is still running"))) << Utf8(Shown[1].SubText);
}

// Cancel, and the editor closing

using ExportCancel = FPackageExportTest;

TEST_F(ExportCancel, CancelDuringTheCookLeavesNoPak)
{
	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());
	ASSERT_TRUE(std::filesystem::exists(PakFile()));
	HostTest::ClearShownNotifications();
	HostTest::ClearRecordedLogLines();
	setenv("FAKE_COOK_HANG", "1", 1);

	Package->MakePakFile();
	ASSERT_TRUE(WaitForOutputContaining(TEXT("Cooking packages...")));
	ASSERT_TRUE(HostTest::ClickNotificationButton(NotificationCount() - 1, TEXT("Cancel")));
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_TRUE(LastNotification().Text.Contains(TEXT("canceled"))) << Utf8(LastNotification().Text);
	EXPECT_FALSE(std::filesystem::exists(PakFile())) << "an earlier pak must not pass for this export's";
}

TEST_F(ExportCancel, ACancelAsTheCookEndsStillStopsTheExport)
{
	setenv("FAKE_UNREALPAK_HANG", "1", 1);

	Package->MakePakFile();
	// The cook has printed its last line; its end may not have reached the editor yet.
	ASSERT_TRUE(WaitForOutputContaining(TEXT("[The cook] Success - 0 error(s)")));
	ASSERT_TRUE(HostTest::ClickNotificationButton(NotificationCount() - 1, TEXT("Cancel")));
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_TRUE(LastNotification().Text.Contains(TEXT("canceled"))) << Utf8(LastNotification().Text);
	EXPECT_FALSE(std::filesystem::exists(PakFile()));
}

TEST_F(ExportCancel, CancelDuringThePakLeavesNoPak)
{
	setenv("FAKE_UNREALPAK_HANG", "1", 1);

	Package->MakePakFile();
	ASSERT_TRUE(WaitForOutputContaining(TEXT("[UnrealPak] LogPakFile: Display: Using command line")));
	ASSERT_TRUE(HostTest::ClickNotificationButton(NotificationCount() - 1, TEXT("Cancel")));
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_TRUE(LastNotification().Text.Contains(TEXT("canceled"))) << Utf8(LastNotification().Text);
	EXPECT_FALSE(std::filesystem::exists(PakFile()));
	EXPECT_TRUE(std::filesystem::exists(ResponseFile())) << "the content list stays for inspection";
}

TEST_F(ExportCancel, TheEditorClosingStopsARunningToolBeforeTheModulesUnload)
{
	const std::filesystem::path PidFile = Root / "cook.pid";
	setenv("FAKE_COOK_PID_FILE", PidFile.c_str(), 1);
	setenv("FAKE_COOK_HANG", "1", 1);
	Package->MakePakFile();
	ASSERT_TRUE(WaitForOutputContaining(TEXT("Cooking packages...")));
	const int32 NotificationsBefore = NotificationCount();
	const pid_t Cook = static_cast<pid_t>(std::stol(ReadFile(PidFile)));

	FCoreDelegates::OnPreExit.Broadcast();
	HostTest::TickGameThread();

	EXPECT_NE(kill(Cook, 0), 0) << "the cook still runs";

	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("the editor is closing")));
	EXPECT_EQ(NotificationCount(), NotificationsBefore) << "nothing is reported at exit";
	EXPECT_FALSE(std::filesystem::exists(PakFile()));
	HostTest::ClearShownNotifications();
	unsetenv("FAKE_COOK_HANG");
	Package->CookAssets();
	ASSERT_TRUE(WaitForToolToFinish());
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Success) << "no export is left running";
}

TEST_F(ExportCancel, ARunOutlivingItsPackageEndsWithoutTouchingIt)
{
	Package->CookAssets();
	HostTest::DestroyObject(Package);
	Package = nullptr;

	ASSERT_TRUE(WaitForToolToFinish());
	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Success);
}

// IoStore containers: the packages in <Package>.utoc/.ucas, the rest in the .pak beside them

class IoStoreExport : public FPackageExportTest
{
protected:
	void SetUp() override
	{
		FPackageExportTest::SetUp();
		GetMutableDefault<UTalvynSDKSettings>()->ContainerFormat = ETalvynContainerFormat::PakAndIoStore;
	}

	/** The second column of a file list: the destination paths. */
	std::vector<std::string> Destinations(const std::filesystem::path& List) const
	{
		std::vector<std::string> Result;
		for (const std::string& Line : ReadLines(List))
		{
			const size_t Second = Line.find("\" \"");
			Result.push_back(Line.substr(Second + 3, Line.find('"', Second + 3) - Second - 3));
		}
		return Result;
	}
};

TEST_F(IoStoreExport, WritesTheContainerAndThePakWithOneBaseNameEachFileInExactlyOne)
{
	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());
	ASSERT_EQ(LastNotification().State, SNotificationItem::CS_Success) << Utf8(LastNotification().SubText);

	for (const char* Suffix : { ".pak", ".utoc", ".ucas" })
	{
		EXPECT_TRUE(std::filesystem::exists(OutputFile(Suffix))) << Suffix;
		const FString Named = FString::Printf(TEXT("%s (%lld bytes)"), UTF8_TO_TCHAR(OutputFile(Suffix).c_str()), (long long)std::filesystem::file_size(OutputFile(Suffix)));
		EXPECT_TRUE(LastNotification().SubText.Contains(Suffix == std::string(".pak") ? Named.LeftChop(1) : Named)) << Suffix << ": " << Utf8(LastNotification().SubText);
	}
	const std::string Mount = "../../../" + ProjectName + "/Content/";
	std::vector<std::string> Container = Destinations(OutputFile("-IoStore.txt"));
	std::sort(Container.begin(), Container.end());
	const std::vector<std::string> Expected = {
		Mount + "Pack/M_Rock.uasset", Mount + "Pack/Maps/Level.umap",
		Mount + "Pack/Maps/Level/_Generated_/MainGrid_L0_X0_Y0.umap", Mount + "Pack/Maps/Level/_Generated_/MainGrid_L0_X1_Y0.umap",
		Mount + "Pack/SM_Rock.uasset",
		Mount + "Pack/T_Rock.m.ubulk", Mount + "Pack/T_Rock.uasset", Mount + "Pack/T_Rock.ubulk", Mount + "Pack/T_Rock.uptnl",
	};
	EXPECT_EQ(Container, Expected) << "every package file but the .uexp files, which the container merges";
	EXPECT_TRUE(ReadPakIndex().empty()) << "with shader code inline, the container holds every file of the package";
	EXPECT_TRUE(ReadLines(ResponseFile()).empty());
	// The stand-in container holds each package with its exports.
	EXPECT_TRUE(Contains(ReadFile(OutputFile(".ucas")), ReadFile(CookedFile("Pack/SM_Rock.uexp"))));
}

TEST_F(IoStoreExport, FilesTheContainerDoesNotHoldGoIntoThePak)
{
	// A file of a package that is none of the container's kinds.
	setenv("FAKE_COOK_HANG", "after", 1);
	Package->MakePakFile();
	ASSERT_TRUE(WaitForOutputContaining(TEXT("Cooked packages 4 Packages Remain 0")));
	std::ofstream(CookedFile("Pack/T_Rock.uextra")) << "extra\n";
	std::ofstream(CookedFile("Pack/SM_Rock.uasset"), std::ios::app);
	HostTest::ClickNotificationButton(NotificationCount() - 1, TEXT("Cancel"));
	ASSERT_TRUE(WaitForToolToFinish());
	unsetenv("FAKE_COOK_HANG");

	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	ASSERT_EQ(LastNotification().State, SNotificationItem::CS_Success) << Utf8(LastNotification().SubText);
	EXPECT_EQ(ReadPakIndex(), std::vector<std::string>({ "../../../" + ProjectName + "/Content/Pack/T_Rock.uextra" }));
	for (const std::string& Entry : Destinations(OutputFile("-IoStore.txt")))
	{
		EXPECT_FALSE(Contains(Entry, ".uextra")) << Entry;
	}
}

TEST_F(IoStoreExport, RunsUnrealPakAsTheEnginesPackagingMakesADlcContainer)
{
	const std::filesystem::path ArgsFile = Root / "pak-args.txt";
	setenv("FAKE_UNREALPAK_ARGS_FILE", ArgsFile.c_str(), 1);
	// The container run hangs, so its arguments are the last written.
	setenv("FAKE_UNREALPAK_HANG", "1", 1);

	Package->MakePakFile();
	ASSERT_TRUE(WaitForOutputContaining(TEXT("[UnrealPak (IoStore)] LogPakFile: Display: Using command line")));

	const std::filesystem::path Output = ProjectDir / "Saved" / "Talvyn" / "PKG_Pack";
	const std::filesystem::path Cooked = Output / "Cooked" / "Linux";
	const std::vector<std::string> Expected = {
		(ProjectDir / (ProjectName + ".uproject")).string(),
		"-CreateDLCContainer=" + (Output / "PKG_Pack.uplugin").string(),
		"-CookedDirectory=" + Cooked.string(),
		"-PackageStoreManifest=" + (Cooked / ProjectName / "Metadata" / "packagestore.manifest").string(),
		"-ScriptObjects=" + (Cooked / ProjectName / "Metadata" / "scriptobjects.bin").string(),
		"-Commands=" + (Output / "PKG_Pack-IoStoreCommands.txt").string(),
		"-unattended",
	};
	EXPECT_EQ(ReadLines(ArgsFile), Expected);
	EXPECT_EQ(ReadLines(Output / "PKG_Pack-IoStoreCommands.txt"), std::vector<std::string>({
		"-Output=\"" + (Output / "PKG_Pack.utoc").string() + "\" -ContainerName=PKG_Pack -ResponseFile=\"" + (Output / "PKG_Pack-IoStore.txt").string() + "\"" }));
	EXPECT_TRUE(Contains(ReadFile(Output / "PKG_Pack.uplugin"), "\"FileVersion\": 3"));
	EXPECT_TRUE(HasLine(ReadLines(Output / "PKG_Pack-IoStore.txt"), "\"" + CookedFile("Pack/SM_Rock.uasset").string() + "\" \"../../../" + ProjectName + "/Content/Pack/SM_Rock.uasset\""));
}

TEST_F(IoStoreExport, CancelLeavesNoneOfTheThreeFiles)
{
	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());
	ASSERT_TRUE(std::filesystem::exists(OutputFile(".utoc")));
	HostTest::ClearShownNotifications();
	HostTest::ClearRecordedLogLines();
	setenv("FAKE_UNREALPAK_HANG", "1", 1);

	Package->MakePakFile();
	ASSERT_TRUE(WaitForOutputContaining(TEXT("[UnrealPak (IoStore)] LogPakFile: Display: Using command line")));
	ASSERT_TRUE(HostTest::ClickNotificationButton(NotificationCount() - 1, TEXT("Cancel")));
	ASSERT_TRUE(WaitForToolToFinish());

	for (const char* Suffix : { ".pak", ".utoc", ".ucas" })
	{
		EXPECT_FALSE(std::filesystem::exists(OutputFile(Suffix))) << Suffix;
	}
}

TEST_F(IoStoreExport, AMissingPackageStoreManifestIsRefusedWithItsPath)
{
	setenv("FAKE_COOK_NO_METADATA", "1", 1);

	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_EQ(LastNotification().State, SNotificationItem::CS_Fail);
	const std::string Manifest = (ProjectDir / "Saved" / "Talvyn" / "PKG_Pack" / "Cooked" / "Linux" / ProjectName / "Metadata" / "packagestore.manifest").string();
	EXPECT_TRUE(LastNotification().SubText.Contains(UTF8_TO_TCHAR(Manifest.c_str()))) << Utf8(LastNotification().SubText);
	EXPECT_FALSE(std::filesystem::exists(OutputFile(".pak")));
}

TEST_F(IoStoreExport, ThePakSettingWritesNoContainer)
{
	GetMutableDefault<UTalvynSDKSettings>()->ContainerFormat = ETalvynContainerFormat::Pak;

	Package->MakePakFile();
	ASSERT_TRUE(WaitForToolToFinish());

	EXPECT_TRUE(std::filesystem::exists(OutputFile(".pak")));
	EXPECT_FALSE(std::filesystem::exists(OutputFile(".utoc")));
	EXPECT_FALSE(std::filesystem::exists(OutputFile(".ucas")));
	EXPECT_FALSE(std::filesystem::exists(OutputFile("-IoStore.txt")));
}

TEST_F(IoStoreExport, TheStandInContainerToolRejectsAUexpLine)
{
	const std::filesystem::path Dir = Root / "container";
	std::filesystem::create_directories(Dir);
	for (const char* Name : { "P.uplugin", "packagestore.manifest", "scriptobjects.bin", "A.uasset", "A.uexp" })
	{
		std::ofstream(Dir / Name) << "x\n";
	}
	std::ofstream(Dir / "list.txt") << "\"" << (Dir / "A.uasset").string() << "\" \"../../../P/Content/A.uasset\"\n\"" << (Dir / "A.uexp").string() << "\" \"../../../P/Content/A.uexp\"\n";
	std::ofstream(Dir / "commands.txt") << "-Output=\"" << (Dir / "P.utoc").string() << "\" -ContainerName=P -ResponseFile=\"" << (Dir / "list.txt").string() << "\"\n";
	const std::string Quote = "'";
	const std::string Command = Quote + HOST_FAKE_UNREALPAK + Quote + " " + Quote + (ProjectDir / (ProjectName + ".uproject")).string() + Quote
		+ " -CreateDLCContainer=" + Quote + (Dir / "P.uplugin").string() + Quote + " -CookedDirectory=" + Quote + Dir.string() + Quote
		+ " -PackageStoreManifest=" + Quote + (Dir / "packagestore.manifest").string() + Quote + " -ScriptObjects=" + Quote + (Dir / "scriptobjects.bin").string() + Quote
		+ " -Commands=" + Quote + (Dir / "commands.txt").string() + Quote + " > " + Quote + (Dir / "out.txt").string() + Quote;

	EXPECT_NE(std::system(Command.c_str()), 0);
	EXPECT_TRUE(Contains(ReadFile(Dir / "out.txt"), "A.uexp' is a .uexp file")) << ReadFile(Dir / "out.txt");
	EXPECT_FALSE(std::filesystem::exists(Dir / "P.utoc"));
}
