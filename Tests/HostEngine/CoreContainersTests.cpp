#include "CoreMinimal.h"

#include <gtest/gtest.h>
#include <memory>

namespace
{
	/** Counts live instances and copies so container element lifetimes can be checked. */
	struct FTracked
	{
		static int32 Live;
		static int32 Copies;

		int32 Value = 0;

		FTracked()
		{
			++Live;
		}
		FTracked(int32 InValue)
			: Value(InValue)
		{
			++Live;
		}
		FTracked(const FTracked& Other)
			: Value(Other.Value)
		{
			++Live;
			++Copies;
		}
		FTracked(FTracked&& Other) noexcept
			: Value(Other.Value)
		{
			++Live;
		}
		FTracked& operator=(const FTracked& Other)
		{
			Value = Other.Value;
			++Copies;
			return *this;
		}
		FTracked& operator=(FTracked&& Other) noexcept
		{
			Value = Other.Value;
			return *this;
		}
		~FTracked()
		{
			--Live;
		}
		bool operator==(const FTracked& Other) const
		{
			return Value == Other.Value;
		}
	};

	int32 FTracked::Live = 0;
	int32 FTracked::Copies = 0;

	uint32 GetTypeHash(const FTracked& Tracked)
	{
		return ::GetTypeHash(Tracked.Value);
	}

	class FTrackedTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			FTracked::Live = 0;
			FTracked::Copies = 0;
		}
		void TearDown() override
		{
			EXPECT_EQ(FTracked::Live, 0) << "a container leaked or double-destroyed elements";
		}
	};

	template <typename MapType>
	TArray<typename MapType::KeyType> KeysOf(const MapType& Map)
	{
		TArray<typename MapType::KeyType> Keys;
		Map.GenerateKeyArray(Keys);
		return Keys;
	}
} // namespace

// ---------------------------------------------------------------------------------------------
// TArray

TEST_F(FTrackedTest, ArraysDestroyEveryElementTheyRemove)
{
	{
		TArray<FTracked> Array;
		for (int32 Index = 0; Index < 100; ++Index)
		{
			Array.Emplace(Index);
		}
		EXPECT_EQ(FTracked::Live, 100);
		Array.RemoveAt(10, 20);
		EXPECT_EQ(FTracked::Live, 80);
		EXPECT_EQ(Array[10].Value, 30);
		Array.RemoveAll([](const FTracked& Tracked)
						{ return Tracked.Value % 2 == 0; });
		EXPECT_EQ(FTracked::Live, 40);
		Array.SetNum(5);
		EXPECT_EQ(FTracked::Live, 5);
		TArray<FTracked> Moved = MoveTemp(Array);
		EXPECT_EQ(FTracked::Live, 5);
		EXPECT_TRUE(Array.IsEmpty());
		Moved.Empty();
		EXPECT_EQ(FTracked::Live, 0);
	}
	{
		TArray<FTracked> Source = {1, 2, 3};
		const int32 CopiesBefore = FTracked::Copies;
		TArray<FTracked> Target;
		Target.Append(MoveTemp(Source));
		EXPECT_EQ(FTracked::Copies, CopiesBefore) << "appending an rvalue array must move, not copy";
		EXPECT_TRUE(Source.IsEmpty());
		EXPECT_EQ(Target.Num(), 3);
	}
}

TEST(ArrayEditing, InsertAppendSwapRemovalAndPop)
{
	TArray<int32> Array = {1, 2, 3};
	Array.Insert(TArray<int32>{8, 9}, 1);
	EXPECT_EQ(Array, (TArray<int32>{1, 8, 9, 2, 3}));
	Array.Insert({0}, 0);
	EXPECT_EQ(Array.Num(), 6);
	Array.RemoveAtSwap(1);
	EXPECT_EQ(Array, (TArray<int32>{0, 3, 8, 9, 2}));
	Array.RemoveAtSwap(0, 2);
	EXPECT_EQ(Array, (TArray<int32>{9, 2, 8}));
	EXPECT_EQ(Array.Pop(), 8);
	EXPECT_EQ(Array.Top(), 2);
	EXPECT_EQ(Array.Last(1), 9);
	Array += {5, 6};
	EXPECT_EQ(Array, (TArray<int32>{9, 2, 5, 6}));
	EXPECT_EQ(Array.RemoveSingle(2), 1);
	EXPECT_EQ(Array.IndexOfByPredicate([](int32 Value)
									   { return Value == 6; }),
			  2);
	Array.Swap(0, 2);
	EXPECT_EQ(Array, (TArray<int32>{6, 5, 9}));
	Array.Init(7, 3);
	EXPECT_EQ(Array, (TArray<int32>{7, 7, 7}));
	Array.SetNumZeroed(5);
	EXPECT_EQ(Array[4], 0);
	EXPECT_EQ(Array.FilterByPredicate([](int32 Value)
									  { return Value > 0; })
				  .Num(),
			  3);
}

TEST(ArrayEditing, ResetKeepsMemoryAndEmptyReleasesIt)
{
	TArray<int32> Array;
	Array.Reserve(1000);
	for (int32 Index = 0; Index < 1000; ++Index)
	{
		Array.Add(Index);
	}
	const int32 Capacity = Array.Max();
	Array.Reset();
	EXPECT_EQ(Array.Num(), 0);
	EXPECT_EQ(Array.Max(), Capacity);
	Array.Empty();
	EXPECT_EQ(Array.Max(), 0);
	Array.Empty(16);
	EXPECT_GE(Array.Max(), 16);
}

TEST(ArrayEditing, IteratorRemovalVisitsEveryElement)
{
	TArray<int32> Array = {1, 2, 2, 3, 2, 4};
	for (auto It = Array.CreateIterator(); It; ++It)
	{
		if (*It == 2)
		{
			It.RemoveCurrent();
		}
	}
	EXPECT_EQ(Array, (TArray<int32>{1, 3, 4}));
}

TEST(ArrayEditing, AllocatorPoliciesConvert)
{
	TArray<int32, TInlineAllocator<4>> Inline = {1, 2, 3, 4, 5};
	TArray<int32> Heap;
	Heap = Inline;
	EXPECT_EQ(Heap.Num(), 5);
	TArray<int32, TInlineAllocator<2>> Back(Heap);
	EXPECT_EQ(Back.Last(), 5);
	TArray<FString> Strings(TArray<const TCHAR*>{TEXT("a"), TEXT("b")});
	EXPECT_EQ(Strings[1], TEXT("b"));
}

TEST(ArrayViews, ViewsSliceWithoutCopying)
{
	TArray<int32> Array = {1, 2, 3, 4, 5};
	TArrayView<int32> View(Array);
	View[0] = 10;
	EXPECT_EQ(Array[0], 10);
	const TConstArrayView<int32> Slice = MakeArrayView(Array).Slice(1, 3);
	EXPECT_EQ(Slice.Num(), 3);
	EXPECT_EQ(Slice[0], 2);
	EXPECT_TRUE(Slice.Contains(4));
	EXPECT_EQ(Slice.Find(5), INDEX_NONE);
	EXPECT_EQ(TArray<int32>(Slice), (TArray<int32>{2, 3, 4}));
	int32 Sum = 0;
	for (int32 Value : Slice)
	{
		Sum += Value;
	}
	EXPECT_EQ(Sum, 9);
}

TEST(ArrayDeathTest, MisuseFailsLoudly)
{
	auto AddOwnElement = []
	{
		TArray<FString> Array = {TEXT("x")};
		Array.Add(Array[0]);
	};
	auto AppendToItself = []
	{
		TArray<int32> Array = {1};
		Array.Append(Array);
	};
	auto RemovePastTheEnd = []
	{
		TArray<int32> Array = {1, 2};
		Array.RemoveAt(1, 2);
	};
	auto LastOfEmpty = []
	{
		TArray<int32> Array;
		(void)Array.Last();
	};
	EXPECT_DEATH(AddOwnElement(), "comes from the container being modified");
	EXPECT_DEATH(AppendToItself(), "append an array to itself");
	EXPECT_DEATH(RemovePastTheEnd(), "out of bounds");
	EXPECT_DEATH(LastOfEmpty(), "out of bounds");
}

// ---------------------------------------------------------------------------------------------
// TSet / TMap

TEST_F(FTrackedTest, SetsAndMapsDestroyWhatTheyReplaceOrRemove)
{
	{
		TSet<FTracked> Set;
		for (int32 Index = 0; Index < 50; ++Index)
		{
			Set.Add(FTracked(Index));
		}
		Set.Add(FTracked(7));
		EXPECT_EQ(Set.Num(), 50);
		EXPECT_EQ(FTracked::Live, 50);
		Set.Remove(FTracked(7));
		EXPECT_EQ(FTracked::Live, 49);
		TSet<FTracked> Copy = Set;
		EXPECT_EQ(FTracked::Live, 98);
		Set.Empty();
		EXPECT_EQ(FTracked::Live, 49);
		EXPECT_TRUE(Copy.Contains(FTracked(49)));
	}
	{
		TMap<int32, FTracked> Map;
		Map.Add(1, FTracked(1));
		Map.Add(1, FTracked(2));
		EXPECT_EQ(Map.FindChecked(1).Value, 2);
		EXPECT_EQ(FTracked::Live, 1);
		Map.Reset();
		EXPECT_EQ(FTracked::Live, 0);
	}
}

TEST(MapHoles, SeveralRemovalsAreRefilledMostRecentFirst)
{
	TMap<FName, int32> Map;
	const TCHAR* Names[] = {TEXT("A"), TEXT("B"), TEXT("C"), TEXT("D")};
	for (int32 Index = 0; Index < 4; ++Index)
	{
		Map.Add(Names[Index], Index);
	}
	Map.Remove(TEXT("B"));
	Map.Remove(TEXT("D"));
	Map.Add(TEXT("E"), 4);
	Map.Add(TEXT("F"), 5);
	Map.Add(TEXT("G"), 6);
	EXPECT_EQ(KeysOf(Map), (TArray<FName>{TEXT("A"), TEXT("F"), TEXT("C"), TEXT("E"), TEXT("G")}));

	Map.Remove(TEXT("A"));
	Map.Compact();
	Map.Add(TEXT("H"), 7);
	EXPECT_EQ(KeysOf(Map), (TArray<FName>{TEXT("F"), TEXT("C"), TEXT("E"), TEXT("G"), TEXT("H")}));
}

TEST(MapHoles, CopiesAndMovesKeepOrderAndLookups)
{
	TMap<FString, int32> Map;
	for (int32 Index = 0; Index < 20; ++Index)
	{
		Map.Add(FString::Printf(TEXT("K%d"), Index), Index);
	}
	for (int32 Index = 0; Index < 20; Index += 3)
	{
		Map.Remove(FString::Printf(TEXT("K%d"), Index));
	}
	const TMap<FString, int32> Copy = Map;
	EXPECT_EQ(KeysOf(Copy), KeysOf(Map));
	EXPECT_TRUE(Copy.OrderIndependentCompareEqual(Map));
	EXPECT_EQ(Copy.FindRef(TEXT("k4")), 4);

	TMap<FString, int32> Moved = MoveTemp(Map);
	EXPECT_TRUE(Map.IsEmpty());
	EXPECT_EQ(Map.Find(TEXT("K4")), nullptr);
	EXPECT_EQ(Moved.Num(), Copy.Num());
	Map.Add(TEXT("Fresh"), 1);
	EXPECT_EQ(Map.Num(), 1);
}

TEST(MapAccessMore, AddFormsFindKeyAppendAndFilter)
{
	TMap<FString, FString> Map;
	FString Key(TEXT("Key"));
	FString Value(TEXT("Value"));
	Map.Add(Key, Value);
	Map.Add(MoveTemp(Key), FString(TEXT("Other")));
	EXPECT_EQ(Map.Num(), 1);
	EXPECT_EQ(Map.FindRef(TEXT("KEY")), TEXT("Other"));
	Map.Emplace(TEXT("Second"), TEXT("2"));
	Map.Add(TPair<FString, FString>(TEXT("Third"), TEXT("3")));
	FString& Added = Map.Add(TEXT("Fourth"));
	EXPECT_TRUE(Added.IsEmpty());
	ASSERT_NE(Map.FindKey(TEXT("2")), nullptr);
	EXPECT_EQ(*Map.FindKey(TEXT("2")), TEXT("Second"));
	EXPECT_EQ(Map.FindOrAdd(TEXT("second"), TEXT("ignored")), TEXT("2"));
	EXPECT_EQ(Map.FindRef(TEXT("missing"), TEXT("fallback")), TEXT("fallback"));

	TMap<FString, FString> Extra = {{TEXT("Third"), TEXT("three")}, {TEXT("Fifth"), TEXT("5")}};
	Map.Append(Extra);
	EXPECT_EQ(Map.Num(), 5);
	EXPECT_EQ(Map.FindRef(TEXT("Third")), TEXT("three"));
	EXPECT_EQ(Map.FilterByPredicate([](const TPair<FString, FString>& Pair)
									{ return Pair.Value.Len() == 1; })
				  .Num(),
			  2);
	EXPECT_EQ(Map.FindAndRemoveChecked(TEXT("Fifth")), TEXT("5"));
	EXPECT_EQ(Map.Num(), 4);
}

TEST(MapAccessMore, ConstIterationAndPointerKeys)
{
	int32 A = 0;
	int32 B = 0;
	TMap<int32*, FString> Map;
	Map.Add(&A, TEXT("a"));
	Map.Add(&B, TEXT("b"));
	EXPECT_EQ(Map.FindRef(&B), TEXT("b"));
	const TMap<int32*, FString>& ConstMap = Map;
	FString Joined;
	for (auto It = ConstMap.CreateConstIterator(); It; ++It)
	{
		Joined += It.Value();
		EXPECT_TRUE(It.Key() == &A || It.Key() == &B);
	}
	EXPECT_EQ(Joined, TEXT("ab"));
}

TEST(SetAccessMore, FindOrAddIdsSortingAndArrays)
{
	TSet<int32> Set(TArray<int32>{5, 3, 9, 3});
	EXPECT_EQ(Set.Num(), 3);
	bool bFound = false;
	Set.FindOrAdd(9, &bFound);
	EXPECT_TRUE(bFound);
	Set.FindOrAdd(1, &bFound);
	EXPECT_FALSE(bFound);

	const FSetElementId Id = Set.FindId(3);
	ASSERT_TRUE(Id.IsValidId());
	EXPECT_EQ(Set[Id], 3);
	EXPECT_FALSE(Set.FindId(42).IsValidId());

	Set.Sort([](int32 X, int32 Y)
			 { return X < Y; });
	EXPECT_EQ(Set.Array(), (TArray<int32>{1, 3, 5, 9}));
	EXPECT_TRUE(Set.Includes(TSet<int32>{1, 9}));
	EXPECT_FALSE(Set.Includes(TSet<int32>{1, 2}));

	for (auto It = Set.CreateIterator(); It; ++It)
	{
		if (*It > 4)
		{
			It.RemoveCurrent();
		}
	}
	EXPECT_EQ(Set.Array(), (TArray<int32>{1, 3}));
	EXPECT_TRUE(Set.Contains(1));
	EXPECT_FALSE(Set.Contains(5));
}

TEST(SetDeathTest, StaleIdsFailLoudly)
{
	auto UseRemovedId = []
	{
		TSet<int32> Set = {1, 2};
		const FSetElementId Id = Set.FindId(1);
		Set.Remove(1);
		(void)Set[Id];
	};
	EXPECT_DEATH(UseRemovedId(), "Invalid set element id");
	auto MissingKey = []
	{
		TMap<int32, int32> Map;
		(void)Map.FindChecked(3);
	};
	EXPECT_DEATH(MissingKey(), "key not found");
}

// ---------------------------------------------------------------------------------------------
// Small templates

namespace HostTestFlags
{
	enum class EHostTestFlags : uint8
	{
		None = 0,
		A = 1 << 0,
		B = 1 << 1,
		C = 1 << 2,
	};
	ENUM_CLASS_FLAGS(EHostTestFlags);
} // namespace HostTestFlags
using HostTestFlags::EHostTestFlags;

TEST(SmallTemplates, TuplesOptionalsAndFlags)
{
	auto Tuple = MakeTuple(1, FString(TEXT("two")), 3.0);
	EXPECT_EQ(Tuple.Get<1>(), TEXT("two"));
	TPair<FName, int32> Pair(TEXT("Key"), 4);
	auto& [PairKey, PairValue] = Pair;
	PairValue = 5;
	EXPECT_EQ(Pair.Value, 5);
	EXPECT_EQ(PairKey, FName(TEXT("key")));
	EXPECT_EQ(MakeTuple(1, 2), MakeTuple(1, 2));

	TOptional<FString> Optional;
	EXPECT_FALSE(Optional.IsSet());
	EXPECT_EQ(Optional.Get(TEXT("default")), TEXT("default"));
	Optional = FString(TEXT("set"));
	EXPECT_EQ(*Optional, TEXT("set"));
	EXPECT_EQ(Optional->Len(), 3);
	Optional.Reset();
	EXPECT_EQ(Optional.GetPtrOrNull(), nullptr);

	EHostTestFlags Flags = EHostTestFlags::A | EHostTestFlags::C;
	EXPECT_TRUE(EnumHasAnyFlags(Flags, EHostTestFlags::C | EHostTestFlags::B));
	EXPECT_FALSE(EnumHasAllFlags(Flags, EHostTestFlags::C | EHostTestFlags::B));
	EnumRemoveFlags(Flags, EHostTestFlags::A);
	EXPECT_EQ(Flags, EHostTestFlags::C);
	Flags |= EHostTestFlags::B;
	EXPECT_TRUE(!!(Flags & EHostTestFlags::B));
	EXPECT_TRUE(!(Flags & EHostTestFlags::A));

	int32 Guarded = 1;
	{
		TGuardValue<int32> Guard(Guarded, 2);
		EXPECT_EQ(Guarded, 2);
	}
	EXPECT_EQ(Guarded, 1);
	EXPECT_EQ(Exchange(Guarded, 9), 1);
	EXPECT_EQ(FMath::Clamp(12, 0, 10), 10);
	EXPECT_EQ(FMath::RoundToInt(-0.5f), 0);
	EXPECT_EQ(FMath::RoundToInt(2.5), 3);
	EXPECT_EQ(FMath::RoundUpToPowerOfTwo(17), 32u);
}
