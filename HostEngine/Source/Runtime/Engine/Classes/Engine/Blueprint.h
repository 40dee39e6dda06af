#pragma once

#include "CoreMinimal.h"
#include "Engine/BlueprintCore.h"
#include "Blueprint.generated.h"

/** A blueprint asset: a class made in the editor. */
UCLASS()
class ENGINE_API UBlueprint : public UBlueprintCore
{
	GENERATED_BODY()
};
