#pragma once

#include "CoreMinimal.h"
#include "Serialization/Archive.h"

/** The base of archives that serialize objects and the references between them. */
class COREUOBJECT_API FArchiveUObject : public FArchive
{
public:
	using FArchive::operator<<;
};
