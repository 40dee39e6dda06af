#pragma once

#include "CoreMinimal.h"
#include "Toolkits/AssetEditorToolkit.h"

class IDetailsView;
class UObject;

/** The generic asset editor: the assets' details panel and nothing else. */
class FSimpleAssetEditor : public FAssetEditorToolkit
{
public:
	/** Chooses the objects the details panel shows instead of the edited ones. */
	DECLARE_DELEGATE_RetVal_OneParam(TArray<UObject*>, FGetDetailsViewObjects, const TArray<UObject*>&);

	UNREALED_API virtual ~FSimpleAssetEditor();

	/** Opens an editor for one object. */
	UNREALED_API static TSharedRef<FSimpleAssetEditor> CreateEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, UObject* ObjectToEdit, FGetDetailsViewObjects GetDetailsViewObjects = FGetDetailsViewObjects());

	/** Opens one editor for all the objects. */
	UNREALED_API static TSharedRef<FSimpleAssetEditor> CreateEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const TArray<UObject*>& ObjectsToEdit, FGetDetailsViewObjects GetDetailsViewObjects = FGetDetailsViewObjects());

	/** Sets the editor up and shows the objects (or those the delegate picks) in its details panel. */
	UNREALED_API void InitEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const TArray<UObject*>& ObjectsToEdit, FGetDetailsViewObjects GetDetailsViewObjects);

	//~ Begin IToolkit interface
	UNREALED_API virtual FName GetToolkitFName() const override;
	UNREALED_API virtual FText GetBaseToolkitName() const override;
	UNREALED_API virtual FString GetWorldCentricTabPrefix() const override;
	//~ End IToolkit interface

private:
	TSharedPtr<IDetailsView> DetailsView;
};
