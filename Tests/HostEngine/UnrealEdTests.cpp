#include <gtest/gtest.h>

#include "HostTest/CoreUObjectProbe.h"
#include "ScopedTransaction.h"
#include "UObject/HostTransactionBuffer.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	/** No transaction is open before or after a case. */
	class ScopedTransactionTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			ASSERT_FALSE(HostTransactions::IsActive());
		}

		void TearDown() override
		{
			EXPECT_FALSE(HostTransactions::IsActive());
		}
	};
}

TEST_F(ScopedTransactionTest, NamedScopeKeepsATransactionOpenUntilItEnds)
{
	UPackage* const Edited = CreatePackage(TEXT("/Temp/HostTransactionEdited"));
	Edited->SetFlags(RF_Transactional);
	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Edit")));
		EXPECT_TRUE(Transaction.IsOutstanding());
		EXPECT_TRUE(HostTransactions::IsActive());
		EXPECT_TRUE(Edited->Modify());
	}
	EXPECT_FALSE(Edited->Modify());
}

TEST_F(ScopedTransactionTest, ScopeThatShouldNotTransactOpensNothing)
{
	FScopedTransaction Transaction(TEXT("HostTests"), FText::FromString(TEXT("Nothing")), nullptr, false);
	EXPECT_FALSE(Transaction.IsOutstanding());
	EXPECT_FALSE(HostTransactions::IsActive());
}

TEST_F(ScopedTransactionTest, NestedScopesJoinTheOutermostTransaction)
{
	FScopedTransaction* Outer = new FScopedTransaction(FText::FromString(TEXT("Outer")));
	{
		FScopedTransaction Inner(FText::FromString(TEXT("Inner")));
		EXPECT_TRUE(Inner.IsOutstanding());
	}
	EXPECT_TRUE(Outer->IsOutstanding());
	EXPECT_TRUE(HostTransactions::IsActive());
	delete Outer;
}

TEST_F(ScopedTransactionTest, CancelDropsTheTransactionAndTheScopeThenClosesNothing)
{
	UPackage* const Edited = CreatePackage(TEXT("/Temp/HostTransactionCancelled"));
	Edited->SetFlags(RF_Transactional);
	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Cancelled")));
		Edited->Modify();
		Transaction.Cancel();
		EXPECT_FALSE(Transaction.IsOutstanding());
		EXPECT_FALSE(HostTransactions::IsActive());
		// Cancelling twice is harmless.
		Transaction.Cancel();
	}
	{
		// The next transaction starts clean.
		FScopedTransaction Next(FText::FromString(TEXT("Next")));
		EXPECT_TRUE(Edited->Modify());
	}
}

TEST_F(ScopedTransactionTest, CancelInsideAnotherScopeDropsOnlyWhatItRecorded)
{
	UPackage* const Kept = CreatePackage(TEXT("/Temp/HostTransactionKept"));
	UPackage* const Dropped = CreatePackage(TEXT("/Temp/HostTransactionDropped"));
	UPackage* const Later = CreatePackage(TEXT("/Temp/HostTransactionLater"));
	for (UPackage* Edited : { Kept, Dropped, Later })
	{
		Edited->SetFlags(RF_Transactional);
	}
	HostTest::ClearTransactionRecords();
	{
		FScopedTransaction Outer(FText::FromString(TEXT("Outer")));
		Kept->Modify();
		{
			FScopedTransaction Inner(FText::FromString(TEXT("Inner")));
			Dropped->Modify();
			Inner.Cancel();
			EXPECT_FALSE(Inner.IsOutstanding());
		}
		EXPECT_TRUE(Outer.IsOutstanding());
		Later->Modify();
	}

	const TArray<HostTest::FTransactionRecord> Records = HostTest::GetTransactionRecords();
	ASSERT_EQ(Records.Num(), 1);
	EXPECT_TRUE(Records[0].bCommitted);
	EXPECT_EQ(Records[0].Description, FString(TEXT("Outer")));
	EXPECT_EQ(Records[0].ObjectPaths, (TArray<FString>{ Kept->GetPathName(), Later->GetPathName() }));
	HostTest::ClearTransactionRecords();
}
