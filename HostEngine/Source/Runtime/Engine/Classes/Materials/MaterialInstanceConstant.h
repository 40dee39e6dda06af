#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialInstance.h"
#include "MaterialInstanceConstant.generated.h"

/** A material instance whose parameters are set in the editor. */
UCLASS()
class ENGINE_API UMaterialInstanceConstant : public UMaterialInstance
{
	GENERATED_BODY()
};
