#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtr.h"
#include "UObject/ObjectPtr.h"
#include <type_traits>

class UObject;

/** A typed weak reference to an object; reads null once the object is destroyed. */
template<class T = UObject, class TWeakObjectPtrBase = FWeakObjectPtr>
struct TWeakObjectPtr
{
	using ElementType = T;

	TWeakObjectPtr() = default;
	TWeakObjectPtr(TYPE_OF_NULLPTR)
	{
	}
	TWeakObjectPtr(const TWeakObjectPtr&) = default;
	TWeakObjectPtr& operator=(const TWeakObjectPtr&) = default;

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr(U* Object)
		: WeakPtr((const UObject*)static_cast<T*>(Object))
	{
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr(const TObjectPtr<U>& Object)
		: WeakPtr((const UObject*)static_cast<T*>(Object.Get()))
	{
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr(const TWeakObjectPtr<U, TWeakObjectPtrBase>& Other)
		: WeakPtr(Other.HostGetBase())
	{
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr& operator=(U* Object)
	{
		WeakPtr = (const UObject*)static_cast<T*>(Object);
		return *this;
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr& operator=(const TObjectPtr<U>& Object)
	{
		WeakPtr = (const UObject*)static_cast<T*>(Object.Get());
		return *this;
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr& operator=(const TWeakObjectPtr<U, TWeakObjectPtrBase>& Other)
	{
		WeakPtr = Other.HostGetBase();
		return *this;
	}

	void Reset()
	{
		WeakPtr.Reset();
	}

	FORCEINLINE T* Get(bool bEvenIfPendingKill) const
	{
		return (T*)WeakPtr.Get(bEvenIfPendingKill);
	}

	FORCEINLINE T* Get() const
	{
		return (T*)WeakPtr.Get();
	}

	FORCEINLINE T* GetEvenIfUnreachable() const
	{
		return (T*)WeakPtr.GetEvenIfUnreachable();
	}

	FORCEINLINE T& operator*() const
	{
		return *Get();
	}

	FORCEINLINE T* operator->() const
	{
		return Get();
	}

	FORCEINLINE bool IsValid(bool bEvenIfPendingKill, bool bThreadsafeTest = false) const
	{
		return WeakPtr.IsValid(bEvenIfPendingKill, bThreadsafeTest);
	}

	FORCEINLINE bool IsValid() const
	{
		return WeakPtr.IsValid();
	}

	FORCEINLINE bool IsStale(bool bIncludingIfPendingKill = true, bool bThreadsafeTest = false) const
	{
		return WeakPtr.IsStale(bIncludingIfPendingKill, bThreadsafeTest);
	}

	FORCEINLINE bool IsExplicitlyNull() const
	{
		return WeakPtr.IsExplicitlyNull();
	}

	FORCEINLINE explicit operator bool() const
	{
		return WeakPtr.IsValid();
	}

	/** The untyped weak pointer inside. */
	const TWeakObjectPtrBase& HostGetBase() const
	{
		return WeakPtr;
	}

	friend uint32 GetTypeHash(const TWeakObjectPtr& Ptr)
	{
		return GetTypeHash(Ptr.WeakPtr);
	}

	template<typename U>
	friend bool operator==(const TWeakObjectPtr& A, const TWeakObjectPtr<U, TWeakObjectPtrBase>& B)
	{
		return A.WeakPtr == B.HostGetBase();
	}
	template<typename U>
	friend bool operator!=(const TWeakObjectPtr& A, const TWeakObjectPtr<U, TWeakObjectPtrBase>& B)
	{
		return !(A.WeakPtr == B.HostGetBase());
	}
	template<typename U>
	friend bool operator==(const TWeakObjectPtr& A, const U* B)
	{
		return A.Get() == B;
	}
	template<typename U>
	friend bool operator!=(const TWeakObjectPtr& A, const U* B)
	{
		return A.Get() != B;
	}
	template<typename U>
	friend bool operator==(const U* A, const TWeakObjectPtr& B)
	{
		return A == B.Get();
	}
	template<typename U>
	friend bool operator!=(const U* A, const TWeakObjectPtr& B)
	{
		return A != B.Get();
	}
	friend bool operator==(const TWeakObjectPtr& A, TYPE_OF_NULLPTR)
	{
		return !A.IsValid();
	}
	friend bool operator!=(const TWeakObjectPtr& A, TYPE_OF_NULLPTR)
	{
		return A.IsValid();
	}

private:
	TWeakObjectPtrBase WeakPtr;
};

template<class T>
FORCEINLINE TWeakObjectPtr<T> MakeWeakObjectPtr(T* Object)
{
	return TWeakObjectPtr<T>(Object);
}
