#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"
#include <tuple>
#include <type_traits>
#include <utility>

/**
 * A fixed list of values. The two-element form names its members Key and Value, which is what
 * map iteration hands out.
 */
template <typename... Types>
struct TTuple
{
	std::tuple<Types...> Elements;

	TTuple() = default;

	template <typename... ArgTypes, typename = std::enable_if_t<sizeof...(ArgTypes) == sizeof...(Types) && (sizeof...(Types) > 0)>>
	explicit TTuple(ArgTypes&&... Args)
		: Elements(std::forward<ArgTypes>(Args)...)
	{
	}

	template <int32 Index>
	decltype(auto) Get() &
	{
		return std::get<Index>(Elements);
	}
	template <int32 Index>
	decltype(auto) Get() const&
	{
		return std::get<Index>(Elements);
	}
	template <int32 Index>
	decltype(auto) Get() &&
	{
		return std::get<Index>(std::move(Elements));
	}

	template <typename FuncType>
	decltype(auto) ApplyAfter(FuncType&& Func) const
	{
		return std::apply(std::forward<FuncType>(Func), Elements);
	}

	template <typename FuncType, typename... ArgTypes>
	decltype(auto) ApplyBefore(FuncType&& Func, ArgTypes&&... Args) const
	{
		return std::apply([&](const Types&... Values) -> decltype(auto)
						  { return Func(Values..., std::forward<ArgTypes>(Args)...); },
						  Elements);
	}

	bool operator==(const TTuple& Other) const
	{
		return Elements == Other.Elements;
	}
	bool operator!=(const TTuple& Other) const
	{
		return !(*this == Other);
	}
};

template <typename KeyType, typename ValueType>
struct TTuple<KeyType, ValueType>
{
	KeyType Key;
	ValueType Value;

	TTuple() = default;

	template <typename KeyArg, typename ValueArg>
	TTuple(KeyArg&& InKey, ValueArg&& InValue)
		: Key(std::forward<KeyArg>(InKey)), Value(std::forward<ValueArg>(InValue))
	{
	}

	template <typename OtherKey, typename OtherValue,
			  typename = std::enable_if_t<std::is_constructible_v<KeyType, const OtherKey&> && std::is_constructible_v<ValueType, const OtherValue&>>>
	TTuple(const TTuple<OtherKey, OtherValue>& Other)
		: Key(Other.Key), Value(Other.Value)
	{
	}

	template <int32 Index>
	auto& Get() &
	{
		static_assert(Index == 0 || Index == 1, "Tuple index out of range");
		if constexpr (Index == 0)
		{
			return Key;
		}
		else
		{
			return Value;
		}
	}
	template <int32 Index>
	const auto& Get() const&
	{
		static_assert(Index == 0 || Index == 1, "Tuple index out of range");
		if constexpr (Index == 0)
		{
			return Key;
		}
		else
		{
			return Value;
		}
	}
	template <int32 Index>
	auto&& Get() &&
	{
		if constexpr (Index == 0)
		{
			return std::move(Key);
		}
		else
		{
			return std::move(Value);
		}
	}

	template <typename FuncType>
	decltype(auto) ApplyAfter(FuncType&& Func) const
	{
		return Func(Key, Value);
	}

	bool operator==(const TTuple& Other) const
	{
		return Key == Other.Key && Value == Other.Value;
	}
	bool operator!=(const TTuple& Other) const
	{
		return !(*this == Other);
	}
	bool operator<(const TTuple& Other) const
	{
		return Key < Other.Key || (!(Other.Key < Key) && Value < Other.Value);
	}
};

template <typename KeyType, typename ValueType>
using TPair = TTuple<KeyType, ValueType>;

template <typename... Types>
FORCEINLINE TTuple<std::decay_t<Types>...> MakeTuple(Types&&... Args)
{
	return TTuple<std::decay_t<Types>...>(std::forward<Types>(Args)...);
}

template <typename... Types>
FORCEINLINE TTuple<Types&...> Tie(Types&... Args)
{
	return TTuple<Types&...>(Args...);
}

template <typename KeyType, typename ValueType>
FORCEINLINE uint32 GetTypeHash(const TTuple<KeyType, ValueType>& Tuple)
{
	return HashCombine(GetTypeHash(Tuple.Key), GetTypeHash(Tuple.Value));
}

template <typename T>
struct TTupleArity;

template <typename... Types>
struct TTupleArity<TTuple<Types...>>
{
	static constexpr uint32 Value = sizeof...(Types);
};

// Structured bindings: auto& [Key, Value] = Pair;
namespace std
{
	template <typename... Types>
	struct tuple_size<TTuple<Types...>> : std::integral_constant<std::size_t, sizeof...(Types)>
	{
	};

	template <std::size_t Index, typename... Types>
	struct tuple_element<Index, TTuple<Types...>>
	{
		using type = std::tuple_element_t<Index, std::tuple<Types...>>;
	};
} // namespace std

template <std::size_t Index, typename... Types>
decltype(auto) get(TTuple<Types...>& Tuple)
{
	return Tuple.template Get<(int32)Index>();
}
template <std::size_t Index, typename... Types>
decltype(auto) get(const TTuple<Types...>& Tuple)
{
	return Tuple.template Get<(int32)Index>();
}
template <std::size_t Index, typename... Types>
decltype(auto) get(TTuple<Types...>&& Tuple)
{
	return std::move(Tuple).template Get<(int32)Index>();
}
