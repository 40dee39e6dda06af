#pragma once

#include "CoreTypes.h"

/** Hard-coded names; each enumerator is its index in the name table. */
enum EName : uint32
{
#define REGISTER_NAME(num, name) NAME_##name = num,
#include "UObject/UnrealNames.inl"
#undef REGISTER_NAME
	MAX_NETWORKED_HARDCODED_NAME = 410,
	NAME_MaxHardcodedNameIndex,
};

/** Text of a hard-coded name, e.g. TEXT("None"). */
CORE_API const TCHAR* LexToStringEName(EName Ename);
