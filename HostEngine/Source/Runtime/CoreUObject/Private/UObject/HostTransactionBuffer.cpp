#include "UObject/HostTransactionBuffer.h"

#include "HostHeldReferences.h"
#include "HostTest/CoreUObjectProbe.h"
#include "UObject/Object.h"
#include "UObject/UnrealType.h"
#include "UObject/WeakObjectPtrTemplates.h"

namespace
{
	/**
	 * What a transaction keeps of one object: its state when it was first modified in the transaction.
	 * Applying the transaction swaps that state with the object's, so the record then holds the state to
	 * go back to, as the editor's undo buffer flips its records between undo and redo.
	 */
	struct FObjectRecord
	{
		TWeakObjectPtr<UObject> Object;
		TArray<TPair<const FProperty*, FHostSavedPropertyValue>> Values;
		/** The references the object holds, which stand for its unreflected property data. */
		FHostHeldReferences References;
		bool bHasReferences = false;
	};

	struct FTransaction
	{
		HostTest::FTransactionRecord Description;
		TArray<FObjectRecord> Records;
	};

	struct FTransactionState
	{
		int32 Depth = 0;
		FTransaction Open;
		/** For each open nesting level, how many records the transaction had when it began. */
		TArray<int32> LevelStarts;
		/** Every transaction closed or cancelled, for tests. */
		TArray<HostTest::FTransactionRecord> Finished;
		/** The undo history: committed transactions that recorded something, oldest first. */
		TArray<FTransaction> UndoBuffer;
		/** How many of the last transactions in the history are undone. */
		int32 NumUndone = 0;
		/** True while undo or redo restores objects: nothing is recorded and no transaction opens meanwhile. */
		bool bApplying = false;
	};

	FTransactionState& State()
	{
		static FTransactionState* Instance = new FTransactionState();
		return *Instance;
	}

	/** The state undo restores: every reflected property except the non-transactional ones, and the held references. */
	void SaveState(const UObject& Object, FObjectRecord& Record)
	{
		Record.Values.Reset();
		for (TFieldIterator<FProperty> It(Object.GetClass()); It; ++It)
		{
			if (!It->HasAnyPropertyFlags(CPF_NonTransactional))
			{
				Record.Values.Add(TPair<const FProperty*, FHostSavedPropertyValue>(*It, It->HostSaveValue(&Object)));
			}
		}
		const FHostHeldReferences* References = FHostHeldReferences::Find(&Object);
		Record.bHasReferences = References != nullptr;
		Record.References = References != nullptr ? *References : FHostHeldReferences();
	}

	void SwapState(UObject& Object, FObjectRecord& Record)
	{
		FObjectRecord Current;
		SaveState(Object, Current);
		for (const TPair<const FProperty*, FHostSavedPropertyValue>& Value : Record.Values)
		{
			Value.Key->HostLoadValue(&Object, Value.Value);
		}
		if (Record.bHasReferences)
		{
			FHostHeldReferences::FindOrAdd(&Object) = Record.References;
		}
		else
		{
			FHostHeldReferences::Remove(&Object);
		}
		Record.Values = MoveTemp(Current.Values);
		Record.References = MoveTemp(Current.References);
		Record.bHasReferences = Current.bHasReferences;
	}

	/** Restores the transaction's objects, latest record first for undo, and tells each object once. */
	void Apply(FTransaction& Transaction, const bool bUndo)
	{
		FTransactionState& S = State();
		S.bApplying = true;

		const int32 Num = Transaction.Records.Num();
		TArray<TWeakObjectPtr<UObject>> Changed;
		for (int32 Step = 0; Step < Num; ++Step)
		{
			FObjectRecord& Record = Transaction.Records[bUndo ? Num - 1 - Step : Step];
			if (UObject* Object = Record.Object.Get())
			{
#if WITH_EDITOR
				Object->PreEditUndo();
#endif
				Changed.Add(Object);
			}
		}
		for (int32 Step = 0; Step < Num; ++Step)
		{
			FObjectRecord& Record = Transaction.Records[bUndo ? Num - 1 - Step : Step];
			if (UObject* Object = Record.Object.Get())
			{
				SwapState(*Object, Record);
			}
		}
#if WITH_EDITOR
		for (const TWeakObjectPtr<UObject>& Object : Changed)
		{
			// One object's notification may destroy another.
			if (UObject* Live = Object.Get())
			{
				Live->PostEditUndo();
			}
		}
#endif

		S.bApplying = false;
	}
}

namespace HostTransactions
{
	int32 Begin(const TCHAR* Context, const FText& Description)
	{
		FTransactionState& S = State();
		if (S.bApplying)
		{
			// As in the editor, undo and redo open no transaction of their own.
			return -1;
		}
		if (S.Depth == 0)
		{
			// A new transaction ends what could be redone.
			S.UndoBuffer.RemoveAt(S.UndoBuffer.Num() - S.NumUndone, S.NumUndone);
			S.NumUndone = 0;
			S.Open = FTransaction();
			S.Open.Description.Context = Context ? FString(Context) : FString();
			S.Open.Description.Description = Description.ToString();
			S.LevelStarts.Reset();
		}
		S.LevelStarts.Add(S.Open.Records.Num());
		return S.Depth++;
	}

	int32 End()
	{
		FTransactionState& S = State();
		checkf(S.Depth > 0, TEXT("Ending a transaction when none is open"));
		S.LevelStarts.Pop();
		if (--S.Depth == 0)
		{
			S.Open.Description.bCommitted = true;
			S.Finished.Add(S.Open.Description);
			// A transaction that recorded nothing leaves no step in the history.
			if (S.Open.Records.Num() > 0)
			{
				S.UndoBuffer.Add(MoveTemp(S.Open));
			}
			S.Open = FTransaction();
		}
		return S.Depth;
	}

	void Cancel(const int32 StartIndex)
	{
		FTransactionState& S = State();
		if (S.Depth == 0 || StartIndex >= S.Depth)
		{
			return;
		}
		if (StartIndex > 0)
		{
			// Only the nested part goes: what the enclosing levels recorded before it began stays.
			const int32 Keep = S.LevelStarts[StartIndex];
			S.Open.Records.SetNum(Keep);
			S.Open.Description.Objects.SetNum(Keep);
			S.Open.Description.ObjectPaths.SetNum(Keep);
			S.LevelStarts.SetNum(StartIndex);
			S.Depth = StartIndex;
			return;
		}
		S.Depth = 0;
		S.LevelStarts.Reset();
		S.Open.Description.bCommitted = false;
		S.Finished.Add(S.Open.Description);
		S.Open = FTransaction();
	}

	bool IsActive()
	{
		return State().Depth > 0;
	}

	int32 GetDepth()
	{
		return State().Depth;
	}

	bool RecordObject(UObject* Object)
	{
		FTransactionState& S = State();
		if (S.Depth == 0 || S.bApplying || Object == nullptr)
		{
			return false;
		}
		for (const FObjectRecord& Recorded : S.Open.Records)
		{
			if (Recorded.Object.Get() == Object)
			{
				// Already in the transaction: its state before the change is kept once.
				return true;
			}
		}
		FObjectRecord& Record = S.Open.Records.AddDefaulted_GetRef();
		Record.Object = Object;
		SaveState(*Object, Record);
		S.Open.Description.Objects.Add(Object);
		S.Open.Description.ObjectPaths.Add(Object->GetPathName());
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
		return State().Open.Description;
	}

	void ClearTransactionRecords()
	{
		FTransactionState& S = State();
		S.Finished.Reset();
		S.UndoBuffer.Reset();
		S.NumUndone = 0;
	}

	FUndoHistory GetUndoHistory()
	{
		const FTransactionState& S = State();
		FUndoHistory History;
		for (const FTransaction& Transaction : S.UndoBuffer)
		{
			History.Transactions.Add(Transaction.Description);
		}
		History.NumUndone = S.NumUndone;
		return History;
	}

	bool UndoTransaction()
	{
		FTransactionState& S = State();
		const int32 Index = S.UndoBuffer.Num() - S.NumUndone - 1;
		if (S.Depth > 0 || S.bApplying || Index < 0)
		{
			return false;
		}
		++S.NumUndone;
		Apply(S.UndoBuffer[Index], /*bUndo=*/true);
		return true;
	}

	bool RedoTransaction()
	{
		FTransactionState& S = State();
		if (S.Depth > 0 || S.bApplying || S.NumUndone == 0)
		{
			return false;
		}
		const int32 Index = S.UndoBuffer.Num() - S.NumUndone;
		--S.NumUndone;
		Apply(S.UndoBuffer[Index], /*bUndo=*/false);
		return true;
	}
}
