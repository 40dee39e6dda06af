#pragma once

#include "CoreMinimal.h"
#include "Misc/EnumClassFlags.h"
#include "Serialization/ArchiveUObject.h"

class UObject;

enum class EArchiveReplaceObjectFlags
{
	None = 0,
	/** References to objects private to another package are cleared rather than kept. */
	NullPrivateRefs = 1 << 0,
	/** The search object's outer is left as it is. */
	IgnoreOuterRef = 1 << 1,
	/** The search object's archetype is left as it is. */
	IgnoreArchetypeRef = 1 << 2,
	/** The constructor does not serialize; the caller calls SerializeSearchObject. */
	DelayStart = 1 << 3,
	IncludeClassGeneratedByRef = 1 << 4,
	TrackReplacedReferences = 1 << 5,
};
ENUM_CLASS_FLAGS(EArchiveReplaceObjectFlags);

/**
 * Serializes the search object and the objects inside it, replacing every reference to a key of the
 * replacement map with its value. References held elsewhere are not touched.
 */
class COREUOBJECT_API FArchiveReplaceObjectRefBase : public FArchiveUObject
{
public:
	/** How many references were replaced. */
	int64 GetCount() const
	{
		return Count;
	}

	const UObject* GetSearchObject() const
	{
		return SearchObject;
	}

	void SerializeSearchObject();

	using FArchiveUObject::operator<<;
	virtual FArchive& operator<<(UObject*& Object) override;

protected:
	FArchiveReplaceObjectRefBase(UObject* InSearchObject, EArchiveReplaceObjectFlags InFlags);

	/** The replacement for the object, or null when the map has none. */
	virtual UObject* FindReplacement(UObject* Object) const = 0;

	UObject* SearchObject = nullptr;
	EArchiveReplaceObjectFlags Flags = EArchiveReplaceObjectFlags::None;
	int64 Count = 0;
};

template<class T>
class FArchiveReplaceObjectRef : public FArchiveReplaceObjectRefBase
{
public:
	FArchiveReplaceObjectRef(UObject* InSearchObject, const TMap<T*, T*>& InReplacementMap, EArchiveReplaceObjectFlags InFlags = EArchiveReplaceObjectFlags::None)
		: FArchiveReplaceObjectRefBase(InSearchObject, InFlags)
		, ReplacementMap(InReplacementMap)
	{
		if (!EnumHasAnyFlags(InFlags, EArchiveReplaceObjectFlags::DelayStart))
		{
			SerializeSearchObject();
		}
	}

protected:
	virtual UObject* FindReplacement(UObject* Object) const override
	{
		T* const* Found = ReplacementMap.Find(static_cast<T*>(Object));
		return Found != nullptr ? *Found : nullptr;
	}

	const TMap<T*, T*>& ReplacementMap;
};
