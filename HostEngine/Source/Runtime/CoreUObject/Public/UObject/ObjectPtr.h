#pragma once

#include "CoreMinimal.h"
#include <type_traits>

class UObject;

/** A pointer to an object as reflected members hold it; behaves as a raw pointer. */
template<typename T>
struct TObjectPtr
{
	using ElementType = T;

	TObjectPtr() = default;
	TObjectPtr(TYPE_OF_NULLPTR)
	{
	}
	TObjectPtr(const TObjectPtr&) = default;
	TObjectPtr& operator=(const TObjectPtr&) = default;

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TObjectPtr(U* Object)
		: Pointer(Object)
	{
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TObjectPtr(const TObjectPtr<U>& Other)
		: Pointer(Other.Get())
	{
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TObjectPtr& operator=(U* Object)
	{
		Pointer = Object;
		return *this;
	}

	TObjectPtr& operator=(TYPE_OF_NULLPTR)
	{
		Pointer = nullptr;
		return *this;
	}

	FORCEINLINE T* Get() const
	{
		return Pointer;
	}

	FORCEINLINE operator T*() const
	{
		return Pointer;
	}

	FORCEINLINE T* operator->() const
	{
		return Pointer;
	}

	FORCEINLINE T& operator*() const
	{
		return *Pointer;
	}

	FORCEINLINE explicit operator bool() const
	{
		return Pointer != nullptr;
	}

	FORCEINLINE bool operator!() const
	{
		return Pointer == nullptr;
	}

	bool IsNull() const
	{
		return Pointer == nullptr;
	}

	friend bool operator==(const TObjectPtr& A, const TObjectPtr& B)
	{
		return A.Pointer == B.Pointer;
	}
	friend bool operator!=(const TObjectPtr& A, const TObjectPtr& B)
	{
		return A.Pointer != B.Pointer;
	}
	template<typename U>
	friend bool operator==(const TObjectPtr& A, U* B)
	{
		return A.Pointer == B;
	}
	template<typename U>
	friend bool operator!=(const TObjectPtr& A, U* B)
	{
		return A.Pointer != B;
	}
	template<typename U>
	friend bool operator==(U* A, const TObjectPtr& B)
	{
		return A == B.Pointer;
	}
	template<typename U>
	friend bool operator!=(U* A, const TObjectPtr& B)
	{
		return A != B.Pointer;
	}
	friend bool operator==(const TObjectPtr& A, TYPE_OF_NULLPTR)
	{
		return A.Pointer == nullptr;
	}
	friend bool operator!=(const TObjectPtr& A, TYPE_OF_NULLPTR)
	{
		return A.Pointer != nullptr;
	}

	friend uint32 GetTypeHash(const TObjectPtr& Ptr)
	{
		return GetTypeHash(Ptr.Pointer);
	}

private:
	T* Pointer = nullptr;
};

template<typename T>
FORCEINLINE T* ToRawPtr(const TObjectPtr<T>& Ptr)
{
	return Ptr.Get();
}

template<typename T>
FORCEINLINE T* ToRawPtr(T* Ptr)
{
	return Ptr;
}

template<typename T>
FORCEINLINE TObjectPtr<T> MakeObjectPtrUnsafe(UObject* Object)
{
	return TObjectPtr<T>((T*)Object);
}
