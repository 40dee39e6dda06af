#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialInterface.h"
#include "MaterialInstance.generated.h"

/** A material that takes its graph from a parent and overrides some of its parameters. */
UCLASS(Abstract)
class ENGINE_API UMaterialInstance : public UMaterialInterface
{
	GENERATED_BODY()

public:
	/** The material or material instance this one derives from; saved as a reference of its package. */
	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = MaterialInstance, AssetRegistrySearchable)
	TObjectPtr<class UMaterialInterface> Parent;

	//~ Begin UObject interface
	virtual void Serialize(FArchive& Ar) override;
	//~ End UObject interface

	/** Whether Material is this instance or one of its ancestors. */
	bool IsChildOf(const UMaterialInterface* Material) const;
};
