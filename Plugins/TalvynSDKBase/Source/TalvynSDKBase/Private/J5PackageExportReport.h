#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR

class UJ5Package;

/** How the package's export operations tell the user what they did, and whether a tool is running. */
namespace J5PackageExport
{
	/** Writes the reason of a refusal or failure to the log and the message log, and shows it in a notification. */
	void ReportFailure(const UJ5Package& Package, const FString& Title, const FString& Reason);

	/** Writes what an operation did to the log and the message log; with bNotify also shows it. */
	void ReportSuccess(const UJ5Package& Package, const FString& Title, const FString& Detail, bool bNotify = false);

	/** Why no export step can run now (a tool of an earlier step is still running), or empty. */
	FString GetBusyReason();
}

#endif
