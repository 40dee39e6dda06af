#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "World.generated.h"

/** A level: the map asset and the actors placed in it. */
UCLASS()
class ENGINE_API UWorld : public UObject
{
	GENERATED_BODY()
};
