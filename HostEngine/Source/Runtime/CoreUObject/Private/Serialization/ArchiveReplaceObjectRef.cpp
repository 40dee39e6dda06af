#include "Serialization/ArchiveReplaceObjectRef.h"

#include "UObject/Object.h"
#include "UObject/UObjectGlobals.h"

FArchiveReplaceObjectRefBase::FArchiveReplaceObjectRefBase(UObject* InSearchObject, EArchiveReplaceObjectFlags InFlags)
	: SearchObject(InSearchObject)
	, Flags(InFlags)
{
	ArIsObjectReferenceCollector = true;
	ArIsModifyingWeakAndStrongReferences = true;
}

void FArchiveReplaceObjectRefBase::SerializeSearchObject()
{
	if (SearchObject == nullptr)
	{
		return;
	}
	// The host's objects hold their references themselves; outers and archetypes are not references
	// an object serializes, so the ignore flags have nothing to leave out.
	SearchObject->Serialize(*this);
	TArray<UObject*> Inner;
	GetObjectsWithOuter(SearchObject, Inner, /*bIncludeNestedObjects=*/true);
	for (UObject* Object : Inner)
	{
		Object->Serialize(*this);
	}
}

FArchive& FArchiveReplaceObjectRefBase::operator<<(UObject*& Object)
{
	if (Object != nullptr)
	{
		if (UObject* Replacement = FindReplacement(Object))
		{
			Object = Replacement;
			++Count;
		}
	}
	return *this;
}
