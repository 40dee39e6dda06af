// The part of the engine's automation framework that the plugin's behaviour tests use: how a behaviour test's cases are
// named and listed, the order its blocks run in, and what a case reports when a check fails.

#include <gtest/gtest.h>

#include "CoreMinimal.h"
#include "HostTest/CoreProbe.h"
#include "Logging/LogMacros.h"
#include "Misc/AutomationTest.h"

namespace AutomationTestTest
{
	/** What the behaviour test below did, in order. */
	static TArray<FString>& Steps()
	{
		static TArray<FString> Recorded;
		return Recorded;
	}

	/** Whether the group's set-up reports an error. */
	static bool& FailSetUp()
	{
		static bool bFail = false;
		return bFail;
	}
}

BEGIN_DEFINE_SPEC(FHostAutomationOrderTest, "HostTest.Automation.Order", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
END_DEFINE_SPEC(FHostAutomationOrderTest)

void FHostAutomationOrderTest::Define()
{
	using AutomationTestTest::Steps;
	BeforeEach([]() { Steps().Add(TEXT("outer before")); });
	AfterEach([]() { Steps().Add(TEXT("outer after")); });

	Describe(TEXT("A group"), [this]()
	{
		BeforeEach([this]()
		{
			Steps().Add(TEXT("inner before"));
			if (AutomationTestTest::FailSetUp())
			{
				AddError(TEXT("set-up failed"));
			}
		});
		AfterEach([]() { Steps().Add(TEXT("inner after")); });

		It(TEXT("passes"), [this]()
		{
			Steps().Add(TEXT("passes"));
			TestTrue(TEXT("Truth"), true);
		});

		It(TEXT("fails two checks"), [this]()
		{
			Steps().Add(TEXT("fails"));
			TestEqual(TEXT("The count"), 2, 3);
			TestEqual(TEXT("The label"), FString(TEXT("Add")), TEXT("Remove"));
		});
	});

	It(TEXT("stands alone"), []()
	{
		Steps().Add(TEXT("alone"));
	});
}

namespace AutomationTestTest
{
	static TArray<FAutomationTestInfo> CasesOfOrderTest()
	{
		TArray<FAutomationTestInfo> All;
		FAutomationTestFramework::Get().GetValidTestNames(All);
		TArray<FAutomationTestInfo> Cases;
		for (const FAutomationTestInfo& Case : All)
		{
			if (Case.GetTestName() == TEXT("FHostAutomationOrderTest"))
			{
				Cases.Add(Case);
			}
		}
		return Cases;
	}

	static bool Run(const FAutomationTestInfo& Case, FAutomationTestExecutionInfo& Result)
	{
		FAutomationTestFramework& Framework = FAutomationTestFramework::Get();
		if (!Framework.StartTestByName(Case.GetTestName() + TEXT(" ") + Case.GetTestParameter(), 0))
		{
			return false;
		}
		return Framework.StopTest(Result);
	}
}

TEST(AutomationSpec, CasesAreListedByTheirGroupsAndSentencesUnderTheTestsPath)
{
	const TArray<FAutomationTestInfo> Cases = AutomationTestTest::CasesOfOrderTest();
	ASSERT_EQ(Cases.Num(), 3);
	EXPECT_EQ(Cases[0].GetDisplayName(), FString(TEXT("A group passes")));
	EXPECT_EQ(Cases[0].GetFullTestPath(), FString(TEXT("HostTest.Automation.Order.A group passes")));
	EXPECT_EQ(Cases[1].GetDisplayName(), FString(TEXT("A group fails two checks")));
	EXPECT_EQ(Cases[2].GetDisplayName(), FString(TEXT("stands alone")));
	EXPECT_TRUE(EnumHasAllFlags(Cases[0].GetTestFlags(), EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter));
}

TEST(AutomationSpec, SetUpRunsOutsideInAndCleanUpInsideOutAroundEachCase)
{
	const TArray<FAutomationTestInfo> Cases = AutomationTestTest::CasesOfOrderTest();
	ASSERT_EQ(Cases.Num(), 3);
	AutomationTestTest::Steps().Reset();
	FAutomationTestExecutionInfo Result;

	EXPECT_TRUE(AutomationTestTest::Run(Cases[0], Result));
	EXPECT_TRUE(Result.bSuccessful);
	EXPECT_EQ(Result.GetErrorTotal(), 0);
	EXPECT_TRUE(AutomationTestTest::Run(Cases[2], Result));

	const TArray<FString> Expected = { TEXT("outer before"), TEXT("inner before"), TEXT("passes"), TEXT("inner after"), TEXT("outer after"), TEXT("outer before"), TEXT("alone"), TEXT("outer after") };
	EXPECT_EQ(AutomationTestTest::Steps(), Expected);
}

TEST(AutomationSpec, FailedChecksFailTheCaseWithTheirMessagesAndCleanUpStillRuns)
{
	const TArray<FAutomationTestInfo> Cases = AutomationTestTest::CasesOfOrderTest();
	ASSERT_EQ(Cases.Num(), 3);
	AutomationTestTest::Steps().Reset();
	FAutomationTestExecutionInfo Result;

	EXPECT_FALSE(AutomationTestTest::Run(Cases[1], Result));

	EXPECT_FALSE(Result.bSuccessful);
	ASSERT_EQ(Result.GetErrorTotal(), 2);
	EXPECT_EQ(Result.GetEntries()[0].Event.Message, FString(TEXT("Expected 'The count' to be 3, but it was 2.")));
	EXPECT_EQ(Result.GetEntries()[1].Event.Message, FString(TEXT("Expected 'The label' to be \"Remove\", but it was \"Add\".")));
	EXPECT_EQ(AutomationTestTest::Steps().Last(), FString(TEXT("outer after")));
}

TEST(AutomationSpec, FailedSetUpSkipsTheCaseButNotTheCleanUp)
{
	const TArray<FAutomationTestInfo> Cases = AutomationTestTest::CasesOfOrderTest();
	ASSERT_EQ(Cases.Num(), 3);
	AutomationTestTest::Steps().Reset();
	AutomationTestTest::FailSetUp() = true;
	FAutomationTestExecutionInfo Result;

	EXPECT_FALSE(AutomationTestTest::Run(Cases[0], Result));
	AutomationTestTest::FailSetUp() = false;

	EXPECT_EQ(Result.GetErrorTotal(), 1);
	const TArray<FString> Expected = { TEXT("outer before"), TEXT("inner before"), TEXT("inner after"), TEXT("outer after") };
	EXPECT_EQ(AutomationTestTest::Steps(), Expected);
}

TEST(AutomationSpec, StartingAnUnknownTestFailsAndStoppingReportsThatNothingRan)
{
	FAutomationTestFramework& Framework = FAutomationTestFramework::Get();
	EXPECT_FALSE(Framework.StartTestByName(TEXT("FNoSuchTest 0"), 0));
	FAutomationTestExecutionInfo Result;
	EXPECT_FALSE(Framework.StopTest(Result));
	EXPECT_EQ(Result.GetErrorTotal(), 1);
}

DEFINE_LOG_CATEGORY_STATIC(LogHostAutomationTest, Log, All);

BEGIN_DEFINE_SPEC(FHostAutomationLogTest, "HostTest.Automation.Log", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
END_DEFINE_SPEC(FHostAutomationLogTest)

void FHostAutomationLogTest::Define()
{
	It(TEXT("logs an error"), []()
	{
		UE_LOG(LogHostAutomationTest, Error, TEXT("the disk is full"));
		UE_LOG(LogHostAutomationTest, Warning, TEXT("the disk is nearly full"));
	});

	It(TEXT("expects the error it logs"), [this]()
	{
		AddExpectedError(TEXT("disk is full"), EAutomationExpectedErrorFlags::Contains, 1);
		UE_LOG(LogHostAutomationTest, Error, TEXT("the disk is full"));
	});

	It(TEXT("expects an error that never comes"), [this]()
	{
		AddExpectedError(TEXT("disk is full"), EAutomationExpectedErrorFlags::Contains, 1);
	});
}

TEST(AutomationSpec, ErrorsLoggedDuringACaseFailItUnlessExpectedAndWarningsAreReported)
{
	HostTest::SetLogEcho(false);
	TArray<FAutomationTestInfo> All;
	FAutomationTestFramework::Get().GetValidTestNames(All);
	TArray<FAutomationTestInfo> Cases;
	for (const FAutomationTestInfo& Case : All)
	{
		if (Case.GetTestName() == TEXT("FHostAutomationLogTest"))
		{
			Cases.Add(Case);
		}
	}
	ASSERT_EQ(Cases.Num(), 3);
	FAutomationTestExecutionInfo Logged;
	FAutomationTestExecutionInfo Expected;
	FAutomationTestExecutionInfo Missing;

	EXPECT_FALSE(AutomationTestTest::Run(Cases[0], Logged));
	EXPECT_TRUE(AutomationTestTest::Run(Cases[1], Expected));
	EXPECT_FALSE(AutomationTestTest::Run(Cases[2], Missing));
	HostTest::SetLogEcho(true);

	ASSERT_EQ(Logged.GetErrorTotal(), 1);
	EXPECT_EQ(Logged.GetWarningTotal(), 1);
	EXPECT_EQ(Logged.GetEntries()[0].Event.Message, FString(TEXT("the disk is full")));
	EXPECT_EQ(Expected.GetErrorTotal(), 0);
	EXPECT_EQ(Missing.GetErrorTotal(), 1);
}
