// The package's details panel: building its layout (CustomizeDetails, run by a refresh of the details view) for a
// package with 10,000 outside references, and the text getter of the "Missing Dependencies" list, which runs at
// every draw, on the same package. The layout of a package without outside references, and a bare one-pass
// concatenation of the same names into a string sized up front, are their floors.

#include "BenchmarkSession.h"
#include "HeapAllocationCounter.h"
#include "PackagePanelAssets.h"

#include "HostTest/PropertyEditorProbe.h"
#include "HostTest/SlateProbe.h"
#include "IDetailsView.h"
#include "J5Package.h"
#include "Widgets/Text/STextBlock.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace
{
	constexpr int32 NumMainAssets = 10;
	constexpr int32 NumDependencies = 10;

	/** The package /Game/Pack/PKG_Pack with that many outside references, open in a details panel. */
	struct FOpenPanel
	{
		UJ5Package* Package = nullptr;
		TSharedPtr<IDetailsView> View;

		explicit FOpenPanel(const int32 NumOutsideReferences)
		{
			TalvynBenchmark::StartPluginModules();
			Package = PackagePanelTest::NewPackageAsset(TEXT("/Game/Pack/PKG_Pack"), TEXT("PKG_Pack"));
			PackagePanelTest::FillPackage(Package, NumMainAssets, NumDependencies, NumOutsideReferences);
			View = HostTest::OpenDetailsView({ Package });
		}

		~FOpenPanel()
		{
			View.Reset();
			TalvynBenchmark::ResetEditorState();
		}

		/** The text block of the "Missing Dependencies" list in the current layout, or null. */
		TSharedPtr<STextBlock> FindMissingList() const
		{
			const HostTest::FDetailPanelLayout Layout = HostTest::GetLayout(View.ToSharedRef());
			const HostTest::FDetailCategoryLayout* const Category = Layout.FindCategory(PackagePanelTest::DependenciesCategory);
			if (Category == nullptr)
			{
				return nullptr;
			}
			for (const HostTest::FDetailRowLayout& Row : Category->Rows)
			{
				if (Row.Kind == HostTest::EDetailRowKind::CustomRow && Row.GroupName == PackagePanelTest::MissingGroup && Row.WholeRowWidget.IsValid())
				{
					const TSharedPtr<SWidget> Text = HostTest::FindFirstWidgetOfType(Row.WholeRowWidget.ToSharedRef(), TEXT("STextBlock"));
					return Text.IsValid() ? StaticCastSharedPtr<STextBlock>(Text) : nullptr;
				}
			}
			return nullptr;
		}
	};

	void SetPerBuildCounters(benchmark::State& State, const uint64 Allocations)
	{
		State.counters["outside_refs"] = benchmark::Counter(static_cast<double>(State.range(0)));
		State.counters["allocs/call"] = benchmark::Counter(static_cast<double>(Allocations) / static_cast<double>(State.iterations()));
	}
}

static void BM_CustomizeDetails(benchmark::State& State)
{
	const FOpenPanel Panel(static_cast<int32>(State.range(0)));
	const int32 BuildsBefore = HostTest::GetRefreshCount(Panel.View.ToSharedRef());

	const uint64 AllocationsBefore = TalvynBenchmark::GetHeapAllocationCount();
	for (auto _ : State)
	{
		Panel.View->ForceRefresh();
	}
	const uint64 Allocations = TalvynBenchmark::GetHeapAllocationCount() - AllocationsBefore;

	if (HostTest::GetRefreshCount(Panel.View.ToSharedRef()) - BuildsBefore != State.iterations())
	{
		State.SkipWithError("the panel was not rebuilt once per refresh");
	}
	SetPerBuildCounters(State, Allocations);
}
BENCHMARK(BM_CustomizeDetails)->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);

static void BM_MissingListText(benchmark::State& State)
{
	const int32 NumOutsideReferences = static_cast<int32>(State.range(0));
	const FOpenPanel Panel(NumOutsideReferences);
	const TSharedPtr<STextBlock> List = Panel.FindMissingList();
	if (!List.IsValid())
	{
		State.SkipWithError("the panel shows no list of outside references");
		return;
	}

	int32 Length = 0;
	const uint64 AllocationsBefore = TalvynBenchmark::GetHeapAllocationCount();
	for (auto _ : State)
	{
		// What a draw of the row does: read the bound text.
		const FText& Text = List->GetText();
		Length = Text.ToString().Len();
		benchmark::DoNotOptimize(Length);
	}
	const uint64 Allocations = TalvynBenchmark::GetHeapAllocationCount() - AllocationsBefore;

	if (Length <= NumOutsideReferences)
	{
		State.SkipWithError("the list does not name every outside reference");
	}
	SetPerBuildCounters(State, Allocations);
	State.counters["chars"] = benchmark::Counter(Length);
}
BENCHMARK(BM_MissingListText)->Arg(10000)->Unit(benchmark::kMicrosecond);

static void BM_MissingListTextFloor(benchmark::State& State)
{
	const int32 NumOutsideReferences = static_cast<int32>(State.range(0));
	std::vector<std::u16string> Names;
	std::vector<int32> Depths;
	size_t TotalLength = 0;
	for (int32 Index = 0; Index < NumOutsideReferences; ++Index)
	{
		const FString Name = FString::Printf(TEXT("/Game/Shared/T_Outside%d"), Index);
		Names.emplace_back(*Name, Name.Len());
		Depths.push_back(0);
		TotalLength += Names.back().size() + 1;
	}

	int32 Length = 0;
	const uint64 AllocationsBefore = TalvynBenchmark::GetHeapAllocationCount();
	for (auto _ : State)
	{
		std::u16string List;
		List.reserve(TotalLength);
		for (size_t Index = 0; Index < Names.size(); ++Index)
		{
			List.append(static_cast<size_t>(Depths[Index]), u'\t');
			List += Names[Index];
			List += u'\n';
		}
		Length = static_cast<int32>(List.size());
		benchmark::DoNotOptimize(List.data());
	}
	const uint64 Allocations = TalvynBenchmark::GetHeapAllocationCount() - AllocationsBefore;

	SetPerBuildCounters(State, Allocations);
	State.counters["chars"] = benchmark::Counter(Length);
}
BENCHMARK(BM_MissingListTextFloor)->Arg(10000)->Unit(benchmark::kMicrosecond);
