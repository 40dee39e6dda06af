#include "ScopedTransaction.h"

#include "UObject/HostTransactionBuffer.h"

FScopedTransaction::FScopedTransaction(const FText& SessionName, const bool bShouldActuallyTransact)
{
	Construct(TEXT(""), SessionName, nullptr, bShouldActuallyTransact);
}

FScopedTransaction::FScopedTransaction(const TCHAR* TransactionContext, const FText& SessionName, UObject* PrimaryObject, const bool bShouldActuallyTransact)
{
	Construct(TransactionContext, SessionName, PrimaryObject, bShouldActuallyTransact);
}

void FScopedTransaction::Construct(const TCHAR* TransactionContext, const FText& SessionName, UObject* PrimaryObject, const bool bShouldActuallyTransact)
{
	if (bShouldActuallyTransact)
	{
		Index = HostTransactions::Begin(TransactionContext, SessionName);
	}
}

FScopedTransaction::~FScopedTransaction()
{
	if (IsOutstanding())
	{
		HostTransactions::End();
	}
}

void FScopedTransaction::Cancel()
{
	if (IsOutstanding())
	{
		HostTransactions::Cancel(Index);
		Index = -1;
	}
}

bool FScopedTransaction::IsOutstanding() const
{
	// A cancel by this scope or an enclosing one closes this one's level and those inside it.
	return Index >= 0 && HostTransactions::GetDepth() > Index;
}
