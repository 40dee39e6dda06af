#pragma once

#include "CoreMinimal.h"
#include "Engine/StreamableRenderAsset.h"
#include "UObject/ObjectPtr.h"
#include "StaticMesh.generated.h"

class UMaterialInterface;

/** A material slot of a static mesh. */
USTRUCT(BlueprintType)
struct FStaticMaterial
{
	FStaticMaterial()
		: MaterialInterface(nullptr)
		, MaterialSlotName(NAME_None)
		, ImportedMaterialSlotName(NAME_None)
	{
	}

	FStaticMaterial(UMaterialInterface* InMaterialInterface, FName InMaterialSlotName = NAME_None, FName InImportedMaterialSlotName = NAME_None)
		: MaterialInterface(InMaterialInterface)
		, MaterialSlotName(InMaterialSlotName)
		, ImportedMaterialSlotName(InImportedMaterialSlotName)
	{
	}

	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = StaticMesh)
	TObjectPtr<UMaterialInterface> MaterialInterface;

	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = StaticMesh)
	FName MaterialSlotName;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = StaticMesh)
	FName ImportedMaterialSlotName;
};

/** A mesh of triangles that does not deform. */
UCLASS()
class ENGINE_API UStaticMesh : public UStreamableRenderAsset
{
	GENERATED_BODY()

public:
	TArray<FStaticMaterial>& GetStaticMaterials()
	{
		return StaticMaterials;
	}

	const TArray<FStaticMaterial>& GetStaticMaterials() const
	{
		return StaticMaterials;
	}

	void SetStaticMaterials(const TArray<FStaticMaterial>& InStaticMaterials)
	{
		StaticMaterials = InStaticMaterials;
	}

	//~ Begin UObject interface
	virtual void Serialize(FArchive& Ar) override;
	//~ End UObject interface

private:
	/** The mesh's material slots; each material is saved as a reference of the mesh's package. */
	UPROPERTY(BlueprintGetter = GetStaticMaterials, BlueprintSetter = SetStaticMaterials, Category = StaticMesh)
	TArray<FStaticMaterial> StaticMaterials;
};
