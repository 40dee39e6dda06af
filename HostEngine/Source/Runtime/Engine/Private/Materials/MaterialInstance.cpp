#include "Materials/MaterialInstance.h"

#include "Materials/MaterialInstanceConstant.h"
#include "Serialization/Archive.h"
#include "Templates/Casts.h"

DEFINE_LOG_CATEGORY_STATIC(LogMaterial, Log, All);

void UMaterialInstance::Serialize(FArchive& Ar)
{
	Super::Serialize(Ar);

	// The parent is a reference of the instance's package: saving writes it as an import, reference
	// replacement may point it elsewhere.
	UObject* ParentObject = Parent.Get();
	Ar << ParentObject;
	Parent = Cast<UMaterialInterface>(ParentObject);
}

bool UMaterialInstance::IsChildOf(const UMaterialInterface* Material) const
{
	const UMaterialInterface* Current = this;
	// A chain of instances ends at a material; a loop cannot be made through SetParentEditorOnly.
	for (int32 Depth = 0; Current != nullptr && Depth < 1024; ++Depth)
	{
		if (Current == Material)
		{
			return true;
		}
		const UMaterialInstance* Instance = Cast<UMaterialInstance>(Current);
		Current = Instance != nullptr ? Instance->Parent.Get() : nullptr;
	}
	return false;
}

#if WITH_EDITOR
void UMaterialInstanceConstant::SetParentEditorOnly(UMaterialInterface* NewParent, bool RecacheShader)
{
	if (const UMaterialInstance* ParentInstance = Cast<UMaterialInstance>(NewParent))
	{
		if (ParentInstance->IsChildOf(this))
		{
			UE_LOG(LogMaterial, Warning, TEXT("%s is not set as the parent of %s: it derives from it."), *NewParent->GetPathName(), *GetPathName());
			return;
		}
	}
	Parent = NewParent;
}
#endif
