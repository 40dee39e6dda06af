#pragma once

#include "CoreTypes.h"
#include "Delegates/Delegate.h"
#include "Templates/Function.h"
#include "Templates/SharedPointer.h"

#include <concepts>
#include <type_traits>
#include <utility>

/**
 * A value that is either fixed or computed by a getter each time it is read. An attribute is unset until it is
 * given a value or a getter. Getters bound to methods are const methods only. A getter whose object has gone is
 * never called: reading the attribute then gives a default-constructed value.
 */
template<typename ObjectType>
class TAttribute
{
public:
	DECLARE_DELEGATE_RetVal(ObjectType, FGetter);

	/** Unset. */
	TAttribute()
		: Value()
		, bIsSet(false)
	{
	}

	/** A fixed value; implicit, so plain values pass where an attribute is expected. */
	template<typename OtherType>
	TAttribute(const OtherType& InInitialValue)
		: Value(InInitialValue)
		, bIsSet(true)
	{
	}

	TAttribute(ObjectType&& InInitialValue)
		: Value(std::move(InInitialValue))
		, bIsSet(true)
	{
	}

	/** A getter method on a shared object, held weakly. */
	template<typename SourceType>
	TAttribute(TSharedRef<SourceType> InObject, typename FGetter::template TConstMethodPtr<SourceType> InMethod)
		: Value()
		, bIsSet(true)
		, Getter(FGetter::CreateSP(InObject, InMethod))
	{
	}

	/** A getter method on an object owned by a shared pointer (it derives from TSharedFromThis), held weakly. */
	template<typename SourceType>
	TAttribute(SourceType* InObject, typename FGetter::template TConstMethodPtr<SourceType> InMethod)
		: Value()
		, bIsSet(true)
		, Getter(FGetter::CreateSP(InObject, InMethod))
	{
	}

	explicit TAttribute(const FGetter& InGetter, bool bExplicitConstructor = true)
		: Value()
		, bIsSet(true)
		, Getter(InGetter)
	{
	}

	explicit TAttribute(FGetter&& InGetter, bool bExplicitConstructor = true)
		: Value()
		, bIsSet(true)
		, Getter(std::move(InGetter))
	{
	}

	TAttribute(const TAttribute&) = default;
	TAttribute(TAttribute&&) = default;
	TAttribute& operator=(const TAttribute&) = default;
	TAttribute& operator=(TAttribute&&) = default;

	[[nodiscard]] static TAttribute Create(const FGetter& InGetter)
	{
		return TAttribute(InGetter, true);
	}

	[[nodiscard]] static TAttribute Create(FGetter&& InGetter)
	{
		return TAttribute(std::move(InGetter), true);
	}

	[[nodiscard]] static TAttribute Create(TFunction<ObjectType()>&& InLambda)
	{
		return TAttribute(FGetter::CreateLambda(std::move(InLambda)), true);
	}

	template<typename LambdaType, typename... PayloadTypes>
	[[nodiscard]] static TAttribute CreateLambda(LambdaType&& InCallable, PayloadTypes&&... InputPayload)
	{
		return TAttribute(FGetter::CreateLambda(std::forward<LambdaType>(InCallable), std::forward<PayloadTypes>(InputPayload)...), true);
	}

	template<typename UserClass, ESPMode Mode, typename LambdaType, typename... PayloadTypes>
	[[nodiscard]] static TAttribute CreateSPLambda(const TSharedRef<UserClass, Mode>& InUserObject, LambdaType&& InCallable, PayloadTypes&&... InputPayload)
	{
		return TAttribute(FGetter::CreateSPLambda(InUserObject, std::forward<LambdaType>(InCallable), std::forward<PayloadTypes>(InputPayload)...), true);
	}

	template<typename UserClass, typename LambdaType, typename... PayloadTypes>
	[[nodiscard]] static TAttribute CreateSPLambda(const UserClass* InUserObject, LambdaType&& InCallable, PayloadTypes&&... InputPayload)
	{
		return TAttribute(FGetter::CreateSPLambda(InUserObject, std::forward<LambdaType>(InCallable), std::forward<PayloadTypes>(InputPayload)...), true);
	}

	template<typename SourceType, typename SourceTypeOrBase, typename... PayloadTypes>
	[[nodiscard]] static TAttribute CreateSP(const SourceType* InObject, ObjectType (SourceTypeOrBase::*InMethod)(PayloadTypes...) const, std::decay_t<PayloadTypes>... InputPayload)
	{
		// Payload parameters may be references, which the delegate's method binding does not take: go through a
		// lambda that only runs while the object lives.
		return CreateSPLambda(InObject, MakeMethodCall(InObject, InMethod, std::move(InputPayload)...));
	}

	template<typename SourceType, ESPMode Mode, typename SourceTypeOrBase, typename... PayloadTypes>
	[[nodiscard]] static TAttribute CreateSP(const TSharedRef<SourceType, Mode>& InObject, ObjectType (SourceTypeOrBase::*InMethod)(PayloadTypes...) const, std::decay_t<PayloadTypes>... InputPayload)
	{
		return CreateSPLambda(InObject, MakeMethodCall(&InObject.Get(), InMethod, std::move(InputPayload)...));
	}

	/** The value: the getter's result if there is a getter, else the fixed value. */
	[[nodiscard]] const ObjectType& Get() const
	{
		if (Getter.GetDelegateInstanceProtected())
		{
			if (Getter.IsBound())
			{
				Value = Getter.Execute();
			}
			else
			{
				Value = ObjectType();
			}
		}
		return Value;
	}

	/** The value if the attribute is set, else DefaultValue. */
	[[nodiscard]] const ObjectType& Get(const ObjectType& DefaultValue) const
	{
		return bIsSet ? Get() : DefaultValue;
	}

	/** Makes the attribute a fixed value, dropping any getter. */
	template<typename OtherType>
	void Set(const OtherType& InNewValue)
	{
		Getter.Unbind();
		Value = InNewValue;
		bIsSet = true;
	}

	void Set(ObjectType&& InNewValue)
	{
		Getter.Unbind();
		Value = std::move(InNewValue);
		bIsSet = true;
	}

	[[nodiscard]] bool IsSet() const
	{
		return bIsSet;
	}

	/** Whether the value comes from a getter that can be called now. */
	[[nodiscard]] bool IsBound() const
	{
		return Getter.IsBound();
	}

	[[nodiscard]] const FGetter& GetBinding() const
	{
		return Getter;
	}

	void Bind(const FGetter& InGetter)
	{
		bIsSet = true;
		Getter = InGetter;
	}

	void Bind(FGetter&& InGetter)
	{
		bIsSet = true;
		Getter = std::move(InGetter);
	}

	template<typename SourceType>
	void Bind(TSharedRef<SourceType> InObject, typename FGetter::template TConstMethodPtr<SourceType> InMethod)
	{
		Bind(FGetter::CreateSP(InObject, InMethod));
	}

	template<typename SourceType>
	void Bind(SourceType* InObject, typename FGetter::template TConstMethodPtr<SourceType> InMethod)
	{
		Bind(FGetter::CreateSP(InObject, InMethod));
	}

	template<typename... VarTypes>
	void BindStatic(typename FGetter::template TFuncPtr<VarTypes...> InFunc, VarTypes&&... Vars)
	{
		Bind(FGetter::CreateStatic(InFunc, std::forward<VarTypes>(Vars)...));
	}

	template<typename LambdaType, typename... PayloadTypes>
	void BindLambda(LambdaType&& InCallable, PayloadTypes&&... InputPayload)
	{
		Bind(FGetter::CreateLambda(std::forward<LambdaType>(InCallable), std::forward<PayloadTypes>(InputPayload)...));
	}

	template<typename UserClass, typename... VarTypes>
	void BindRaw(const UserClass* InUserObject, typename FGetter::template TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		Bind(FGetter::CreateRaw(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, typename... VarTypes>
	void BindUObject(const UserClass* InUserObject, typename FGetter::template TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		Bind(FGetter::CreateUObject(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, ESPMode Mode, typename LambdaType, typename... PayloadTypes>
	void BindSPLambda(const TSharedRef<UserClass, Mode>& InUserObject, LambdaType&& InCallable, PayloadTypes&&... InputPayload)
	{
		Bind(FGetter::CreateSPLambda(InUserObject, std::forward<LambdaType>(InCallable), std::forward<PayloadTypes>(InputPayload)...));
	}

	template<typename UserClass, typename LambdaType, typename... PayloadTypes>
	void BindSPLambda(const UserClass* InUserObject, LambdaType&& InCallable, PayloadTypes&&... InputPayload)
	{
		Bind(FGetter::CreateSPLambda(InUserObject, std::forward<LambdaType>(InCallable), std::forward<PayloadTypes>(InputPayload)...));
	}

	/** Same binding (by handle), or both unbound with the same set state and value. */
	[[nodiscard]] bool IdenticalTo(const TAttribute& InOther) const
	{
		const bool bIsBound = IsBound();
		if (bIsBound != InOther.IsBound())
		{
			return false;
		}
		if (bIsBound)
		{
			return Getter.GetHandle() == InOther.Getter.GetHandle();
		}
		return bIsSet == InOther.bIsSet && AreValuesIdentical(Value, InOther.Value);
	}

private:
	/** Values without == (texts, for one) compare with their own IdenticalTo, or are never identical. */
	static bool AreValuesIdentical(const ObjectType& A, const ObjectType& B)
	{
		if constexpr (requires { { A == B } -> std::convertible_to<bool>; })
		{
			return A == B;
		}
		else if constexpr (requires { { A.IdenticalTo(B) } -> std::convertible_to<bool>; })
		{
			return A.IdenticalTo(B);
		}
		else
		{
			return false;
		}
	}

	template<typename SourceType, typename MethodType, typename... PayloadTypes>
	static auto MakeMethodCall(const SourceType* InObject, MethodType InMethod, PayloadTypes&&... InputPayload)
	{
		// The raw pointer is only used while the SP binding has the object pinned.
		return [InObject, InMethod, ... Payload = std::forward<PayloadTypes>(InputPayload)]() -> ObjectType
		{
			return (InObject->*InMethod)(Payload...);
		};
	}

	/** The last value read or set; Get() refreshes it from the getter. */
	mutable ObjectType Value;
	bool bIsSet;
	FGetter Getter;
};

// Helpers that name the attribute's type from the getter.

template<typename LambdaType, typename... PayloadTypes>
[[nodiscard]] decltype(auto) MakeAttributeLambda(LambdaType&& InCallable, PayloadTypes&&... InputPayload)
{
	using FResult = std::decay_t<std::invoke_result_t<std::decay_t<LambdaType>&, std::decay_t<PayloadTypes>&...>>;
	return TAttribute<FResult>::CreateLambda(std::forward<LambdaType>(InCallable), std::forward<PayloadTypes>(InputPayload)...);
}

template<typename UserClass, ESPMode Mode, typename LambdaType, typename... PayloadTypes>
[[nodiscard]] decltype(auto) MakeAttributeSPLambda(const TSharedRef<UserClass, Mode>& InUserObject, LambdaType&& InCallable, PayloadTypes&&... InputPayload)
{
	using FResult = std::decay_t<std::invoke_result_t<std::decay_t<LambdaType>&, std::decay_t<PayloadTypes>&...>>;
	return TAttribute<FResult>::CreateSPLambda(InUserObject, std::forward<LambdaType>(InCallable), std::forward<PayloadTypes>(InputPayload)...);
}

template<typename UserClass, typename LambdaType, typename... PayloadTypes>
[[nodiscard]] decltype(auto) MakeAttributeSPLambda(const UserClass* InUserObject, LambdaType&& InCallable, PayloadTypes&&... InputPayload)
{
	using FResult = std::decay_t<std::invoke_result_t<std::decay_t<LambdaType>&, std::decay_t<PayloadTypes>&...>>;
	return TAttribute<FResult>::CreateSPLambda(InUserObject, std::forward<LambdaType>(InCallable), std::forward<PayloadTypes>(InputPayload)...);
}

template<typename T, typename SourceType, typename SourceTypeOrBase, typename... PayloadTypes>
[[nodiscard]] TAttribute<T> MakeAttributeSP(const SourceType* InObject, T (SourceTypeOrBase::*InMethod)(PayloadTypes...) const, std::decay_t<PayloadTypes>... InputPayload)
{
	return TAttribute<T>::CreateSP(InObject, InMethod, std::move(InputPayload)...);
}

template<typename T, typename SourceType, ESPMode Mode, typename SourceTypeOrBase, typename... PayloadTypes>
[[nodiscard]] TAttribute<T> MakeAttributeSP(const TSharedRef<SourceType, Mode>& InObject, T (SourceTypeOrBase::*InMethod)(PayloadTypes...) const, std::decay_t<PayloadTypes>... InputPayload)
{
	return TAttribute<T>::CreateSP(InObject, InMethod, std::move(InputPayload)...);
}

template<typename T, typename SourceType, typename SourceTypeOrBase, typename... PayloadTypes>
[[nodiscard]] TAttribute<T> MakeAttributeRaw(const SourceType* InObject, T (SourceTypeOrBase::*InMethod)(PayloadTypes...) const, std::decay_t<PayloadTypes>... InputPayload)
{
	return TAttribute<T>::Create(TAttribute<T>::FGetter::CreateLambda(
		[InObject, InMethod, InputPayload...]() -> T
		{
			return (InObject->*InMethod)(InputPayload...);
		}));
}

template<typename T, typename SourceType, typename SourceTypeOrBase, typename... PayloadTypes>
[[nodiscard]] TAttribute<T> MakeAttributeUObject(const SourceType* InObject, T (SourceTypeOrBase::*InMethod)(PayloadTypes...) const, std::decay_t<PayloadTypes>... InputPayload)
{
	return TAttribute<T>::Create(TAttribute<T>::FGetter::CreateWeakLambda(InObject,
		[InObject, InMethod, InputPayload...]() -> T
		{
			return (InObject->*InMethod)(InputPayload...);
		}));
}
