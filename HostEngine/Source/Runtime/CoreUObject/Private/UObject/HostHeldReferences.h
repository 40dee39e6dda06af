#pragma once

#include "CoreMinimal.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/WeakObjectPtrTemplates.h"

class UObject;
class UObjectBase;

/**
 * The references an object holds, standing for the property data of an asset that the host does not
 * reflect (a mesh's materials, a material's textures). UObject::Serialize hands them to archives, so
 * reference collection and replacement see them as they see an asset's properties in the engine.
 */
struct FHostHeldReferences
{
	/** Hard references; a destroyed target reads null. */
	TArray<TWeakObjectPtr<UObject>> Hard;
	TArray<FSoftObjectPath> Soft;

	/** The references of the object, made on first use. */
	static FHostHeldReferences& FindOrAdd(const UObjectBase* Object);
	static FHostHeldReferences* Find(const UObjectBase* Object);
	static void Remove(const UObjectBase* Object);
};
