#pragma once

#include "CoreMinimal.h"

class UPackage;

/** Loading and saving of packages from editor code, without dialogs. */
class UEditorLoadingAndSavingUtils
{
public:
	/**
	 * Saves the packages to their files below their content folders (all of them, or with bOnlyDirty
	 * those that are dirty). Returns whether every package was saved; the others stay dirty.
	 */
	static UNREALED_API bool SavePackages(const TArray<UPackage*>& PackagesToSave, bool bOnlyDirty);
};
