#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "DataAsset.generated.h"

/** An asset that holds data of a class of its own. */
UCLASS(Abstract, MinimalAPI, Meta=(LoadBehavior="LazyOnDemand"))
class UDataAsset : public UObject
{
	GENERATED_BODY()
};

/** A data asset with a primary asset id, for the asset manager. */
UCLASS(Abstract, MinimalAPI)
class UPrimaryDataAsset : public UDataAsset
{
	GENERATED_BODY()
};
