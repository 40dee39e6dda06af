#include "CoreMinimal.h"
#include "HostTest/CoreProbe.h"
#include "Internationalization/Culture.h"

#include <gtest/gtest.h>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <thread>
#include <vector>

#define LOCTEXT_NAMESPACE "CoreTextTests"

// Counts heap allocations made by the current thread while a test asks for it. Replacing the
// global allocation functions is the only way to see allocations made inside Core itself.
namespace
{
	thread_local bool bCountAllocations = false;
	thread_local int64 NumAllocations = 0;

	struct FAllocationCounter
	{
		FAllocationCounter()
		{
			NumAllocations = 0;
			bCountAllocations = true;
		}
		~FAllocationCounter()
		{
			bCountAllocations = false;
		}
		int64 Count() const
		{
			return NumAllocations;
		}
	};
} // namespace

// Every form is replaced, so all memory is taken with malloc and returned with free whichever
// form a library uses; a partial set would mix allocators under AddressSanitizer.
namespace
{
	void* CountedAllocate(std::size_t Size, std::size_t Alignment = 0)
	{
		if (bCountAllocations)
		{
			++NumAllocations;
		}
		Size = Size ? Size : 1;
		void* Memory = Alignment > alignof(std::max_align_t) ? std::aligned_alloc(Alignment, (Size + Alignment - 1) / Alignment * Alignment) : std::malloc(Size);
		return Memory;
	}
} // namespace

void* operator new(std::size_t Size)
{
	if (void* Memory = CountedAllocate(Size))
	{
		return Memory;
	}
	throw std::bad_alloc();
}
void* operator new[](std::size_t Size)
{
	return operator new(Size);
}
void* operator new(std::size_t Size, const std::nothrow_t&) noexcept
{
	return CountedAllocate(Size);
}
void* operator new[](std::size_t Size, const std::nothrow_t&) noexcept
{
	return CountedAllocate(Size);
}
void* operator new(std::size_t Size, std::align_val_t Alignment)
{
	if (void* Memory = CountedAllocate(Size, static_cast<std::size_t>(Alignment)))
	{
		return Memory;
	}
	throw std::bad_alloc();
}
void* operator new[](std::size_t Size, std::align_val_t Alignment)
{
	return operator new(Size, Alignment);
}
void* operator new(std::size_t Size, std::align_val_t Alignment, const std::nothrow_t&) noexcept
{
	return CountedAllocate(Size, static_cast<std::size_t>(Alignment));
}
void* operator new[](std::size_t Size, std::align_val_t Alignment, const std::nothrow_t&) noexcept
{
	return CountedAllocate(Size, static_cast<std::size_t>(Alignment));
}
void operator delete(void* Memory) noexcept
{
	std::free(Memory);
}
void operator delete[](void* Memory) noexcept
{
	std::free(Memory);
}
void operator delete(void* Memory, std::size_t) noexcept
{
	std::free(Memory);
}
void operator delete[](void* Memory, std::size_t) noexcept
{
	std::free(Memory);
}
void operator delete(void* Memory, const std::nothrow_t&) noexcept
{
	std::free(Memory);
}
void operator delete[](void* Memory, const std::nothrow_t&) noexcept
{
	std::free(Memory);
}
void operator delete(void* Memory, std::align_val_t) noexcept
{
	std::free(Memory);
}
void operator delete[](void* Memory, std::align_val_t) noexcept
{
	std::free(Memory);
}
void operator delete(void* Memory, std::size_t, std::align_val_t) noexcept
{
	std::free(Memory);
}
void operator delete[](void* Memory, std::size_t, std::align_val_t) noexcept
{
	std::free(Memory);
}
void operator delete(void* Memory, std::align_val_t, const std::nothrow_t&) noexcept
{
	std::free(Memory);
}
void operator delete[](void* Memory, std::align_val_t, const std::nothrow_t&) noexcept
{
	std::free(Memory);
}

namespace
{
	class FCultureTextTest : public ::testing::Test
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
} // namespace

// ---------------------------------------------------------------------------------------------
// Names without allocation, and from many threads

TEST(NameCost, LookingUpAnExistingNameAllocatesNothing)
{
	const FName Existing(TEXT("/Game/HostTest/ExistingAsset"));
	const FString AsString(TEXT("/game/hosttest/existingasset"));
	FName Found;
	int64 Allocations = 0;
	{
		FAllocationCounter Counter;
		Found = FName(TEXT("/GAME/HostTest/ExistingAsset"));
		Found = FName("/Game/HostTest/ExistingAsset");
		Found = FName(FStringView(AsString));
		Found = FName(*AsString, FNAME_Find);
		Allocations = Counter.Count();
	}
	EXPECT_EQ(Allocations, 0);
	EXPECT_EQ(Found, Existing);

	// The counter itself must see allocations, or the checks above prove nothing.
	FAllocationCounter Counter;
	const FString Heap = FString::ChrN(100, TEXT('x'));
	EXPECT_GT(Counter.Count(), 0);
}

TEST(NameCost, FormattingIntoABuilderAllocatesNothing)
{
	const FName Name(TEXT("/Game/HostTest/Formatted_42"));
	int64 Allocations = 0;
	bool bUnderFolder = false;
	{
		FAllocationCounter Counter;
		FNameBuilder Builder(Name);
		bUnderFolder = Builder.ToView().StartsWith(TEXT("/game/hosttest/"));
		TCHAR Buffer[FName::StringBufferSize];
		Name.ToString(Buffer);
		Allocations = Counter.Count();
	}
	EXPECT_EQ(Allocations, 0);
	EXPECT_TRUE(bUnderFolder);
}

TEST(NameThreads, ConcurrentCreationAgreesOnOneEntry)
{
	constexpr int32 NumThreads = 8;
	constexpr int32 NumNames = 500;
	std::vector<std::vector<FName>> Results(NumThreads);
	std::atomic<bool> bGo{false};
	std::vector<std::thread> Threads;
	for (int32 ThreadIndex = 0; ThreadIndex < NumThreads; ++ThreadIndex)
	{
		Threads.emplace_back([&, ThreadIndex]
							 {
			while (!bGo.load())
			{
			}
			for (int32 Index = 0; Index < NumNames; ++Index)
			{
				// Alternate the spelling so threads race on the case-insensitive match too.
				const FString Text = FString::Printf(ThreadIndex % 2 ? TEXT("HostTestThreaded%d") : TEXT("HOSTTESTTHREADED%d"), Index);
				Results[ThreadIndex].push_back(FName(*Text));
			} });
	}
	bGo.store(true);
	for (std::thread& Thread : Threads)
	{
		Thread.join();
	}
	for (int32 Index = 0; Index < NumNames; ++Index)
	{
		for (int32 ThreadIndex = 1; ThreadIndex < NumThreads; ++ThreadIndex)
		{
			ASSERT_EQ(Results[ThreadIndex][Index], Results[0][Index]);
		}
		ASSERT_TRUE(Results[0][Index].ToString().Equals(FString::Printf(TEXT("HostTestThreaded%d"), Index), ESearchCase::IgnoreCase));
	}
}

// ---------------------------------------------------------------------------------------------
// Character conversion

TEST(StringConversion, RoundTripsCharactersOutsideTheBasicPlane)
{
	const char* Utf8 = "A\xF0\x9F\x98\x80Z\xE2\x82\xAC";
	const FString Wide = UTF8_TO_TCHAR(Utf8);
	ASSERT_EQ(Wide.Len(), 5);
	EXPECT_EQ(Wide[1], 0xD83D);
	EXPECT_EQ(Wide[2], 0xDE00);
	EXPECT_STREQ(TCHAR_TO_UTF8(*Wide), Utf8);

	const auto Cast = StringCast<UTF8CHAR>(*Wide);
	EXPECT_EQ(Cast.Length(), static_cast<int32>(std::char_traits<char>::length(Utf8)));
	const auto Partial = StringCast<TCHAR>("abcdef", 3);
	EXPECT_EQ(FString(Partial.Get()), TEXT("abc"));
	EXPECT_EQ(FString(TCHAR_TO_WCHAR(*Wide)), Wide);
	EXPECT_EQ(FString(L"wide\u00e9"), TEXT("wide\u00e9"));
}

TEST(StringConversion, MalformedUtf8BecomesQuestionMarks)
{
	const FString Broken = UTF8_TO_TCHAR("ok\xC3(\xFF");
	EXPECT_EQ(Broken, TEXT("ok?(?"));
	EXPECT_EQ(FString(UTF8_TO_TCHAR("")), TEXT(""));
}

// ---------------------------------------------------------------------------------------------
// Printf corners

TEST(PrintfCorners, StarWidthsPointersAndScientific)
{
	EXPECT_EQ(FString::Printf(TEXT("[%*d|%-*d]"), 4, 7, 3, 8), TEXT("[   7|8  ]"));
	EXPECT_EQ(FString::Printf(TEXT("[%*d]"), -3, 1), TEXT("[1  ]"));
	EXPECT_EQ(FString::Printf(TEXT("%.*f"), 1, 2.25), TEXT("2.2"));
	EXPECT_EQ(FString::Printf(TEXT("%e"), 12345.0), TEXT("1.234500e+04"));
	EXPECT_EQ(FString::Printf(TEXT("%g %g"), 0.0001, 100000.0), TEXT("0.0001 100000"));
	EXPECT_EQ(FString::Printf(TEXT("%hs|%s"), "narrow", "also"), TEXT("narrow|also"));
	const TCHAR* Null = nullptr;
	EXPECT_EQ(FString::Printf(TEXT("%s"), Null), TEXT("(null)"));
	EXPECT_FALSE(FString::Printf(TEXT("%p"), &Null).IsEmpty());
	EXPECT_EQ(FString::Printf(TEXT("%d %d"), true, (int8)-3), TEXT("1 -3"));
	EXPECT_EQ(FString::Printf(TEXT("%x"), (int8)-1), TEXT("ff"));
	EXPECT_EQ(FString::Printf(TEXT("%zu %I64d"), (SIZE_T)12, (int64)5), TEXT("12 5"));
}

TEST(PrintfCorners, LongOutputIsNotTruncated)
{
	const FString Long = FString::ChrN(5000, TEXT('x'));
	const FString Formatted = FString::Printf(TEXT("<%s>%0600d"), *Long, 1);
	EXPECT_EQ(Formatted.Len(), 5002 + 600);
	EXPECT_TRUE(Formatted.EndsWith(TEXT("0001")));
}

// ---------------------------------------------------------------------------------------------
// Views and C strings

TEST(StringViews, CompareTrimAndHashLikeStrings)
{
	const FString Owner(TEXT("  /Game/Maps/Level.Level  "));
	const FStringView View = FStringView(Owner).TrimStartAndEnd();
	EXPECT_EQ(View.Len(), 22);
	int32 Dot = INDEX_NONE;
	ASSERT_TRUE(View.FindLastChar(TEXT('.'), Dot));
	EXPECT_EQ(FString(View.Left(Dot)), TEXT("/Game/Maps/Level"));
	EXPECT_EQ(FString(View.RightChop(Dot + 1)), TEXT("Level"));
	EXPECT_EQ(View.Compare(TEXT("/GAME/MAPS/LEVEL.LEVEL"), ESearchCase::IgnoreCase), 0);
	EXPECT_LT(View.Compare(TEXT("/Game/Maps/Level.LevelX")), 0);
	EXPECT_TRUE(View.Equals(TEXT("/game/maps/level.level"), ESearchCase::IgnoreCase));
	EXPECT_FALSE(View.Equals(TEXT("/game/maps/level.level")));
	EXPECT_EQ(GetTypeHash(FStringView(TEXT("ABC"))), GetTypeHash(FString(TEXT("abc"))));
	EXPECT_TRUE(FStringView().IsEmpty());
	EXPECT_EQ(TEXTVIEW("abc").Len(), 3);
}

TEST(CStrings, ComparisonAndParsing)
{
	EXPECT_EQ(FCString::Strlen(TEXT("four")), 4);
	EXPECT_EQ(FCString::Stricmp(TEXT("Abc"), TEXT("aBC")), 0);
	EXPECT_LT(FCString::Strcmp(TEXT("Abc"), TEXT("abc")), 0);
	EXPECT_EQ(FCString::Strnicmp(TEXT("/Game/X"), TEXT("/GAME/Y"), 6), 0);
	EXPECT_NE(FCString::Stristr(TEXT("Hello World"), TEXT("WORLD")), nullptr);
	EXPECT_EQ(FCString::Strstr(TEXT("Hello World"), TEXT("WORLD")), nullptr);
	EXPECT_EQ(FCString::Atoi(TEXT("-42abc")), -42);
	EXPECT_FLOAT_EQ(FCString::Atof(TEXT("2.5")), 2.5f);
	EXPECT_TRUE(FCString::ToBool(TEXT("True")));
	EXPECT_FALSE(FCString::ToBool(TEXT("off")));

	int32 Parsed = 0;
	EXPECT_TRUE(LexTryParseString(Parsed, TEXT("123")));
	EXPECT_EQ(Parsed, 123);
	EXPECT_FALSE(LexTryParseString(Parsed, TEXT("12x")));
	EXPECT_FALSE(LexTryParseString(Parsed, TEXT("99999999999")));
	EXPECT_EQ(LexToString(true), TEXT("true"));
	EXPECT_EQ(LexToString((uint64)7), TEXT("7"));
	EXPECT_TRUE(FString(TEXT("-1.5")).IsNumeric());
	EXPECT_FALSE(FString(TEXT("1.2.3")).IsNumeric());
}

// ---------------------------------------------------------------------------------------------
// Texts

TEST_F(FCultureTextTest, FormatLeavesUnknownPlaceholdersAndNestsTexts)
{
	const FText Inner = FText::Format(INVTEXT("{0} items"), FText::AsNumber(2500));
	const FText Outer = FText::Format(INVTEXT("[{0}] {missing} {5}"), Inner);
	EXPECT_EQ(Outer.ToString(), TEXT("[2,500 items] {missing} {5}"));
	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("de")));
	EXPECT_EQ(Outer.ToString(), TEXT("[2.500 items] {missing} {5}"));

	EXPECT_EQ(FText::Format(INVTEXT("{ 0 is not a placeholder {"), 1).ToString(), TEXT("{ 0 is not a placeholder {"));
	EXPECT_EQ(FText::Format(FTextFormat::FromString(TEXT("{0}``")), FText::FromString(TEXT("x"))).ToString(), TEXT("x`"));
	EXPECT_TRUE(FTextFormat(INVTEXT("{0}")).IsValid());
	EXPECT_FALSE(FTextFormat(INVTEXT("{0")).IsValid());
}

TEST_F(FCultureTextTest, CopiesShareAndTransformsFollowTheSource)
{
	const FText Original = LOCTEXT("Shared", "Copy Dependencies");
	const FText Copy = Original;
	EXPECT_TRUE(Copy.IdenticalTo(Original));
	EXPECT_FALSE(FText::FromString(TEXT("Copy Dependencies")).IdenticalTo(Original));
	EXPECT_TRUE(LOCTEXT("Shared", "Copy Dependencies").IdenticalTo(Original, ETextIdenticalModeFlags::DeepCompare));
	EXPECT_TRUE(INVTEXT("a").IdenticalTo(INVTEXT("a"), ETextIdenticalModeFlags::LexicalCompareInvariants));

	EXPECT_EQ(Original.ToUpper().ToString(), TEXT("COPY DEPENDENCIES"));
	EXPECT_EQ(FText::TrimPrecedingAndTrailing(FText::FromString(TEXT("  x  "))).ToString(), TEXT("x"));
	EXPECT_EQ(FText::Join(INVTEXT(", "), TArray<FText>{INVTEXT("a"), FText::AsNumber(1000)}).ToString(), TEXT("a, 1,000"));
	EXPECT_EQ(FText::FromName(FName(TEXT("Asset_2"))).ToString(), TEXT("Asset_2"));
	EXPECT_EQ(FText::AsPercent(0.256).ToString(), TEXT("26%"));
	EXPECT_EQ(GetTypeHash(FText::FromString(TEXT("x"))), GetTypeHash(INVTEXT("x")));
	EXPECT_LT(INVTEXT("a").CompareTo(INVTEXT("b")), 0);
	EXPECT_EQ(INVTEXT("A").CompareToCaseIgnored(INVTEXT("a")), 0);
	EXPECT_EQ(FTextInspector::GetDisplayString(Original), TEXT("Copy Dependencies"));
}

TEST_F(FCultureTextTest, CulturesDescribeThemselves)
{
	const FCultureRef Current = FInternationalization::Get().GetCurrentCulture();
	EXPECT_EQ(Current->GetName(), TEXT("en"));
	EXPECT_EQ(Current->GetTwoLetterISOLanguageName(), TEXT("en"));
	const FCulturePtr German = FInternationalization::Get().GetCulture(TEXT("de_DE"));
	ASSERT_TRUE(German.IsValid());
	EXPECT_EQ(German->GetRegion(), TEXT("DE"));
	EXPECT_EQ(German->GetDecimalNumberFormattingRules().GroupingSeparatorCharacter, TEXT('.'));
	EXPECT_FALSE(FInternationalization::Get().GetCulture(TEXT("zz")).IsValid());

	const uint32 Revision = FInternationalization::Get().GetCultureRevision();
	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("en")));
	EXPECT_EQ(FInternationalization::Get().GetCultureRevision(), Revision) << "setting the same culture again is not a change";
	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("es")));
	EXPECT_NE(FInternationalization::Get().GetCultureRevision(), Revision);
	EXPECT_EQ(FText::AsNumber(1234).ToString(), TEXT("1234"));
	EXPECT_EQ(FText::AsNumber(12345).ToString(), TEXT("12.345"));
}

TEST_F(FCultureTextTest, TextsReadFromManyThreadsAfterACultureChange)
{
	const FText Number = FText::AsNumber(1234567);
	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("de")));
	std::atomic<int32> Mismatches{0};
	std::vector<std::thread> Threads;
	for (int32 Index = 0; Index < 4; ++Index)
	{
		Threads.emplace_back([&]
							 {
			for (int32 Iteration = 0; Iteration < 200; ++Iteration)
			{
				if (Number.ToString() != TEXT("1.234.567"))
				{
					++Mismatches;
				}
			} });
	}
	for (std::thread& Thread : Threads)
	{
		Thread.join();
	}
	EXPECT_EQ(Mismatches.load(), 0);
}

// ---------------------------------------------------------------------------------------------
// Logging from threads, colours

TEST(LogThreads, ConcurrentLinesAreAllRecorded)
{
	HostTest::SetLogEcho(false);
	HostTest::ClearRecordedLogLines();
	std::vector<std::thread> Threads;
	for (int32 Index = 0; Index < 4; ++Index)
	{
		Threads.emplace_back([Index]
							 {
			for (int32 Line = 0; Line < 100; ++Line)
			{
				UE_LOG(LogTemp, Log, TEXT("thread %d line %d"), Index, Line);
			} });
	}
	for (std::thread& Thread : Threads)
	{
		Thread.join();
	}
	HostTest::SetLogEcho(true);
	EXPECT_EQ(HostTest::CountLogLines(FName(TEXT("LogTemp")), ELogVerbosity::Log), 400);
	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("thread 3 line 99"), FName(TEXT("LogTemp"))));
	HostTest::ClearRecordedLogLines();
}

TEST(ColorsMore, HexAndHueConversions)
{
	EXPECT_EQ(FColor::FromHex(TEXT("F80")), FColor(255, 136, 0, 255));
	EXPECT_EQ(FColor::FromHex(TEXT("#00FF0080")), FColor(0, 255, 0, 128));
	EXPECT_EQ(FColor::Red.ReinterpretAsLinear(), FLinearColor::Red);
	const FLinearColor Color(0.2f, 0.6f, 0.4f, 0.5f);
	const FLinearColor RoundTrip = Color.LinearRGBToHSV().HSVToLinearRGB();
	EXPECT_TRUE(RoundTrip.Equals(Color, 1e-4f));
	EXPECT_NEAR(Color.LinearRGBToHSV().R, 150.0f, 1e-3f);
	EXPECT_EQ(FLinearColor::White.CopyWithNewOpacity(0.25f).A, 0.25f);
	FLinearColor Parsed(ForceInit);
	ASSERT_TRUE(Parsed.InitFromString(TEXT("(R=1.0,G=0.5,B=0.25,A=1.0)")));
	EXPECT_FLOAT_EQ(Parsed.G, 0.5f);
}

#undef LOCTEXT_NAMESPACE
