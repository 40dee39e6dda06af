#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"
#include "Delegates/DelegateBase.h"
#include "Delegates/IDelegateInstance.h"
#include "Templates/SharedPointer.h"

#include <tuple>
#include <type_traits>
#include <utility>

class UObject;
struct FWeakObjectPtr;
template<class T, class TWeakObjectPtrBase> struct TWeakObjectPtr;

/** A binding of a given signature: what a delegate holds. */
template<typename FuncType>
class IBaseDelegateInstance;

template<typename RetValType, typename... ParamTypes>
class IBaseDelegateInstance<RetValType(ParamTypes...)> : public IDelegateInstance
{
public:
	/** Calls the binding; its object must still live. */
	virtual RetValType Execute(ParamTypes... Params) const = 0;

	/** Calls the binding if its object still lives (discarding any return value); false if it did not call. */
	virtual bool ExecuteIfSafe(ParamTypes... Params) const = 0;

	/** A copy with the same handle, for copies of the delegate. */
	virtual IBaseDelegateInstance* Clone() const = 0;
};

/** Holds the function pointer type of a static binding with payload, as BindStatic's parameter names it. */
template<typename FuncType, typename UserPolicy, typename... VarTypes>
class TBaseStaticDelegateInstance;

template<typename RetValType, typename... ParamTypes, typename UserPolicy, typename... VarTypes>
class TBaseStaticDelegateInstance<RetValType(ParamTypes...), UserPolicy, VarTypes...>
{
public:
	typedef RetValType (*FFuncPtr)(ParamTypes..., VarTypes...);
};

namespace UE::Delegates::Private
{
	// A binding is a target (what object, if any, it depends on) and a call (what to run on that object).
	// A target's Pin() returns what keeps the object alive for one call; IsPinned says whether the call may go ahead.

	struct FNoTarget
	{
		bool Pin() const
		{
			return true;
		}
		static bool IsPinned(bool)
		{
			return true;
		}
		static std::nullptr_t GetObject(bool)
		{
			return nullptr;
		}
		bool IsSafe() const
		{
			return true;
		}
		bool HasSameObject(const void*) const
		{
			return false;
		}
	};

	template<class UserClass>
	struct TRawTarget
	{
		UserClass* Object;

		UserClass* Pin() const
		{
			return Object;
		}
		static bool IsPinned(UserClass*)
		{
			return true;
		}
		static UserClass* GetObject(UserClass* Pinned)
		{
			return Pinned;
		}
		bool IsSafe() const
		{
			return true;
		}
		bool HasSameObject(const void* InUserObject) const
		{
			return static_cast<const void*>(Object) == InUserObject;
		}
	};

	/** Weak: the binding neither keeps its object alive nor calls it once it has gone, and pins it during a call. */
	template<class UserClass, ESPMode Mode>
	struct TSPTarget
	{
		TWeakPtr<UserClass, Mode> Object;

		TSharedPtr<UserClass, Mode> Pin() const
		{
			return Object.Pin();
		}
		static bool IsPinned(const TSharedPtr<UserClass, Mode>& Pinned)
		{
			return Pinned.IsValid();
		}
		static UserClass* GetObject(const TSharedPtr<UserClass, Mode>& Pinned)
		{
			return Pinned.Get();
		}
		bool IsSafe() const
		{
			return Object.IsValid();
		}
		bool HasSameObject(const void* InUserObject) const
		{
			return Object.HasSameObject(InUserObject);
		}
	};

	/** Weak on a UObject; needs the object system's TWeakObjectPtr at the point of use. */
	template<class UserClass>
	struct TUObjectTarget
	{
		using FMutableClass = std::remove_const_t<UserClass>;
		TWeakObjectPtr<FMutableClass, FWeakObjectPtr> Object;

		explicit TUObjectTarget(UserClass* InObject)
			: Object(const_cast<FMutableClass*>(InObject))
		{
		}

		UserClass* Pin() const
		{
			return Object.Get();
		}
		static bool IsPinned(UserClass* Pinned)
		{
			return Pinned != nullptr;
		}
		static UserClass* GetObject(UserClass* Pinned)
		{
			return Pinned;
		}
		bool IsSafe() const
		{
			return Object.Get() != nullptr;
		}
		bool HasSameObject(const void* InUserObject) const
		{
			return InUserObject != nullptr && static_cast<const void*>(Object.Get()) == InUserObject;
		}
	};

	template<typename FuncPtrType>
	struct TFunctionCall
	{
		FuncPtrType Func;

		template<typename ObjectType, typename... ArgTypes>
		decltype(auto) operator()(ObjectType, ArgTypes&&... Args) const
		{
			return Func(std::forward<ArgTypes>(Args)...);
		}
	};

	template<typename MethodPtrType>
	struct TMethodCall
	{
		MethodPtrType Method;

		template<typename ObjectType, typename... ArgTypes>
		decltype(auto) operator()(ObjectType* Object, ArgTypes&&... Args) const
		{
			return (Object->*Method)(std::forward<ArgTypes>(Args)...);
		}
	};

	template<typename FunctorType>
	struct TFunctorCall
	{
		// Lambdas bound to a delegate may be mutable, as in the engine.
		mutable FunctorType Functor;

		template<typename ObjectType, typename... ArgTypes>
		decltype(auto) operator()(ObjectType, ArgTypes&&... Args) const
		{
			return Functor(std::forward<ArgTypes>(Args)...);
		}
	};

	template<typename FuncType, typename TargetType, typename CallType, typename... VarTypes>
	class TBindingInstance;

	template<typename RetValType, typename... ParamTypes, typename TargetType, typename CallType, typename... VarTypes>
	class TBindingInstance<RetValType(ParamTypes...), TargetType, CallType, VarTypes...> final
		: public IBaseDelegateInstance<RetValType(ParamTypes...)>
	{
	public:
		template<typename... InVarTypes>
		TBindingInstance(TargetType InTarget, CallType InCall, InVarTypes&&... Vars)
			: Target(std::move(InTarget))
			, Call(std::move(InCall))
			, Payload(std::forward<InVarTypes>(Vars)...)
			, Handle(FDelegateHandle::GenerateNewHandle)
		{
		}

		TBindingInstance(const TBindingInstance&) = default;

		virtual RetValType Execute(ParamTypes... Params) const override
		{
			auto Pinned = Target.Pin();
			checkf(TargetType::IsPinned(Pinned), TEXT("Executing a delegate whose object has been destroyed"));
			return Invoke(TargetType::GetObject(Pinned), std::forward<ParamTypes>(Params)...);
		}

		virtual bool ExecuteIfSafe(ParamTypes... Params) const override
		{
			auto Pinned = Target.Pin();
			if (!TargetType::IsPinned(Pinned))
			{
				return false;
			}
			(void)Invoke(TargetType::GetObject(Pinned), std::forward<ParamTypes>(Params)...);
			return true;
		}

		virtual IBaseDelegateInstance<RetValType(ParamTypes...)>* Clone() const override
		{
			return new TBindingInstance(*this);
		}

		virtual bool HasSameObject(const void* InUserObject) const override
		{
			return Target.HasSameObject(InUserObject);
		}

		virtual bool IsSafeToExecute() const override
		{
			return Target.IsSafe();
		}

		virtual FDelegateHandle GetHandle() const override
		{
			return Handle;
		}

	private:
		template<typename ObjectType>
		RetValType Invoke(ObjectType Object, ParamTypes... Params) const
		{
			return std::apply(
				[&](VarTypes&... Vars) -> RetValType
				{
					return Call(Object, std::forward<ParamTypes>(Params)..., Vars...);
				},
				Payload);
		}

		TargetType Target;
		CallType Call;
		// Payload values are handed to the function as lvalues it may modify, as in the engine.
		mutable std::tuple<VarTypes...> Payload;
		FDelegateHandle Handle;
	};
}
