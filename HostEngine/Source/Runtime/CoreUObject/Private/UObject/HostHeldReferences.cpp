#include "HostHeldReferences.h"

#include "Serialization/Archive.h"
#include "UObject/Object.h"
#include <unordered_map>

namespace
{
	std::unordered_map<const UObjectBase*, FHostHeldReferences>& GetHeldReferences()
	{
		static std::unordered_map<const UObjectBase*, FHostHeldReferences> References;
		return References;
	}
}

FHostHeldReferences& FHostHeldReferences::FindOrAdd(const UObjectBase* Object)
{
	return GetHeldReferences()[Object];
}

FHostHeldReferences* FHostHeldReferences::Find(const UObjectBase* Object)
{
	auto Found = GetHeldReferences().find(Object);
	return Found != GetHeldReferences().end() ? &Found->second : nullptr;
}

void FHostHeldReferences::Remove(const UObjectBase* Object)
{
	GetHeldReferences().erase(Object);
}

void UObject::Serialize(FArchive& Ar)
{
	FHostHeldReferences* References = FHostHeldReferences::Find(this);
	if (References == nullptr)
	{
		return;
	}
	for (TWeakObjectPtr<UObject>& Reference : References->Hard)
	{
		UObject* Object = Reference.Get();
		Ar << Object;
		Reference = Object;
	}
	for (FSoftObjectPath& Reference : References->Soft)
	{
		Ar << Reference;
	}
}
