#pragma once

#include "CoreTypes.h"
#include "Templates/UnrealTypeTraits.h"
#include <type_traits>
#include <utility>

/** Casts to an rvalue; refuses const arguments, which would silently copy. */
template <typename T>
FORCEINLINE constexpr std::remove_reference_t<T>&& MoveTemp(T&& Obj) noexcept
{
	static_assert(!std::is_const_v<std::remove_reference_t<T>>, "MoveTemp called on a const object");
	return static_cast<std::remove_reference_t<T>&&>(Obj);
}

/** Like MoveTemp, but lets const objects through as copies. */
template <typename T>
FORCEINLINE constexpr std::remove_reference_t<T>&& MoveTempIfPossible(T&& Obj) noexcept
{
	return static_cast<std::remove_reference_t<T>&&>(Obj);
}

template <typename T>
FORCEINLINE constexpr T&& Forward(std::remove_reference_t<T>& Obj) noexcept
{
	return static_cast<T&&>(Obj);
}

template <typename T>
FORCEINLINE constexpr T&& Forward(std::remove_reference_t<T>&& Obj) noexcept
{
	return static_cast<T&&>(Obj);
}

template <typename T>
FORCEINLINE T CopyTemp(const T& Val)
{
	return Val;
}

template <typename T>
FORCEINLINE void Swap(T& A, T& B)
{
	T Temp = MoveTemp(A);
	A = MoveTemp(B);
	B = MoveTemp(Temp);
}

template <typename T, typename U = T>
FORCEINLINE T Exchange(T& Value, U&& NewValue)
{
	T Old = MoveTemp(Value);
	Value = Forward<U>(NewValue);
	return Old;
}

template <typename T>
std::add_rvalue_reference_t<T> DeclVal();

template <typename T>
FORCEINLINE T* IfAThenAElseB(T* A, T* B)
{
	return A ? A : B;
}

template <typename T, SIZE_T N>
char (&ArrayCountHelper(const T (&)[N]))[N + 1];

/** Base for types that must not be copied. */
class FNoncopyable
{
protected:
	FNoncopyable() = default;
	~FNoncopyable() = default;

private:
	FNoncopyable(const FNoncopyable&) = delete;
	FNoncopyable& operator=(const FNoncopyable&) = delete;
};

/** Restores a variable's value when the scope ends. */
template <typename RefType, typename AssignedType = RefType>
class TGuardValue : private FNoncopyable
{
public:
	TGuardValue(RefType& ReferenceValue, const AssignedType& NewValue)
		: RefValue(ReferenceValue), OldValue(ReferenceValue)
	{
		RefValue = NewValue;
	}
	~TGuardValue()
	{
		RefValue = OldValue;
	}

private:
	RefType& RefValue;
	AssignedType OldValue;
};

template <typename T>
constexpr T Align(T Val, uint64 Alignment)
{
	return (T)(((uint64)Val + Alignment - 1) & ~(Alignment - 1));
}
