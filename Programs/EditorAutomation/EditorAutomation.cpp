// The editor's "Automation RunTests <filter>" without the editor: starts the plugin's modules on an empty project,
// runs every registered automation test whose path contains the filter, one case at a time, and reports each case
// by name, failures with their messages, and a summary line. Exit code 0 when every case passed.

#include "HostTest/CoreProbe.h"
#include "HostTest/ExportProbe.h"
#include "HostTest/ModuleProbe.h"
#include "Misc/AutomationTest.h"
#include "Modules/ModuleManager.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace EditorAutomation
{
	static std::string ToUtf8(const FString& Text)
	{
		return std::string(TCHAR_TO_UTF8(*Text));
	}

	static void Print(const std::string& Text)
	{
		std::fputs(Text.c_str(), stdout);
		std::fflush(stdout);
	}

	static const char* DescribeEvent(EAutomationEventType Type)
	{
		switch (Type)
		{
		case EAutomationEventType::Error: return "Error";
		case EAutomationEventType::Warning: return "Warning";
		default: return "Info";
		}
	}
}

int main(int ArgumentCount, char** Arguments)
{
	using namespace EditorAutomation;
	namespace fs = std::filesystem;

	const std::string Usage = "usage: EditorAutomation [<filter>]\n  Runs the automation tests whose path contains <filter> (default: Talvyn), as\n  UnrealEditor-Cmd <project> -ExecCmds=\"Automation RunTests <filter>;Quit\" -unattended -nullrhi does.\n";
	FString Filter = TEXT("Talvyn");
	if (ArgumentCount > 2 || (ArgumentCount == 2 && (std::string(Arguments[1]) == "--help" || std::string(Arguments[1]) == "-h")))
	{
		Print(Usage);
		return ArgumentCount > 2 ? 2 : 0;
	}
	if (ArgumentCount == 2)
	{
		Filter = FString(UTF8_TO_TCHAR(Arguments[1]));
	}

	// An empty project: the tests make the content they need in folders of their own and remove it afterwards.
	char Template[] = "/tmp/EditorAutomation-XXXXXX";
	if (mkdtemp(Template) == nullptr)
	{
		Print("EditorAutomation: could not make a project folder in /tmp.\n");
		return 2;
	}
	const fs::path WorkRoot = Template;
	const fs::path Project = WorkRoot / "AutomationProject";
	fs::create_directories(Project / "Content");
	fs::create_directories(Project / "Config");
	std::ofstream(Project / "AutomationProject.uproject") << "{ \"FileVersion\": 3 }\n";
	HostTest::SetProjectDirectory(FString(UTF8_TO_TCHAR(Project.string().c_str())), TEXT("AutomationProject"));
	HostTest::SetEngineDirectory(FString(UTF8_TO_TCHAR((WorkRoot / "Engine").string().c_str())));
	HostTest::SetLogEcho(false);

	// The editor's own modules are up before it starts the plugin's modules from the descriptor, runtime first.
	int ExitCode = 0;
	for (const TCHAR* ModuleName : { TEXT("AssetRegistry"), TEXT("AssetTools"), TEXT("PropertyEditor"), TEXT("UnrealEd"), TEXT("TalvynSDKBase"), TEXT("TalvynSDKBaseEditor") })
	{
		if (FModuleManager::Get().LoadModule(FName(ModuleName)) == nullptr)
		{
			Print("EditorAutomation: the module " + ToUtf8(ModuleName) + " could not be loaded.\n");
			ExitCode = 2;
		}
	}

	int32 Passed = 0;
	int32 Failed = 0;
	if (ExitCode == 0)
	{
		FAutomationTestFramework& Framework = FAutomationTestFramework::Get();
		TArray<FAutomationTestInfo> Cases;
		Framework.GetValidTestNames(Cases);
		// Tests in the order of their names, as the editor lists them; the cases of a test in the order they were defined.
		auto TestPathOf = [](const FAutomationTestInfo& Case) { return Case.GetFullTestPath().LeftChop(Case.GetDisplayName().Len() + 1); };
		Cases.StableSort([&TestPathOf](const FAutomationTestInfo& A, const FAutomationTestInfo& B) { return TestPathOf(A) < TestPathOf(B); });

		FString CurrentTest;
		for (const FAutomationTestInfo& Case : Cases)
		{
			if (!Case.GetFullTestPath().Contains(Filter, ESearchCase::IgnoreCase) || EnumHasAnyFlags(Case.GetTestFlags(), EAutomationTestFlags::Disabled))
			{
				continue;
			}
			const FString TestPath = TestPathOf(Case);
			if (TestPath != CurrentTest)
			{
				CurrentTest = TestPath;
				Print(ToUtf8(TestPath) + "\n");
			}

			FAutomationTestExecutionInfo Result;
			bool bPassed = Framework.StartTestByName(Case.GetTestName() + TEXT(" ") + Case.GetTestParameter(), 0, Case.GetFullTestPath());
			if (bPassed)
			{
				while (!Framework.ExecuteLatentCommands())
				{
				}
				bPassed = Framework.StopTest(Result);
			}
			(bPassed ? Passed : Failed) += 1;
			Print(std::string(bPassed ? "  Passed  " : "  FAILED  ") + ToUtf8(Case.GetDisplayName()) + "\n");
			for (const FAutomationExecutionEntry& Entry : Result.GetEntries())
			{
				if (Entry.Event.Type != EAutomationEventType::Info || !bPassed)
				{
					Print(std::string("          ") + DescribeEvent(Entry.Event.Type) + ": " + ToUtf8(Entry.Event.Message) + "\n");
				}
			}
		}
		if (Passed + Failed == 0)
		{
			Print("EditorAutomation: no automation test matches \"" + ToUtf8(Filter) + "\".\n");
			ExitCode = 1;
		}
	}
	Print(std::to_string(Passed) + " passed, " + std::to_string(Failed) + " failed\n");

	// The tests run in users' projects too: whatever they make there they must remove.
	std::error_code Error;
	for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(Project / "Content", Error))
	{
		Print("EditorAutomation: left in the project's content folder: " + fs::relative(Entry.path(), Project / "Content", Error).string() + "\n");
		ExitCode = 1;
	}

	HostTest::UnloadAllModules();
	fs::remove_all(WorkRoot, Error);
	return ExitCode != 0 ? ExitCode : (Failed > 0 ? 1 : 0);
}
