#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR

class UJ5Package;

/** How the package's export operations tell the user what they did, and whether a tool is running. */
namespace J5PackageExport
{
	/** The message log listing of packaging results, which the export writes as the engine's own packaging does. */
	extern const FName MessageLogName;

	/** Writes the reason of a refusal or failure to the log and the message log, and shows it in a notification that stays until dismissed. */
	void ReportFailure(const UJ5Package& Package, const FString& Title, const FString& Reason);

	/** Writes what an operation did to the log and the message log; with bNotify also shows it. */
	void ReportSuccess(const UJ5Package& Package, const FString& Title, const FString& Detail, bool bNotify = false);

	/** Why no export can start now (another one is still running), or empty. */
	FString GetBusyReason();
}

#endif
