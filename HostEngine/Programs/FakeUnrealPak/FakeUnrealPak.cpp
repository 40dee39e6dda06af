// Stand-in for "UnrealPak <pak> -create=<response file>": packs the files the response file lists
// (lines of "source path" "mount path") into <pak>.
//
// The .pak it writes: the bytes of every file one after the other, then an index (per file: u32
// length and UTF-8 bytes of the mount path, u64 offset, u64 size), then a footer (u32 file count,
// u64 index offset, the 8 bytes "HOSTPAK1"). All integers little-endian.
//
// Environment, for tests:
//   FAKE_UNREALPAK_ARGS_FILE  write the arguments received, one per line (UTF-8)
//   FAKE_UNREALPAK_EXIT_CODE  fail with this exit code after printing an error line
//   FAKE_UNREALPAK_HANG       wait until killed

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

	std::ifstream Response(fs::path(ResponsePath), std::ios::binary);
	if (!Response)
	{
		std::printf("LogPakFile: Error: Failed to load %s\n", ResponsePath.c_str());
		return 1;
	}
	std::vector<FEntry> Entries;
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
		if (Words.size() < 2)
		{
			std::printf("LogPakFile: Error: Malformed response file line: %s\n", Line.c_str());
			return 1;
		}
		Entries.push_back(FEntry{ Words[0], Words[1] });
	}
	std::printf("LogPakFile: Display: Loaded %zu entries from %s\n", Entries.size(), ResponsePath.c_str());

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
