#pragma once

#include "CoreMinimal.h"

class UObject;

/**
 * Opens an undoable transaction for its lifetime: objects that call Modify() while it is outstanding are
 * recorded in it. Nested transactions join the outermost one. Must be a named object, since a temporary
 * would close again at once.
 */
class FScopedTransaction
{
public:
	[[nodiscard]] UNREALED_API FScopedTransaction(const FText& SessionName, const bool bShouldActuallyTransact = true);
	[[nodiscard]] UNREALED_API FScopedTransaction(const TCHAR* TransactionContext, const FText& SessionName, UObject* PrimaryObject, const bool bShouldActuallyTransact = true);
	UNREALED_API ~FScopedTransaction();

	FScopedTransaction(const FScopedTransaction&) = delete;
	FScopedTransaction& operator=(const FScopedTransaction&) = delete;

	/**
	 * Drops what was recorded since this scope began (the whole transaction when it is the outermost one); an
	 * enclosing scope's transaction stays open. The destructor then closes nothing.
	 */
	UNREALED_API void Cancel();

	/** Whether this object opened a transaction that is still open. */
	UNREALED_API bool IsOutstanding() const;

private:
	void Construct(const TCHAR* TransactionContext, const FText& SessionName, UObject* PrimaryObject, const bool bShouldActuallyTransact);

	/** Open transactions when this one began, or -1 when it opened none. */
	int32 Index = -1;
};
