#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"
#include "Delegates/DelegateBase.h"
#include "Delegates/DelegateInstancesImpl.h"
#include "Delegates/IDelegateInstance.h"
#include "Templates/SharedPointer.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <type_traits>
#include <utility>
#include <vector>

/**
 * Single-cast delegates: TDelegate<RetVal(Params...)> holds at most one binding.
 *
 * Bindings to shared-pointer objects (SP, SPLambda) and to UObjects hold their object weakly: once it has gone the
 * delegate reports itself unbound and ExecuteIfBound does nothing. During a call the object is pinned, so it survives
 * its own call even if the last outside reference goes meanwhile; the binding itself also stays alive for the call,
 * so a callee may rebind or destroy the delegate that called it.
 */
template<typename DelegateSignature, typename UserPolicy = FDefaultDelegateUserPolicy>
class TDelegate;

template<typename DelegateSignature, typename UserPolicy = FDefaultDelegateUserPolicy>
class TMulticastDelegate;

template<typename InRetValType, typename... ParamTypes, typename UserPolicy>
class TDelegate<InRetValType(ParamTypes...), UserPolicy>
{
	using FuncType = InRetValType(ParamTypes...);
	using FInstance = IBaseDelegateInstance<FuncType>;

	template<typename TargetType, typename CallType, typename... VarTypes>
	using TInstance = UE::Delegates::Private::TBindingInstance<FuncType, TargetType, CallType, std::decay_t<VarTypes>...>;

public:
	using RetValType = InRetValType;
	using TFuncType = FuncType;

	/** Function pointer that BindStatic takes for the given payload. */
	template<typename... VarTypes>
	using TFuncPtr = typename TBaseStaticDelegateInstance<FuncType, UserPolicy, std::decay_t<VarTypes>...>::FFuncPtr;

	/** Member function pointers that the method bindings take for the given payload. */
	template<typename UserClass, typename... VarTypes>
	using TMethodPtr = typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type;

	template<typename UserClass, typename... VarTypes>
	using TConstMethodPtr = typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type;

	TDelegate() = default;

	TDelegate(std::nullptr_t)
	{
	}

	TDelegate(const TDelegate& Other)
		: Instance(Other.Instance ? std::shared_ptr<FInstance>(Other.Instance->Clone()) : nullptr)
	{
	}

	TDelegate(TDelegate&& Other) = default;

	TDelegate& operator=(const TDelegate& Other)
	{
		if (this != &Other)
		{
			std::shared_ptr<FInstance> NewInstance(Other.Instance ? Other.Instance->Clone() : nullptr);
			// Release the old binding only after this delegate holds the new one: its destruction may run user code.
			Instance.swap(NewInstance);
		}
		return *this;
	}

	TDelegate& operator=(TDelegate&& Other)
	{
		if (this != &Other)
		{
			std::shared_ptr<FInstance> NewInstance(std::move(Other.Instance));
			Instance.swap(NewInstance);
		}
		return *this;
	}

	TDelegate& operator=(std::nullptr_t)
	{
		Unbind();
		return *this;
	}

	// Creators. Payload values (Vars) are stored with the binding and passed after the call's own arguments.

	template<typename... VarTypes>
	[[nodiscard]] static TDelegate CreateStatic(TFuncPtr<VarTypes...> InFunc, VarTypes&&... Vars)
	{
		using FCall = UE::Delegates::Private::TFunctionCall<TFuncPtr<VarTypes...>>;
		return Make<TInstance<UE::Delegates::Private::FNoTarget, FCall, VarTypes...>>(
			UE::Delegates::Private::FNoTarget(), FCall { InFunc }, std::forward<VarTypes>(Vars)...);
	}

	template<typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateLambda(FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		using FCall = UE::Delegates::Private::TFunctorCall<std::decay_t<FunctorType>>;
		return Make<TInstance<UE::Delegates::Private::FNoTarget, FCall, VarTypes...>>(
			UE::Delegates::Private::FNoTarget(), FCall { std::forward<FunctorType>(InFunctor) }, std::forward<VarTypes>(Vars)...);
	}

	/** A lambda that runs only while the UObject lives. */
	template<typename UserClass, typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateWeakLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		using FTarget = UE::Delegates::Private::TUObjectTarget<UserClass>;
		using FCall = UE::Delegates::Private::TFunctorCall<std::decay_t<FunctorType>>;
		return Make<TInstance<FTarget, FCall, VarTypes...>>(
			FTarget(InUserObject), FCall { std::forward<FunctorType>(InFunctor) }, std::forward<VarTypes>(Vars)...);
	}

	/** A method on an object the delegate does not track: the caller keeps the object alive while bound. */
	template<typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateRaw(UserClass* InUserObject, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeRaw<UserClass, TMethodPtr<UserClass, VarTypes...>>(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateRaw(const UserClass* InUserObject, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeRaw<const UserClass, TConstMethodPtr<UserClass, VarTypes...>>(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, ESPMode Mode, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeSP<UserClass, Mode, TMethodPtr<UserClass, VarTypes...>>(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, ESPMode Mode, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeSP<UserClass, Mode, TConstMethodPtr<UserClass, VarTypes...>>(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...);
	}

	/** The object must derive from TSharedFromThis and already be owned by a shared pointer. */
	template<typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(UserClass* InUserObject, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return CreateSP(SharedRefOf(InUserObject), InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(const UserClass* InUserObject, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return CreateSP(SharedRefOf(InUserObject), InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, ESPMode Mode, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateThreadSafeSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, ESPMode Mode, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateThreadSafeSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...);
	}

	/** A lambda that runs only while the shared object lives (and keeps it alive during the call). */
	template<typename UserClass, ESPMode Mode, typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSPLambda(const TSharedRef<UserClass, Mode>& InUserObjectRef, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		using FTarget = UE::Delegates::Private::TSPTarget<UserClass, Mode>;
		using FCall = UE::Delegates::Private::TFunctorCall<std::decay_t<FunctorType>>;
		return Make<TInstance<FTarget, FCall, VarTypes...>>(
			FTarget { InUserObjectRef }, FCall { std::forward<FunctorType>(InFunctor) }, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSPLambda(const UserClass* InUserObject, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		return CreateSPLambda(SharedRefOf(InUserObject), std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateUObject(UserClass* InUserObject, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeUObject<UserClass, TMethodPtr<UserClass, VarTypes...>>(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateUObject(const UserClass* InUserObject, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeUObject<const UserClass, TConstMethodPtr<UserClass, VarTypes...>>(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	// Binders: the same as assigning the matching creator's result.

	template<typename... VarTypes>
	void BindStatic(TFuncPtr<VarTypes...> InFunc, VarTypes&&... Vars)
	{
		*this = CreateStatic(InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename FunctorType, typename... VarTypes>
	void BindLambda(FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		*this = CreateLambda(std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename FunctorType, typename... VarTypes>
	void BindWeakLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		*this = CreateWeakLambda(InUserObject, std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename... VarTypes>
	void BindRaw(UserClass* InUserObject, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		*this = CreateRaw(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename... VarTypes>
	void BindRaw(const UserClass* InUserObject, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		*this = CreateRaw(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, ESPMode Mode, typename... VarTypes>
	void BindSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		*this = CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, ESPMode Mode, typename... VarTypes>
	void BindSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		*this = CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename... VarTypes>
	void BindSP(UserClass* InUserObject, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		*this = CreateSP(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename... VarTypes>
	void BindSP(const UserClass* InUserObject, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		*this = CreateSP(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, ESPMode Mode, typename... VarTypes>
	void BindThreadSafeSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		*this = CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, ESPMode Mode, typename... VarTypes>
	void BindThreadSafeSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		*this = CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, ESPMode Mode, typename FunctorType, typename... VarTypes>
	void BindSPLambda(const TSharedRef<UserClass, Mode>& InUserObjectRef, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		*this = CreateSPLambda(InUserObjectRef, std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename FunctorType, typename... VarTypes>
	void BindSPLambda(const UserClass* InUserObject, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		*this = CreateSPLambda(InUserObject, std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename... VarTypes>
	void BindUObject(UserClass* InUserObject, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		*this = CreateUObject(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename... VarTypes>
	void BindUObject(const UserClass* InUserObject, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		*this = CreateUObject(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	/** Calls the binding, which must be bound (and its object alive). */
	RetValType Execute(ParamTypes... Params) const
	{
		// A local reference keeps the binding alive should the callee rebind or destroy this delegate.
		const std::shared_ptr<FInstance> LocalInstance = Instance;
		checkf(LocalInstance != nullptr, TEXT("Execute() called on an unbound delegate"));
		return LocalInstance->Execute(std::forward<ParamTypes>(Params)...);
	}

	/** Calls the binding if there is one whose object still lives; returns whether it called. */
	bool ExecuteIfBound(ParamTypes... Params) const
		requires std::is_void_v<RetValType>
	{
		const std::shared_ptr<FInstance> LocalInstance = Instance;
		return LocalInstance && LocalInstance->ExecuteIfSafe(std::forward<ParamTypes>(Params)...);
	}

	/** Whether there is a binding that can be called now: false once the object of a weak binding has gone. */
	[[nodiscard]] bool IsBound() const
	{
		return Instance && Instance->IsSafeToExecute();
	}

	[[nodiscard]] bool IsBoundToObject(const void* InUserObject) const
	{
		return InUserObject && Instance && Instance->HasSameObject(InUserObject);
	}

	void Unbind()
	{
		std::shared_ptr<FInstance> OldInstance;
		Instance.swap(OldInstance);
	}

	[[nodiscard]] FDelegateHandle GetHandle() const
	{
		return Instance ? Instance->GetHandle() : FDelegateHandle();
	}

	/** The binding itself; null when unbound. */
	[[nodiscard]] IDelegateInstance* GetDelegateInstanceProtected() const
	{
		return Instance.get();
	}

private:
	template<typename, typename> friend class TMulticastDelegate;

	template<typename InstanceType, typename... ArgTypes>
	static TDelegate Make(ArgTypes&&... Args)
	{
		TDelegate Result;
		Result.Instance = std::make_shared<InstanceType>(std::forward<ArgTypes>(Args)...);
		return Result;
	}

	template<typename UserClass, typename MethodPtrType, typename... VarTypes>
	static TDelegate MakeRaw(UserClass* InUserObject, MethodPtrType InFunc, VarTypes&&... Vars)
	{
		using FTarget = UE::Delegates::Private::TRawTarget<UserClass>;
		using FCall = UE::Delegates::Private::TMethodCall<MethodPtrType>;
		check(InUserObject != nullptr);
		return Make<TInstance<FTarget, FCall, VarTypes...>>(FTarget { InUserObject }, FCall { InFunc }, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, ESPMode Mode, typename MethodPtrType, typename... VarTypes>
	static TDelegate MakeSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, MethodPtrType InFunc, VarTypes&&... Vars)
	{
		using FTarget = UE::Delegates::Private::TSPTarget<UserClass, Mode>;
		using FCall = UE::Delegates::Private::TMethodCall<MethodPtrType>;
		return Make<TInstance<FTarget, FCall, VarTypes...>>(FTarget { InUserObjectRef }, FCall { InFunc }, std::forward<VarTypes>(Vars)...);
	}

	template<typename UserClass, typename MethodPtrType, typename... VarTypes>
	static TDelegate MakeUObject(UserClass* InUserObject, MethodPtrType InFunc, VarTypes&&... Vars)
	{
		using FTarget = UE::Delegates::Private::TUObjectTarget<UserClass>;
		using FCall = UE::Delegates::Private::TMethodCall<MethodPtrType>;
		check(InUserObject != nullptr);
		return Make<TInstance<FTarget, FCall, VarTypes...>>(FTarget(InUserObject), FCall { InFunc }, std::forward<VarTypes>(Vars)...);
	}

	/** The shared reference that owns an object deriving from TSharedFromThis, typed as the object's class. */
	template<typename UserClass>
	static auto SharedRefOf(UserClass* InUserObject)
	{
		check(InUserObject != nullptr);
		return StaticCastSharedRef<UserClass>(InUserObject->AsShared());
	}

	std::shared_ptr<FInstance> Instance;
};

/**
 * Multicast delegates: any number of void bindings called by Broadcast.
 *
 * Broadcast calls the bindings that existed when it started, from the last added to the first. A binding added
 * during a broadcast is not called by it; one removed during it is not called after its removal. Bindings whose
 * object has gone are skipped and dropped later. Callees may add, remove, broadcast again, or destroy the delegate.
 */
template<typename... ParamTypes, typename UserPolicy>
class TMulticastDelegate<void(ParamTypes...), UserPolicy>
{
	using FuncType = void(ParamTypes...);
	using FInstance = IBaseDelegateInstance<FuncType>;

public:
	using FDelegate = TDelegate<FuncType, UserPolicy>;

	template<typename... VarTypes>
	using TFuncPtr = typename FDelegate::template TFuncPtr<VarTypes...>;
	template<typename UserClass, typename... VarTypes>
	using TMethodPtr = typename FDelegate::template TMethodPtr<UserClass, VarTypes...>;
	template<typename UserClass, typename... VarTypes>
	using TConstMethodPtr = typename FDelegate::template TConstMethodPtr<UserClass, VarTypes...>;

	TMulticastDelegate() = default;

	TMulticastDelegate(const TMulticastDelegate& Other)
	{
		CopyFrom(Other);
	}

	TMulticastDelegate& operator=(const TMulticastDelegate& Other)
	{
		if (this != &Other)
		{
			CopyFrom(Other);
		}
		return *this;
	}

	~TMulticastDelegate()
	{
		// Any broadcast still running holds its own references and no longer looks at these slots.
		for (const std::shared_ptr<FSlot>& Slot : Slots)
		{
			Slot->bRemoved.store(true, std::memory_order_relaxed);
		}
	}

	/** Adds a copy of the delegate; an unbound one is not added and gives an invalid handle. */
	FDelegateHandle Add(const FDelegate& InNewDelegate)
	{
		return Add(FDelegate(InNewDelegate));
	}

	FDelegateHandle Add(FDelegate&& InNewDelegate)
	{
		if (!InNewDelegate.Instance)
		{
			return FDelegateHandle();
		}
		auto Slot = std::make_shared<FSlot>();
		Slot->Instance = std::move(InNewDelegate.Instance);
		const FDelegateHandle Handle = Slot->Instance->GetHandle();

		std::vector<std::shared_ptr<FSlot>> Dropped;
		{
			std::lock_guard<std::mutex> Lock(Mutex);
			CompactLocked(Dropped);
			Slots.push_back(std::move(Slot));
		}
		return Handle;
	}

	template<typename... VarTypes>
	FDelegateHandle AddStatic(TFuncPtr<VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateStatic(InFunc, std::forward<VarTypes>(Vars)...));
	}

	template<typename FunctorType, typename... VarTypes>
	FDelegateHandle AddLambda(FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateLambda(std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, typename FunctorType, typename... VarTypes>
	FDelegateHandle AddWeakLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateWeakLambda(InUserObject, std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, typename... VarTypes>
	FDelegateHandle AddRaw(UserClass* InUserObject, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateRaw(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, typename... VarTypes>
	FDelegateHandle AddRaw(const UserClass* InUserObject, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateRaw(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, ESPMode Mode, typename... VarTypes>
	FDelegateHandle AddSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, ESPMode Mode, typename... VarTypes>
	FDelegateHandle AddSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, typename... VarTypes>
	FDelegateHandle AddSP(UserClass* InUserObject, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateSP(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, typename... VarTypes>
	FDelegateHandle AddSP(const UserClass* InUserObject, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateSP(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, ESPMode Mode, typename FunctorType, typename... VarTypes>
	FDelegateHandle AddSPLambda(const TSharedRef<UserClass, Mode>& InUserObjectRef, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateSPLambda(InUserObjectRef, std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, typename FunctorType, typename... VarTypes>
	FDelegateHandle AddSPLambda(const UserClass* InUserObject, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateSPLambda(InUserObject, std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, typename... VarTypes>
	FDelegateHandle AddUObject(UserClass* InUserObject, TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateUObject(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template<typename UserClass, typename... VarTypes>
	FDelegateHandle AddUObject(const UserClass* InUserObject, TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateUObject(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	/** Removes the binding with this handle; false if there is none. */
	bool Remove(FDelegateHandle Handle)
	{
		if (!Handle.IsValid())
		{
			return false;
		}
		std::shared_ptr<FSlot> Removed;
		{
			std::lock_guard<std::mutex> Lock(Mutex);
			for (auto It = Slots.begin(); It != Slots.end(); ++It)
			{
				if ((*It)->Instance->GetHandle() == Handle)
				{
					Removed = std::move(*It);
					Removed->bRemoved.store(true, std::memory_order_relaxed);
					Slots.erase(It);
					break;
				}
			}
		}
		return Removed != nullptr;
	}

	/** Removes every binding whose user object is InUserObject; plain functions and lambdas stay. */
	int32 RemoveAll(const void* InUserObject)
	{
		std::vector<std::shared_ptr<FSlot>> Removed;
		{
			std::lock_guard<std::mutex> Lock(Mutex);
			ExtractLocked(Removed, [InUserObject](const FSlot& Slot) { return InUserObject && Slot.Instance->HasSameObject(InUserObject); });
		}
		return static_cast<int32>(Removed.size());
	}

	void Clear()
	{
		std::vector<std::shared_ptr<FSlot>> Removed;
		{
			std::lock_guard<std::mutex> Lock(Mutex);
			ExtractLocked(Removed, [](const FSlot&) { return true; });
		}
	}

	/** Whether any binding can be called now. */
	[[nodiscard]] bool IsBound() const
	{
		std::lock_guard<std::mutex> Lock(Mutex);
		for (const std::shared_ptr<FSlot>& Slot : Slots)
		{
			if (Slot->Instance->IsSafeToExecute())
			{
				return true;
			}
		}
		return false;
	}

	[[nodiscard]] bool IsBoundToObject(const void* InUserObject) const
	{
		if (!InUserObject)
		{
			return false;
		}
		std::lock_guard<std::mutex> Lock(Mutex);
		for (const std::shared_ptr<FSlot>& Slot : Slots)
		{
			if (Slot->Instance->HasSameObject(InUserObject))
			{
				return true;
			}
		}
		return false;
	}

	void Broadcast(ParamTypes... Params) const
	{
		std::vector<std::shared_ptr<FSlot>> Snapshot;
		std::vector<std::shared_ptr<FSlot>> Dropped;
		{
			std::lock_guard<std::mutex> Lock(Mutex);
			if (Slots.empty())
			{
				return;
			}
			CompactLocked(Dropped);
			Snapshot = Slots;
		}
		// From here on only the snapshot is used: a callee may destroy this delegate.
		for (auto It = Snapshot.rbegin(); It != Snapshot.rend(); ++It)
		{
			const FSlot& Slot = **It;
			if (!Slot.bRemoved.load(std::memory_order_relaxed))
			{
				Slot.Instance->ExecuteIfSafe(Params...);
			}
		}
	}

private:
	struct FSlot
	{
		std::shared_ptr<FInstance> Instance;
		std::atomic<bool> bRemoved { false };
	};

	/** Moves the slots that match out of the list; the caller destroys them after unlocking, as that may run user code. */
	template<typename PredicateType>
	void ExtractLocked(std::vector<std::shared_ptr<FSlot>>& Out, PredicateType Predicate) const
	{
		auto Keep = Slots.begin();
		for (auto It = Slots.begin(); It != Slots.end(); ++It)
		{
			if (Predicate(**It))
			{
				(*It)->bRemoved.store(true, std::memory_order_relaxed);
				Out.push_back(std::move(*It));
			}
			else
			{
				if (Keep != It)
				{
					*Keep = std::move(*It);
				}
				++Keep;
			}
		}
		Slots.erase(Keep, Slots.end());
	}

	void CompactLocked(std::vector<std::shared_ptr<FSlot>>& Out) const
	{
		ExtractLocked(Out, [](const FSlot& Slot) { return Slot.Instance->IsCompactable(); });
	}

	void CopyFrom(const TMulticastDelegate& Other)
	{
		std::vector<std::shared_ptr<FSlot>> NewSlots;
		{
			std::lock_guard<std::mutex> Lock(Other.Mutex);
			NewSlots.reserve(Other.Slots.size());
			for (const std::shared_ptr<FSlot>& Slot : Other.Slots)
			{
				auto Copy = std::make_shared<FSlot>();
				Copy->Instance.reset(Slot->Instance->Clone());
				NewSlots.push_back(std::move(Copy));
			}
		}
		std::vector<std::shared_ptr<FSlot>> Removed;
		{
			std::lock_guard<std::mutex> Lock(Mutex);
			ExtractLocked(Removed, [](const FSlot&) { return true; });
			Slots = std::move(NewSlots);
		}
	}

	mutable std::vector<std::shared_ptr<FSlot>> Slots;
	mutable std::mutex Mutex;
};

#include "Delegates/DelegateCombinations.h"
