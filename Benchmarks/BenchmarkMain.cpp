// One program for every benchmark of the plugin. Each benchmark makes its own inputs in its own files;
// this file starts and ends the editor they run in.

#include "BenchmarkSession.h"
#include "FloorRatioReporter.h"

#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/ModuleProbe.h"
#include "Modules/ModuleManager.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace TalvynBenchmark
{
	void StartPluginModules()
	{
		for (const TCHAR* ModuleName : { TEXT("TalvynSDKBase"), TEXT("TalvynSDKBaseEditor") })
		{
			FModuleManager::Get().LoadModuleChecked(FName(ModuleName));
		}
	}

	void ResetEditorState()
	{
		HostTest::ClearAssetRegistry();
		HostTest::ResetObjects();
		HostTest::ClearRecordedLogLines();
	}
}

int main(int ArgC, char** ArgV)
{
	// The log is recorded, not printed: the benchmark table stays readable.
	HostTest::SetLogEcho(false);
	benchmark::Initialize(&ArgC, ArgV);
	if (benchmark::ReportUnrecognizedArguments(ArgC, ArgV))
	{
		return 1;
	}
	TalvynBenchmark::StartPluginModules();
	// Colours only for a terminal, so that a table sent to a file reads as plain text.
	TalvynBenchmark::FFloorRatioReporter Reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_ColorTabular : benchmark::ConsoleReporter::OO_Tabular);
	benchmark::RunSpecifiedBenchmarks(&Reporter);
	Reporter.PrintRatios();
	benchmark::Shutdown();

	TalvynBenchmark::ResetEditorState();
	HostTest::UnloadAllModules();
	return 0;
}
