#pragma once

#include "CoreTypes.h"
#include "Delegates/IDelegateInstance.h"

#include <type_traits>

/** The default policy: plain delegates with no extra members. */
struct FDefaultDelegateUserPolicy
{
	struct FDelegateInstanceExtras
	{
	};
	struct FDelegateExtras
	{
	};
	struct FMulticastDelegateExtras
	{
	};
};

/** Policy of the DECLARE_TS_MULTICAST_DELEGATE family. Every multicast delegate here guards its list with a lock. */
struct FDefaultTSDelegateUserPolicy
{
	struct FDelegateInstanceExtras
	{
	};
	struct FDelegateExtras
	{
	};
	struct FMulticastDelegateExtras
	{
	};
};

/** The member function pointer type for a class and a function signature, const or not. */
template<bool bConst, class Class, typename FuncType>
struct TMemFunPtrType;

template<class Class, typename RetType, typename... ArgTypes>
struct TMemFunPtrType<false, Class, RetType(ArgTypes...)>
{
	typedef RetType (std::remove_const_t<Class>::*Type)(ArgTypes...);
};

template<class Class, typename RetType, typename... ArgTypes>
struct TMemFunPtrType<true, Class, RetType(ArgTypes...)>
{
	typedef RetType (std::remove_const_t<Class>::*Type)(ArgTypes...) const;
};
