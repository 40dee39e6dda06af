#pragma once

#include "CoreMinimal.h"
#include "Toolkits/IToolkit.h"
#include "Toolkits/IToolkitHost.h"

class UObject;

/** The base of editors that edit assets, standalone or inside a host. */
class FAssetEditorToolkit : public IToolkit, public TSharedFromThis<FAssetEditorToolkit>
{
public:
	UNREALED_API FAssetEditorToolkit();
	UNREALED_API virtual ~FAssetEditorToolkit();

	//~ Begin IToolkit interface
	UNREALED_API virtual FText GetToolkitName() const override;
	UNREALED_API virtual bool IsAssetEditor() const override;
	UNREALED_API virtual const TArray<UObject*>* GetObjectsCurrentlyBeingEdited() const override;
	UNREALED_API virtual bool IsHosted() const override;
	//~ End IToolkit interface

	/** The assets this editor edits. */
	UNREALED_API const TArray<UObject*>& GetEditingObjects() const;

	/** Whether the editor lives inside a level editor rather than a window of its own. */
	UNREALED_API bool IsWorldCentricAssetEditor() const;

protected:
	/**
	 * Host only: what the engine's InitAssetEditor keeps of its arguments. The host opens no windows or
	 * tabs, so layouts and menus have no counterpart here.
	 */
	UNREALED_API void HostInitAssetEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const FName AppIdentifier, const TArray<UObject*>& ObjectsToEdit);

private:
	EToolkitMode::Type ToolkitMode = EToolkitMode::Standalone;
	TSharedPtr<IToolkitHost> ToolkitHost;
	FName AppIdentifier;
	TArray<UObject*> EditingObjects;
};
