#include "CoreMinimal.h"
#include "HostTest/CoreProbe.h"
#include "Internationalization/Culture.h"

#include <gtest/gtest.h>
#include <string>

#define LOCTEXT_NAMESPACE "CoreStringsTests"

DEFINE_LOG_CATEGORY_STATIC(LogCoreStringsTests, Log, All);

namespace
{
	std::string Utf8(const FString& String)
	{
		return std::string(TCHAR_TO_UTF8(*String));
	}

	/** Restores English after each test that switches culture. */
	class FCultureTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("en")));
		}
		void TearDown() override
		{
			FInternationalization::Get().SetCurrentCulture(TEXT("en"));
		}
	};

	class FLogCaptureTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			HostTest::SetLogEcho(false);
			HostTest::ClearRecordedLogLines();
		}
		void TearDown() override
		{
			HostTest::SetLogEcho(true);
		}
	};
} // namespace

// ---------------------------------------------------------------------------------------------
// FString

TEST(StringPrefixes, EmptyPrefixOrSuffixNeverMatches)
{
	const FString Path(TEXT("/Game/Package"));
	EXPECT_FALSE(Path.StartsWith(TEXT("")));
	EXPECT_FALSE(Path.StartsWith(FString()));
	EXPECT_FALSE(Path.EndsWith(TEXT("")));
	EXPECT_FALSE(Path.EndsWith(FString()));
	EXPECT_FALSE(FString().StartsWith(TEXT("")));
}

TEST(StringPrefixes, PrefixesIgnoreCaseUnlessAskedNotTo)
{
	const FString Path(TEXT("/Game/Package/Asset"));
	EXPECT_TRUE(Path.StartsWith(TEXT("/game/PACKAGE")));
	EXPECT_TRUE(Path.StartsWith(FString(TEXT("/GAME"))));
	EXPECT_FALSE(Path.StartsWith(TEXT("/game"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(Path.EndsWith(TEXT("ASSET")));
	EXPECT_FALSE(Path.EndsWith(TEXT("ASSET"), ESearchCase::CaseSensitive));
	EXPECT_FALSE(Path.StartsWith(TEXT("/Game/Package/Asset/More")));
}

TEST(StringComparison, OperatorsIgnoreCaseButEqualsDefaultsToCaseSensitive)
{
	const FString Lower(TEXT("texture"));
	const FString Upper(TEXT("TEXTURE"));
	EXPECT_TRUE(Lower == Upper);
	EXPECT_TRUE(Lower == TEXT("Texture"));
	EXPECT_TRUE(TEXT("TeXture") == Lower);
	EXPECT_FALSE(Lower != Upper);
	EXPECT_FALSE(Lower.Equals(Upper));
	EXPECT_TRUE(Lower.Equals(Upper, ESearchCase::IgnoreCase));
	EXPECT_FALSE(FString(TEXT("apple")) < FString(TEXT("APPLE")));
	EXPECT_TRUE(FString(TEXT("apple")) < FString(TEXT("Banana")));
	EXPECT_EQ(GetTypeHash(Lower), GetTypeHash(Upper));
}

TEST(StringBasics, DereferencingNeverGivesNull)
{
	const FString Empty;
	ASSERT_NE(*Empty, nullptr);
	EXPECT_EQ((*Empty)[0], 0);
	FString Moved(TEXT("x"));
	FString Target = MoveTemp(Moved);
	ASSERT_NE(*Moved, nullptr);
	EXPECT_TRUE(Moved.IsEmpty());
	EXPECT_EQ(Target.Len(), 1);
}

TEST(StringBasics, NarrowAndUtf8LiteralsConvert)
{
	const FString FromAnsi = "/Game";
	EXPECT_EQ(FromAnsi, TEXT("/Game"));
	const FString FromUtf8 = UTF8_TO_TCHAR("Gr\xC3\xBC\xC3\x9F"
										   "e \xE2\x82\xAC");
	EXPECT_EQ(FromUtf8.Len(), 7);
	EXPECT_EQ(FromUtf8[2], TEXT('\u00FC'));
	EXPECT_EQ(Utf8(FromUtf8), "Gr\xC3\xBC\xC3\x9F"
							  "e \xE2\x82\xAC");
	EXPECT_STREQ(TCHAR_TO_ANSI(*FromUtf8), "Gr??e ?");
}

TEST(StringPrintf, FormatsEachConversionWithWidthAndFlags)
{
	EXPECT_EQ(FString::Printf(TEXT("Main Assets: %d | Assets To Cook: %d"), 3, 8), TEXT("Main Assets: 3 | Assets To Cook: 8"));
	EXPECT_EQ(FString::Printf(TEXT("[%5d|%-5d|%05d|%+d]"), 42, 42, 42, 42), TEXT("[   42|42   |00042|+42]"));
	EXPECT_EQ(FString::Printf(TEXT("%u %i"), 4000000000u, -7), TEXT("4000000000 -7"));
	EXPECT_EQ(FString::Printf(TEXT("%u"), -1), TEXT("4294967295"));
	EXPECT_EQ(FString::Printf(TEXT("%lld %llu"), (int64)-9000000000ll, (uint64)18000000000ull), TEXT("-9000000000 18000000000"));
	EXPECT_EQ(FString::Printf(TEXT("%x %X %08x"), 255, 255, 0xbeef), TEXT("ff FF 0000beef"));
	EXPECT_EQ(FString::Printf(TEXT("%f %.2f %.0f"), 1.5, 3.14159f, 2.5), TEXT("1.500000 3.14 2"));
	EXPECT_EQ(FString::Printf(TEXT("%c%c 100%%"), TEXT('O'), 'K'), TEXT("OK 100%"));
	const FString Name(TEXT("Asset"));
	EXPECT_EQ(FString::Printf(TEXT("<%s> <%8s> <%-8s> <%.2s>"), *Name, *Name, *Name, *Name), TEXT("<Asset> <   Asset> <Asset   > <As>"));
	EXPECT_EQ(FString::Printf(TEXT("%s"), TEXT("\u00e9t\u00e9")), TEXT("\u00e9t\u00e9"));
	EXPECT_EQ(FString::Printf(TEXT("no arguments")), TEXT("no arguments"));
}

TEST(StringPrintf, AppendfAddsToTheEnd)
{
	FString Report(TEXT("Found"));
	Report.Appendf(TEXT(" %d of %s"), 2, TEXT("three"));
	EXPECT_EQ(Report, TEXT("Found 2 of three"));
}

TEST(StringPrintfDeathTest, MismatchedArgumentsFailLoudly)
{
	EXPECT_DEATH(FString::Printf(TEXT("%s"), 5), "string argument");
	EXPECT_DEATH(FString::Printf(TEXT("%d %d"), 5), "too few arguments");
	EXPECT_DEATH(FString::Printf(TEXT("%d"), 5, 6), "more arguments");
}

TEST(StringEditing, SubstringsClampOutOfRangeCounts)
{
	const FString Text(TEXT("Package"));
	EXPECT_EQ(Text.Left(3), TEXT("Pac"));
	EXPECT_EQ(Text.Left(100), TEXT("Package"));
	EXPECT_EQ(Text.Left(-1), TEXT(""));
	EXPECT_EQ(Text.Right(4), TEXT("kage"));
	EXPECT_EQ(Text.LeftChop(4), TEXT("Pac"));
	EXPECT_EQ(Text.RightChop(4), TEXT("age"));
	EXPECT_EQ(Text.RightChop(40), TEXT(""));
	EXPECT_EQ(Text.Mid(2, 3), TEXT("cka"));
	EXPECT_EQ(Text.Mid(5), TEXT("ge"));
	EXPECT_EQ(Text.Mid(10, 2), TEXT(""));
	EXPECT_EQ(FString(TEXT("  \tpadded \n")).TrimStartAndEnd(), TEXT("padded"));
	EXPECT_EQ(Text.ToUpper(), TEXT("PACKAGE"));
	EXPECT_TRUE(Text.ToLower().Equals(TEXT("package")));
}

TEST(StringEditing, SearchAndReplaceIgnoreCaseByDefault)
{
	const FString Path(TEXT("/Game/Maps/game/Level"));
	EXPECT_EQ(Path.Find(TEXT("GAME")), 1);
	EXPECT_EQ(Path.Find(TEXT("GAME"), ESearchCase::CaseSensitive), INDEX_NONE);
	EXPECT_EQ(Path.Find(TEXT("game"), ESearchCase::IgnoreCase, ESearchDir::FromEnd), 11);
	EXPECT_EQ(Path.Find(TEXT("Game"), ESearchCase::IgnoreCase, ESearchDir::FromStart, 2), 11);
	EXPECT_TRUE(Path.Contains(TEXT("maps")));
	EXPECT_FALSE(Path.Contains(TEXT("maps"), ESearchCase::CaseSensitive));
	EXPECT_EQ(Path.Replace(TEXT("game"), TEXT("Content")), TEXT("/Content/Maps/Content/Level"));
	EXPECT_EQ(Path.Replace(TEXT("game"), TEXT("X"), ESearchCase::CaseSensitive), TEXT("/Game/Maps/X/Level"));
	FString Inline(TEXT("a.b.c"));
	EXPECT_EQ(Inline.ReplaceInline(TEXT("."), TEXT("")), 2);
	EXPECT_EQ(Inline, TEXT("abc"));
}

TEST(StringEditing, SplitAndParseIntoArray)
{
	FString Left;
	FString Right;
	ASSERT_TRUE(FString(TEXT("Package.Asset.Sub")).Split(TEXT("."), &Left, &Right));
	EXPECT_EQ(Left, TEXT("Package"));
	EXPECT_EQ(Right, TEXT("Asset.Sub"));
	ASSERT_TRUE(FString(TEXT("Package.Asset.Sub")).Split(TEXT("."), &Left, &Right, ESearchCase::IgnoreCase, ESearchDir::FromEnd));
	EXPECT_EQ(Left, TEXT("Package.Asset"));
	EXPECT_EQ(Right, TEXT("Sub"));
	EXPECT_FALSE(FString(TEXT("NoDot")).Split(TEXT("."), &Left, &Right));
	EXPECT_EQ(Left, TEXT("Package.Asset"));

	FString SplitInPlace(TEXT("Key=Value"));
	ASSERT_TRUE(SplitInPlace.Split(TEXT("="), &SplitInPlace, &Right));
	EXPECT_EQ(SplitInPlace, TEXT("Key"));
	EXPECT_EQ(Right, TEXT("Value"));

	TArray<FString> Parts;
	EXPECT_EQ(FString(TEXT("/Game//Maps/")).ParseIntoArray(Parts, TEXT("/")), 2);
	EXPECT_EQ(Parts, (TArray<FString>{TEXT("Game"), TEXT("Maps")}));
	EXPECT_EQ(FString(TEXT("a,,b")).ParseIntoArray(Parts, TEXT(","), false), 3);
	EXPECT_EQ(Parts[1], TEXT(""));
	EXPECT_EQ(FString(TEXT("one\r\ntwo\nthree")).ParseIntoArrayLines(Parts), 3);
	EXPECT_EQ(Parts[2], TEXT("three"));
}

TEST(StringEditing, PathJoinAndJoinAndNumbers)
{
	EXPECT_EQ(FString(TEXT("/Game")) / TEXT("Maps"), TEXT("/Game/Maps"));
	EXPECT_EQ(FString(TEXT("/Game/")) / TEXT("/Maps"), TEXT("/Game/Maps"));
	EXPECT_EQ(FString::Join(TArray<FString>{TEXT("a"), TEXT("b"), TEXT("c")}, TEXT(", ")), TEXT("a, b, c"));
	EXPECT_EQ(FString::Join(TArray<FString>(), TEXT(", ")), TEXT(""));
	EXPECT_EQ(FString::FromInt(-42), TEXT("-42"));
	EXPECT_EQ(FString::SanitizeFloat(1.0), TEXT("1.0"));
	EXPECT_EQ(FString::SanitizeFloat(0.1), TEXT("0.1"));
	EXPECT_EQ(FString(TEXT("x")) + TEXT("y") + FString(TEXT("z")), TEXT("xyz"));
}

TEST(StringGrowth, AppendingManyLinesGrowsGeometrically)
{
	FString Lines;
	int32 Reallocations = 0;
	SIZE_T Capacity = Lines.GetAllocatedSize();
	for (int32 Index = 0; Index < 10000; ++Index)
	{
		Lines += TEXT("/Game/Some/Asset/Path");
		Lines.AppendChar(TEXT('\n'));
		if (Lines.GetAllocatedSize() != Capacity)
		{
			++Reallocations;
			Capacity = Lines.GetAllocatedSize();
		}
	}
	EXPECT_EQ(Lines.Len(), 10000 * 22);
	EXPECT_LT(Reallocations, 40);

	FString Reserved;
	Reserved.Reserve(10000 * 22);
	const SIZE_T ReservedCapacity = Reserved.GetAllocatedSize();
	for (int32 Index = 0; Index < 10000; ++Index)
	{
		Reserved += TEXT("/Game/Some/Asset/Path\n");
	}
	EXPECT_EQ(Reserved.GetAllocatedSize(), ReservedCapacity);
}

TEST(StringGrowth, BuilderTakesHeapMemoryOnlyOnceItOutgrowsItsBufferAndThenFromFMemory)
{
	const uint64 Before = HostTest::GetMemoryAllocationCount();
	TStringBuilder<16> Builder;
	Builder << TEXT("/Game/Pack");
	EXPECT_EQ(HostTest::GetMemoryAllocationCount(), Before);

	Builder << TEXT("/Meshes/Deep/Folder/SM_Rock");
	EXPECT_EQ(HostTest::GetMemoryAllocationCount(), Before + 1);
	EXPECT_EQ(FString(Builder.ToView()), TEXT("/Game/Pack/Meshes/Deep/Folder/SM_Rock"));
}

// ---------------------------------------------------------------------------------------------
// Containers

TEST(MapOrder, IterationFollowsInsertionAndReplacingKeepsThePosition)
{
	TMap<FString, int32> Map;
	Map.Add(TEXT("Zeta"), 1);
	Map.Add(TEXT("Alpha"), 2);
	Map.Add(TEXT("Mid"), 3);
	Map.Add(TEXT("ALPHA"), 20);

	ASSERT_EQ(Map.Num(), 3);
	TArray<FString> Keys;
	TArray<int32> Values;
	for (const TPair<FString, int32>& Pair : Map)
	{
		Keys.Add(Pair.Key);
		Values.Add(Pair.Value);
	}
	EXPECT_EQ(Keys, (TArray<FString>{TEXT("Zeta"), TEXT("ALPHA"), TEXT("Mid")}));
	EXPECT_EQ(Values, (TArray<int32>{1, 20, 3}));
	EXPECT_EQ(Map.FindRef(TEXT("alpha")), 20);
	EXPECT_EQ(Map.FindRef(TEXT("missing")), 0);
	EXPECT_EQ(Map.Find(TEXT("missing")), nullptr);
}

TEST(MapOrder, RemovingLeavesAHoleTheNextAdditionFills)
{
	TMap<int32, int32> Map;
	for (int32 Key = 0; Key < 5; ++Key)
	{
		Map.Add(Key, Key * 10);
	}
	EXPECT_EQ(Map.Remove(1), 1);
	EXPECT_EQ(Map.Remove(1), 0);
	Map.Add(7, 70);

	TArray<int32> Keys;
	Map.GenerateKeyArray(Keys);
	EXPECT_EQ(Keys, (TArray<int32>{0, 7, 2, 3, 4}));
	TArray<int32> Values;
	Map.GenerateValueArray(Values);
	EXPECT_EQ(Values, (TArray<int32>{0, 70, 20, 30, 40}));
}

TEST(MapAccess, FindOrAddSortingAndIteratorRemoval)
{
	TMap<FName, int32> Counts;
	Counts.FindOrAdd(TEXT("b"))++;
	Counts.FindOrAdd(TEXT("B"))++;
	Counts.FindOrAdd(TEXT("a")) = 5;
	EXPECT_EQ(Counts.FindChecked(TEXT("b")), 2);
	EXPECT_EQ(Counts[FName(TEXT("A"))], 5);

	Counts.Add(TEXT("c"), 1);
	Counts.KeySort(FNameLexicalLess());
	TArray<FName> Keys;
	Counts.GetKeys(Keys);
	ASSERT_EQ(Keys.Num(), 3);
	EXPECT_EQ(Keys[0], FName(TEXT("a")));
	EXPECT_EQ(Keys[2], FName(TEXT("c")));

	Counts.ValueSort([](int32 A, int32 B)
					 { return A > B; });
	EXPECT_EQ(Counts.begin()->Value, 5);

	for (auto It = Counts.CreateIterator(); It; ++It)
	{
		if (It.Value() < 3)
		{
			It.RemoveCurrent();
		}
	}
	EXPECT_EQ(Counts.Num(), 1);
	EXPECT_TRUE(Counts.Contains(TEXT("A")));

	int32 Removed = 0;
	EXPECT_TRUE(Counts.RemoveAndCopyValue(TEXT("a"), Removed));
	EXPECT_EQ(Removed, 5);
	EXPECT_TRUE(Counts.IsEmpty());
}

TEST(MapAccess, ManyKeysSurviveRehashing)
{
	TMap<FString, int32> Map;
	for (int32 Index = 0; Index < 2000; ++Index)
	{
		Map.Add(FString::Printf(TEXT("Key%d"), Index), Index);
	}
	for (int32 Index = 0; Index < 2000; Index += 2)
	{
		Map.Remove(FString::Printf(TEXT("KEY%d"), Index));
	}
	ASSERT_EQ(Map.Num(), 1000);
	for (int32 Index = 1; Index < 2000; Index += 2)
	{
		const int32* Value = Map.Find(FString::Printf(TEXT("key%d"), Index));
		ASSERT_NE(Value, nullptr);
		EXPECT_EQ(*Value, Index);
	}
	int32 Visited = 0;
	for (const auto& [Key, Value] : Map)
	{
		EXPECT_EQ(Value % 2, 1);
		++Visited;
	}
	EXPECT_EQ(Visited, 1000);
}

TEST(MultiMapAccess, KeepsEveryValueOfAKey)
{
	TMultiMap<FName, int32> Map;
	Map.Add(TEXT("Mesh"), 1);
	Map.Add(TEXT("Mesh"), 2);
	Map.Add(TEXT("Tex"), 3);
	TArray<int32> Values;
	Map.MultiFind(TEXT("mesh"), Values);
	EXPECT_EQ(Values, (TArray<int32>{1, 2}));
	EXPECT_EQ(Map.Num(FName(TEXT("Mesh"))), 2);
	EXPECT_EQ(Map.RemoveSingle(TEXT("Mesh"), 1), 1);
	EXPECT_EQ(Map.Num(), 2);
}

TEST(SetAccess, StringsAndNamesDeduplicateIgnoringCase)
{
	TSet<FString> Strings;
	bool bAlreadyThere = true;
	Strings.Add(TEXT("/Game/A"), &bAlreadyThere);
	EXPECT_FALSE(bAlreadyThere);
	Strings.Add(TEXT("/game/a"), &bAlreadyThere);
	EXPECT_TRUE(bAlreadyThere);
	Strings.Add(TEXT("/Game/B"));
	EXPECT_EQ(Strings.Num(), 2);
	EXPECT_TRUE(Strings.Contains(TEXT("/GAME/B")));
	EXPECT_EQ(Strings.Array(), (TArray<FString>{TEXT("/game/a"), TEXT("/Game/B")}));

	TSet<FName> Names{FName(TEXT("One")), FName(TEXT("Two"))};
	TSet<FName> Others{FName(TEXT("TWO")), FName(TEXT("Three"))};
	EXPECT_EQ(Names.Intersect(Others).Num(), 1);
	EXPECT_EQ(Names.Union(Others).Num(), 3);
	EXPECT_EQ(Names.Difference(Others).Array(), TArray<FName>{FName(TEXT("One"))});
	EXPECT_EQ(Names.Remove(TEXT("one")), 1);
	EXPECT_FALSE(Names.Contains(TEXT("One")));
}

TEST(ArrayAccess, AddFindRemoveAndInsert)
{
	TArray<int32> Array = {5, 3, 5, 1};
	EXPECT_EQ(Array.Add(9), 4);
	EXPECT_EQ(Array.AddUnique(3), 1);
	EXPECT_EQ(Array.Find(5), 0);
	EXPECT_EQ(Array.FindLast(5), 2);
	EXPECT_EQ(Array.Find(42), INDEX_NONE);
	EXPECT_EQ(Array.Remove(5), 2);
	EXPECT_EQ(Array, (TArray<int32>{3, 1, 9}));
	Array.Insert(7, 1);
	Array.RemoveAt(0);
	EXPECT_EQ(Array, (TArray<int32>{7, 1, 9}));
	EXPECT_EQ(*Array.FindByPredicate([](int32 Value)
									 { return Value > 7; }),
			  9);
	EXPECT_TRUE(Array.ContainsByPredicate([](int32 Value)
										  { return Value == 1; }));
	EXPECT_EQ(Array.RemoveAll([](int32 Value)
							  { return Value < 8; }),
			  2);
	EXPECT_EQ(Array.Last(), 9);
	Array.SetNum(3);
	EXPECT_EQ(Array, (TArray<int32>{9, 0, 0}));
	Array.Reset();
	EXPECT_TRUE(Array.IsEmpty());
	EXPECT_FALSE(Array.IsValidIndex(0));
}

TEST(ArrayAccess, SortingPointersComparesThePointees)
{
	FString A(TEXT("b"));
	FString B(TEXT("C"));
	FString C(TEXT("a"));
	TArray<FString*> Pointers = {&A, &B, &C};
	Pointers.Sort([](const FString& Lhs, const FString& Rhs)
				  { return Lhs < Rhs; });
	EXPECT_EQ(Pointers, (TArray<FString*>{&C, &A, &B}));

	TArray<TPair<int32, int32>> Pairs = {{2, 0}, {1, 1}, {2, 2}, {1, 3}};
	Pairs.StableSort([](const TPair<int32, int32>& Lhs, const TPair<int32, int32>& Rhs)
					 { return Lhs.Key < Rhs.Key; });
	EXPECT_EQ(Pairs[0].Value, 1);
	EXPECT_EQ(Pairs[1].Value, 3);
	EXPECT_EQ(Pairs[2].Value, 0);
}

TEST(ArrayAccess, BoolArraysHandOutRealReferences)
{
	TArray<bool> Flags;
	Flags.Add(false);
	Flags.Add(true);
	bool& First = Flags[0];
	First = true;
	EXPECT_TRUE(Flags[0]);
	EXPECT_EQ(Flags.GetData()[1], true);
}

TEST(ContainerDeathTest, ResizingDuringRangedForFailsLoudly)
{
	auto GrowWhileIterating = []
	{
		TArray<int32> Array = {1, 2, 3};
		for (int32 Value : Array)
		{
			Array.Add(Value);
		}
	};
	auto RemoveWhileIterating = []
	{
		TMap<int32, int32> Map = {{1, 1}, {2, 2}};
		for (auto& Pair : Map)
		{
			Map.Remove(Pair.Key);
		}
	};
	auto ReadPastTheEnd = []
	{
		TArray<int32> Array = {1};
		Array[1] = 0;
	};
	EXPECT_DEATH(GrowWhileIterating(), "Array has changed during ranged-for iteration");
	EXPECT_DEATH(RemoveWhileIterating(), "Container has changed during ranged-for iteration");
	EXPECT_DEATH(ReadPastTheEnd(), "Array index out of bounds");
}

// ---------------------------------------------------------------------------------------------
// FName

TEST(NameIdentity, ComparesAndHashesIgnoringCaseAndKeepsTheFirstSpelling)
{
	const FName First(TEXT("HostTestMixedCaseName"));
	const FName Second(TEXT("hosttestmixedcasename"));
	EXPECT_EQ(First, Second);
	EXPECT_EQ(GetTypeHash(First), GetTypeHash(Second));
	EXPECT_EQ(Second.ToString(), TEXT("HostTestMixedCaseName"));
	EXPECT_TRUE(Second.ToString().Equals(TEXT("HostTestMixedCaseName"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(First == TEXT("HOSTTESTMIXEDCASENAME"));
	EXPECT_NE(First, FName(TEXT("HostTestOtherName")));
	EXPECT_EQ(FName("HostTestMixedCaseName"), First);
	EXPECT_EQ(FName(FString(TEXT("HostTestMixedCaseName"))), First);
}

TEST(NameIdentity, NoneAndFindOnly)
{
	EXPECT_TRUE(FName().IsNone());
	EXPECT_EQ(FName(), NAME_None);
	EXPECT_TRUE(FName(TEXT("")).IsNone());
	EXPECT_TRUE(FName(TEXT("none")).IsNone());
	EXPECT_EQ(NAME_None, FName(TEXT("None")));
	EXPECT_EQ(FName(NAME_None).ToString(), TEXT("None"));

	EXPECT_TRUE(FName(TEXT("HostTestNeverAddedName"), FNAME_Find).IsNone());
	const FName Added(TEXT("HostTestAddedLater"));
	EXPECT_EQ(FName(TEXT("hosttestaddedlater"), FNAME_Find), Added);
}

TEST(NameIdentity, TrailingNumbersRoundTrip)
{
	const FName Numbered(TEXT("Actor_3"));
	EXPECT_EQ(Numbered.GetNumber(), 4);
	EXPECT_EQ(Numbered.ToString(), TEXT("Actor_3"));
	EXPECT_EQ(Numbered, FName(FName(TEXT("Actor")), 4));
	EXPECT_NE(Numbered, FName(TEXT("Actor")));
	EXPECT_EQ(Numbered.GetPlainNameString(), TEXT("Actor"));
	EXPECT_EQ(Numbered.GetStringLength(), 7u);

	const FName LeadingZero(TEXT("Mesh_01"));
	EXPECT_EQ(LeadingZero.GetNumber(), NAME_NO_NUMBER_INTERNAL);
	EXPECT_EQ(LeadingZero.ToString(), TEXT("Mesh_01"));
	EXPECT_EQ(FName(TEXT("Mesh_0")).ToString(), TEXT("Mesh_0"));
}

TEST(NameFormatting, BuildersBuffersAndSorting)
{
	const FName Name(TEXT("/Game/Package_12"));
	FNameBuilder Builder(Name);
	EXPECT_EQ(FString(Builder.ToView()), TEXT("/Game/Package_12"));
	EXPECT_EQ(Builder.Len(), 16);

	TCHAR Buffer[8];
	EXPECT_EQ(Name.ToString(Buffer), 7u);
	EXPECT_EQ(FString(Buffer), TEXT("/Game/P"));

	FString Appended(TEXT("Path: "));
	Name.AppendString(Appended);
	EXPECT_EQ(Appended, TEXT("Path: /Game/Package_12"));
	EXPECT_EQ(LexToString(Name), TEXT("/Game/Package_12"));

	TArray<FName> Names = {FName(TEXT("b")), FName(TEXT("A")), FName(TEXT("c"))};
	Names.Sort(FNameLexicalLess());
	EXPECT_EQ(Names[0].ToString(), TEXT("A"));
	EXPECT_EQ(Names[2].ToString(), TEXT("c"));
}

// ---------------------------------------------------------------------------------------------
// FText

TEST(TextSources, LocTextKeepsNamespaceKeyAndSource)
{
	const FText Localized = LOCTEXT("DependencyWarning", "{0} referenced assets are outside.");
	EXPECT_EQ(HostTest::GetTextNamespace(Localized), TEXT("CoreStringsTests"));
	EXPECT_EQ(HostTest::GetTextKey(Localized), TEXT("DependencyWarning"));
	EXPECT_EQ(HostTest::GetTextSourceString(Localized), TEXT("{0} referenced assets are outside."));
	EXPECT_TRUE(HostTest::IsTextLocalizable(Localized));
	EXPECT_FALSE(Localized.IsCultureInvariant());

	const FText Explicit = NSLOCTEXT("OtherNamespace", "Key", "Value");
	EXPECT_EQ(HostTest::GetTextNamespace(Explicit), TEXT("OtherNamespace"));
	EXPECT_EQ(Explicit.ToString(), TEXT("Value"));
}

TEST(TextSources, PlainAndInvariantTextsAreNotLocalizable)
{
	const FText Plain = FText::FromString(TEXT("Main Assets: 3"));
	EXPECT_FALSE(HostTest::IsTextLocalizable(Plain));
	EXPECT_TRUE(HostTest::IsTextFromString(Plain));
	EXPECT_TRUE(HostTest::GetTextKey(Plain).IsEmpty());
	EXPECT_EQ(Plain.ToString(), TEXT("Main Assets: 3"));

	const FText Invariant = INVTEXT("Package");
	EXPECT_TRUE(Invariant.IsCultureInvariant());
	EXPECT_FALSE(HostTest::IsTextLocalizable(Invariant));
	EXPECT_TRUE(FText::AsCultureInvariant(TEXT("Package")).EqualTo(Invariant));
	EXPECT_TRUE(FText::AsCultureInvariant(LOCTEXT("Loc", "Package")).IsCultureInvariant());

	EXPECT_TRUE(FText().IsEmpty());
	EXPECT_TRUE(FText::GetEmpty().IdenticalTo(FText()));
	EXPECT_TRUE(FText::FromString(TEXT(" \t")).IsEmptyOrWhitespace());
	EXPECT_FALSE(Plain.EqualTo(FText::FromString(TEXT("main assets: 3"))));
	EXPECT_TRUE(Plain.EqualToCaseIgnored(FText::FromString(TEXT("main assets: 3"))));
}

TEST_F(FCultureTest, AsNumberGroupsDigitsByTheCurrentCulture)
{
	EXPECT_EQ(FText::AsNumber(1234).ToString(), TEXT("1,234"));
	EXPECT_EQ(FText::AsNumber(-1234567).ToString(), TEXT("-1,234,567"));
	EXPECT_EQ(FText::AsNumber(999).ToString(), TEXT("999"));
	EXPECT_EQ(FText::AsNumber(1234.5678).ToString(), TEXT("1,234.568"));
	EXPECT_EQ(FText::AsNumber(2.0f).ToString(), TEXT("2"));
	EXPECT_EQ(FText::AsNumber((uint64)18446744073709551615ull).ToString(), TEXT("18,446,744,073,709,551,615"));
	EXPECT_EQ(FText::AsNumber(TNumericLimits<int64>::Min()).ToString(), TEXT("-9,223,372,036,854,775,808"));

	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("de")));
	EXPECT_EQ(FInternationalization::Get().GetCurrentCulture()->GetName(), TEXT("de"));
	EXPECT_EQ(FText::AsNumber(1234).ToString(), TEXT("1.234"));
	EXPECT_EQ(FText::AsNumber(1234.5).ToString(), TEXT("1.234,5"));

	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("fr-FR")));
	EXPECT_EQ(FText::AsNumber(1234).ToString(), TEXT("1\u202F234"));
}

TEST_F(FCultureTest, ExistingNumberTextsFollowACultureChange)
{
	const FText Count = FText::AsNumber(10000);
	const FText Warning = FText::Format(LOCTEXT("Warn", "{0} referenced assets are outside of this package's directory."), Count);
	EXPECT_EQ(Warning.ToString(), TEXT("10,000 referenced assets are outside of this package's directory."));
	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("de-DE")));
	EXPECT_EQ(Count.ToString(), TEXT("10.000"));
	EXPECT_EQ(Warning.ToString(), TEXT("10.000 referenced assets are outside of this package's directory."));

	const FText Localized = LOCTEXT("Same", "Source text");
	EXPECT_EQ(Localized.ToString(), TEXT("Source text"));
}

TEST_F(FCultureTest, UnknownCulturesAreRefused)
{
	EXPECT_FALSE(FInternationalization::Get().SetCurrentCulture(TEXT("xx-Nowhere")));
	EXPECT_EQ(FInternationalization::Get().GetCurrentCulture()->GetName(), TEXT("en"));
	EXPECT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("de-AT")));
	EXPECT_EQ(FInternationalization::Get().GetCurrentCulture()->GetName(), TEXT("de"));
}

TEST_F(FCultureTest, NumberFormattingOptionsAreHonoured)
{
	FNumberFormattingOptions NoGrouping;
	NoGrouping.SetUseGrouping(false);
	EXPECT_EQ(FText::AsNumber(1234567, &NoGrouping).ToString(), TEXT("1234567"));
	EXPECT_EQ(FText::AsNumber(1234, &FNumberFormattingOptions::DefaultNoGrouping()).ToString(), TEXT("1234"));

	FNumberFormattingOptions Fixed;
	Fixed.SetMinimumFractionalDigits(2).SetMaximumFractionalDigits(2);
	EXPECT_EQ(FText::AsNumber(3.14159, &Fixed).ToString(), TEXT("3.14"));
	EXPECT_EQ(FText::AsNumber(3, &Fixed).ToString(), TEXT("3.00"));

	FNumberFormattingOptions Padded;
	Padded.SetMinimumIntegralDigits(4).SetAlwaysSign(true);
	EXPECT_EQ(FText::AsNumber(42, &Padded).ToString(), TEXT("+0,042"));

	FNumberFormattingOptions Rounding;
	Rounding.SetMaximumFractionalDigits(0).SetRoundingMode(ERoundingMode::HalfFromZero);
	EXPECT_EQ(FText::AsNumber(2.5, &Rounding).ToString(), TEXT("3"));
	Rounding.SetRoundingMode(ERoundingMode::HalfToEven);
	EXPECT_EQ(FText::AsNumber(2.5, &Rounding).ToString(), TEXT("2"));
	Rounding.SetRoundingMode(ERoundingMode::ToZero);
	EXPECT_EQ(FText::AsNumber(-2.7, &Rounding).ToString(), TEXT("-2"));

	const FCulturePtr German = FInternationalization::Get().GetCulture(TEXT("de"));
	EXPECT_EQ(FText::AsNumber(1234, nullptr, German).ToString(), TEXT("1.234"));
}

TEST_F(FCultureTest, FormatFillsOrderedAndNamedArguments)
{
	EXPECT_EQ(FText::Format(LOCTEXT("Two", "{1} before {0}"), FText::FromString(TEXT("A")), FText::FromString(TEXT("B"))).ToString(), TEXT("B before A"));
	EXPECT_EQ(FText::Format(INVTEXT("{0} of {1}"), 1500, 2.5).ToString(), TEXT("1,500 of 2.5"));

	FFormatOrderedArguments Ordered;
	Ordered.Add(FText::FromString(TEXT("x")));
	EXPECT_EQ(FText::Format(INVTEXT("{0}{0} {1}"), Ordered).ToString(), TEXT("xx {1}"));

	EXPECT_EQ(FText::FormatNamed(INVTEXT("{Count} in {Folder}"), TEXT("Count"), 3, TEXT("Folder"), FText::FromString(TEXT("/Game"))).ToString(), TEXT("3 in /Game"));
	FFormatNamedArguments Named;
	Named.Add(TEXT("Name"), FText::FromString(TEXT("Pak")));
	EXPECT_EQ(FText::Format(INVTEXT("`{Name`} = {Name}"), Named).ToString(), TEXT("{Name} = Pak"));
	EXPECT_FALSE(HostTest::IsTextLocalizable(FText::Format(LOCTEXT("Pattern", "{0}"), 1)));
}

// ---------------------------------------------------------------------------------------------
// Logging and failures

TEST_F(FLogCaptureTest, LinesAreRecordedWithCategoryVerbosityAndMessage)
{
	UE_LOG(LogCoreStringsTests, Warning, TEXT("Refusing %s: %d"), TEXT("/Game/Asset"), 7);
	UE_LOG(LogTemp, Display, TEXT("Plain"));
	UE_LOG(LogCoreStringsTests, Verbose, TEXT("Suppressed by default"));

	const TArray<HostTest::FRecordedLogLine> Lines = HostTest::GetRecordedLogLines();
	ASSERT_EQ(Lines.Num(), 2);
	EXPECT_EQ(Lines[0].Category, FName(TEXT("LogCoreStringsTests")));
	EXPECT_EQ(Lines[0].Verbosity, ELogVerbosity::Warning);
	EXPECT_EQ(Lines[0].Message, TEXT("Refusing /Game/Asset: 7"));
	EXPECT_EQ(Lines[1].Category, FName(TEXT("LogTemp")));
	EXPECT_EQ(HostTest::CountLogLines(FName(TEXT("LogCoreStringsTests")), ELogVerbosity::Warning), 1);
	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("/Game/Asset")));

	LogCoreStringsTests.SetVerbosity(ELogVerbosity::Verbose);
	UE_LOG(LogCoreStringsTests, Verbose, TEXT("Now visible"));
	LogCoreStringsTests.ResetFromDefault();
	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("Now visible")));

	HostTest::ClearRecordedLogLines();
	EXPECT_TRUE(HostTest::GetRecordedLogLines().IsEmpty());
}

TEST_F(FLogCaptureTest, FailedEnsureIsReportedOnceAndReturnsFalse)
{
	int32 Failures = 0;
	for (int32 Attempt = 0; Attempt < 3; ++Attempt)
	{
		if (!ensureMsgf(Attempt < 0, TEXT("attempt %d"), Attempt))
		{
			++Failures;
		}
	}
	EXPECT_EQ(Failures, 3);
	EXPECT_EQ(HostTest::CountLogLines(FName(TEXT("LogOutputDevice")), ELogVerbosity::Error), 1);
	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("attempt 0")));
	EXPECT_TRUE(ensure(true));
}

TEST(FailureDeathTest, ChecksFatalLogsAndUnwrittenStandInsAbort)
{
	EXPECT_DEATH(check(1 + 1 == 3), "Assertion failed: 1 \\+ 1 == 3");
	EXPECT_DEATH(checkf(false, TEXT("bad asset %s"), TEXT("/Game/X")), "bad asset /Game/X");
	EXPECT_DEATH(UE_LOG(LogTemp, Fatal, TEXT("fatal %d"), 1), "LogTemp: Fatal: fatal 1");
	EXPECT_DEATH([]
				 { HOST_UNIMPLEMENTED(); }(),
				 "HostEngine: .* is not implemented");
	EXPECT_DEATH(TOptional<int32>().GetValue(), "unset TOptional");
}

// ---------------------------------------------------------------------------------------------
// Colours and builders

TEST(Colors, ByteColorIsStoredBlueGreenRedAlpha)
{
	const FColor Color(0x11, 0x22, 0x33, 0x44);
	const uint8* Bytes = reinterpret_cast<const uint8*>(&Color);
	EXPECT_EQ(Bytes[0], 0x33);
	EXPECT_EQ(Bytes[1], 0x22);
	EXPECT_EQ(Bytes[2], 0x11);
	EXPECT_EQ(Bytes[3], 0x44);
	EXPECT_EQ(Color.ToPackedARGB(), 0x44112233u);
	EXPECT_EQ(Color.ToHex(), TEXT("11223344"));
	EXPECT_EQ(FColor::FromHex(TEXT("#11223344")), Color);
}

TEST(Colors, LinearConversionUsesSRGB)
{
	EXPECT_EQ(FLinearColor::Red, FLinearColor(1.f, 0.f, 0.f, 1.f));
	const FLinearColor Mid(FColor(128, 0, 255, 255));
	EXPECT_NEAR(Mid.R, 0.2158605f, 1e-5f);
	EXPECT_FLOAT_EQ(Mid.B, 1.0f);
	EXPECT_EQ(Mid.ToFColor(true), FColor(128, 0, 255, 255));
	EXPECT_EQ(FLinearColor(0.5f, 0.5f, 0.5f).ToFColor(false), FColor(127, 127, 127, 255));
}

TEST(StringBuilders, AppendBeyondTheInlineBuffer)
{
	TStringBuilder<8> Builder;
	Builder << TEXT("Count=") << 12345 << TEXT(' ') << FString(TEXT("done"));
	Builder.Appendf(TEXT("!%d"), 1);
	EXPECT_EQ(FString(Builder.ToView()), TEXT("Count=12345 done!1"));
	EXPECT_EQ(FString(*Builder), TEXT("Count=12345 done!1"));
	Builder.RemoveSuffix(2);
	EXPECT_TRUE(Builder.ToView().EndsWith(TEXT("done")));
	EXPECT_EQ(FString(WriteToString<16>(TEXT("a"), FName(TEXT("Name_2")))), TEXT("aName_2"));

	const FStringView View(TEXT("/Game/Maps/Level"));
	EXPECT_TRUE(View.StartsWith(TEXT("/game")));
	EXPECT_EQ(FString(View.Mid(6, 4)), TEXT("Maps"));
	EXPECT_EQ(View.Find(TEXT("MAPS")), 6);
	EXPECT_TRUE(View == TEXT("/GAME/maps/level"));
}

#undef LOCTEXT_NAMESPACE
