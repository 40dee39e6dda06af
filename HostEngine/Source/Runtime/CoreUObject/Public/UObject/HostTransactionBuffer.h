#pragma once

// The host's undo buffer. The editor's transaction system lives above CoreUObject in the engine;
// the host keeps a single buffer here so that UObject::Modify can record into it and UnrealEd's
// FScopedTransaction can open and close transactions. As in the editor, an object is recorded with
// its reflected state when first modified in a transaction, and a committed transaction that
// recorded something is one step of the undo history (HostTest::UndoTransaction steps through it).

#include "CoreMinimal.h"

class UObject;

namespace HostTransactions
{
	/**
	 * Opens a transaction (nested ones join the outermost); returns the nesting depth before it, or -1
	 * while an undo or redo is being applied, when none opens.
	 */
	COREUOBJECT_API int32 Begin(const TCHAR* Context, const FText& Description);

	/** Closes the innermost transaction; the outermost one is committed when it closes. Returns the remaining depth. */
	COREUOBJECT_API int32 End();

	/**
	 * Drops the transaction from the nesting level StartIndex (a value Begin returned) inward: at 0 the whole
	 * transaction with everything recorded in it; deeper, only what was recorded since that level began, and
	 * the enclosing levels stay open.
	 */
	COREUOBJECT_API void Cancel(int32 StartIndex = 0);

	COREUOBJECT_API bool IsActive();

	/** How many transactions are open, nested ones included. */
	COREUOBJECT_API int32 GetDepth();

	/** Records the object in the open transaction; false when none is open or it is already recorded. */
	COREUOBJECT_API bool RecordObject(UObject* Object);
}
