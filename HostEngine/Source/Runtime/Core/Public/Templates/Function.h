#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

/**
 * Callable wrappers:
 *   TFunction<Sig>       owns a copy of a copyable callable;
 *   TUniqueFunction<Sig> owns a move-only callable and is itself move-only;
 *   TFunctionRef<Sig>    refers to a callable it does not own, which must outlive it.
 * Calling an empty TFunction or TUniqueFunction is a check failure.
 */

template<typename FuncType> class TFunction;
template<typename FuncType> class TUniqueFunction;
template<typename FuncType> class TFunctionRef;

namespace UE::Core::Private::Function
{
	template<typename T> struct TIsFunctionWrapper : std::false_type {};
	template<typename F> struct TIsFunctionWrapper<TFunction<F>> : std::true_type {};
	template<typename F> struct TIsFunctionWrapper<TUniqueFunction<F>> : std::true_type {};
	template<typename F> struct TIsFunctionWrapper<TFunctionRef<F>> : std::true_type {};

	/** A null function pointer or an empty wrapper leaves the new wrapper empty, as the engine's do. */
	template<typename T>
	bool IsNullCallable(const T& Callable)
	{
		if constexpr (std::is_pointer_v<T> || std::is_member_pointer_v<T>)
		{
			return Callable == nullptr;
		}
		else if constexpr (TIsFunctionWrapper<T>::value)
		{
			return !Callable;
		}
		else
		{
			return false;
		}
	}
}

template<typename Ret, typename... ParamTypes>
class TFunction<Ret(ParamTypes...)>
{
public:
	TFunction() = default;

	TFunction(std::nullptr_t)
	{
	}

	template<typename FunctorType>
		requires (!std::is_same_v<std::decay_t<FunctorType>, TFunction>
			&& std::is_invocable_r_v<Ret, std::decay_t<FunctorType>&, ParamTypes...>)
	TFunction(FunctorType&& InFunc)
	{
		if (!UE::Core::Private::Function::IsNullCallable(InFunc))
		{
			Storage = std::function<Ret(ParamTypes...)>(std::forward<FunctorType>(InFunc));
		}
	}

	TFunction(const TFunction&) = default;
	TFunction(TFunction&& Other)
		: Storage(std::move(Other.Storage))
	{
		Other.Storage = nullptr;
	}

	TFunction& operator=(const TFunction&) = default;
	TFunction& operator=(TFunction&& Other)
	{
		if (this != &Other)
		{
			Storage = std::move(Other.Storage);
			Other.Storage = nullptr;
		}
		return *this;
	}

	TFunction& operator=(std::nullptr_t)
	{
		Storage = nullptr;
		return *this;
	}

	Ret operator()(ParamTypes... Params) const
	{
		checkf(static_cast<bool>(Storage), TEXT("Attempting to call an unbound TFunction"));
		return Storage(std::forward<ParamTypes>(Params)...);
	}

	[[nodiscard]] explicit operator bool() const
	{
		return static_cast<bool>(Storage);
	}

	[[nodiscard]] bool IsSet() const
	{
		return static_cast<bool>(Storage);
	}

	void Reset()
	{
		Storage = nullptr;
	}

	[[nodiscard]] friend bool operator==(const TFunction& Func, std::nullptr_t)
	{
		return !Func;
	}

private:
	std::function<Ret(ParamTypes...)> Storage;
};

template<typename Ret, typename... ParamTypes>
class TUniqueFunction<Ret(ParamTypes...)>
{
	struct ICallable
	{
		virtual ~ICallable() = default;
		virtual Ret Call(ParamTypes... Params) = 0;
	};

	template<typename FunctorType>
	struct TCallable final : ICallable
	{
		template<typename ArgType>
		explicit TCallable(ArgType&& InFunc)
			: Func(std::forward<ArgType>(InFunc))
		{
		}

		virtual Ret Call(ParamTypes... Params) override
		{
			return std::invoke(Func, std::forward<ParamTypes>(Params)...);
		}

		FunctorType Func;
	};

public:
	TUniqueFunction() = default;

	TUniqueFunction(std::nullptr_t)
	{
	}

	template<typename FunctorType>
		requires (!std::is_same_v<std::decay_t<FunctorType>, TUniqueFunction>
			&& std::is_invocable_r_v<Ret, std::decay_t<FunctorType>&, ParamTypes...>)
	TUniqueFunction(FunctorType&& InFunc)
	{
		if (!UE::Core::Private::Function::IsNullCallable(InFunc))
		{
			Callable = std::make_unique<TCallable<std::decay_t<FunctorType>>>(std::forward<FunctorType>(InFunc));
		}
	}

	TUniqueFunction(const TUniqueFunction&) = delete;
	TUniqueFunction& operator=(const TUniqueFunction&) = delete;

	TUniqueFunction(TUniqueFunction&&) = default;
	TUniqueFunction& operator=(TUniqueFunction&&) = default;

	TUniqueFunction& operator=(std::nullptr_t)
	{
		Callable.reset();
		return *this;
	}

	Ret operator()(ParamTypes... Params) const
	{
		checkf(Callable != nullptr, TEXT("Attempting to call an unbound TUniqueFunction"));
		return Callable->Call(std::forward<ParamTypes>(Params)...);
	}

	[[nodiscard]] explicit operator bool() const
	{
		return Callable != nullptr;
	}

	[[nodiscard]] bool IsSet() const
	{
		return Callable != nullptr;
	}

	void Reset()
	{
		Callable.reset();
	}

	[[nodiscard]] friend bool operator==(const TUniqueFunction& Func, std::nullptr_t)
	{
		return !Func;
	}

private:
	std::unique_ptr<ICallable> Callable;
};

template<typename Ret, typename... ParamTypes>
class TFunctionRef<Ret(ParamTypes...)>
{
public:
	template<typename FunctorType>
		requires (!std::is_same_v<std::decay_t<FunctorType>, TFunctionRef>
			&& std::is_invocable_r_v<Ret, FunctorType&, ParamTypes...>)
	TFunctionRef(FunctorType&& InFunc)
		: Object(ErasePointer(InFunc))
		, Invoker(&Invoke<std::remove_reference_t<FunctorType>>)
	{
		// Referring to a null function pointer or an empty wrapper would only fail later, far from the cause.
		check(!UE::Core::Private::Function::IsNullCallable(InFunc));
	}

	TFunctionRef(const TFunctionRef&) = default;
	TFunctionRef& operator=(const TFunctionRef&) = delete;

	Ret operator()(ParamTypes... Params) const
	{
		return Invoker(Object, std::forward<ParamTypes>(Params)...);
	}

private:
	template<typename FunctorType>
	static void* ErasePointer(FunctorType& InFunc)
	{
		if constexpr (std::is_function_v<FunctorType>)
		{
			// A function named directly has no object to point at: keep the function's own address.
			return reinterpret_cast<void*>(&InFunc);
		}
		else
		{
			return const_cast<void*>(static_cast<const void*>(std::addressof(InFunc)));
		}
	}

	template<typename FunctorType>
	static Ret Invoke(void* InObject, ParamTypes... Params)
	{
		if constexpr (std::is_function_v<FunctorType>)
		{
			return reinterpret_cast<FunctorType*>(InObject)(std::forward<ParamTypes>(Params)...);
		}
		else if constexpr (std::is_void_v<Ret>)
		{
			std::invoke(*static_cast<FunctorType*>(InObject), std::forward<ParamTypes>(Params)...);
		}
		else
		{
			return std::invoke(*static_cast<FunctorType*>(InObject), std::forward<ParamTypes>(Params)...);
		}
	}

	void* Object;
	Ret (*Invoker)(void*, ParamTypes...);
};
