#pragma once

// The host's text form of reflected property values, as the details panel shows them. The header
// tool's generated code calls HostPropertyToString on each property; the overloads below cover the
// types reflected members use, and anything with a LexToString.

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/ObjectPtr.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/SoftObjectPtr.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "Templates/SubclassOf.h"
#include <type_traits>

COREUOBJECT_API FString HostPropertyToString(bool Value);
COREUOBJECT_API FString HostPropertyToString(int8 Value);
COREUOBJECT_API FString HostPropertyToString(int16 Value);
COREUOBJECT_API FString HostPropertyToString(int32 Value);
COREUOBJECT_API FString HostPropertyToString(int64 Value);
COREUOBJECT_API FString HostPropertyToString(uint8 Value);
COREUOBJECT_API FString HostPropertyToString(uint16 Value);
COREUOBJECT_API FString HostPropertyToString(uint32 Value);
COREUOBJECT_API FString HostPropertyToString(uint64 Value);
COREUOBJECT_API FString HostPropertyToString(float Value);
COREUOBJECT_API FString HostPropertyToString(double Value);
COREUOBJECT_API FString HostPropertyToString(const FString& Value);
COREUOBJECT_API FString HostPropertyToString(const FName& Value);
COREUOBJECT_API FString HostPropertyToString(const FText& Value);
COREUOBJECT_API FString HostPropertyToString(const FSoftObjectPath& Value);
COREUOBJECT_API FString HostPropertyToString(const FTopLevelAssetPath& Value);
COREUOBJECT_API FString HostPropertyToString(const FDirectoryPath& Value);
COREUOBJECT_API FString HostPropertyToString(const FFilePath& Value);
/** An object reference: the object's path name, or "None". */
COREUOBJECT_API FString HostPropertyToString(const UObject* Value);

template<typename T>
FString HostPropertyToString(const TObjectPtr<T>& Value)
{
	return HostPropertyToString((const UObject*)Value.Get());
}

template<typename T>
FString HostPropertyToString(const TWeakObjectPtr<T>& Value)
{
	return HostPropertyToString((const UObject*)Value.Get());
}

template<typename T>
FString HostPropertyToString(const TSoftObjectPtr<T>& Value)
{
	return HostPropertyToString(Value.ToSoftObjectPath());
}

template<typename T>
FString HostPropertyToString(const TSoftClassPtr<T>& Value)
{
	return HostPropertyToString(Value.ToSoftObjectPath());
}

template<typename T>
FString HostPropertyToString(const TSubclassOf<T>& Value)
{
	return HostPropertyToString((const UObject*)Value.Get());
}

template<typename T>
std::enable_if_t<std::is_enum_v<T>, FString> HostPropertyToString(T Value)
{
	return HostPropertyToString((int64)Value);
}

/** Containers show their element count, as the details panel's collapsed container rows do. */
template<typename T, typename Allocator>
FString HostPropertyToString(const TArray<T, Allocator>& Value)
{
	return FString::Printf(TEXT("%d Array elements"), Value.Num());
}

template<typename T, typename KeyFuncs, typename Allocator>
FString HostPropertyToString(const TSet<T, KeyFuncs, Allocator>& Value)
{
	return FString::Printf(TEXT("%d Set elements"), Value.Num());
}

template<typename K, typename V, typename Allocator, typename KeyFuncs>
FString HostPropertyToString(const TMap<K, V, Allocator, KeyFuncs>& Value)
{
	return FString::Printf(TEXT("%d Map elements"), Value.Num());
}

/** Anything else with a LexToString. */
template<typename T>
auto HostPropertyToString(const T& Value) -> decltype(LexToString(Value))
{
	return LexToString(Value);
}

// The reverse, as the config system reads a value from an ini file and the settings editor from what
// the user typed: false, with the value unchanged, for text the type does not accept.
COREUOBJECT_API bool HostPropertyFromString(bool& Value, const FString& Text);
COREUOBJECT_API bool HostPropertyFromString(int32& Value, const FString& Text);
COREUOBJECT_API bool HostPropertyFromString(float& Value, const FString& Text);
COREUOBJECT_API bool HostPropertyFromString(FString& Value, const FString& Text);
COREUOBJECT_API bool HostPropertyFromString(FName& Value, const FString& Text);

namespace HostPropertyText
{
	template<typename T>
	auto FromString(T& Value, const FString& Text, int) -> decltype(HostPropertyFromString(Value, Text))
	{
		return HostPropertyFromString(Value, Text);
	}

	/** Types the host cannot read from text. */
	template<typename T>
	bool FromString(T&, const FString&, long)
	{
		return false;
	}
}

/** What the header tool's generated code calls for every property. */
template<typename T>
bool HostPropertyFromStringIfReadable(T& Value, const FString& Text)
{
	return HostPropertyText::FromString(Value, Text, 0);
}
