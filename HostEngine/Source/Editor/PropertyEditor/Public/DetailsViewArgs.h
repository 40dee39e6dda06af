#pragma once

#include "CoreMinimal.h"

class FNotifyHook;

/** How a details view is set up when it is made. */
struct FDetailsViewArgs
{
	enum ENameAreaSettings
	{
		HideNameArea,
		ObjectsUseNameArea,
		ActorsUseNameArea,
		ComponentsAndActorsUseNameArea,
	};

	/** Identifies the view in saved settings such as group expansion. */
	FName ViewIdentifier;
	FNotifyHook* NotifyHook = nullptr;
	ENameAreaSettings NameAreaSettings = ActorsUseNameArea;
	float ColumnWidth = 0.65f;
	bool bUpdatesFromSelection = false;
	bool bLockable = false;
	bool bAllowSearch = true;
	bool bShowOptions = true;
	bool bAllowFavoriteSystem = true;
	bool bHideSelectionTip = false;
	bool bShowPropertyMatrixButton = true;
	bool bCustomNameAreaLocation = false;
	bool bCustomFilterAreaLocation = false;
	bool bShowScrollBar = true;
	bool bForceHiddenPropertyVisibility = false;
	bool bShowObjectLabel = true;
	bool bShowModifiedPropertiesOption = true;
	bool bShowKeyablePropertiesOption = true;
	bool bShowAnimatedPropertiesOption = true;
	bool bShowHiddenPropertiesWhilePlayingOption = true;
	bool bShowDifferingPropertiesOption = false;
	bool bShowSectionSelector = false;

	FDetailsViewArgs() = default;
};
