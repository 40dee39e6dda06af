#include "FloorRatioReporter.h"

#include <algorithm>
#include <cstdio>

namespace TalvynBenchmark
{
	void FFloorRatioReporter::ReportRuns(const std::vector<Run>& Runs)
	{
		ConsoleReporter::ReportRuns(Runs);
		for (const Run& Each : Runs)
		{
			// With repetitions, the median stands for the benchmark; without, its one run does.
			const bool bMedian = Each.run_type == Run::RT_Aggregate && Each.aggregate_name == "median";
			if (Each.error_occurred || Each.iterations == 0 || (Each.run_type != Run::RT_Iteration && !bMedian))
			{
				continue;
			}
			const std::string Name = Each.run_name.function_name + (Each.run_name.args.empty() ? "" : "/" + Each.run_name.args);
			if (bMedian)
			{
				Medians.insert(Name);
			}
			else if (Medians.count(Name) != 0)
			{
				continue;
			}
			FMeasured& Entry = Measured[Name];
			Entry.Time = Each.real_accumulated_time / static_cast<double>(Each.iterations);
			for (const auto& [Name, Counter] : Each.counters)
			{
				Entry.Counters[Name] = Counter.value;
			}
		}
	}

	const FFloorRatioReporter::FMeasured* FFloorRatioReporter::Find(const std::string& Name) const
	{
		const auto Found = Measured.find(Name);
		return Found == Measured.end() ? nullptr : &Found->second;
	}

	void FFloorRatioReporter::PrintRatios() const
	{
		std::printf("\nAgainst the floors of this run (targets in brackets):\n");

		const FMeasured* const Filter = Find("BM_PickerFilter");
		const FMeasured* const FilterFloor = Find("BM_PickerFilterFloor");
		if (Filter && FilterFloor)
		{
			const double PerCandidate = Filter->Counters.at("time/candidate") * 1e9;
			const double FloorPerCandidate = FilterFloor->Counters.at("time/candidate") * 1e9;
			std::printf("  picker filter:          %7.1f ns/candidate, floor %7.1f ns: %5.2fx [<= 2x], %.3f allocs/candidate [0]\n",
				PerCandidate, FloorPerCandidate, PerCandidate / FloorPerCandidate, Filter->Counters.at("allocs/candidate"));
		}

		std::vector<double> WalkPerReference;
		std::vector<double> BarePerReference;
		for (const char* Size : { "10000", "100000", "500000", "1000000" })
		{
			const FMeasured* const Walk = Find(std::string("BM_FindAllDependencies/") + Size);
			const FMeasured* const Bare = Find(std::string("BM_BareBreadthFirstWalk/") + Size);
			if (Walk && Bare)
			{
				const double Ratio = Walk->Time / Bare->Time;
				std::printf("  dependency walk %7s: %9.3f ms, bare walk %8.3f ms: %6.1fx [<= 1.5x]; %6.1f ns/reference, bare %5.1f ns\n",
					Size, Walk->Time * 1e3, Bare->Time * 1e3, Ratio, Walk->Counters.at("time/reference") * 1e9, Bare->Counters.at("time/reference") * 1e9);
				if (std::string(Size) != "500000")
				{
					WalkPerReference.push_back(Walk->Counters.at("time/reference"));
					BarePerReference.push_back(Bare->Counters.at("time/reference"));
				}
			}
		}
		if (WalkPerReference.size() > 1)
		{
			auto Spread = [](const std::vector<double>& Values)
			{
				return *std::max_element(Values.begin(), Values.end()) / *std::min_element(Values.begin(), Values.end());
			};
			std::printf("  time per reference, largest over smallest at 10k/100k/1M: walk %.2fx [<= 1.5x], bare walk %.2fx\n",
				Spread(WalkPerReference), Spread(BarePerReference));
		}

		const FMeasured* const Build = Find("BM_CustomizeDetails/10000");
		const FMeasured* const EmptyBuild = Find("BM_CustomizeDetails/0");
		if (Build && EmptyBuild)
		{
			std::printf("  panel layout:           %7.1f us with 10,000 outside references, %7.1f us with none: %5.2fx\n",
				Build->Time * 1e6, EmptyBuild->Time * 1e6, Build->Time / EmptyBuild->Time);
		}

		const FMeasured* const List = Find("BM_MissingListText/10000");
		const FMeasured* const ListFloor = Find("BM_MissingListTextFloor/10000");
		if (List && ListFloor)
		{
			std::printf("  list text getter:       %7.1f us per 10,000 entries [< 1000 us], floor %7.1f us: %5.2fx, %.0f allocs/draw\n",
				List->Time * 1e6, ListFloor->Time * 1e6, List->Time / ListFloor->Time, List->Counters.at("allocs/call"));
		}

		const FMeasured* const Startup = Find("BM_EditorModuleStartup");
		const FMeasured* const Shutdown = Find("BM_EditorModuleShutdown");
		const FMeasured* const RuntimeStartup = Find("BM_RuntimeModuleStartup");
		const FMeasured* const RuntimeShutdown = Find("BM_RuntimeModuleShutdown");
		if (Startup && Shutdown && RuntimeStartup && RuntimeShutdown)
		{
			std::printf("  editor module:          start-up %5.2f us, shut-down %5.2f us: %.1fx and %.1fx the runtime module's %.2f us / %.2f us\n",
				Startup->Time * 1e6, Shutdown->Time * 1e6, Startup->Time / RuntimeStartup->Time, Shutdown->Time / RuntimeShutdown->Time,
				RuntimeStartup->Time * 1e6, RuntimeShutdown->Time * 1e6);
		}
	}
}
