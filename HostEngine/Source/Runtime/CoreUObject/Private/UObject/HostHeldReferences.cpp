#include "HostHeldReferences.h"

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
