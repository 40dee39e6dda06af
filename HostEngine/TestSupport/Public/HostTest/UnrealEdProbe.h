#pragma once

#include "CoreMinimal.h"
#include "Toolkits/IToolkit.h"

class FSimpleAssetEditor;
class IDetailsView;
class IToolkitHost;
class UObject;

/** What tests and programs observe of the editor's asset editors, and a stand-in level editor to host them. */
namespace HostTest
{
	/** One FSimpleAssetEditor::CreateEditor call, and the editor it opened. */
	struct FAssetEditorRecord
	{
		EToolkitMode::Type Mode = EToolkitMode::Standalone;
		TSharedPtr<IToolkitHost> ToolkitHost;
		/** The objects given to edit, in the order given. */
		TArray<UObject*> Objects;
		/** Whether a delegate chose the details panel's objects instead of the edited ones. */
		bool bDetailsObjectsOverridden = false;
		/** The objects the details panel shows. */
		TArray<UObject*> DetailsObjects;
		/** The editor and its details panel while it is open; null once closed. */
		TSharedPtr<FSimpleAssetEditor> Editor;
		TSharedPtr<IDetailsView> DetailsView;
	};

	/** Every editor opened since the last reset, in the order opened, the closed ones included. */
	UNREALED_API TArray<FAssetEditorRecord> GetAssetEditorRecords();

	UNREALED_API int32 GetNumOpenAssetEditors();

	/**
	 * Closes every open editor, as closing its window does: the editor lets go of its details panel and so
	 * of the panel's customization. Call it before unloading a module whose customizations are on show.
	 */
	UNREALED_API void CloseAllAssetEditors();

	/** Closes every open editor and forgets all records. */
	UNREALED_API void ResetAssetEditorRecords();

	/** A stand-in for the level editor, for passing as the host an asset is opened from. */
	UNREALED_API TSharedRef<IToolkitHost> MakeLevelEditorToolkitHost();

	/** The packages UEditorLoadingAndSavingUtils saved since the last reset, in order. */
	UNREALED_API TArray<FName> GetSavedPackages();
	/** Forgets the saved packages and the failures asked for. */
	UNREALED_API void ResetSavedPackages();
	/** Makes saving the package fail (as a read-only file would) until the next reset. */
	UNREALED_API void FailSavingPackage(FName PackageName);

	/** The user's answer to the editor's save dialog. */
	enum class ESavePromptAnswer : int32
	{
		Save,
		DontSave,
		Cancel
	};

	/** How the user answers the save dialogs from now on (default: Save). */
	UNREALED_API void SetSavePromptAnswer(ESavePromptAnswer Answer);
	/** The packages each save dialog listed, oldest dialog first. */
	UNREALED_API TArray<TArray<FName>> GetSavePrompts();
	/** Forgets the dialogs and answers Save again. */
	UNREALED_API void ResetSavePrompts();
}
