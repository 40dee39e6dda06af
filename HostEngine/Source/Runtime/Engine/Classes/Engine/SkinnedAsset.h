#pragma once

#include "CoreMinimal.h"
#include "Engine/StreamableRenderAsset.h"
#include "SkinnedAsset.generated.h"

/** A mesh bound to a skeleton. */
UCLASS(Abstract)
class ENGINE_API USkinnedAsset : public UStreamableRenderAsset
{
	GENERATED_BODY()
};
