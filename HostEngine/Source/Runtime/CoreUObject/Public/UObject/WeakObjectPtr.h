#pragma once

#include "CoreMinimal.h"

class UObject;

/**
 * A weak reference to an object: the object's slot in the global object array and the serial number
 * the slot had, so it reads null once the object has been destroyed, even if the slot is reused.
 */
struct FWeakObjectPtr
{
	FWeakObjectPtr() = default;
	FWeakObjectPtr(TYPE_OF_NULLPTR)
	{
	}
	FWeakObjectPtr(const UObject* Object)
	{
		(*this) = Object;
	}

	COREUOBJECT_API void operator=(const UObject* Object);

	void Reset()
	{
		ObjectIndex = -1;
		ObjectSerialNumber = 0;
	}

	/** The object, or null once it is destroyed (or marked as garbage, unless bEvenIfGarbage). */
	COREUOBJECT_API UObject* Get(bool bEvenIfGarbage) const;
	COREUOBJECT_API UObject* Get() const;
	COREUOBJECT_API UObject* GetEvenIfUnreachable() const;

	COREUOBJECT_API bool IsValid(bool bEvenIfGarbage, bool bThreadsafeTest = false) const;
	COREUOBJECT_API bool IsValid() const;
	/** Set once but pointing to an object that is gone. */
	COREUOBJECT_API bool IsStale(bool bIncludingGarbage = true, bool bThreadsafeTest = false) const;

	bool IsExplicitlyNull() const
	{
		return ObjectIndex == -1;
	}

	friend bool operator==(const FWeakObjectPtr& A, const FWeakObjectPtr& B)
	{
		return (A.ObjectIndex == B.ObjectIndex && A.ObjectSerialNumber == B.ObjectSerialNumber) || (!A.IsValid() && !B.IsValid());
	}

	friend bool operator!=(const FWeakObjectPtr& A, const FWeakObjectPtr& B)
	{
		return !(A == B);
	}

	friend uint32 GetTypeHash(const FWeakObjectPtr& Ptr)
	{
		return uint32(Ptr.ObjectIndex ^ Ptr.ObjectSerialNumber);
	}

private:
	int32 ObjectIndex = -1;
	int32 ObjectSerialNumber = 0;
};
