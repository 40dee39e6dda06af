#include <gtest/gtest.h>

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
