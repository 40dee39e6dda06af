// Stand-in for "<editor> <project> -run=cook -targetplatform=<P> ...": cooks the host's package files
// (text files, see UnrealEd's FileHelpers) into loose cooked files, printing lines shaped like the cooker's.
//
// What it honours, as the real cook does:
//   -cookdir=<dir>       every .uasset below the folder (never .umap: maps are requested with -map)
//   -map=<A+B+...>       maps, by long package name (/Game/Maps/L_Arena) or by short name
//   -OutputDir=<dir>     the platform's output folder (default <project>/Saved/Cooked/<P>); files go to <dir>/<Project>/Content/...
//   -iterate             keeps what is cooked and recooks only packages whose source is newer; without it the
//                        output folder is deleted first
//   -SkipZenStore        writes loose files even when the project cooks into a Zen store (bUseZenStore=True)
//   -ini:Game:[/Script/UnrealEd.ProjectPackagingSettings]:bShareMaterialShaderCode=False
//                        each material carries its own shader code; otherwise (the project's default) its code goes
//                        to a shared shader library and the material keeps only hashes
//   -abslog=<file>       a copy of the output
// It writes per package .uasset/.umap and .uexp; textures also .ubulk, .m.ubulk and .uptnl; a map with external
// actors (Content/__ExternalActors__/<map path>/) also the World Partition packages <Map>/_Generated_/*; and
// <Project>/Metadata/packagestore.manifest (one line per cooked package) and scriptobjects.bin. It repeats its
// errors and warnings in a closing "Warning/Error Summary" and exits with 1 when it logged an error.
//
// Environment, for tests:
//   FAKE_COOK_ARGS_FILE  write the arguments received, one per line (UTF-8)
//   FAKE_COOK_EXIT_CODE  log an error for the first package, and exit with this code
//   FAKE_COOK_WARN       log this warning once
//   FAKE_COOK_PID_FILE   write the process id
//   FAKE_COOK_HANG       print the start lines, then wait until killed; with "after", cook first, then wait
//   FAKE_COOK_NO_METADATA  write no <Project>/Metadata (as a cook into a Zen store leaves it out)
//   FAKE_COOK_SKIP       do not cook packages whose file name contains this text (silently, as a cook that misses one)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
	std::ofstream LogFile;
	std::vector<std::string> Diagnostics;

	void Print(const std::string& Line)
	{
		std::printf("%s\n", Line.c_str());
		if (LogFile)
		{
			LogFile << Line << '\n';
			LogFile.flush();
		}
	}

	void Diagnostic(const std::string& Line)
	{
		Print(Line);
		Diagnostics.push_back(Line);
	}

	std::string ValueOf(const std::vector<std::string>& Args, const std::string& Key)
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

	bool HasSwitch(const std::vector<std::string>& Args, const std::string& Switch)
	{
		for (const std::string& Arg : Args)
		{
			if (Arg.size() == Switch.size() && std::equal(Arg.begin(), Arg.end(), Switch.begin(), [](char A, char B) { return std::tolower(A) == std::tolower(B); }))
			{
				return true;
			}
		}
		return false;
	}

	std::string ReadFile(const fs::path& File)
	{
		std::ifstream Stream(File, std::ios::binary);
		return std::string((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
	}

	/** A key of the project's DefaultGame.ini packaging section, or Default. */
	bool ReadPackagingBool(const fs::path& ProjectDir, const std::string& Key, bool Default)
	{
		std::ifstream Ini(ProjectDir / "Config" / "DefaultGame.ini");
		std::string Line;
		bool bInSection = false;
		bool Value = Default;
		while (std::getline(Ini, Line))
		{
			if (!Line.empty() && Line.back() == '\r')
			{
				Line.pop_back();
			}
			if (!Line.empty() && Line[0] == '[')
			{
				bInSection = Line == "[/Script/UnrealEd.ProjectPackagingSettings]";
				continue;
			}
			if (bInSection && Line.rfind(Key + "=", 0) == 0)
			{
				const std::string Text = Line.substr(Key.size() + 1);
				Value = Text == "True" || Text == "true" || Text == "1";
			}
		}
		return Value;
	}

	struct FPackage
	{
		fs::path Source;
		fs::path Relative;
	};
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
	if (const char* PidFile = std::getenv("FAKE_COOK_PID_FILE"))
	{
		std::ofstream(PidFile) << getpid() << '\n';
	}
	const std::string AbsLog = ValueOf(Args, "-abslog=");
	if (!AbsLog.empty())
	{
		std::error_code Error;
		fs::create_directories(fs::path(AbsLog).parent_path(), Error);
		LogFile.open(AbsLog, std::ios::binary | std::ios::trunc);
	}

	if (Args.empty() || ValueOf(Args, "-run=") != "cook")
	{
		Print("LogInit: Error: expected a project file and -run=cook");
		return 1;
	}
	const fs::path ProjectFile = fs::path(Args[0]);
	if (ProjectFile.extension() != ".uproject" || !fs::is_regular_file(ProjectFile))
	{
		Print("LogInit: Error: Could not find a valid project file " + Args[0]);
		return 1;
	}
	const std::string Platform = ValueOf(Args, "-targetplatform=");
	if (Platform.empty())
	{
		Print("LogCook: Error: No target platform specified");
		return 1;
	}
	const fs::path ProjectDir = ProjectFile.parent_path();
	const std::string ProjectName = ProjectFile.stem().string();
	const fs::path ContentDir = ProjectDir / "Content";

	Print("LogInit: Display: Running engine for game: " + ProjectName);
	Print("LogCook: Display: CookSettings for Memory: MemoryMaxUsedVirtual 0MiB, MemoryMaxUsedPhysical 0MiB");

	const char* const Hang = std::getenv("FAKE_COOK_HANG");
	if (Hang != nullptr && std::string(Hang) != "after")
	{
		Print("LogCook: Display: Cooking packages...");
		for (;;)
		{
			std::this_thread::sleep_for(std::chrono::seconds(1));
		}
	}

	const std::string OutputOverride = ValueOf(Args, "-OutputDir=");
	const fs::path OutputDir = OutputOverride.empty() ? ProjectDir / "Saved" / "Cooked" / Platform : fs::path(OutputOverride);
	const fs::path CookedContent = OutputDir / ProjectName / "Content";
	const bool bIterate = HasSwitch(Args, "-iterate");
	std::error_code Error;
	if (!bIterate && fs::exists(OutputDir, Error))
	{
		Print("LogCook: Display: Deleting cooked folder " + OutputDir.string());
		fs::remove_all(OutputDir, Error);
	}

	bool bShareShaderCode = ReadPackagingBool(ProjectDir, "bShareMaterialShaderCode", true);
	for (const std::string& Arg : Args)
	{
		if (Arg == "-ini:Game:[/Script/UnrealEd.ProjectPackagingSettings]:bShareMaterialShaderCode=False")
		{
			bShareShaderCode = false;
		}
		else if (Arg == "-ini:Game:[/Script/UnrealEd.ProjectPackagingSettings]:bShareMaterialShaderCode=True")
		{
			bShareShaderCode = true;
		}
	}
	if (ReadPackagingBool(ProjectDir, "bUseZenStore", false) && !HasSwitch(Args, "-SkipZenStore"))
	{
		Print("LogZenStore: Display: Cooking into the Zen store; no loose files are written");
		Print("LogCook: Display: Done!");
		Print("Success - 0 error(s), 0 warning(s)");
		return 0;
	}

	// What to cook: the .uasset files below each -cookdir, and the maps of -map.
	const char* Skip = std::getenv("FAKE_COOK_SKIP");
	std::vector<FPackage> Packages;
	std::set<fs::path> Requested;
	auto Request = [&](const fs::path& Source)
	{
		const fs::path Relative = fs::relative(Source, ContentDir, Error);
		if (Error || Relative.empty() || Relative.native().rfind("..", 0) == 0)
		{
			Diagnostic("LogCook: Warning: " + Source.string() + " is not inside the project's content");
			return;
		}
		if (Relative.native().rfind("__ExternalActors__", 0) == 0 || (Skip && Source.filename().string().find(Skip) != std::string::npos))
		{
			return;
		}
		if (Requested.insert(Relative).second)
		{
			Packages.push_back(FPackage{ Source, Relative });
		}
	};
	for (const std::string& Arg : Args)
	{
		if (Arg.compare(0, 9, "-cookdir=") != 0)
		{
			continue;
		}
		const fs::path Root = fs::path(Arg.substr(9));
		if (!fs::is_directory(Root, Error))
		{
			Diagnostic("LogCook: Warning: Cook directory " + Root.string() + " does not exist");
			continue;
		}
		for (const auto& Entry : fs::recursive_directory_iterator(Root, Error))
		{
			if (Entry.is_regular_file() && Entry.path().extension() == ".uasset")
			{
				Request(Entry.path());
			}
		}
	}
	std::stringstream Maps(ValueOf(Args, "-map="));
	std::string Map;
	while (std::getline(Maps, Map, '+'))
	{
		fs::path Source;
		if (Map.rfind("/Game/", 0) == 0)
		{
			Source = ContentDir / (Map.substr(6) + ".umap");
		}
		else
		{
			for (const auto& Entry : fs::recursive_directory_iterator(ContentDir, Error))
			{
				if (Entry.is_regular_file() && Entry.path().extension() == ".umap" && Entry.path().stem() == Map)
				{
					Source = Entry.path();
				}
			}
		}
		if (Source.empty() || !fs::is_regular_file(Source, Error))
		{
			Diagnostic("LogCook: Error: Unable to find the map " + Map + " to cook");
			continue;
		}
		Request(Source);
	}

	// Unchanged packages of an earlier cook stay as they are.
	std::vector<FPackage> ToCook;
	for (const FPackage& Package : Packages)
	{
		const fs::path Target = CookedContent / Package.Relative;
		if (bIterate && fs::exists(Target, Error) && fs::last_write_time(Target, Error) >= fs::last_write_time(Package.Source, Error))
		{
			continue;
		}
		ToCook.push_back(Package);
	}
	Print("LogCook: Display: " + std::to_string(Packages.size() - ToCook.size()) + " packages are up to date; cooking " + std::to_string(ToCook.size()));

	if (const char* Warning = std::getenv("FAKE_COOK_WARN"))
	{
		Diagnostic(std::string("LogCook: Warning: ") + Warning);
	}
	const char* const ExitCode = std::getenv("FAKE_COOK_EXIT_CODE");
	if (ExitCode != nullptr)
	{
		Diagnostic("LogCook: Error: Unable to cook package " + (Packages.empty() ? std::string("(none)") : Packages[0].Relative.generic_string()) + ": the package could not be loaded");
	}
	bool bSharedShadersWritten = false;
	size_t Done = 0;
	for (const FPackage& Package : ToCook)
	{
		const std::string Text = ReadFile(Package.Source);
		const fs::path Target = CookedContent / Package.Relative;
		fs::create_directories(Target.parent_path(), Error);
		fs::path Base = Target;
		Base.replace_extension();
		{
			std::ofstream Header(Target, std::ios::binary | std::ios::trunc);
			Header << "cooked " << Package.Relative.generic_string() << " for " << Platform << '\n';
		}
		std::ofstream Exports(Base.string() + ".uexp", std::ios::binary | std::ios::trunc);
		Exports << Text;
		if (Text.find(" /Script/Engine.Material\n") != std::string::npos)
		{
			Exports << (bShareShaderCode ? "shader code: in the shared library (hashes only)\n" : "shader code: inline\n");
			bSharedShadersWritten |= bShareShaderCode;
		}
		if (Text.find(" /Script/Engine.Texture2D\n") != std::string::npos)
		{
			std::ofstream(Base.string() + ".ubulk", std::ios::binary) << "bulk data of " << Package.Relative.generic_string() << '\n';
			std::ofstream(Base.string() + ".m.ubulk", std::ios::binary) << "memory-mapped bulk data of " << Package.Relative.generic_string() << '\n';
			std::ofstream(Base.string() + ".uptnl", std::ios::binary) << "optional bulk data of " << Package.Relative.generic_string() << '\n';
		}
		// A World Partition map: its actors live in packages of their own, which the cook turns into generated cells.
		fs::path Actors = ContentDir / "__ExternalActors__" / Package.Relative;
		Actors.replace_extension();
		if (Package.Relative.extension() == ".umap" && fs::is_directory(Actors, Error))
		{
			const fs::path Generated = Base / "_Generated_";
			fs::create_directories(Generated, Error);
			int Cell = 0;
			for (const auto& Entry : fs::recursive_directory_iterator(Actors, Error))
			{
				if (Entry.is_regular_file() && Entry.path().extension() == ".uasset")
				{
					const std::string Name = "MainGrid_L0_X" + std::to_string(Cell++) + "_Y0";
					std::ofstream(Generated / (Name + ".umap"), std::ios::binary) << "cooked cell " << Name << '\n';
					std::ofstream(Generated / (Name + ".uexp"), std::ios::binary) << "actors of " << Entry.path().filename().string() << '\n';
				}
			}
		}
		++Done;
		Print("LogCook: Display: Cooked packages " + std::to_string(Done) + " Packages Remain " + std::to_string(ToCook.size() - Done) + " Total " + std::to_string(ToCook.size()));
	}
	if (Hang != nullptr)
	{
		for (;;)
		{
			std::this_thread::sleep_for(std::chrono::seconds(1));
		}
	}
	if (bSharedShadersWritten)
	{
		std::ofstream(CookedContent / ("ShaderArchive-" + ProjectName + "-PCD3D_SM5.ushaderbytecode"), std::ios::binary) << "shared shader library\n";
	}

	// What a loose cook writes beside the content for IoStore containers.
	const fs::path Metadata = OutputDir / ProjectName / "Metadata";
	if (std::getenv("FAKE_COOK_NO_METADATA") == nullptr)
	{
		fs::create_directories(Metadata, Error);
		std::ofstream Manifest(Metadata / "packagestore.manifest", std::ios::binary | std::ios::trunc);
		for (const FPackage& Package : Packages)
		{
			fs::path Name = fs::path("/Game") / Package.Relative;
			Name.replace_extension();
			Manifest << "package " << Name.generic_string() << '\n';
		}
		std::ofstream(Metadata / "scriptobjects.bin", std::ios::binary | std::ios::trunc) << "script objects\n";
	}

	size_t Errors = 0;
	size_t Warnings = 0;
	for (const std::string& Line : Diagnostics)
	{
		(Line.find("Error: ") != std::string::npos ? Errors : Warnings) += 1;
	}
	Print("LogCook: Display: Done!");
	if (!Diagnostics.empty())
	{
		Print("LogInit: Display: ");
		Print("LogInit: Display: Warning/Error Summary (Unique only)");
		Print("LogInit: Display: -----------------------------------");
		for (const std::string& Line : Diagnostics)
		{
			Print("LogInit: Display: " + Line);
		}
	}
	if (Errors > 0)
	{
		Print("Failure - " + std::to_string(Errors) + " error(s), " + std::to_string(Warnings) + " warning(s)");
		return ExitCode != nullptr ? std::atoi(ExitCode) : 1;
	}
	Print("Success - 0 error(s), " + std::to_string(Warnings) + " warning(s)");
	return 0;
}
