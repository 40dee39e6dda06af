#include "UObject/HostTransactionBuffer.h"

#include "HostTest/CoreUObjectProbe.h"
#include "UObject/Object.h"
#include "UObject/WeakObjectPtrTemplates.h"

namespace
{
	struct FTransactionState
	{
		int32 Depth = 0;
		HostTest::FTransactionRecord Open;
		TArray<HostTest::FTransactionRecord> Finished;
	};

	FTransactionState& State()
	{
		static FTransactionState* Instance = new FTransactionState();
		return *Instance;
	}
}

namespace HostTransactions
{
	int32 Begin(const TCHAR* Context, const FText& Description)
	{
		FTransactionState& S = State();
		if (S.Depth == 0)
		{
			S.Open = HostTest::FTransactionRecord();
			S.Open.Context = Context ? FString(Context) : FString();
			S.Open.Description = Description.ToString();
		}
		return S.Depth++;
	}

	int32 End()
	{
		FTransactionState& S = State();
		checkf(S.Depth > 0, TEXT("Ending a transaction when none is open"));
		if (--S.Depth == 0)
		{
			S.Open.bCommitted = true;
			S.Finished.Add(S.Open);
			S.Open = HostTest::FTransactionRecord();
		}
		return S.Depth;
	}

	void Cancel()
	{
		FTransactionState& S = State();
		if (S.Depth == 0)
		{
			return;
		}
		S.Depth = 0;
		S.Open.bCommitted = false;
		S.Finished.Add(S.Open);
		S.Open = HostTest::FTransactionRecord();
	}

	bool IsActive()
	{
		return State().Depth > 0;
	}

	bool RecordObject(UObject* Object)
	{
		FTransactionState& S = State();
		if (S.Depth == 0 || Object == nullptr)
		{
			return false;
		}
		for (const TWeakObjectPtr<UObject>& Recorded : S.Open.Objects)
		{
			if (Recorded.Get() == Object)
			{
				// Already in the transaction: its state before the change is kept once.
				return true;
			}
		}
		S.Open.Objects.Add(Object);
		S.Open.ObjectPaths.Add(Object->GetPathName());
		return true;
	}
}

namespace HostTest
{
	TArray<FTransactionRecord> GetTransactionRecords()
	{
		return State().Finished;
	}

	FTransactionRecord GetOpenTransaction()
	{
		return State().Open;
	}

	void ClearTransactionRecords()
	{
		State().Finished.Reset();
	}
}
