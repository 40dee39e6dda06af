#include "Toolkits/AssetEditorToolkit.h"

#include "UObject/Object.h"

FAssetEditorToolkit::FAssetEditorToolkit() = default;

FAssetEditorToolkit::~FAssetEditorToolkit() = default;

FText FAssetEditorToolkit::GetToolkitName() const
{
	// One object is named; several are listed, as a title bar shows them.
	FString Names;
	for (const UObject* Object : EditingObjects)
	{
		if (Object == nullptr)
		{
			continue;
		}
		if (!Names.IsEmpty())
		{
			Names += TEXT(", ");
		}
		Names += Object->GetName();
	}
	return FText::FromString(Names);
}

bool FAssetEditorToolkit::IsAssetEditor() const
{
	return true;
}

const TArray<UObject*>* FAssetEditorToolkit::GetObjectsCurrentlyBeingEdited() const
{
	return &EditingObjects;
}

bool FAssetEditorToolkit::IsHosted() const
{
	return ToolkitMode == EToolkitMode::WorldCentric && ToolkitHost.IsValid();
}

const TArray<UObject*>& FAssetEditorToolkit::GetEditingObjects() const
{
	return EditingObjects;
}

bool FAssetEditorToolkit::IsWorldCentricAssetEditor() const
{
	return ToolkitMode == EToolkitMode::WorldCentric;
}

void FAssetEditorToolkit::HostInitAssetEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const FName InAppIdentifier, const TArray<UObject*>& ObjectsToEdit)
{
	ToolkitMode = Mode;
	ToolkitHost = InitToolkitHost;
	AppIdentifier = InAppIdentifier;
	EditingObjects = ObjectsToEdit;
}
