// Starting and shutting down the plugin's editor module, as the editor does when the plugin is enabled and at
// exit: registering the asset category, the asset type actions and the panel layout, and withdrawing them.
// The program links every module, so the libraries stay mapped while the modules start and shut down: what is
// measured is the module's own work, as in an editor session. The runtime module, which does nothing of its own at
// start-up, is the floor of what the module manager costs.

#include "BenchmarkSession.h"
#include "HeapAllocationCounter.h"

#include "Modules/ModuleManager.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace
{
	/** Measures the start-up (bStartUp) or the shut-down of the module, each run preceded by the other, untimed. */
	void RunModuleLifecycle(benchmark::State& State, const TCHAR* ModuleName, const bool bStartUp)
	{
		TalvynBenchmark::StartPluginModules();
		FModuleManager& Manager = FModuleManager::Get();
		const FName Name(ModuleName);

		uint64 Allocations = 0;
		for (auto _ : State)
		{
			if (bStartUp)
			{
				Manager.UnloadModule(Name);
			}
			const uint64 AllocationsBefore = TalvynBenchmark::GetHeapAllocationCount();
			const auto Start = std::chrono::steady_clock::now();
			if (bStartUp)
			{
				benchmark::DoNotOptimize(Manager.LoadModule(Name));
			}
			else
			{
				Manager.UnloadModule(Name);
			}
			const auto End = std::chrono::steady_clock::now();
			Allocations += TalvynBenchmark::GetHeapAllocationCount() - AllocationsBefore;
			State.SetIterationTime(std::chrono::duration<double>(End - Start).count());
			if (!bStartUp)
			{
				Manager.LoadModule(Name);
			}
		}
		TalvynBenchmark::StartPluginModules();
		State.counters["allocs/call"] = benchmark::Counter(static_cast<double>(Allocations) / static_cast<double>(State.iterations()));
	}
}

static void BM_EditorModuleStartup(benchmark::State& State)
{
	RunModuleLifecycle(State, TEXT("TalvynSDKBaseEditor"), true);
}
BENCHMARK(BM_EditorModuleStartup)->UseManualTime()->Unit(benchmark::kMicrosecond);

static void BM_EditorModuleShutdown(benchmark::State& State)
{
	RunModuleLifecycle(State, TEXT("TalvynSDKBaseEditor"), false);
}
BENCHMARK(BM_EditorModuleShutdown)->UseManualTime()->Unit(benchmark::kMicrosecond);

static void BM_RuntimeModuleStartup(benchmark::State& State)
{
	RunModuleLifecycle(State, TEXT("TalvynSDKBase"), true);
}
BENCHMARK(BM_RuntimeModuleStartup)->UseManualTime()->Unit(benchmark::kMicrosecond);

static void BM_RuntimeModuleShutdown(benchmark::State& State)
{
	RunModuleLifecycle(State, TEXT("TalvynSDKBase"), false);
}
BENCHMARK(BM_RuntimeModuleShutdown)->UseManualTime()->Unit(benchmark::kMicrosecond);
