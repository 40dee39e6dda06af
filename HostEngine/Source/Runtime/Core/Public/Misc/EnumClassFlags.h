#pragma once

#include <type_traits>

#define ENUM_CLASS_FLAGS(Enum)                                                                      \
	inline Enum& operator|=(Enum& Lhs, Enum Rhs)                                                    \
	{                                                                                               \
		return Lhs = (Enum)((std::underlying_type_t<Enum>)Lhs | (std::underlying_type_t<Enum>)Rhs); \
	}                                                                                               \
	inline Enum& operator&=(Enum& Lhs, Enum Rhs)                                                    \
	{                                                                                               \
		return Lhs = (Enum)((std::underlying_type_t<Enum>)Lhs & (std::underlying_type_t<Enum>)Rhs); \
	}                                                                                               \
	inline Enum& operator^=(Enum& Lhs, Enum Rhs)                                                    \
	{                                                                                               \
		return Lhs = (Enum)((std::underlying_type_t<Enum>)Lhs ^ (std::underlying_type_t<Enum>)Rhs); \
	}                                                                                               \
	inline constexpr Enum operator|(Enum Lhs, Enum Rhs)                                             \
	{                                                                                               \
		return (Enum)((std::underlying_type_t<Enum>)Lhs | (std::underlying_type_t<Enum>)Rhs);       \
	}                                                                                               \
	inline constexpr Enum operator&(Enum Lhs, Enum Rhs)                                             \
	{                                                                                               \
		return (Enum)((std::underlying_type_t<Enum>)Lhs & (std::underlying_type_t<Enum>)Rhs);       \
	}                                                                                               \
	inline constexpr Enum operator^(Enum Lhs, Enum Rhs)                                             \
	{                                                                                               \
		return (Enum)((std::underlying_type_t<Enum>)Lhs ^ (std::underlying_type_t<Enum>)Rhs);       \
	}                                                                                               \
	inline constexpr bool operator!(Enum E)                                                         \
	{                                                                                               \
		return !(std::underlying_type_t<Enum>)E;                                                    \
	}                                                                                               \
	inline constexpr Enum operator~(Enum E)                                                         \
	{                                                                                               \
		return (Enum) ~(std::underlying_type_t<Enum>)E;                                             \
	}

#define FRIEND_ENUM_CLASS_FLAGS(Enum)                    \
	friend Enum& operator|=(Enum& Lhs, Enum Rhs);        \
	friend Enum& operator&=(Enum& Lhs, Enum Rhs);        \
	friend Enum& operator^=(Enum& Lhs, Enum Rhs);        \
	friend constexpr Enum operator|(Enum Lhs, Enum Rhs); \
	friend constexpr Enum operator&(Enum Lhs, Enum Rhs); \
	friend constexpr Enum operator^(Enum Lhs, Enum Rhs); \
	friend constexpr bool operator!(Enum E);             \
	friend constexpr Enum operator~(Enum E);

template <typename Enum>
constexpr bool EnumHasAllFlags(Enum Flags, Enum Contains)
{
	using T = std::underlying_type_t<Enum>;
	return ((T)Flags & (T)Contains) == (T)Contains;
}

template <typename Enum>
constexpr bool EnumHasAnyFlags(Enum Flags, Enum Contains)
{
	using T = std::underlying_type_t<Enum>;
	return ((T)Flags & (T)Contains) != 0;
}

template <typename Enum>
void EnumAddFlags(Enum& Flags, Enum FlagsToAdd)
{
	using T = std::underlying_type_t<Enum>;
	Flags = (Enum)((T)Flags | (T)FlagsToAdd);
}

template <typename Enum>
void EnumRemoveFlags(Enum& Flags, Enum FlagsToRemove)
{
	using T = std::underlying_type_t<Enum>;
	Flags = (Enum)((T)Flags & ~(T)FlagsToRemove);
}
