#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include <type_traits>

/** A class that is T's or a subclass of it (or null). */
template<typename T>
class TSubclassOf
{
public:
	using ElementType = T;

	TSubclassOf() = default;
	TSubclassOf(TYPE_OF_NULLPTR)
	{
	}
	TSubclassOf(UClass* From)
		: Class(From)
	{
	}
	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSubclassOf(const TSubclassOf<U>& From)
		: Class(*From)
	{
	}

	TSubclassOf& operator=(UClass* From)
	{
		Class = From;
		return *this;
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSubclassOf& operator=(const TSubclassOf<U>& From)
	{
		Class = *From;
		return *this;
	}

	/** The class, or null when it is not T's class or a subclass. */
	UClass* Get() const
	{
		if (!Class || !Class->IsChildOf(T::StaticClass()))
		{
			return nullptr;
		}
		return Class;
	}

	UClass* operator*() const
	{
		return Get();
	}

	UClass* operator->() const
	{
		return Get();
	}

	operator UClass*() const
	{
		return Get();
	}

	T* GetDefaultObject() const
	{
		UClass* Result = Get();
		return Result ? (T*)Result->GetDefaultObject() : nullptr;
	}

	friend uint32 GetTypeHash(const TSubclassOf& SubclassOf)
	{
		return GetTypeHash(SubclassOf.Class);
	}

private:
	UClass* Class = nullptr;
};
