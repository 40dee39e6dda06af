#pragma once

#include "CoreMinimal.h"
#include "Engine/StreamableRenderAsset.h"
#include "Texture.generated.h"

/** The base of texture assets. */
UCLASS(Abstract)
class ENGINE_API UTexture : public UStreamableRenderAsset
{
	GENERATED_BODY()
};
