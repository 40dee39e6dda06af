#include "Editor/EditorEngine.h"

#include "Editor.h"
#include "Editor/Transactor.h"
#include "HostTest/CoreUObjectProbe.h"

UEditorEngine* GEditor = nullptr;

namespace EditorEnginePrivate
{
	/** The step of the history at Index, as the transactor reports it. */
	static FTransactionContext MakeContext(const HostTest::FUndoHistory& History, int32 Index)
	{
		if (!History.Transactions.IsValidIndex(Index))
		{
			return FTransactionContext();
		}
		const HostTest::FTransactionRecord& Record = History.Transactions[Index];
		UObject* const PrimaryObject = Record.Objects.Num() > 0 ? Record.Objects[0].Get() : nullptr;
		return FTransactionContext(FText::FromString(Record.Description), Record.Context, PrimaryObject);
	}
}

UEditorEngine::UEditorEngine()
	: Trans(new UTransactor())
{
}

UEditorEngine::~UEditorEngine()
{
	delete Trans;
}

bool UEditorEngine::UndoTransaction(bool bCanRedo)
{
	return HostTest::UndoTransaction();
}

bool UEditorEngine::RedoTransaction()
{
	return HostTest::RedoTransaction();
}

int32 UTransactor::GetQueueLength() const
{
	return HostTest::GetUndoHistory().Transactions.Num();
}

int32 UTransactor::GetUndoCount() const
{
	return HostTest::GetUndoHistory().NumUndone;
}

FTransactionContext UTransactor::GetUndoContext(bool bCheckWhetherUndoPossible)
{
	const HostTest::FUndoHistory History = HostTest::GetUndoHistory();
	return EditorEnginePrivate::MakeContext(History, History.Transactions.Num() - History.NumUndone - 1);
}

FTransactionContext UTransactor::GetRedoContext()
{
	const HostTest::FUndoHistory History = HostTest::GetUndoHistory();
	return EditorEnginePrivate::MakeContext(History, History.Transactions.Num() - History.NumUndone);
}

bool UTransactor::CanUndo(FText* Text)
{
	const FTransactionContext Context = GetUndoContext();
	if (Text != nullptr)
	{
		*Text = Context.Title;
	}
	return Context.IsValid();
}

bool UTransactor::CanRedo(FText* Text)
{
	const FTransactionContext Context = GetRedoContext();
	if (Text != nullptr)
	{
		*Text = Context.Title;
	}
	return Context.IsValid();
}
