// Stand-in for "<editor> <project> -run=cook -targetplatform=<P> -cookdir=<dir> ...": copies every
// package file found below each cook directory to Saved/Cooked/<P>/<Project>/Content/..., printing
// lines shaped like the cooker's.
//
// Environment, for tests:
//   FAKE_COOK_ARGS_FILE  write the arguments received, one per line (UTF-8)
//   FAKE_COOK_EXIT_CODE  fail with this exit code after printing an error line
//   FAKE_COOK_HANG       print the start lines, then wait until killed
//   FAKE_COOK_SKIP       do not cook packages whose file name contains this text

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

static std::string ValueOf(const std::vector<std::string>& Args, const std::string& Key)
{
	for (const std::string& Arg : Args)
	{
		if (Arg.size() > Key.size() && Arg.compare(0, Key.size(), Key) == 0)
		{
			return Arg.substr(Key.size());
		}
	}
	return std::string();
}

int main(int Argc, char** Argv)
{
	std::vector<std::string> Args(Argv + 1, Argv + Argc);
	if (const char* ArgsFile = std::getenv("FAKE_COOK_ARGS_FILE"))
	{
		std::ofstream Out(ArgsFile, std::ios::binary);
		for (const std::string& Arg : Args)
		{
			Out << Arg << '\n';
		}
	}
	std::setvbuf(stdout, nullptr, _IOLBF, 0);

	if (Args.empty() || ValueOf(Args, "-run=") != "cook")
	{
		std::printf("LogInit: Error: expected a project file and -run=cook\n");
		return 1;
	}
	const fs::path ProjectFile = fs::path(Args[0]);
	if (ProjectFile.extension() != ".uproject" || !fs::is_regular_file(ProjectFile))
	{
		std::printf("LogInit: Error: Could not find a valid project file %s\n", Args[0].c_str());
		return 1;
	}
	const std::string Platform = ValueOf(Args, "-targetplatform=");
	if (Platform.empty())
	{
		std::printf("LogCook: Error: No target platform specified\n");
		return 1;
	}
	const fs::path ProjectDir = ProjectFile.parent_path();
	const std::string ProjectName = ProjectFile.stem().string();
	const fs::path ContentDir = ProjectDir / "Content";

	std::printf("LogInit: Display: Running engine for game: %s\n", ProjectName.c_str());
	std::printf("LogCook: Display: CookSettings for Memory: MemoryMaxUsedVirtual 0MiB, MemoryMaxUsedPhysical 0MiB\n");

	if (std::getenv("FAKE_COOK_HANG"))
	{
		std::printf("LogCook: Display: Cooking packages...\n");
		for (;;)
		{
			std::this_thread::sleep_for(std::chrono::seconds(1));
		}
	}
	if (const char* ExitCode = std::getenv("FAKE_COOK_EXIT_CODE"))
	{
		std::printf("LogCook: Error: Unable to cook package: the package could not be loaded\n");
		std::printf("LogCook: Error: Cook failed.\n");
		return std::atoi(ExitCode);
	}

	std::vector<std::string> CookDirs;
	for (const std::string& Arg : Args)
	{
		if (Arg.compare(0, 9, "-cookdir=") == 0)
		{
			CookDirs.push_back(Arg.substr(9));
		}
	}
	const char* Skip = std::getenv("FAKE_COOK_SKIP");
	std::vector<fs::path> Packages;
	for (const std::string& Dir : CookDirs)
	{
		std::error_code Error;
		const fs::path Root = fs::path(Dir);
		if (!fs::is_directory(Root, Error))
		{
			std::printf("LogCook: Warning: Cook directory %s does not exist\n", Dir.c_str());
			continue;
		}
		for (const auto& Entry : fs::recursive_directory_iterator(Root, Error))
		{
			const fs::path Ext = Entry.path().extension();
			if (Entry.is_regular_file() && (Ext == ".uasset" || Ext == ".umap"))
			{
				if (Skip && Entry.path().filename().string().find(Skip) != std::string::npos)
				{
					continue;
				}
				Packages.push_back(Entry.path());
			}
		}
	}

	const fs::path CookedContent = ProjectDir / "Saved" / "Cooked" / Platform / ProjectName / "Content";
	size_t Done = 0;
	for (const fs::path& Package : Packages)
	{
		std::error_code Error;
		const fs::path Relative = fs::relative(Package, ContentDir, Error);
		if (Error || Relative.empty() || Relative.native().rfind("..", 0) == 0)
		{
			std::printf("LogCook: Warning: %s is not inside the project's content\n", Package.string().c_str());
			continue;
		}
		const fs::path Target = CookedContent / Relative;
		fs::create_directories(Target.parent_path(), Error);
		fs::copy_file(Package, Target, fs::copy_options::overwrite_existing, Error);
		fs::path Exports = Target;
		Exports.replace_extension(".uexp");
		std::ofstream(Exports, std::ios::binary) << "exports of " << Relative.string() << '\n';
		++Done;
		std::printf("LogCook: Display: Cooked packages %zu Packages Remain %zu Total %zu\n", Done, Packages.size() - Done, Packages.size());
	}
	std::printf("LogCook: Display: Done!\n");
	std::printf("LogCook: Display: Cook by the book total time in tick 0.01s total time 0.02s\n");
	std::printf("Success - 0 error(s), 0 warning(s)\n");
	return 0;
}
