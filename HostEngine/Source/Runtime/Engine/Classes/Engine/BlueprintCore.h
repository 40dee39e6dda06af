#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "BlueprintCore.generated.h"

/** The base of blueprint assets. */
UCLASS()
class ENGINE_API UBlueprintCore : public UObject
{
	GENERATED_BODY()
};
