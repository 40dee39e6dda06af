#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/ObjectPtr.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "Templates/SubclassOf.h"
#include <type_traits>

namespace ECastCheckedType
{
	enum Type
	{
		NullAllowed,
		NullChecked
	};
}

template<typename T>
struct TCastFlags
{
	static const EClassCastFlags Value = CASTCLASS_None;
};

/** To, const-qualified like From. */
template<typename From, typename To>
using THostCastResult = std::conditional_t<std::is_const_v<From>, const To, To>;

/** Converts through UObject, so that unrelated classes compile (the check at run time makes them null). */
template<typename To, typename From>
FORCEINLINE THostCastResult<From, To>* HostObjectCast(From* Src)
{
	return static_cast<THostCastResult<From, To>*>(static_cast<THostCastResult<From, UObject>*>(Src));
}

/** Casts an object to To: null when it is null or not a To. */
template<typename To, typename From>
FORCEINLINE THostCastResult<From, To>* Cast(From* Src)
{
	if (Src != nullptr && Src->IsA(To::StaticClass()))
	{
		return HostObjectCast<To>(Src);
	}
	return nullptr;
}

template<typename To, typename From>
FORCEINLINE THostCastResult<From, To>* Cast(const TObjectPtr<From>& Src)
{
	return Cast<To>(Src.Get());
}

template<typename To, typename From>
FORCEINLINE To* Cast(const TWeakObjectPtr<From>& Src)
{
	return Cast<To>(Src.Get());
}

/** The class itself when it is To's class or a subclass of it. */
template<typename To, typename From>
FORCEINLINE To* Cast(const TSubclassOf<From>& Src)
{
	return Cast<To>(*Src);
}

/** As Cast, but the object must be exactly of class To. */
template<typename To, typename From>
FORCEINLINE THostCastResult<From, To>* ExactCast(From* Src)
{
	if (Src != nullptr && Src->GetClass() == To::StaticClass())
	{
		return HostObjectCast<To>(Src);
	}
	return nullptr;
}

template<typename To, typename From>
FORCEINLINE THostCastResult<From, To>* ExactCast(const TObjectPtr<From>& Src)
{
	return ExactCast<To>(Src.Get());
}

/** As Cast, but aborts when the object is not a To (or null, unless NullAllowed). */
template<typename To, typename From>
FORCEINLINE THostCastResult<From, To>* CastChecked(From* Src, ECastCheckedType::Type CheckType = ECastCheckedType::NullChecked)
{
	if (Src == nullptr)
	{
		checkf(CheckType == ECastCheckedType::NullAllowed, TEXT("Cast of nullptr to %s failed"), *To::StaticClass()->GetName());
		return nullptr;
	}
	THostCastResult<From, To>* Result = Cast<To>(Src);
	checkf(Result != nullptr, TEXT("Cast of %s to %s failed"), *Src->GetFullName(), *To::StaticClass()->GetName());
	return Result;
}

template<typename To, typename From>
FORCEINLINE THostCastResult<From, To>* CastChecked(const TObjectPtr<From>& Src, ECastCheckedType::Type CheckType = ECastCheckedType::NullChecked)
{
	return CastChecked<To>(Src.Get(), CheckType);
}
