#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"
#include "Templates/TypeHash.h"
#include <optional>
#include <utility>

struct FNullOpt
{
	explicit constexpr FNullOpt(int)
	{
	}
};

inline constexpr FNullOpt NullOpt{0};

/** A value that may be unset. */
template <typename OptionalType>
struct TOptional
{
	using ElementType = OptionalType;

	TOptional() = default;
	TOptional(FNullOpt)
	{
	}
	TOptional(const OptionalType& InValue)
		: Storage(InValue)
	{
	}
	TOptional(OptionalType&& InValue)
		: Storage(std::move(InValue))
	{
	}
	template <typename... ArgTypes>
	explicit TOptional(EInPlace, ArgTypes&&... Args)
		: Storage(std::in_place, std::forward<ArgTypes>(Args)...)
	{
	}

	TOptional& operator=(const OptionalType& InValue)
	{
		Storage = InValue;
		return *this;
	}
	TOptional& operator=(OptionalType&& InValue)
	{
		Storage = std::move(InValue);
		return *this;
	}

	template <typename... ArgTypes>
	OptionalType& Emplace(ArgTypes&&... Args)
	{
		return Storage.emplace(std::forward<ArgTypes>(Args)...);
	}

	void Reset()
	{
		Storage.reset();
	}

	bool IsSet() const
	{
		return Storage.has_value();
	}
	explicit operator bool() const
	{
		return Storage.has_value();
	}

	OptionalType& GetValue()
	{
		checkf(IsSet(), TEXT("It is an error to call GetValue() on an unset TOptional. Please either check IsSet() or use Get(DefaultValue) instead."));
		return *Storage;
	}
	const OptionalType& GetValue() const
	{
		checkf(IsSet(), TEXT("It is an error to call GetValue() on an unset TOptional. Please either check IsSet() or use Get(DefaultValue) instead."));
		return *Storage;
	}

	const OptionalType& Get(const OptionalType& DefaultValue) const
	{
		return IsSet() ? *Storage : DefaultValue;
	}

	OptionalType* GetPtrOrNull()
	{
		return IsSet() ? &*Storage : nullptr;
	}
	const OptionalType* GetPtrOrNull() const
	{
		return IsSet() ? &*Storage : nullptr;
	}

	OptionalType* operator->()
	{
		return &GetValue();
	}
	const OptionalType* operator->() const
	{
		return &GetValue();
	}
	OptionalType& operator*()
	{
		return GetValue();
	}
	const OptionalType& operator*() const
	{
		return GetValue();
	}

	friend bool operator==(const TOptional& Lhs, const TOptional& Rhs)
	{
		return Lhs.Storage == Rhs.Storage;
	}
	friend bool operator!=(const TOptional& Lhs, const TOptional& Rhs)
	{
		return !(Lhs == Rhs);
	}

private:
	std::optional<OptionalType> Storage;
};

template <typename OptionalType>
uint32 GetTypeHash(const TOptional<OptionalType>& Optional)
{
	return Optional.IsSet() ? GetTypeHash(Optional.GetValue()) : 0;
}

template <typename T>
TOptional<std::decay_t<T>> MakeOptional(T&& Value)
{
	return TOptional<std::decay_t<T>>(std::forward<T>(Value));
}
