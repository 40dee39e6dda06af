// EditorPreview: the package asset's panel, and what its buttons do, without the editor.
//
//   EditorPreview <project folder> [--do "<action>"]... [--script <file>] [--interactive] [--color=auto|always|never]
//
// Without actions it runs <project folder>/Preview.script.

#include "PreviewSession.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
	const char* const Usage =
		"usage: EditorPreview <project folder> [--do \"<action>\"]... [--script <file>] [--interactive] [--color=auto|always|never]\n"
		"\n"
		"Shows the details panel of a package asset in the sample project and runs actions on it.\n"
		"Without actions, runs <project folder>/Preview.script.\n"
		"\n"
		"actions:\n"
		"  new <folder> <name>   create a package asset, as the Content Browser's Talvyn > Package entry does\n"
		"  open <asset path>     open an existing package asset\n"
		"  click <label>         click the button with that label\n"
		"  cook                  run the package's Cook Assets command (the panel has no button for it)\n"
		"  modify <asset path>   change an asset in the editor without saving it\n"
		"  setting <name> <value> set a setting of Project Settings > Plugins > Talvyn SDK\n"
		"  pick <asset path>     choose an asset in the \"Add Asset\" picker\n"
		"  undo                  undo the latest change (Edit > Undo);  redo  redo it\n"
		"  expand <group>        open a group;  collapse <group>  close it\n"
		"  search <text>         type into the panel's search box (empty clears it)\n"
		"  picker                list the assets the picker offers\n"
		"  show                  print the panel\n"
		"  quit                  stop\n";

	/** One action and where it came from, for messages. */
	struct FAction
	{
		std::string Line;
		std::string Origin;
	};

	int Fail(const std::string& Message, int ExitCode)
	{
		std::fflush(stdout);
		std::fprintf(stderr, "EditorPreview: error: %s\n", Message.c_str());
		return ExitCode;
	}

	bool ReadScript(const std::string& File, std::vector<FAction>& OutActions)
	{
		std::ifstream Stream(File);
		if (!Stream)
		{
			return false;
		}
		std::string Line;
		for (int LineNumber = 1; std::getline(Stream, Line); ++LineNumber)
		{
			OutActions.push_back({ Line, File + ":" + std::to_string(LineNumber) });
		}
		return true;
	}
}

int main(int Argc, char** Argv)
{
	std::string ProjectDir;
	std::vector<FAction> Actions;
	bool bInteractive = false;
	bool bHaveActions = false;
	std::string ColorMode = "auto";

	for (int Index = 1; Index < Argc; ++Index)
	{
		const std::string Argument = Argv[Index];
		if (Argument == "-h" || Argument == "--help")
		{
			std::fputs(Usage, stdout);
			return 0;
		}
		if (Argument == "--do" || Argument == "--script")
		{
			if (Index + 1 >= Argc)
			{
				return Fail(Argument + " needs a value.\n" + Usage, 2);
			}
			const std::string Value = Argv[++Index];
			bHaveActions = true;
			if (Argument == "--do")
			{
				Actions.push_back({ Value, "--do" });
			}
			else if (!ReadScript(Value, Actions))
			{
				return Fail("cannot read the script \"" + Value + "\".", 2);
			}
		}
		else if (Argument == "--interactive")
		{
			bInteractive = true;
			bHaveActions = true;
		}
		else if (Argument.rfind("--color=", 0) == 0)
		{
			ColorMode = Argument.substr(8);
			if (ColorMode != "auto" && ColorMode != "always" && ColorMode != "never")
			{
				return Fail("--color takes auto, always or never, not \"" + ColorMode + "\".", 2);
			}
		}
		else if (!Argument.empty() && Argument[0] == '-')
		{
			return Fail("unknown option \"" + Argument + "\".\n" + Usage, 2);
		}
		else if (ProjectDir.empty())
		{
			ProjectDir = Argument;
		}
		else
		{
			return Fail("one project folder only; \"" + Argument + "\" is one too many.\n" + Usage, 2);
		}
	}
	if (ProjectDir.empty())
	{
		return Fail(std::string("no project folder given.\n") + Usage, 2);
	}

	if (!bHaveActions)
	{
		const std::string DefaultScript = (std::filesystem::path(ProjectDir) / "Preview.script").string();
		if (std::filesystem::is_directory(ProjectDir) && !ReadScript(DefaultScript, Actions))
		{
			return Fail("no actions given and no default script \"" + DefaultScript + "\".", 2);
		}
	}

	FPreviewSession::FOptions Options;
	Options.ProjectDir = ProjectDir;
	const char* const NoColor = std::getenv("NO_COLOR");
	Options.bColor = ColorMode == "always" || (ColorMode == "auto" && isatty(STDOUT_FILENO) && (NoColor == nullptr || NoColor[0] == '\0'));

	try
	{
		FPreviewSession Session(Options);
		Session.Start();
		for (const FAction& Action : Actions)
		{
			try
			{
				if (!Session.RunAction(Action.Line))
				{
					return 0;
				}
			}
			catch (const FPreviewError& Error)
			{
				return Fail(Action.Origin + ": " + Error.what(), 1);
			}
		}
		if (bInteractive)
		{
			std::string Line;
			while (true)
			{
				if (isatty(STDIN_FILENO))
				{
					Session.Print("preview> ");
				}
				if (!std::getline(std::cin, Line))
				{
					break;
				}
				try
				{
					if (!Session.RunAction(Line))
					{
						break;
					}
				}
				catch (const FPreviewError& Error)
				{
					// At the prompt a mistake is told and the session goes on.
					std::fflush(stdout);
					std::fprintf(stderr, "EditorPreview: error: %s\n", Error.what());
				}
			}
		}
	}
	catch (const FPreviewError& Error)
	{
		return Fail(Error.what(), 1);
	}
	return 0;
}
