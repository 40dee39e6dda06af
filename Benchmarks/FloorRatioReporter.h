#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace TalvynBenchmark
{
	/**
	 * The console table as usual, then each measurement set against its floor from the same run and against its
	 * target, so the ratios need not be worked out by hand.
	 */
	class FFloorRatioReporter : public benchmark::ConsoleReporter
	{
	public:
		explicit FFloorRatioReporter(const OutputOptions Options)
			: ConsoleReporter(Options)
		{
		}

		void ReportRuns(const std::vector<Run>& Runs) override;

		/** Prints the ratios of what was run (a filtered run prints only the pairs it has both halves of). */
		void PrintRatios() const;

	private:
		struct FMeasured
		{
			/** Seconds per iteration. */
			double Time = 0.0;
			std::map<std::string, double> Counters;
		};

		const FMeasured* Find(const std::string& Name) const;

		std::map<std::string, FMeasured> Measured;
		std::set<std::string> Medians;
	};
}
