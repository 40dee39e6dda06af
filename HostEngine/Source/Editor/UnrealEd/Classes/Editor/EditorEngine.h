#pragma once

#include "CoreMinimal.h"

class UTransactor;

/**
 * The editor engine, as far as editor code uses it: its undo buffer and the editor's Undo and Redo. The host
 * keeps it as a plain object that the UnrealEd module makes at start-up.
 */
class UNREALED_API UEditorEngine
{
public:
	UEditorEngine();
	virtual ~UEditorEngine();

	UEditorEngine(const UEditorEngine&) = delete;
	UEditorEngine& operator=(const UEditorEngine&) = delete;

	/** Undoes the latest step of the undo history; false when there is none or a transaction is open. */
	virtual bool UndoTransaction(bool bCanRedo = true);

	/** Redoes the step undone last; false when there is none. */
	virtual bool RedoTransaction();

	/** The editor's undo buffer. */
	UTransactor* Trans;
};
