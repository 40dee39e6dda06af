#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/AssetData.h"

/** Called for each candidate asset of a picker: true hides the asset. */
DECLARE_DELEGATE_RetVal_OneParam(bool, FOnShouldFilterAsset, const FAssetData& /*AssetData*/);

/** Called when the user selects one asset. */
DECLARE_DELEGATE_OneParam(FOnAssetSelected, const FAssetData& /*AssetData*/);

/** Called when the user double-clicks one asset. */
DECLARE_DELEGATE_OneParam(FOnAssetDoubleClicked, const FAssetData& /*AssetData*/);

