#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/UObjectHash.h"

/** Iterates the live objects of class T (and subclasses) that existed when the iteration started. */
template<class T>
class TObjectIterator
{
public:
	explicit TObjectIterator(EObjectFlags AdditionalExclusionFlags = RF_ClassDefaultObject, bool bIncludeDerivedClasses = true, EInternalObjectFlags InInternalExclusionFlags = EInternalObjectFlags::None)
	{
		GetObjectsOfClass(T::StaticClass(), Objects, bIncludeDerivedClasses, AdditionalExclusionFlags, InInternalExclusionFlags);
		for (UObject* Object : Objects)
		{
			Weak.Add(FWeakObjectPtr(Object));
		}
		SkipDead();
	}

	void operator++()
	{
		++Index;
		SkipDead();
	}

	explicit operator bool() const
	{
		return Index < Objects.Num();
	}

	bool operator!() const
	{
		return !(bool)*this;
	}

	T* operator*() const
	{
		return (T*)Objects[Index];
	}

	T* operator->() const
	{
		return (T*)Objects[Index];
	}

private:
	/** Objects destroyed during the iteration are skipped. */
	void SkipDead()
	{
		while (Index < Objects.Num() && !Weak[Index].IsValid())
		{
			++Index;
		}
	}

	TArray<UObject*> Objects;
	TArray<FWeakObjectPtr> Weak;
	int32 Index = 0;
};
