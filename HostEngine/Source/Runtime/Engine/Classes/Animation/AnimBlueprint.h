#pragma once

#include "CoreMinimal.h"
#include "Engine/Blueprint.h"
#include "AnimBlueprint.generated.h"

/** A blueprint that drives the animation of a skeletal mesh. */
UCLASS()
class ENGINE_API UAnimBlueprint : public UBlueprint
{
	GENERATED_BODY()
};
