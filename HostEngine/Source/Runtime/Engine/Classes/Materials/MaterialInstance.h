#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialInterface.h"
#include "MaterialInstance.generated.h"

/** A material that takes its graph from a parent and overrides some of its parameters. */
UCLASS(Abstract)
class ENGINE_API UMaterialInstance : public UMaterialInterface
{
	GENERATED_BODY()
};
