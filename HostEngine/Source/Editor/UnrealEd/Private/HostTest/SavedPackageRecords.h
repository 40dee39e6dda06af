#pragma once

#include "CoreMinimal.h"

namespace UnrealEdPrivate
{
	/** Notes a package the editor saved. */
	void RecordSavedPackage(FName PackageName);

	/** Whether the tests asked saving this package to fail. */
	bool ShouldSavingFail(FName PackageName);
}
