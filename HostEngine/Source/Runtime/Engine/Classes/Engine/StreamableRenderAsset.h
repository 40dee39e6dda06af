#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "StreamableRenderAsset.generated.h"

/** An asset whose render data can be streamed in and out. */
UCLASS(Abstract)
class ENGINE_API UStreamableRenderAsset : public UObject
{
	GENERATED_BODY()
};
