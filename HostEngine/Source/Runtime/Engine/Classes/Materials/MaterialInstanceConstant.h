#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialInstance.h"
#include "MaterialInstanceConstant.generated.h"

/** A material instance whose parameters are set in the editor. */
UCLASS()
class ENGINE_API UMaterialInstanceConstant : public UMaterialInstance
{
	GENERATED_BODY()

public:
#if WITH_EDITOR
	/**
	 * Sets the parent from editor code. A parent that derives from this instance would make a loop: it is
	 * refused with a log message and the parent stays as it was.
	 */
	void SetParentEditorOnly(class UMaterialInterface* NewParent, bool RecacheShader = true);
#endif
};
