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

/** The editor's file commands: saving with the user's consent, as File > Save All and the packaging menu do. */
class FEditorFileUtils
{
public:
	/** What the user (or saving) answered to a save prompt. */
	enum EPromptReturnCode
	{
		PR_Success,
		PR_Failure,
		PR_Declined,
		PR_Cancelled
	};

	/**
	 * Shows the editor's save dialog for the packages (with bCheckDirty, only those that are dirty; none
	 * shows no dialog and succeeds) and saves the ones the user keeps ticked. PR_Declined when the user
	 * chose "Don't Save", PR_Cancelled when the dialog was closed, PR_Failure with the packages that could
	 * not be saved in OutFailedPackages.
	 */
	static UNREALED_API EPromptReturnCode PromptForCheckoutAndSave(const TArray<UPackage*>& PackagesToSave, bool bCheckDirty, bool bPromptToSave, TArray<UPackage*>* OutFailedPackages = nullptr, bool bAlreadyCheckedOut = false, bool bCanBeDeclined = true);
};
