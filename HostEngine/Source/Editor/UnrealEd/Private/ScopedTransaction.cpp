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
		HostTransactions::Cancel();
		Index = -1;
	}
}

bool FScopedTransaction::IsOutstanding() const
{
	// A cancel by an enclosing or nested scope drops the whole transaction, this one's part included.
	return Index >= 0 && HostTransactions::IsActive();
}
