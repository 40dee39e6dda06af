#pragma once

#include "CoreMinimal.h"
#include "Engine/SkinnedAsset.h"
#include "SkeletalMesh.generated.h"

/** A mesh deformed by a skeleton's bones. */
UCLASS()
class ENGINE_API USkeletalMesh : public USkinnedAsset
{
	GENERATED_BODY()
};
