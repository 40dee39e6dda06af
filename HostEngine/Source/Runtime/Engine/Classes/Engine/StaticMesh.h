#pragma once

#include "CoreMinimal.h"
#include "Engine/StreamableRenderAsset.h"
#include "StaticMesh.generated.h"

/** A mesh of triangles that does not deform. */
UCLASS()
class ENGINE_API UStaticMesh : public UStreamableRenderAsset
{
	GENERATED_BODY()
};
