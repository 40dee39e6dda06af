#pragma once

#include "CoreTypes.h"
#include <type_traits>

template <typename From, typename To>
struct TIsDerivedFrom
{
	static constexpr bool Value = std::is_base_of_v<To, From> || std::is_same_v<From, To>;
	static constexpr bool IsDerived = Value;
};

template <typename A, typename B>
struct TIsSame
{
	static constexpr bool Value = std::is_same_v<A, B>;
};

template <typename T>
struct TIsEnum
{
	static constexpr bool Value = std::is_enum_v<T>;
};

template <typename T>
struct TIsPointer
{
	static constexpr bool Value = std::is_pointer_v<T>;
};

template <typename T>
struct TIsArithmetic
{
	static constexpr bool Value = std::is_arithmetic_v<T>;
};

template <typename T>
struct TIsIntegral
{
	static constexpr bool Value = std::is_integral_v<T>;
};

template <typename T>
struct TIsFloatingPoint
{
	static constexpr bool Value = std::is_floating_point_v<T>;
};

template <typename T>
struct TIsPODType
{
	static constexpr bool Value = std::is_trivial_v<T> && std::is_standard_layout_v<T>;
};

template <typename T>
struct TIsTriviallyDestructible
{
	static constexpr bool Value = std::is_trivially_destructible_v<T>;
};

template <typename T>
struct TRemoveReference
{
	typedef std::remove_reference_t<T> Type;
};

template <typename T>
struct TRemovePointer
{
	typedef std::remove_pointer_t<T> Type;
};

template <typename T>
struct TDecay
{
	typedef std::decay_t<T> Type;
};

template <bool bPredicate, typename Result = void>
struct TEnableIf
{
};

template <typename Result>
struct TEnableIf<true, Result>
{
	typedef Result Type;
};

template <typename T>
struct TCallTraits
{
	typedef std::conditional_t<std::is_arithmetic_v<T> || std::is_pointer_v<T> || std::is_enum_v<T>, const T, const T&> ParamType;
	typedef const T& ConstReference;
	typedef T& Reference;
};

template <typename T>
struct TTypeTraits
{
	typedef typename TCallTraits<T>::ParamType ConstInitType;
	typedef typename TCallTraits<T>::ParamType ConstPointerType;
};
