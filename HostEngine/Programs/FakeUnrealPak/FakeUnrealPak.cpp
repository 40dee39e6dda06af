// Stand-in for UnrealPak, in its two forms the export uses:
//
// "UnrealPak <pak> -create=<response file> [-compressionformats=<F>]": packs the files the response file lists
// into <pak>. Each line is read as the real tool reads it: whitespace-separated tokens, quotes grouping, the
// source path, the destination path, then switches such as -compress. The mount point is the common directory
// of the destinations (printed); an empty list makes a pak with no entries.
//
// "UnrealPak <project> -CreateDLCContainer=<.uplugin> -CookedDirectory=<dir> -PackageStoreManifest=<file>
// -ScriptObjects=<file> -Commands=<commands file>": for each line of the commands file
// (-Output=<.utoc> -ContainerName=<Name> -ResponseFile=<IoStore list>) writes <Name>.utoc (the entries, as text
// lines "<destination> <offset> <size>") and <Name>.ucas (their bytes) beside the -Output path. Every input named
// must exist; a .uexp line in the IoStore list is rejected (the container merges .uexp files with their package).
//
// The .pak it writes: the bytes of every file one after the other, then an index (per file: u32
// length and UTF-8 bytes of the mount path, u64 offset, u64 size), then a footer (u32 file count,
// u64 index offset, the 8 bytes "HOSTPAK1"). All integers little-endian.
//
// Environment, for tests:
//   FAKE_UNREALPAK_ARGS_FILE  write the arguments received, one per line (UTF-8)
//   FAKE_UNREALPAK_EXIT_CODE  fail with this exit code after printing an error line
//   FAKE_UNREALPAK_HANG       wait until killed

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

struct FEntry
{
	std::string Source;
	std::string Mount;
	bool bCompress = false;
};

static std::vector<std::string> SplitQuoted(const std::string& Line)
{
	std::vector<std::string> Words;
	std::string Current;
	bool bInQuotes = false;
	bool bHaveWord = false;
	for (char Char : Line)
	{
		if (Char == '"')
		{
			bInQuotes = !bInQuotes;
			bHaveWord = true;
		}
		else if ((Char == ' ' || Char == '\t' || Char == '\r') && !bInQuotes)
		{
			if (bHaveWord)
			{
				Words.push_back(Current);
				Current.clear();
				bHaveWord = false;
			}
		}
		else
		{
			Current += Char;
			bHaveWord = true;
		}
	}
	if (bHaveWord)
	{
		Words.push_back(Current);
	}
	return Words;
}

template<typename T>
static void WriteLE(std::ofstream& Out, T Value)
{
	for (size_t Byte = 0; Byte < sizeof(T); ++Byte)
	{
		Out.put(static_cast<char>((static_cast<uint64_t>(Value) >> (8 * Byte)) & 0xFF));
	}
}

static std::string ValueOf(const std::vector<std::string>& Args, const std::string& Key)
{
	for (const std::string& Arg : Args)
	{
		if (Arg.size() > Key.size() && std::equal(Key.begin(), Key.end(), Arg.begin(), [](char A, char B) { return std::tolower(A) == std::tolower(B); }))
		{
			return Arg.substr(Key.size());
		}
	}
	return std::string();
}

/** Reads a list of "source" "destination" [switches] lines; false, after printing why, for a malformed one. */
static bool ReadFileList(const std::string& Path, std::vector<FEntry>& OutEntries)
{
	std::ifstream Response(fs::path(Path), std::ios::binary);
	if (!Response)
	{
		std::printf("LogPakFile: Error: Failed to load %s\n", Path.c_str());
		return false;
	}
	std::string Line;
	while (std::getline(Response, Line))
	{
		if (Line.size() >= 3 && Line.compare(0, 3, "\xEF\xBB\xBF") == 0)
		{
			Line.erase(0, 3);
		}
		const std::vector<std::string> Words = SplitQuoted(Line);
		if (Words.empty())
		{
			continue;
		}
		if (Words.size() < 2 || Words[1].empty() || Words[1][0] == '-')
		{
			std::printf("LogPakFile: Error: Malformed response file line: %s\n", Line.c_str());
			return false;
		}
		FEntry Entry{ Words[0], Words[1] };
		for (size_t Index = 2; Index < Words.size(); ++Index)
		{
			if (Words[Index] == "-compress")
			{
				Entry.bCompress = true;
			}
			else if (Words[Index].empty() || Words[Index][0] != '-')
			{
				std::printf("LogPakFile: Error: Malformed response file line (more than two paths): %s\n", Line.c_str());
				return false;
			}
		}
		OutEntries.push_back(Entry);
	}
	return true;
}

static bool RequireFile(const std::string& What, const std::string& Path)
{
	std::error_code Error;
	if (Path.empty() || !fs::exists(fs::path(Path), Error))
	{
		std::printf("LogIoStore: Error: %s '%s' does not exist\n", What.c_str(), Path.c_str());
		return false;
	}
	return true;
}

static int CreateContainers(const std::vector<std::string>& Args)
{
	const std::string Plugin = ValueOf(Args, "-CreateDLCContainer=");
	const std::string CookedDirectory = ValueOf(Args, "-CookedDirectory=");
	const std::string Manifest = ValueOf(Args, "-PackageStoreManifest=");
	const std::string ScriptObjects = ValueOf(Args, "-ScriptObjects=");
	const std::string Commands = ValueOf(Args, "-Commands=");
	if (Args.empty() || fs::path(Args[0]).extension() != ".uproject" || !RequireFile("Project", Args[0]) || !RequireFile("DLC plugin", Plugin)
		|| !RequireFile("Cooked directory", CookedDirectory) || !RequireFile("Package store manifest", Manifest)
		|| !RequireFile("Script objects", ScriptObjects) || !RequireFile("Commands file", Commands))
	{
		return 1;
	}
	std::ifstream CommandLines(fs::path(Commands), std::ios::binary);
	std::string Line;
	int Containers = 0;
	while (std::getline(CommandLines, Line))
	{
		const std::vector<std::string> Words = SplitQuoted(Line);
		if (Words.empty())
		{
			continue;
		}
		const std::string Output = ValueOf(Words, "-Output=");
		const std::string ContainerName = ValueOf(Words, "-ContainerName=");
		const std::string ResponseFile = ValueOf(Words, "-ResponseFile=");
		if (Output.empty() || ContainerName.empty() || !RequireFile("Response file", ResponseFile))
		{
			std::printf("LogIoStore: Error: Malformed commands line: %s\n", Line.c_str());
			return 1;
		}
		std::vector<FEntry> Entries;
		if (!ReadFileList(ResponseFile, Entries))
		{
			return 1;
		}
		fs::path Toc = fs::path(Output);
		Toc.replace_extension(".utoc");
		fs::path Cas = Toc;
		Cas.replace_extension(".ucas");
		std::ofstream TocOut(Toc, std::ios::binary | std::ios::trunc);
		std::ofstream CasOut(Cas, std::ios::binary | std::ios::trunc);
		uint64_t Offset = 0;
		for (const FEntry& Entry : Entries)
		{
			if (fs::path(Entry.Source).extension() == ".uexp")
			{
				std::printf("LogIoStore: Error: '%s' is a .uexp file; list the package, whose exports the container merges in\n", Entry.Source.c_str());
				TocOut.close();
				CasOut.close();
				std::error_code Error;
				fs::remove(Toc, Error);
				fs::remove(Cas, Error);
				return 1;
			}
			std::ifstream Source(fs::path(Entry.Source), std::ios::binary);
			if (!Source)
			{
				std::printf("LogIoStore: Error: Failed to open \"%s\" for reading\n", Entry.Source.c_str());
				return 1;
			}
			std::string Bytes((std::istreambuf_iterator<char>(Source)), std::istreambuf_iterator<char>());
			// A package's exports travel with it.
			fs::path Exports = fs::path(Entry.Source);
			Exports.replace_extension(".uexp");
			if (fs::path(Entry.Source).extension() == ".uasset" || fs::path(Entry.Source).extension() == ".umap")
			{
				std::ifstream ExportsIn(Exports, std::ios::binary);
				Bytes += std::string((std::istreambuf_iterator<char>(ExportsIn)), std::istreambuf_iterator<char>());
			}
			CasOut.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
			TocOut << Entry.Mount << ' ' << Offset << ' ' << Bytes.size() << '\n';
			Offset += Bytes.size();
		}
		std::printf("LogIoStore: Display: Container %s: %zu entries, %llu bytes in %s\n", ContainerName.c_str(), Entries.size(), static_cast<unsigned long long>(Offset), Toc.string().c_str());
		++Containers;
	}
	if (Containers == 0)
	{
		std::printf("LogIoStore: Error: The commands file %s names no container\n", Commands.c_str());
		return 1;
	}
	std::printf("LogIoStore: Display: IoStore executed in 0.01 seconds\n");
	return 0;
}

int main(int Argc, char** Argv)
{
	std::vector<std::string> Args(Argv + 1, Argv + Argc);
	if (const char* ArgsFile = std::getenv("FAKE_UNREALPAK_ARGS_FILE"))
	{
		std::ofstream Out(ArgsFile, std::ios::binary);
		for (const std::string& Arg : Args)
		{
			Out << Arg << '\n';
		}
	}
	std::setvbuf(stdout, nullptr, _IOLBF, 0);
	std::printf("LogPakFile: Display: Using command line for crypto configuration\n");

	if (std::getenv("FAKE_UNREALPAK_HANG"))
	{
		for (;;)
		{
			std::this_thread::sleep_for(std::chrono::seconds(1));
		}
	}
	if (const char* ExitCode = std::getenv("FAKE_UNREALPAK_EXIT_CODE"))
	{
		std::printf("LogPakFile: Error: Unable to create pak file\n");
		return std::atoi(ExitCode);
	}

	if (!ValueOf(Args, "-CreateDLCContainer=").empty())
	{
		return CreateContainers(Args);
	}

	std::string PakPath;
	std::string ResponsePath;
	for (const std::string& Arg : Args)
	{
		if (Arg.compare(0, 8, "-create=") == 0)
		{
			ResponsePath = Arg.substr(8);
		}
		else if (!Arg.empty() && Arg[0] != '-' && PakPath.empty())
		{
			PakPath = Arg;
		}
	}
	if (PakPath.empty() || ResponsePath.empty())
	{
		std::printf("LogPakFile: Error: No pak file name or -create response file specified\n");
		return 1;
	}

	std::vector<FEntry> Entries;
	if (!ReadFileList(ResponsePath, Entries))
	{
		return 1;
	}
	std::printf("LogPakFile: Display: Loaded %zu entries from %s\n", Entries.size(), ResponsePath.c_str());
	// The mount point: the directory all destinations share.
	std::string MountPoint;
	for (size_t Index = 0; Index < Entries.size(); ++Index)
	{
		const std::string Directory = Entries[Index].Mount.substr(0, Entries[Index].Mount.rfind('/') + 1);
		if (Index == 0)
		{
			MountPoint = Directory;
			continue;
		}
		size_t Common = 0;
		while (Common < MountPoint.size() && Common < Directory.size() && MountPoint[Common] == Directory[Common])
		{
			++Common;
		}
		MountPoint = MountPoint.substr(0, MountPoint.rfind('/', Common == 0 ? 0 : Common - 1) + 1);
	}
	std::printf("LogPakFile: Display: Mount point %s\n", MountPoint.c_str());
	size_t Compressed = 0;
	for (const FEntry& Entry : Entries)
	{
		Compressed += Entry.bCompress ? 1 : 0;
	}
	const std::string Formats = ValueOf(Args, "-compressionformats=");
	std::printf("LogPakFile: Display: Compressing %zu of %zu files (formats: %s)\n", Compressed, Entries.size(), Formats.empty() ? "default" : Formats.c_str());

	std::error_code Error;
	fs::create_directories(fs::path(PakPath).parent_path(), Error);
	std::ofstream Pak(fs::path(PakPath), std::ios::binary | std::ios::trunc);
	if (!Pak)
	{
		std::printf("LogPakFile: Error: Unable to create pak file \"%s\".\n", PakPath.c_str());
		return 1;
	}
	std::vector<std::pair<uint64_t, uint64_t>> Placement;
	uint64_t Offset = 0;
	for (const FEntry& Entry : Entries)
	{
		std::ifstream Source(fs::path(Entry.Source), std::ios::binary);
		if (!Source)
		{
			std::printf("LogPakFile: Error: Failed to open \"%s\" for reading\n", Entry.Source.c_str());
			Pak.close();
			fs::remove(fs::path(PakPath), Error);
			return 1;
		}
		const std::string Bytes((std::istreambuf_iterator<char>(Source)), std::istreambuf_iterator<char>());
		Pak.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
		Placement.emplace_back(Offset, Bytes.size());
		Offset += Bytes.size();
		std::printf("LogPakFile: Display: Added file \"%s\"\n", Entry.Mount.c_str());
	}
	const uint64_t IndexOffset = Offset;
	for (size_t Index = 0; Index < Entries.size(); ++Index)
	{
		WriteLE<uint32_t>(Pak, static_cast<uint32_t>(Entries[Index].Mount.size()));
		Pak.write(Entries[Index].Mount.data(), static_cast<std::streamsize>(Entries[Index].Mount.size()));
		WriteLE<uint64_t>(Pak, Placement[Index].first);
		WriteLE<uint64_t>(Pak, Placement[Index].second);
	}
	WriteLE<uint32_t>(Pak, static_cast<uint32_t>(Entries.size()));
	WriteLE<uint64_t>(Pak, IndexOffset);
	Pak.write("HOSTPAK1", 8);
	Pak.close();
	std::printf("LogPakFile: Display: Added %zu files, %llu bytes total\n", Entries.size(), static_cast<unsigned long long>(Offset));
	std::printf("LogPakFile: Display: UnrealPak executed in 0.01 seconds\n");
	return 0;
}
