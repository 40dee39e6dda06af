#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
	struct FRun
	{
		std::string Out;
		std::string Err;
		/** The exit code; -1 when the program was killed by a signal (a crash). */
		int ExitCode = -1;
	};

	std::string ReadFile(const fs::path& File)
	{
		std::ifstream Stream(File, std::ios::binary);
		return std::string(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
	}

	std::string ShellQuote(const std::string& Text)
	{
		std::string Quoted = "'";
		for (const char Character : Text)
		{
			Quoted += Character == '\'' ? std::string("'\\''") : std::string(1, Character);
		}
		return Quoted + "'";
	}

	/** A scratch folder for a run's captured output and for projects written by a case; gone afterwards. */
	class FPreviewTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			char Template[] = "/tmp/EditorPreviewTests-XXXXXX";
			Scratch = mkdtemp(Template);
		}

		void TearDown() override
		{
			std::error_code Error;
			fs::remove_all(Scratch, Error);
		}

		/** Runs the program with the arguments and stdin from Input, its output going to files. */
		FRun Run(const std::vector<std::string>& Arguments, const std::string& Input = std::string())
		{
			std::ofstream(Scratch / "stdin", std::ios::binary) << Input;
			std::string Command = ShellQuote(PREVIEW_EXECUTABLE);
			for (const std::string& Argument : Arguments)
			{
				Command += " " + ShellQuote(Argument);
			}
			Command += " <" + ShellQuote((Scratch / "stdin").string()) + " >" + ShellQuote((Scratch / "stdout").string()) + " 2>" + ShellQuote((Scratch / "stderr").string());
			const int Status = std::system(Command.c_str());
			FRun Result;
			Result.Out = ReadFile(Scratch / "stdout");
			Result.Err = ReadFile(Scratch / "stderr");
			// The shell reports a child killed by a signal as 128 + the signal.
			const int Code = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
			Result.ExitCode = Code >= 128 ? -1 : Code;
			return Result;
		}

		FRun RunOnSample(const std::vector<std::string>& Actions)
		{
			std::vector<std::string> Arguments = { PREVIEW_SAMPLE_DIR, "--color=never" };
			for (const std::string& Action : Actions)
			{
				Arguments.push_back("--do");
				Arguments.push_back(Action);
			}
			return Run(Arguments);
		}

		static std::string Golden(const char* Name)
		{
			return ReadFile(fs::path(PREVIEW_GOLDEN_DIR) / Name);
		}

		fs::path Scratch;
	};

	/** Where Text first occurs at or after From; npos when it does not. */
	size_t FindAfter(const std::string& Haystack, const std::string& Text, size_t From)
	{
		return From == std::string::npos ? std::string::npos : Haystack.find(Text, From);
	}
}

// What the panel looks like, compared with renderings reviewed by hand. A difference is either a fault or a
// deliberate change of the panel, after which the golden file is reviewed and replaced.

TEST_F(FPreviewTest, NewEmptyPackageRendersAsReviewed)
{
	const FRun Result = RunOnSample({ "new /Game/Talvyn/Pack PKG_Arena" });
	EXPECT_EQ(Result.ExitCode, 0) << Result.Err;
	EXPECT_EQ(Result.Out, Golden("EmptyPackage.txt"));
}

TEST_F(FPreviewTest, PackageWithAllAssetsRendersAsReviewed)
{
	const FRun Result = RunOnSample({ "new /Game/Talvyn/Pack PKG_Arena", "click Add All Assets" });
	EXPECT_EQ(Result.ExitCode, 0) << Result.Err;
	EXPECT_EQ(Result.Out, Golden("FullPackage.txt"));
}

TEST_F(FPreviewTest, PackageWithOutsideReferencesRendersAsReviewed)
{
	const FRun Result = RunOnSample({ "new /Game/Talvyn/Pack PKG_Arena", "click Add All Assets", "click Find Dependencies", "expand Missing Dependencies" });
	EXPECT_EQ(Result.ExitCode, 0) << Result.Err;
	EXPECT_EQ(Result.Out, Golden("OutsideReferences.txt"));
}

// The default run: what the README's first command shows a newcomer.

TEST_F(FPreviewTest, DefaultRunWalksThroughTheWholeFlowInOrder)
{
	const FRun Result = Run({ PREVIEW_SAMPLE_DIR, "--color=never" });
	ASSERT_EQ(Result.ExitCode, 0) << Result.Err;
	EXPECT_EQ(Result.Err, "");

	size_t At = 0;
	for (const char* Expected : {
		"> new /Game/Talvyn/Pack PKG_Arena",
		"> click Add All Assets", "Main Assets: 10 | Assets To Cook: 10",
		"> click Find Dependencies", "5 referenced assets are outside of this package's directory.", "\xE2\x96\xB8 Missing Dependencies",
		"> expand Missing Dependencies", "\xE2\x96\xBE Missing Dependencies", "    /Game/Talvyn/Pack2/BP_Lamp\n        /Game/Talvyn/Pack2/SM_Lamp\n",
		"> click Copy Dependencies", "MissingDependencies     0 Map elements",
		"/Game/Shared/Materials/M_Stone copied to /Game/Talvyn/Pack/Dependencies/Game/Shared/Materials/M_Stone.",
		"5 of 5 outside packages copied into /Game/Talvyn/Pack/Dependencies, 0 skipped.",
		"> click Find Dependencies", "MissingDependencies     0 Map elements",
		"> modify /Game/Talvyn/Pack/Materials/M_Pillar", "without saving it",
		// One click: the editor's save prompt, the cook into the package's own folder, then the pak.
		"> click Make Pak File", "save dialog | Save Content: /Game/Talvyn/Pack/Materials/M_Pillar",
		"-run=cook -targetplatform=Linux", "-OutputDir=\"<work>/DemoProject/Saved/Talvyn/PKG_Arena/Cooked/Linux\"",
		"Mount point ../../../DemoProject/Content/Talvyn/Pack/",
		"Added file \"../../../DemoProject/Content/Talvyn/Pack/Dependencies/Game/Shared/Textures/T_Stone_N.ubulk\"",
		"Added file \"../../../DemoProject/Content/Talvyn/Pack/Maps/L_Courtyard/_Generated_/MainGrid_L0_X0_Y0.umap\"",
		"notification | Make Pak File done: PKG_Arena", "wrote <work>/DemoProject/Saved/Talvyn/PKG_Arena/PKG_Arena.pak (" })
	{
		const size_t Found = FindAfter(Result.Out, Expected, At);
		ASSERT_NE(Found, std::string::npos) << "missing, or out of order: " << Expected << "\n" << Result.Out;
		At = Found;
	}
	// Engine content is reported, never listed as missing; editor-only references are neither.
	EXPECT_NE(Result.Out.find("2 engine packages are referenced"), std::string::npos);
	EXPECT_EQ(Result.Out.find("SK_Guard_HighPoly"), std::string::npos);
	EXPECT_EQ(Result.Out.find("    /Engine/"), std::string::npos);
}

TEST_F(FPreviewTest, UndoAndRedoStepThroughTheChangesAndThePanelFollows)
{
	const FRun Result = RunOnSample({ "new /Game/Talvyn/Pack PKG_Arena", "undo", "click Add All Assets", "click Find Dependencies",
		"click Remove All Assets", "undo", "undo", "redo", "click Apply Cook Settings", "undo", "undo", "undo", "redo", "redo", "redo", "redo" });
	ASSERT_EQ(Result.ExitCode, 0) << Result.Err;

	size_t At = 0;
	for (const char* Expected : {
		// Making the package is not one of the panel's changes.
		"> undo", "Nothing to undo.",
		"> click Remove All Assets", "MainAssets              0 Array elements",
		"> undo", "Undid \"Remove All Assets\".", "Main Assets: 10 | Assets To Cook: 10", "5 referenced assets are outside of this package's directory.",
		"> undo", "Undid \"Find Dependencies\".", "MissingDependencies     0 Map elements",
		"> redo", "Redid \"Find Dependencies\".", "5 referenced assets are outside of this package's directory.",
		// Applying the cook settings changes no asset: the step undone next is the package's latest change.
		"> undo", "Undid \"Find Dependencies\".",
		"> undo", "Undid \"Add All Assets\".",
		"> undo", "Nothing to undo.",
		"> redo", "Redid \"Add All Assets\".", "Main Assets: 10 | Assets To Cook: 10",
		"> redo", "Redid \"Find Dependencies\".",
		// Nothing changed the package since "Remove All Assets" was undone, so it can still be redone.
		"> redo", "Redid \"Remove All Assets\".", "MainAssets              0 Array elements",
		"> redo", "Nothing to redo." })
	{
		const size_t Found = FindAfter(Result.Out, Expected, At);
		ASSERT_NE(Found, std::string::npos) << "missing, or out of order: " << Expected << "\n" << Result.Out;
		At = Found;
	}
}

TEST_F(FPreviewTest, DefaultRunLeavesTheSampleProjectUntouched)
{
	const fs::path Config = fs::path(PREVIEW_SAMPLE_DIR) / "Config" / "DefaultGame.ini";
	const bool bHadConfig = fs::exists(Config);
	const std::string Before = bHadConfig ? ReadFile(Config) : std::string();

	ASSERT_EQ(Run({ PREVIEW_SAMPLE_DIR, "--color=never" }).ExitCode, 0);

	EXPECT_EQ(fs::exists(Config), bHadConfig);
	EXPECT_EQ(bHadConfig ? ReadFile(Config) : std::string(), Before);
	EXPECT_FALSE(fs::exists(fs::path(PREVIEW_SAMPLE_DIR) / "Saved"));
}

TEST_F(FPreviewTest, ScriptFileRunsEndToEndAndStopsAtQuit)
{
	std::ofstream(Scratch / "Steps.script") << "# narration is shown, blank lines are skipped\n\nopen /Game/Talvyn/Pack2/PKG_Lamps\npicker\nsearch Package\nquit\nclick Nothing Here\n";
	const FRun Result = Run({ PREVIEW_SAMPLE_DIR, "--color=never", "--script", (Scratch / "Steps.script").string() });
	ASSERT_EQ(Result.ExitCode, 0) << Result.Err;
	EXPECT_EQ(Result.Out.rfind("Project DemoProject: 19 assets, 28 package references", 0), 0u) << Result.Out;
	EXPECT_NE(Result.Out.find("\n# narration is shown, blank lines are skipped\n\n> open /Game/Talvyn/Pack2/PKG_Lamps\n"), std::string::npos) << Result.Out;
	EXPECT_NE(Result.Out.find("Opened /Game/Talvyn/Pack2/PKG_Lamps.PKG_Lamps in the asset editor"), std::string::npos);
	// The sibling folder's blueprint and mesh are offered; its package asset is not of a kind the picker takes.
	EXPECT_NE(Result.Out.find("picker offers 2 assets:\n  /Game/Talvyn/Pack2/BP_Lamp.BP_Lamp  (Blueprint)\n  /Game/Talvyn/Pack2/SM_Lamp.SM_Lamp  (StaticMesh)\n"), std::string::npos) << Result.Out;
	EXPECT_EQ(Result.Out.find("\xE2\x94\x80\xE2\x94\x80 Add Assets", Result.Out.find("> search Package")), std::string::npos);
	EXPECT_EQ(Result.Out.find("> click Nothing Here"), std::string::npos);
}

TEST_F(FPreviewTest, PickingAnAssetAddsItAndTheSiblingFolderIsNotOffered)
{
	const FRun Result = RunOnSample({ "new /Game/Talvyn/Pack PKG_Arena", "picker", "pick /Game/Talvyn/Pack/Maps/L_Arena" });
	ASSERT_EQ(Result.ExitCode, 0) << Result.Err;
	EXPECT_NE(Result.Out.find("picker offers 6 assets:"), std::string::npos);
	EXPECT_EQ(Result.Out.find("/Game/Talvyn/Pack2/"), std::string::npos);
	EXPECT_NE(Result.Out.find("Main Assets: 1 | Assets To Cook: 1"), std::string::npos);
}

TEST_F(FPreviewTest, InteractiveModeReportsAMistakeAndCarriesOn)
{
	const FRun Result = Run({ PREVIEW_SAMPLE_DIR, "--color=never", "--interactive" }, "new /Game/Talvyn/Pack PKG_Arena\nclick Add Everything\nclick Add All Assets\n");
	ASSERT_EQ(Result.ExitCode, 0) << Result.Err;
	EXPECT_NE(Result.Err.find("no button labelled \"Add Everything\""), std::string::npos);
	EXPECT_NE(Result.Out.find("Main Assets: 10 | Assets To Cook: 10"), std::string::npos);
}

// Colour: the warning is red on a terminal that has colour, plain text anywhere else.

TEST_F(FPreviewTest, WarningIsRedOnlyWhenColourIsWanted)
{
	const std::vector<std::string> Actions = { "--do", "new /Game/Talvyn/Pack PKG_Arena", "--do", "click Add All Assets", "--do", "click Find Dependencies" };
	std::vector<std::string> Always = { PREVIEW_SAMPLE_DIR, "--color=always" };
	Always.insert(Always.end(), Actions.begin(), Actions.end());
	EXPECT_NE(Run(Always).Out.find("\x1b[31m5 referenced assets are outside of this package's directory.\x1b[0m"), std::string::npos);

	// Output to a file is no terminal: plain text.
	std::vector<std::string> Auto = { PREVIEW_SAMPLE_DIR };
	Auto.insert(Auto.end(), Actions.begin(), Actions.end());
	EXPECT_EQ(Run(Auto).Out.find('\x1b'), std::string::npos);
}

TEST_F(FPreviewTest, TerminalGetsColourUnlessNoColorIsSet)
{
	if (std::system("command -v script >/dev/null 2>&1") != 0)
	{
		GTEST_SKIP() << "no 'script' to give the program a terminal";
	}
	// 'script' runs the program on a pseudo-terminal of its own and copies what it shows.
	auto RunOnTerminal = [this](const char* Environment)
	{
		const std::string Inner = std::string(Environment) + " " + ShellQuote(PREVIEW_EXECUTABLE) + " " + ShellQuote(PREVIEW_SAMPLE_DIR)
			+ " --do 'new /Game/Talvyn/Pack PKG_Arena' --do 'click Add All Assets' --do 'click Find Dependencies'";
		const std::string Command = "script -qec " + ShellQuote(Inner) + " /dev/null </dev/null >" + ShellQuote((Scratch / "terminal").string()) + " 2>&1";
		EXPECT_EQ(std::system(Command.c_str()), 0);
		return ReadFile(Scratch / "terminal");
	};
	EXPECT_NE(RunOnTerminal("env -u NO_COLOR").find("\x1b[31m5 referenced assets"), std::string::npos);
	EXPECT_EQ(RunOnTerminal("env NO_COLOR=1").find('\x1b'), std::string::npos);
}

// The plugin's settings page, changed as a user changes it in Project Settings.

TEST_F(FPreviewTest, AnIoStoreExportEndsByNamingThePakUtocAndUcas)
{
	const FRun Result = RunOnSample({ "new /Game/Talvyn/Pack PKG_Io", "click Add All Assets", "click Find Dependencies", "click Copy Dependencies",
		"click Find Dependencies", "setting ContainerFormat PakAndIoStore", "click Make Pak File" });
	ASSERT_EQ(Result.ExitCode, 0) << Result.Err;

	EXPECT_NE(Result.Out.find("Project Settings > Plugins > Talvyn SDK: ContainerFormat = PakAndIoStore (saved to <work>/DemoProject/Config/DefaultEditor.ini)"), std::string::npos) << Result.Out;
	const size_t Last = Result.Out.rfind("notification | Make Pak File done: PKG_Io");
	ASSERT_NE(Last, std::string::npos) << Result.Out;
	const std::string Done = Result.Out.substr(Last);
	for (const char* File : { "<work>/DemoProject/Saved/Talvyn/PKG_Io/PKG_Io.utoc (", "<work>/DemoProject/Saved/Talvyn/PKG_Io/PKG_Io.ucas (", "<work>/DemoProject/Saved/Talvyn/PKG_Io/PKG_Io.pak (" })
	{
		EXPECT_NE(Done.find(File), std::string::npos) << File << "\n" << Done;
	}
}

TEST_F(FPreviewTest, SettingNamesAnUnknownSettingOrABadValue)
{
	const FRun Unknown = RunOnSample({ "setting ContainerFromat PakAndIoStore" });
	EXPECT_EQ(Unknown.ExitCode, 1);
	EXPECT_NE(Unknown.Err.find("--do: the Talvyn SDK settings have no \"ContainerFromat\"; they are TargetPlatform, ApplicationProjectName, bCompressPak, ContainerFormat."), std::string::npos) << Unknown.Err;

	const FRun BadValue = RunOnSample({ "setting ContainerFormat Zip" });
	EXPECT_EQ(BadValue.ExitCode, 1);
	EXPECT_NE(BadValue.Err.find("--do: \"Zip\" is not a value of ContainerFormat (ETalvynContainerFormat)."), std::string::npos) << BadValue.Err;

	const FRun NoValue = RunOnSample({ "setting bCompressPak" });
	EXPECT_EQ(NoValue.ExitCode, 1);
	EXPECT_NE(NoValue.Err.find("\"setting\" needs a name and a value"), std::string::npos) << NoValue.Err;
}

// Mistakes a user makes: a clear message on stderr, a non-zero exit, never a crash.

TEST_F(FPreviewTest, UnknownButtonLabelNamesTheButtonsShown)
{
	const FRun Result = RunOnSample({ "new /Game/Talvyn/Pack PKG_Arena", "click Copy Dependencies" });
	EXPECT_EQ(Result.ExitCode, 1);
	EXPECT_NE(Result.Err.find("--do: no button labelled \"Copy Dependencies\" is on the panel; the buttons shown are \"Add All Assets\", \"Remove All Assets\", \"Find Dependencies\", \"Apply Cook Settings\", \"Make Pak File\"."), std::string::npos) << Result.Err;
}

TEST_F(FPreviewTest, PathsOutsideTheProjectAreRefused)
{
	const FRun NewOutside = RunOnSample({ "new /Engine/Talvyn PKG_Arena" });
	EXPECT_EQ(NewOutside.ExitCode, 1);
	EXPECT_NE(NewOutside.Err.find("the folder \"/Engine/Talvyn\" lies outside the project"), std::string::npos) << NewOutside.Err;

	const FRun PickOutside = RunOnSample({ "new /Game/Talvyn/Pack PKG_Arena", "pick /Engine/BasicShapes/Cylinder" });
	EXPECT_EQ(PickOutside.ExitCode, 1);
	EXPECT_NE(PickOutside.Err.find("\"/Engine/BasicShapes/Cylinder\" lies outside the project"), std::string::npos) << PickOutside.Err;

	// Inside the project but outside the package's folder: the picker does not offer it.
	const FRun PickSibling = RunOnSample({ "new /Game/Talvyn/Pack PKG_Arena", "pick /Game/Talvyn/Pack2/BP_Lamp" });
	EXPECT_EQ(PickSibling.ExitCode, 1);
	EXPECT_NE(PickSibling.Err.find("the picker does not offer /Game/Talvyn/Pack2/BP_Lamp"), std::string::npos) << PickSibling.Err;

	const FRun OpenMissing = RunOnSample({ "open /Game/Talvyn/Pack/PKG_Nowhere" });
	EXPECT_EQ(OpenMissing.ExitCode, 1);
	EXPECT_NE(OpenMissing.Err.find("the project has no asset \"/Game/Talvyn/Pack/PKG_Nowhere\""), std::string::npos) << OpenMissing.Err;

	const FRun OpenMesh = RunOnSample({ "open /Game/Talvyn/Pack/Meshes/SM_Pillar" });
	EXPECT_EQ(OpenMesh.ExitCode, 1);
	EXPECT_NE(OpenMesh.Err.find("is a StaticMesh, not a package asset"), std::string::npos) << OpenMesh.Err;
}

TEST_F(FPreviewTest, MalformedSampleFileListsEveryProblemAndRunsNothing)
{
	fs::create_directories(Scratch / "Broken");
	std::ofstream(Scratch / "Broken" / "Assets.txt") << "asset /Game/A/SM_A /Script/Engine.StaticMesh\ndep /Game/A/SM_A\nasset nope /Script/Engine.World\n";
	std::ofstream(Scratch / "Broken" / "Preview.script") << "new /Game/A PKG_A\n";
	const FRun Result = Run({ (Scratch / "Broken").string() });
	EXPECT_EQ(Result.ExitCode, 1);
	EXPECT_NE(Result.Err.find("the sample file could not be read:"), std::string::npos) << Result.Err;
	EXPECT_NE(Result.Err.find("Assets.txt:2: "), std::string::npos) << Result.Err;
	EXPECT_NE(Result.Err.find("Assets.txt:3: "), std::string::npos) << Result.Err;
	EXPECT_EQ(Result.Out.find("> new"), std::string::npos);
}

TEST_F(FPreviewTest, ScriptMistakesNameTheFileAndLine)
{
	std::ofstream(Scratch / "Typo.script") << "new /Game/Talvyn/Pack PKG_Arena\n\nclik Add All Assets\n";
	const FRun Result = Run({ PREVIEW_SAMPLE_DIR, "--script", (Scratch / "Typo.script").string() });
	EXPECT_EQ(Result.ExitCode, 1);
	EXPECT_NE(Result.Err.find("Typo.script:3: unknown action \"clik\""), std::string::npos) << Result.Err;
}

TEST_F(FPreviewTest, CommandLineMistakesShowTheUsage)
{
	const FRun NoProject = Run({});
	EXPECT_EQ(NoProject.ExitCode, 2);
	EXPECT_NE(NoProject.Err.find("no project folder given"), std::string::npos);
	EXPECT_NE(NoProject.Err.find("usage: EditorPreview"), std::string::npos);

	const FRun NotAProject = Run({ Scratch.string(), "--do", "show" });
	EXPECT_EQ(NotAProject.ExitCode, 1);
	EXPECT_NE(NotAProject.Err.find("is not a sample project: it has no Assets.txt"), std::string::npos) << NotAProject.Err;

	const FRun BadColour = Run({ PREVIEW_SAMPLE_DIR, "--color=sometimes" });
	EXPECT_EQ(BadColour.ExitCode, 2);
	EXPECT_NE(BadColour.Err.find("--color takes auto, always or never"), std::string::npos);

	const FRun NoPanel = Run({ PREVIEW_SAMPLE_DIR, "--do", "click Add All Assets" });
	EXPECT_EQ(NoPanel.ExitCode, 1);
	EXPECT_NE(NoPanel.Err.find("no package is open"), std::string::npos);
}
