// "Find Dependencies": UJ5Package::FindAllDependencies over a generated registry (by default 100,000 assets and
// 500,000 package references, with cycles, a deep chain and a wide fan-out), beside a bare breadth-first walk over
// the same adjacency lists. The walk also runs at 10k, 100k and 1M references, so the time per reference shows
// whether its cost grows linearly.

#include "BenchmarkSession.h"
#include "HeapAllocationCounter.h"
#include "PackagePanelAssets.h"

#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreProbe.h"
#include "J5Package.h"
#include "UObject/WeakObjectPtrTemplates.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <unordered_set>
#include <vector>

namespace
{
	constexpr int32 ReferencesPerAsset = 5;
	constexpr int32 NumEnginePackages = 8;
	constexpr int32 MaxRoots = 100;

	/** A package graph as plain data: the registry is filled from it, and the bare walk runs over it. */
	struct FPackageGraph
	{
		TArray<FName> Names;
		/** Per package, the packages it refers to, in the order they were recorded. */
		std::vector<std::vector<int32>> Dependencies;
		std::vector<int32> Roots;
		int32 NumReferences = 0;
	};

	/**
	 * Packages 0..N-1: seven in ten inside /Game/Pack (in 64 subfolders), the others in /Game/Shared; then a few
	 * engine packages and the script package, which refer to nothing. A deep chain runs through the first fifth
	 * and closes into a cycle, one package refers to a tenth of all, and random references (one in a hundred to
	 * engine or script code) make up the rest, with cycles of every length.
	 */
	std::unique_ptr<FPackageGraph> MakeGraph(const int32 NumReferences)
	{
		std::unique_ptr<FPackageGraph> Graph = std::make_unique<FPackageGraph>();
		const int32 NumContent = NumReferences / ReferencesPerAsset;
		for (int32 Index = 0; Index < NumContent; ++Index)
		{
			const bool bInside = Index % 10 < 7;
			Graph->Names.Add(FName(*FString::Printf(bInside ? TEXT("/Game/Pack/Set%d/SM_Asset%d") : TEXT("/Game/Shared/Set%d/T_Asset%d"), Index % 64, Index)));
		}
		for (int32 Index = 0; Index < NumEnginePackages; ++Index)
		{
			Graph->Names.Add(FName(*FString::Printf(TEXT("/Engine/BasicShapes/Shape%d"), Index)));
		}
		Graph->Names.Add(FName(TEXT("/Script/Engine")));
		const int32 NumPackages = Graph->Names.Num();
		Graph->Dependencies.resize(NumPackages);

		std::unordered_set<uint64> Recorded;
		auto Refer = [&Graph, &Recorded](const int32 From, const int32 To)
		{
			if (Recorded.insert((static_cast<uint64>(From) << 32) | static_cast<uint32>(To)).second)
			{
				Graph->Dependencies[From].push_back(To);
				++Graph->NumReferences;
			}
		};

		const int32 ChainLength = NumContent / 5;
		for (int32 Index = 0; Index + 1 < ChainLength; ++Index)
		{
			Refer(Index, Index + 1);
		}
		Refer(ChainLength - 1, 0);

		const int32 FanOutPackage = ChainLength;
		const int32 FanOut = NumContent / 10;
		for (int32 Index = 0; Index < FanOut; ++Index)
		{
			Refer(FanOutPackage, (FanOutPackage + 1 + Index * 7) % NumContent);
		}

		std::mt19937 Random(0x7A1u + static_cast<uint32>(NumReferences));
		std::uniform_int_distribution<int32> PickContent(0, NumContent - 1);
		std::uniform_int_distribution<int32> PickCode(NumContent, NumPackages - 1);
		std::uniform_int_distribution<int32> Percent(0, 99);
		while (Graph->NumReferences < NumReferences)
		{
			const int32 From = PickContent(Random);
			Refer(From, Percent(Random) == 0 ? PickCode(Random) : PickContent(Random));
		}

		// The chain's head, the fan-out and other inside packages are the main assets.
		Graph->Roots.push_back(0);
		Graph->Roots.push_back(FanOutPackage);
		for (int32 Index = 1; static_cast<int32>(Graph->Roots.size()) < MaxRoots && Index < NumContent; Index += 37)
		{
			if (Index % 10 < 7 && Index != FanOutPackage)
			{
				Graph->Roots.push_back(Index);
			}
		}
		return Graph;
	}

	const FPackageGraph& GetGraph(const int32 NumReferences)
	{
		static std::map<int32, std::unique_ptr<FPackageGraph>> Graphs;
		std::unique_ptr<FPackageGraph>& Graph = Graphs[NumReferences];
		if (!Graph)
		{
			Graph = MakeGraph(NumReferences);
		}
		return *Graph;
	}

	/** The registry filled from one graph and the package asset whose main assets are the graph's roots. */
	struct FDependencyWorld
	{
		int32 NumReferences = 0;
		TWeakObjectPtr<UJ5Package> Package;
	};

	UJ5Package* PrepareWorld(const FPackageGraph& Graph)
	{
		static FDependencyWorld World;
		if (World.NumReferences == Graph.NumReferences && World.Package.IsValid() && HostTest::GetNumRegisteredDependencies() == Graph.NumReferences)
		{
			return World.Package.Get();
		}

		TalvynBenchmark::ResetEditorState();
		TalvynBenchmark::StartPluginModules();
		const int32 NumPackages = Graph.Names.Num();
		for (int32 Index = 0; Index + 1 < NumPackages; ++Index)
		{
			const bool bInside = Index % 10 < 7;
			HostTest::AddAsset(Graph.Names[Index], bInside ? PackagePanelTest::StaticMeshClass : PackagePanelTest::TextureClass);
		}
		for (int32 From = 0; From < NumPackages; ++From)
		{
			for (const int32 To : Graph.Dependencies[From])
			{
				HostTest::AddDependency(Graph.Names[From], Graph.Names[To]);
			}
		}
		check(HostTest::GetNumRegisteredDependencies() == Graph.NumReferences);

		HostTest::AddAsset(FName(TEXT("/Game/Pack/PKG_Pack")), PackagePanelTest::PackageClass);
		UJ5Package* const Package = PackagePanelTest::NewPackageAsset(TEXT("/Game/Pack/PKG_Pack"), TEXT("PKG_Pack"));
		for (const int32 Root : Graph.Roots)
		{
			const FNameBuilder RootName(Graph.Names[Root]);
			const FStringView RootView = RootName.ToView();
			int32 LastSlash = INDEX_NONE;
			RootView.FindLastChar(TEXT('/'), LastSlash);
			const FStringView AssetName = RootView.RightChop(LastSlash + 1);
			TStringBuilder<256> ObjectPath;
			ObjectPath << RootView << TEXT('.') << AssetName;
			Package->MainAssets.Add(FSoftObjectPath(FString(ObjectPath.ToView())));
		}
		// The first walk fills the package; the measured ones find the same and change nothing.
		Package->FindAllDependencies();
		HostTest::ClearRecordedLogLines();

		World.NumReferences = Graph.NumReferences;
		World.Package = Package;
		return Package;
	}

	void SetPerReferenceCounters(benchmark::State& State, const FPackageGraph& Graph, const int32 Reached, const uint64 Allocations)
	{
		State.counters["references"] = benchmark::Counter(Graph.NumReferences);
		State.counters["reached"] = benchmark::Counter(Reached);
		State.counters["time/reference"] = benchmark::Counter(Graph.NumReferences, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
		State.counters["allocs/walk"] = benchmark::Counter(static_cast<double>(Allocations) / static_cast<double>(State.iterations()));
	}
}

static void BM_FindAllDependencies(benchmark::State& State)
{
	const FPackageGraph& Graph = GetGraph(static_cast<int32>(State.range(0)));
	UJ5Package* const Package = PrepareWorld(Graph);

	const uint64 AllocationsBefore = TalvynBenchmark::GetHeapAllocationCount();
	for (auto _ : State)
	{
		Package->FindAllDependencies();
		benchmark::ClobberMemory();
	}
	const uint64 Allocations = TalvynBenchmark::GetHeapAllocationCount() - AllocationsBefore;
	HostTest::ClearRecordedLogLines();

	// The packages it lists; the walk also reached the main assets' packages and the engine and script packages.
	const int32 Reached = Package->Dependencies.Num() + Package->MissingDependencies.Num();
	SetPerReferenceCounters(State, Graph, Reached, Allocations);
}

static void BM_BareBreadthFirstWalk(benchmark::State& State)
{
	const FPackageGraph& Graph = GetGraph(static_cast<int32>(State.range(0)));
	const int32 NumPackages = Graph.Names.Num();

	int32 Reached = 0;
	const uint64 AllocationsBefore = TalvynBenchmark::GetHeapAllocationCount();
	for (auto _ : State)
	{
		std::vector<uint8> Seen(NumPackages, 0);
		std::vector<int32> Queue;
		Queue.reserve(NumPackages);
		for (const int32 Root : Graph.Roots)
		{
			Seen[Root] = 1;
			Queue.push_back(Root);
		}
		for (size_t Next = 0; Next < Queue.size(); ++Next)
		{
			for (const int32 Dependency : Graph.Dependencies[Queue[Next]])
			{
				if (!Seen[Dependency])
				{
					Seen[Dependency] = 1;
					Queue.push_back(Dependency);
				}
			}
		}
		Reached = static_cast<int32>(Queue.size());
		benchmark::DoNotOptimize(Reached);
	}
	const uint64 Allocations = TalvynBenchmark::GetHeapAllocationCount() - AllocationsBefore;

	SetPerReferenceCounters(State, Graph, Reached, Allocations);
}

static void DependencyGraphSizes(benchmark::internal::Benchmark* Benchmark)
{
	Benchmark->Arg(10000)->Arg(100000)->Arg(500000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_FindAllDependencies)->Apply(DependencyGraphSizes);
BENCHMARK(BM_BareBreadthFirstWalk)->Apply(DependencyGraphSizes);
