#include "Toolkits/SimpleAssetEditor.h"

#include "DetailsViewArgs.h"
#include "HostTest/AssetEditorRecords.h"
#include "IDetailsView.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"

#define LOCTEXT_NAMESPACE "GenericEditor"

FSimpleAssetEditor::~FSimpleAssetEditor() = default;

TSharedRef<FSimpleAssetEditor> FSimpleAssetEditor::CreateEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, UObject* ObjectToEdit, FGetDetailsViewObjects GetDetailsViewObjects)
{
	TArray<UObject*> ObjectsToEdit;
	ObjectsToEdit.Add(ObjectToEdit);
	return CreateEditor(Mode, InitToolkitHost, ObjectsToEdit, GetDetailsViewObjects);
}

TSharedRef<FSimpleAssetEditor> FSimpleAssetEditor::CreateEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const TArray<UObject*>& ObjectsToEdit, FGetDetailsViewObjects GetDetailsViewObjects)
{
	TSharedRef<FSimpleAssetEditor> NewEditor = MakeShareable(new FSimpleAssetEditor());
	NewEditor->InitEditor(Mode, InitToolkitHost, ObjectsToEdit, GetDetailsViewObjects);
	return NewEditor;
}

void FSimpleAssetEditor::InitEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const TArray<UObject*>& ObjectsToEdit, FGetDetailsViewObjects GetDetailsViewObjects)
{
	HostInitAssetEditor(Mode, InitToolkitHost, GetToolkitFName(), ObjectsToEdit);

	const bool bDetailsObjectsOverridden = GetDetailsViewObjects.IsBound();
	const TArray<UObject*> DetailsObjects = bDetailsObjectsOverridden ? GetDetailsViewObjects.Execute(ObjectsToEdit) : ObjectsToEdit;

	FPropertyEditorModule& PropertyEditorModule = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
	FDetailsViewArgs DetailsViewArgs;
	DetailsViewArgs.bHideSelectionTip = true;
	DetailsView = PropertyEditorModule.CreateDetailView(DetailsViewArgs);

	// The editor counts as open before its panel is built, so code run while building it can find it.
	UnrealEdPrivate::RecordAssetEditor(StaticCastSharedRef<FSimpleAssetEditor>(AsShared()), Mode, InitToolkitHost, ObjectsToEdit, bDetailsObjectsOverridden, DetailsObjects, DetailsView);
	DetailsView->SetObjects(DetailsObjects);
}

FName FSimpleAssetEditor::GetToolkitFName() const
{
	return FName(TEXT("GenericAssetEditor"));
}

FText FSimpleAssetEditor::GetBaseToolkitName() const
{
	return LOCTEXT("AppLabel", "Generic Asset Editor");
}

FString FSimpleAssetEditor::GetWorldCentricTabPrefix() const
{
	return TEXT("Generic Asset ");
}

#undef LOCTEXT_NAMESPACE
