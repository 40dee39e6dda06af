#pragma once

#include "CoreMinimal.h"

namespace UnrealEdPrivate
{
	/** Notes a package the editor saved. */
	void RecordSavedPackage(FName PackageName);

	/** Whether the tests asked saving this package to fail. */
	bool ShouldSavingFail(FName PackageName);

	/** Notes a save dialog the editor showed, with the packages it listed; returns the answer the tests chose. */
	int32 RecordSavePrompt(const TArray<FName>& PackageNames);
}
