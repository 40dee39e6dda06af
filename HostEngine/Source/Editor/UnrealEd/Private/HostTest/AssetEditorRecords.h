#pragma once

#include "CoreMinimal.h"
#include "Toolkits/IToolkit.h"

class FSimpleAssetEditor;
class IDetailsView;
class IToolkitHost;
class UObject;

namespace UnrealEdPrivate
{
	/** Records an editor as open until the host closes it. */
	void RecordAssetEditor(const TSharedRef<FSimpleAssetEditor>& Editor, EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& ToolkitHost, const TArray<UObject*>& Objects, bool bDetailsObjectsOverridden, const TArray<UObject*>& DetailsObjects, const TSharedPtr<IDetailsView>& DetailsView);
}
