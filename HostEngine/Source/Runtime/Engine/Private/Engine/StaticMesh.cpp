#include "Engine/StaticMesh.h"

#include "Materials/MaterialInterface.h"
#include "Serialization/Archive.h"
#include "Templates/Casts.h"

void UStaticMesh::Serialize(FArchive& Ar)
{
	Super::Serialize(Ar);

	// Each slot's material is a reference of the mesh's package.
	for (FStaticMaterial& Slot : StaticMaterials)
	{
		UObject* Material = Slot.MaterialInterface.Get();
		Ar << Material;
		Slot.MaterialInterface = Cast<UMaterialInterface>(Material);
	}
}
