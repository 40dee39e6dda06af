#pragma once

#include "CoreTypes.h"
#include "UObject/ObjectMacros.h"

// Kept apart from IAssetTypeActions.h so that modules reaching AssetTools through include paths only can
// name the opening method without linking the module.

/** How the user asked for an asset to be opened. */
UENUM()
enum class EAssetTypeActivationOpenedMethod : uint8
{
	Edit,
	View,
};
