#pragma once

#include "CoreMinimal.h"
#include "Internationalization/Text.h"

class UObject;

/** What a transaction is: its title as the editor's Edit menu shows it, its context, the object it is about. */
struct FTransactionContext
{
	FTransactionContext()
		: PrimaryObject(nullptr)
	{
	}

	FTransactionContext(const FText& InTitle, const FString& InContext, UObject* InPrimaryObject)
		: Title(InTitle)
		, Context(InContext)
		, PrimaryObject(InPrimaryObject)
	{
	}

	bool IsValid() const
	{
		return !Title.IsEmpty();
	}

	FText Title;
	FString Context;
	UObject* PrimaryObject;
};
