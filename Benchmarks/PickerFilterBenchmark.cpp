// The "Add Asset:" picker's filter, which the picker asks once per candidate while it lists assets: a million
// candidates of mixed classes and folders (inside the package's directory, below it, in a sibling that shares its
// first letters, outside it, and inside it spelled in another case). Beside it, over the same folder strings, the
// floor: a bare case-insensitive prefix compare and five pointer compares per candidate.

#include "BenchmarkSession.h"
#include "HeapAllocationCounter.h"
#include "PackagePanelAssets.h"

#include "AssetRegistry/AssetData.h"
#include "HostTest/PropertyEditorProbe.h"
#include "J5Package.h"
#include "PropertyCustomizationHelpers.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace
{
	constexpr int32 NumCandidates = 1000000;
	constexpr int32 FoldersPerKind = 64;
	const TCHAR* const PackageDirectory = TEXT("/Game/Pack");

	/** What the floor compares for one candidate: its folder's characters and a pointer standing for its class. */
	struct FFloorCandidate
	{
		const TCHAR* Folder;
		int32 FolderLen;
		const void* Class;
	};

	struct FPickerCandidates
	{
		TArray<FAssetData> Assets;
		std::vector<FFloorCandidate> Floor;
		/** The distinct folders, spelled as the name table holds them. */
		std::vector<std::u16string> Folders;
		/** One object per class; the first five stand for the accepted classes. */
		FTopLevelAssetPath Classes[8];
		int32 NumAccepted = 0;
	};

	FString FolderOf(const int32 Kind, const int32 Index)
	{
		switch (Kind)
		{
		case 0: return Index == 0 ? FString(PackageDirectory) : FString::Printf(TEXT("/Game/Pack/Set%d"), Index);
		case 1: return FString::Printf(TEXT("/Game/Pack/Meshes/Deep/Set%d"), Index);
		case 2: return Index % 2 == 0 ? FString::Printf(TEXT("/Game/Pack%d"), Index) : FString::Printf(TEXT("/Game/Package/Set%d"), Index);
		case 3: return FString::Printf(TEXT("/Game/Shared/Set%d"), Index);
		default: return FString::Printf(TEXT("/game/PACK/Set%d"), Index);
		}
	}

	const FPickerCandidates& GetCandidates()
	{
		static const FPickerCandidates* const Candidates = []()
		{
			using namespace PackagePanelTest;
			FPickerCandidates* Made = new FPickerCandidates();
			const FTopLevelAssetPath Classes[8] = { WorldClass, StaticMeshClass, SkeletalMeshClass, BlueprintClass, AnimBlueprintClass, TextureClass, MaterialClass, WidgetBlueprintClass };
			for (int32 Index = 0; Index < 8; ++Index)
			{
				Made->Classes[Index] = Classes[Index];
			}

			constexpr int32 NumKinds = 5;
			TArray<FName> FolderNames;
			for (int32 Kind = 0; Kind < NumKinds; ++Kind)
			{
				for (int32 Index = 0; Index < FoldersPerKind; ++Index)
				{
					const FString Folder = FolderOf(Kind, Index);
					FolderNames.Add(FName(*Folder));
					Made->Folders.emplace_back(*Folder, Folder.Len());
				}
			}

			// A fixed seed: every run measures the same mix, in an order the branch predictor cannot learn.
			std::mt19937 Random(20261208u);
			std::uniform_int_distribution<int32> PickFolder(0, FolderNames.Num() - 1);
			std::uniform_int_distribution<int32> PickClass(0, 7);
			Made->Assets.Reserve(NumCandidates);
			Made->Floor.reserve(NumCandidates);
			for (int32 Index = 0; Index < NumCandidates; ++Index)
			{
				const int32 Folder = PickFolder(Random);
				const int32 Class = PickClass(Random);
				const FName AssetName(TEXT("Asset"), NAME_EXTERNAL_TO_INTERNAL(Index));
				const FNameBuilder FolderText(FolderNames[Folder]);
				TStringBuilder<256> PackageName;
				PackageName << FolderText.ToView() << TEXT('/') << AssetName;
				Made->Assets.Add(FAssetData(FName(PackageName.ToView()), FolderNames[Folder], AssetName, Made->Classes[Class]));

				const std::u16string& FolderString = Made->Folders[Folder];
				Made->Floor.push_back(FFloorCandidate{ FolderString.data(), static_cast<int32>(FolderString.size()), &Made->Classes[Class] });
				const bool bInside = Folder / FoldersPerKind != 2 && Folder / FoldersPerKind != 3;
				Made->NumAccepted += bInside && Class < 5 ? 1 : 0;
			}
			return Made;
		}();
		return *Candidates;
	}

	/** The package /Game/Pack/PKG_Pack open in a details panel, whose picker's filter is kept for the benchmark. */
	struct FOpenPicker
	{
		TSharedPtr<IDetailsView> View;
		FOnShouldFilterAsset Filter;

		FOpenPicker()
		{
			TalvynBenchmark::StartPluginModules();
			UJ5Package* const Package = PackagePanelTest::NewPackageAsset(TEXT("/Game/Pack/PKG_Pack"), TEXT("PKG_Pack"));
			check(Package->PackageDirectory == PackageDirectory);
			View = HostTest::OpenDetailsView({ Package });
			Filter = HostTest::GetShouldFilterAsset(PackagePanelTest::PickerOf(View.ToSharedRef()));
			check(Filter.IsBound());
		}

		~FOpenPicker()
		{
			Filter.Unbind();
			View.Reset();
			TalvynBenchmark::ResetEditorState();
		}
	};

	void SetPerCandidateCounters(benchmark::State& State, const uint64 Allocations)
	{
		const double Candidates = static_cast<double>(State.iterations()) * NumCandidates;
		State.SetItemsProcessed(static_cast<int64_t>(Candidates));
		State.counters["time/candidate"] = benchmark::Counter(NumCandidates, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
		State.counters["allocs/candidate"] = benchmark::Counter(static_cast<double>(Allocations) / Candidates);
	}
}

static void BM_PickerFilter(benchmark::State& State)
{
	const FPickerCandidates& Candidates = GetCandidates();
	const FOpenPicker Picker;

	int32 Offered = 0;
	const uint64 AllocationsBefore = TalvynBenchmark::GetHeapAllocationCount();
	for (auto _ : State)
	{
		Offered = 0;
		for (const FAssetData& Candidate : Candidates.Assets)
		{
			Offered += Picker.Filter.Execute(Candidate) ? 0 : 1;
		}
		benchmark::DoNotOptimize(Offered);
	}
	const uint64 Allocations = TalvynBenchmark::GetHeapAllocationCount() - AllocationsBefore;

	if (Offered != Candidates.NumAccepted)
	{
		State.SkipWithError("the filter offered another set of candidates than expected");
	}
	SetPerCandidateCounters(State, Allocations);
}
BENCHMARK(BM_PickerFilter)->Unit(benchmark::kMillisecond);

static void BM_PickerFilterFloor(benchmark::State& State)
{
	const FPickerCandidates& Candidates = GetCandidates();
	const FStringView Directory(PackageDirectory);
	const void* const Accepted[5] = { &Candidates.Classes[0], &Candidates.Classes[1], &Candidates.Classes[2], &Candidates.Classes[3], &Candidates.Classes[4] };

	int32 Offered = 0;
	const uint64 AllocationsBefore = TalvynBenchmark::GetHeapAllocationCount();
	for (auto _ : State)
	{
		Offered = 0;
		for (const FFloorCandidate& Candidate : Candidates.Floor)
		{
			const FStringView Folder(Candidate.Folder, Candidate.FolderLen);
			if (Folder.StartsWith(Directory, ESearchCase::IgnoreCase) && (Folder.Len() == Directory.Len() || Folder[Directory.Len()] == TEXT('/')))
			{
				const void* const Class = Candidate.Class;
				Offered += Class == Accepted[0] || Class == Accepted[1] || Class == Accepted[2] || Class == Accepted[3] || Class == Accepted[4] ? 1 : 0;
			}
		}
		benchmark::DoNotOptimize(Offered);
	}
	const uint64 Allocations = TalvynBenchmark::GetHeapAllocationCount() - AllocationsBefore;

	if (Offered != Candidates.NumAccepted)
	{
		State.SkipWithError("the floor offered another set of candidates than expected");
	}
	SetPerCandidateCounters(State, Allocations);
}
BENCHMARK(BM_PickerFilterFloor)->Unit(benchmark::kMillisecond);
