#pragma once

#include "CoreMinimal.h"
#include "Misc/ITransaction.h"

/** The editor's undo buffer: the committed transactions that changed something, oldest first. */
class UNREALED_API UTransactor
{
public:
	virtual ~UTransactor() = default;

	/** How many steps the buffer holds, undone ones included. */
	virtual int32 GetQueueLength() const;

	/** How many of the latest steps are undone, and so can be redone. */
	virtual int32 GetUndoCount() const;

	/** The step that Undo would undo; an empty context when there is none. */
	virtual FTransactionContext GetUndoContext(bool bCheckWhetherUndoPossible = true);

	/** The step that Redo would redo; an empty context when there is none. */
	virtual FTransactionContext GetRedoContext();

	virtual bool CanUndo(FText* Text = nullptr);
	virtual bool CanRedo(FText* Text = nullptr);
};
