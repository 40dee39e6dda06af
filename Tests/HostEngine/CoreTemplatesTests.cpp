#include "Delegates/Delegate.h"
#include "Misc/Attribute.h"
#include "Templates/Function.h"
#include "Templates/SharedPointer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace
{
	/** Counts its own lifetime so tests can tell exactly when a shared object goes. */
	struct FTracked : public TSharedFromThis<FTracked>
	{
		explicit FTracked(int32 InValue = 0, int32* InDestroyed = nullptr)
			: Value(InValue)
			, Destroyed(InDestroyed)
		{
		}

		FTracked(const FTracked&) = default;
		FTracked& operator=(const FTracked&) = default;

		virtual ~FTracked()
		{
			if (Destroyed)
			{
				++*Destroyed;
			}
		}

		int32 GetValue() const
		{
			return Value;
		}

		int32 AddToValue(int32 Amount) const
		{
			return Value + Amount;
		}

		void Increment()
		{
			++Calls;
		}

		void IncrementBy(int32 Amount, std::string Tag)
		{
			Calls += Amount;
			LastTag = Tag;
		}

		int32 Value;
		int32* Destroyed;
		int32 Calls = 0;
		std::string LastTag;
	};

	struct FTrackedChild : public FTracked
	{
		using FTracked::FTracked;

		int32 Twice() const
		{
			return Value * 2;
		}

		TSharedRef<FTrackedChild> Self()
		{
			return SharedThis(this);
		}
	};

	int32 AddStatic(int32 A, int32 B)
	{
		return A + B;
	}

	DECLARE_DELEGATE_RetVal_OneParam(int32, FIntTransform, int32);
	DECLARE_MULTICAST_DELEGATE_OneParam(FOnValue, int32);

	/** Stands in for a UObject: the UObject bindings only need a weak object pointer that reads null once it dies. */
	struct FFakeObject
	{
		bool bAlive = true;
		int32 Calls = 0;

		void Touch()
		{
			++Calls;
		}
	};
}

template<>
struct TWeakObjectPtr<FFakeObject, FWeakObjectPtr>
{
	TWeakObjectPtr(FFakeObject* InObject)
		: Object(InObject)
	{
	}

	FFakeObject* Get() const
	{
		return Object->bAlive ? Object : nullptr;
	}

	FFakeObject* Object;
};

// --- Shared pointers ----------------------------------------------------------------------------------------------

TEST(SharedPointers, ObjectLivesExactlyAsLongAsItsLastSharedReference)
{
	int32 Destroyed = 0;
	TWeakPtr<FTracked> Weak;
	{
		TSharedRef<FTracked> Ref = MakeShared<FTracked>(1, &Destroyed);
		TSharedPtr<FTracked> Ptr = Ref;
		Weak = Ptr;
		EXPECT_EQ(Ref.GetSharedReferenceCount(), 2);
		Ptr.Reset();
		EXPECT_EQ(Destroyed, 0);
		EXPECT_TRUE(Weak.Pin().IsValid());
	}
	EXPECT_EQ(Destroyed, 1);
	EXPECT_FALSE(Weak.IsValid());
	EXPECT_FALSE(Weak.Pin().IsValid());
	EXPECT_TRUE(Weak == nullptr);
}

TEST(SharedPointers, EveryWayOfTakingOwnershipDestroysTheObjectOnce)
{
	int32 Destroyed = 0;
	{
		TSharedPtr<FTracked> FromNew(new FTracked(0, &Destroyed));
		TSharedRef<FTracked> RefFromNew(new FTracked(0, &Destroyed));
		TSharedPtr<FTracked> Shareable = MakeShareable(new FTracked(0, &Destroyed));
		TSharedRef<FTracked> ShareableRef = MakeShareable(new FTracked(0, &Destroyed));
		TSharedPtr<FTracked> Base(new FTrackedChild(0, &Destroyed));
	}
	EXPECT_EQ(Destroyed, 5);

	int32 DeleterCalls = 0;
	{
		TSharedPtr<FTracked> Custom = MakeShareable(new FTracked(), [&DeleterCalls](FTracked* Object)
		{
			++DeleterCalls;
			delete Object;
		});
	}
	EXPECT_EQ(DeleterCalls, 1);
}

TEST(SharedPointers, WeakSelfReferenceIsSetByTheFirstOwnerOfEachKind)
{
	TSharedRef<FTracked> Made = MakeShared<FTracked>();
	TSharedPtr<FTracked> Shareable = MakeShareable(new FTracked());
	TSharedPtr<FTracked> FromNew(new FTracked());
	TSharedRef<FTracked> RefFromNew(new FTracked());
	TSharedPtr<FTracked> Base(new FTrackedChild());

	EXPECT_TRUE(Made->AsShared() == Made);
	EXPECT_TRUE(Shareable->AsShared() == Shareable);
	EXPECT_TRUE(FromNew->AsShared() == FromNew);
	EXPECT_TRUE(RefFromNew->AsShared() == RefFromNew);
	EXPECT_TRUE(Base->AsShared() == Base);
	EXPECT_EQ(Made->AsWeak().Pin().Get(), &Made.Get());

	const FTracked& ConstTracked = *Made;
	TSharedRef<const FTracked> ConstShared = ConstTracked.AsShared();
	EXPECT_EQ(&ConstShared.Get(), &Made.Get());
	EXPECT_FALSE(FTracked().DoesSharedInstanceExist());
}

TEST(SharedPointers, CopiesAndAssignmentsNeverTakeTheSelfReference)
{
	TSharedRef<FTracked> Original = MakeShared<FTracked>(4);

	FTracked CopyConstructed(*Original);
	FTracked MoveConstructed(std::move(CopyConstructed));
	EXPECT_FALSE(CopyConstructed.DoesSharedInstanceExist());
	EXPECT_FALSE(MoveConstructed.DoesSharedInstanceExist());
	EXPECT_EQ(MoveConstructed.Value, 4);

	// A copy made into a new shared object refers to itself, not to the original.
	TSharedRef<FTracked> SharedCopy = MakeShared<FTracked>(*Original);
	EXPECT_TRUE(SharedCopy->AsShared() == SharedCopy);
	EXPECT_FALSE(SharedCopy->AsShared() == Original);

	// An assigned-to object keeps its own self-reference; an unowned one stays without.
	TSharedRef<FTracked> Target = MakeShared<FTracked>(9);
	*Target = *Original;
	EXPECT_EQ(Target->Value, 4);
	EXPECT_TRUE(Target->AsShared() == Target);
	FTracked Unowned;
	Unowned = *Original;
	EXPECT_FALSE(Unowned.DoesSharedInstanceExist());
	*Target = std::move(Unowned);
	EXPECT_TRUE(Target->AsShared() == Target);
}

TEST(SharedPointers, CastsAndConversionsShareOneCount)
{
	TSharedRef<FTrackedChild> Child = MakeShared<FTrackedChild>(3);
	TSharedRef<FTracked> AsBase = Child;
	TSharedPtr<FTracked> BasePtr = AsBase;
	TSharedPtr<FTrackedChild> Back = StaticCastSharedPtr<FTrackedChild>(BasePtr);
	TSharedRef<FTrackedChild> BackRef = StaticCastSharedRef<FTrackedChild>(AsBase);
	TSharedRef<const FTracked> Const = AsBase;
	TSharedRef<FTracked> NonConst = ConstCastSharedRef<FTracked>(Const);
	TSharedPtr<FTracked> NonConstPtr = ConstCastSharedPtr<FTracked>(TSharedPtr<const FTracked>(Const));
	TWeakPtr<FTracked> Weak = BackRef.ToWeakPtr();

	EXPECT_EQ(Child.GetSharedReferenceCount(), 8);
	EXPECT_EQ(Back->Twice(), 6);
	EXPECT_TRUE(BasePtr == Child);
	EXPECT_TRUE(Child == BasePtr);
	EXPECT_TRUE(NonConst == BackRef);
	EXPECT_TRUE(Weak == BasePtr);
	EXPECT_EQ(GetTypeHash(BasePtr), GetTypeHash(AsBase));
	EXPECT_TRUE(NonConstPtr.ToSharedRef() == Child);
	EXPECT_TRUE(Child->Self() == Child);
}

TEST(SharedPointers, MovedFromPointersAreEmptyButMovedFromReferencesAreNot)
{
	TSharedPtr<FTracked> Ptr = MakeShared<FTracked>();
	TSharedPtr<FTracked> Moved = std::move(Ptr);
	EXPECT_FALSE(Ptr.IsValid());
	EXPECT_TRUE(Ptr == nullptr);
	EXPECT_TRUE(Moved.IsValid());

	TSharedRef<FTracked> Ref = MakeShared<FTracked>();
	TSharedRef<FTracked> MovedRef = std::move(Ref);
	EXPECT_TRUE(Ref == MovedRef);

	TWeakPtr<FTracked> Weak = Moved;
	TSharedPtr<FTracked> Pinned = std::move(Weak).Pin();
	EXPECT_TRUE(Pinned.IsValid());
	EXPECT_FALSE(Weak.IsValid());
}

TEST(SharedPointers, CountsStayExactUnderConcurrentCopiesAndPins)
{
	int32 Destroyed = 0;
	TSharedRef<FTracked> Shared = MakeShared<FTracked>(0, &Destroyed);
	TWeakPtr<FTracked> Weak = Shared;
	std::vector<std::thread> Threads;
	for (int32 ThreadIndex = 0; ThreadIndex < 4; ++ThreadIndex)
	{
		Threads.emplace_back([Weak, Shared]()
		{
			for (int32 Iteration = 0; Iteration < 20000; ++Iteration)
			{
				TSharedPtr<FTracked> Pinned = Weak.Pin();
				TSharedRef<FTracked> Copy = Shared;
				TWeakPtr<FTracked> WeakCopy = Copy;
			}
		});
	}
	for (std::thread& Thread : Threads)
	{
		Thread.join();
	}
	EXPECT_EQ(Shared.GetSharedReferenceCount(), 1);
	EXPECT_EQ(Destroyed, 0);
}

using SharedPointersDeathTest = ::testing::Test;

TEST(SharedPointersDeathTest, AsSharedWithoutAnOwnerFailsLoudly)
{
	EXPECT_DEATH(
		{
			FTracked Unowned;
			(void)Unowned.AsShared();
		},
		"AsShared");
}

TEST(SharedPointersDeathTest, ToSharedRefOfAnEmptyPointerFailsLoudly)
{
	EXPECT_DEATH(
		{
			TSharedPtr<FTracked> Empty;
			(void)Empty.ToSharedRef();
		},
		"");
}

// --- Function wrappers --------------------------------------------------------------------------------------------

TEST(FunctionWrappers, UniqueFunctionOwnsMoveOnlyStateAndMovesIt)
{
	TUniqueFunction<int32(int32)> Func = [Owned = std::make_unique<int32>(5)](int32 Arg) { return *Owned + Arg; };
	TUniqueFunction<int32(int32)> Moved = std::move(Func);
	EXPECT_FALSE(Func);
	ASSERT_TRUE(Moved);
	EXPECT_EQ(Moved(2), 7);
}

TEST(FunctionWrappers, FunctionCopiesAreIndependent)
{
	TFunction<int32()> Counter = [Count = 0]() mutable { return ++Count; };
	EXPECT_EQ(Counter(), 1);
	TFunction<int32()> Copy = Counter;
	EXPECT_EQ(Copy(), 2);
	EXPECT_EQ(Counter(), 2);
	Counter = nullptr;
	EXPECT_FALSE(Counter.IsSet());
	EXPECT_TRUE(Counter == nullptr);

	int32 (*NullFunction)() = nullptr;
	EXPECT_FALSE(TFunction<int32()>(NullFunction).IsSet());
}

TEST(FunctionWrappers, FunctionRefCallsTheCallableItRefersTo)
{
	int32 Total = 0;
	auto Accumulate = [&Total](int32 Value) { Total += Value; };
	auto CallTwice = [](TFunctionRef<void(int32)> Callback)
	{
		Callback(1);
		Callback(2);
	};
	CallTwice(Accumulate);
	EXPECT_EQ(Total, 3);
}

TEST(FunctionWrappersDeathTest, CallingAnEmptyFunctionFailsLoudly)
{
	EXPECT_DEATH(
		{
			TFunction<void()> Empty;
			Empty();
		},
		"unbound TFunction");
}

// --- Single-cast delegates ----------------------------------------------------------------------------------------

TEST(Delegates, EveryBindingKindCallsWithPayloadAfterTheArguments)
{
	TSharedRef<FTracked> Shared = MakeShared<FTracked>(10);
	const FTracked* ConstRaw = &Shared.Get();

	EXPECT_EQ(FIntTransform::CreateStatic(&AddStatic, 5).Execute(1), 6);
	EXPECT_EQ(FIntTransform::CreateLambda([](int32 A, int32 B) { return A * B; }, 3).Execute(4), 12);
	EXPECT_EQ(FIntTransform::CreateSP(Shared, &FTracked::AddToValue).Execute(1), 11);
	EXPECT_EQ(FIntTransform::CreateSP(ConstRaw, &FTracked::AddToValue).Execute(2), 12);
	EXPECT_EQ(FIntTransform::CreateRaw(ConstRaw, &FTracked::AddToValue).Execute(3), 13);
	EXPECT_EQ(FIntTransform::CreateSPLambda(Shared, [](int32 A) { return -A; }).Execute(4), -4);

	FSimpleDelegate Simple;
	Simple.BindSP(&Shared.Get(), &FTracked::IncrementBy, 7, std::string("payload"));
	EXPECT_TRUE(Simple.ExecuteIfBound());
	EXPECT_EQ(Shared->Calls, 7);
	EXPECT_EQ(Shared->LastTag, "payload");

	TDelegate<int32()> Derived = TDelegate<int32()>::CreateSP(StaticCastSharedRef<FTrackedChild>(MakeShared<FTrackedChild>(2)), &FTrackedChild::Twice);
	EXPECT_FALSE(Derived.IsBound());
}

TEST(Delegates, SharedPointerBindingIsWeakAndStopsCallingOnceTheObjectIsGone)
{
	int32 Destroyed = 0;
	TSharedPtr<FTracked> Shared = MakeShared<FTracked>(0, &Destroyed);
	FSimpleDelegate Delegate = FSimpleDelegate::CreateSP(Shared.ToSharedRef(), &FTracked::Increment);
	FSimpleDelegate LambdaDelegate = FSimpleDelegate::CreateSPLambda(Shared.Get(), [&Destroyed]() { Destroyed += 100; });
	EXPECT_EQ(Shared.GetSharedReferenceCount(), 1);
	EXPECT_TRUE(Delegate.IsBoundToObject(Shared.Get()));

	Shared.Reset();
	EXPECT_EQ(Destroyed, 1);
	EXPECT_FALSE(Delegate.IsBound());
	EXPECT_FALSE(Delegate.ExecuteIfBound());
	EXPECT_FALSE(LambdaDelegate.IsBound());
	EXPECT_FALSE(LambdaDelegate.ExecuteIfBound());
	EXPECT_EQ(Destroyed, 1);
}

TEST(Delegates, ObjectSurvivesACallThatDropsItsLastOutsideReference)
{
	struct FSelfReleasing : public TSharedFromThis<FSelfReleasing>
	{
		TSharedPtr<FSelfReleasing>* Owner = nullptr;
		bool* bDestroyed = nullptr;
		bool bAliveAfterRelease = false;

		~FSelfReleasing()
		{
			*bDestroyed = true;
		}

		void ReleaseOwner()
		{
			Owner->Reset();
			bAliveAfterRelease = !*bDestroyed;
			// Touching members after the release is what a real handler does; ASan checks it is still valid.
			bAliveAfterRelease = bAliveAfterRelease && Owner != nullptr;
		}
	};

	bool bDestroyed = false;
	TSharedPtr<FSelfReleasing> Owner = MakeShared<FSelfReleasing>();
	Owner->Owner = &Owner;
	Owner->bDestroyed = &bDestroyed;
	FSelfReleasing* Raw = Owner.Get();
	bool bObservedAlive = false;
	FSimpleDelegate Delegate = FSimpleDelegate::CreateSPLambda(Raw, [Raw, &bObservedAlive]()
	{
		Raw->ReleaseOwner();
		bObservedAlive = Raw->bAliveAfterRelease;
	});

	EXPECT_TRUE(Delegate.ExecuteIfBound());
	EXPECT_TRUE(bObservedAlive);
	EXPECT_TRUE(bDestroyed);
	EXPECT_FALSE(Delegate.IsBound());
}

TEST(Delegates, ACalleeMayRebindOrDestroyTheDelegateThatCalledIt)
{
	auto Delegate = std::make_unique<FSimpleDelegate>();
	std::string Captured = "state that lives in the lambda";
	std::string Seen;
	Delegate->BindLambda([&Delegate, &Seen, Captured]()
	{
		Delegate.reset();
		// The lambda's captures must survive its own delegate's destruction until the call returns.
		Seen = Captured;
	});
	Delegate->Execute();
	EXPECT_EQ(Seen, Captured);

	FSimpleDelegate Rebinding;
	int32 Second = 0;
	Rebinding.BindLambda([&Rebinding, &Second, Captured, &Seen]()
	{
		Rebinding.BindLambda([&Second]() { ++Second; });
		Seen = Captured + "!";
	});
	Rebinding.Execute();
	Rebinding.Execute();
	EXPECT_EQ(Seen, Captured + "!");
	EXPECT_EQ(Second, 1);
}

TEST(Delegates, CopiesKeepTheHandleAndUnbindingClearsIt)
{
	FSimpleDelegate Delegate = FSimpleDelegate::CreateLambda([]() {});
	const FDelegateHandle Handle = Delegate.GetHandle();
	EXPECT_TRUE(Handle.IsValid());
	FSimpleDelegate Copy = Delegate;
	EXPECT_EQ(Copy.GetHandle(), Handle);
	EXPECT_NE(FSimpleDelegate::CreateLambda([]() {}).GetHandle(), Handle);

	Delegate.Unbind();
	EXPECT_FALSE(Delegate.IsBound());
	EXPECT_FALSE(Delegate.GetHandle().IsValid());
	EXPECT_FALSE(Delegate.ExecuteIfBound());
	EXPECT_TRUE(Copy.IsBound());
}

TEST(Delegates, UObjectBindingsStopCallingOnceTheWeakObjectPointerReadsNull)
{
	FFakeObject Object;
	FSimpleMulticastDelegate Multicast;
	Multicast.AddUObject(&Object, &FFakeObject::Touch);
	Multicast.AddWeakLambda(&Object, [&Object]() { Object.Calls += 10; });
	FSimpleDelegate Single = FSimpleDelegate::CreateUObject(&Object, &FFakeObject::Touch);
	EXPECT_TRUE(Single.IsBoundToObject(&Object));
	Multicast.Broadcast();
	EXPECT_TRUE(Single.ExecuteIfBound());
	EXPECT_EQ(Object.Calls, 12);

	Object.bAlive = false;
	EXPECT_FALSE(Single.IsBound());
	EXPECT_FALSE(Single.ExecuteIfBound());
	EXPECT_FALSE(Multicast.IsBound());
	Multicast.Broadcast();
	EXPECT_EQ(Object.Calls, 12);
}

TEST(DelegatesDeathTest, ExecutingAnUnboundDelegateFailsLoudly)
{
	EXPECT_DEATH(
		{
			FIntTransform Unbound;
			Unbound.Execute(1);
		},
		"unbound delegate");
}

// --- Multicast delegates ------------------------------------------------------------------------------------------

TEST(MulticastDelegates, BindingAddedDuringABroadcastIsNotCalledByIt)
{
	FSimpleMulticastDelegate Multicast;
	int32 LateCalls = 0;
	int32 EarlyCalls = 0;
	Multicast.AddLambda([&]()
	{
		++EarlyCalls;
		Multicast.AddLambda([&LateCalls]() { ++LateCalls; });
	});

	Multicast.Broadcast();
	EXPECT_EQ(EarlyCalls, 1);
	EXPECT_EQ(LateCalls, 0);

	Multicast.Broadcast();
	EXPECT_EQ(EarlyCalls, 2);
	EXPECT_EQ(LateCalls, 1);
}

TEST(MulticastDelegates, BindingRemovedDuringABroadcastIsSkippedWithoutDisturbingTheRest)
{
	FSimpleMulticastDelegate Multicast;
	std::vector<int32> Calls;
	FDelegateHandle Victim;
	FDelegateHandle Self;
	// Broadcast walks from the last binding to the first, so the remover runs before its victim.
	Victim = Multicast.AddLambda([&Calls]() { Calls.push_back(1); });
	Multicast.AddLambda([&Calls]() { Calls.push_back(2); });
	Self = Multicast.AddLambda([&]()
	{
		Calls.push_back(3);
		EXPECT_TRUE(Multicast.Remove(Victim));
		EXPECT_TRUE(Multicast.Remove(Self));
	});

	Multicast.Broadcast();
	EXPECT_EQ(Calls, (std::vector<int32> { 3, 2 }));

	Calls.clear();
	Multicast.Broadcast();
	EXPECT_EQ(Calls, (std::vector<int32> { 2 }));
	EXPECT_FALSE(Multicast.Remove(Victim));
}

TEST(MulticastDelegates, ACalleeMayDestroyTheDelegateItIsCalledFrom)
{
	struct FOwner
	{
		FSimpleMulticastDelegate OnEvent;
	};
	auto Owner = std::make_unique<FOwner>();
	std::string Captured = "captured by the second binding";
	std::string Seen;
	int32 FirstCalls = 0;
	Owner->OnEvent.AddLambda([&FirstCalls]() { ++FirstCalls; });
	Owner->OnEvent.AddLambda([&Owner, &Seen, Captured]()
	{
		Owner.reset();
		Seen = Captured;
	});

	// The destroyed delegate's remaining binding is not called.
	Owner->OnEvent.Broadcast();
	EXPECT_EQ(Seen, Captured);
	EXPECT_EQ(FirstCalls, 0);
}

TEST(MulticastDelegates, ReentrantBroadcastsEachCallTheirOwnBindings)
{
	FOnValue Multicast;
	std::vector<int32> Seen;
	Multicast.AddLambda([&](int32 Value)
	{
		Seen.push_back(Value);
		if (Value < 3)
		{
			Multicast.Broadcast(Value + 1);
		}
	});
	Multicast.Broadcast(1);
	EXPECT_EQ(Seen, (std::vector<int32> { 1, 2, 3 }));
}

TEST(MulticastDelegates, ExpiredSharedPointerBindingsAreSkippedAndDropped)
{
	FOnValue Multicast;
	TSharedPtr<FTracked> Shared = MakeShared<FTracked>();
	Multicast.AddSP(Shared.ToSharedRef(), &FTracked::IncrementBy, std::string("sp"));
	Multicast.AddSPLambda(Shared.Get(), [](int32) {});
	Multicast.Broadcast(2);
	EXPECT_EQ(Shared->Calls, 2);
	EXPECT_TRUE(Multicast.IsBound());
	EXPECT_TRUE(Multicast.IsBoundToObject(Shared.Get()));

	Shared.Reset();
	EXPECT_FALSE(Multicast.IsBound());
	Multicast.Broadcast(2);
	EXPECT_FALSE(Multicast.IsBound());
}

TEST(MulticastDelegates, RemoveAllTakesOnlyTheObjectsBindings)
{
	FSimpleMulticastDelegate Multicast;
	FTracked First;
	FTracked Second;
	int32 LambdaCalls = 0;
	Multicast.AddRaw(&First, &FTracked::Increment);
	Multicast.AddRaw(&First, &FTracked::Increment);
	Multicast.AddRaw(&Second, &FTracked::Increment);
	Multicast.AddLambda([&LambdaCalls]() { ++LambdaCalls; });

	EXPECT_EQ(Multicast.RemoveAll(&First), 2);
	Multicast.Broadcast();
	EXPECT_EQ(First.Calls, 0);
	EXPECT_EQ(Second.Calls, 1);
	EXPECT_EQ(LambdaCalls, 1);

	Multicast.Clear();
	EXPECT_FALSE(Multicast.IsBound());
	Multicast.Broadcast();
	EXPECT_EQ(LambdaCalls, 1);
}

TEST(MulticastDelegates, UnboundDelegatesAreNotAddedAndCopiesAreIndependent)
{
	FSimpleMulticastDelegate Multicast;
	EXPECT_FALSE(Multicast.Add(FSimpleDelegate()).IsValid());
	EXPECT_FALSE(Multicast.IsBound());

	int32 Calls = 0;
	const FDelegateHandle Handle = Multicast.AddLambda([&Calls]() { ++Calls; });
	FSimpleMulticastDelegate Copy = Multicast;
	EXPECT_TRUE(Copy.Remove(Handle));
	Multicast.Broadcast();
	Copy.Broadcast();
	EXPECT_EQ(Calls, 1);
}

// --- Attributes ---------------------------------------------------------------------------------------------------

TEST(Attributes, ValueGetterAndUnsetStates)
{
	TAttribute<int32> Unset;
	EXPECT_FALSE(Unset.IsSet());
	EXPECT_EQ(Unset.Get(42), 42);

	TAttribute<int32> Value = 5;
	EXPECT_TRUE(Value.IsSet());
	EXPECT_FALSE(Value.IsBound());
	EXPECT_EQ(Value.Get(), 5);

	int32 Calls = 0;
	TAttribute<int32> Computed = TAttribute<int32>::CreateLambda([&Calls]() { return ++Calls; });
	EXPECT_TRUE(Computed.IsBound());
	EXPECT_EQ(Computed.Get(), 1);
	EXPECT_EQ(Computed.Get(), 2);

	Computed.Set(9);
	EXPECT_FALSE(Computed.IsBound());
	EXPECT_EQ(Computed.Get(), 9);
	EXPECT_EQ(Calls, 2);
}

TEST(Attributes, MethodGettersAreWeakAndNeverCallADeadObject)
{
	TSharedPtr<FTracked> Shared = MakeShared<FTracked>(7);
	TAttribute<int32> FromPointer(Shared.Get(), &FTracked::GetValue);
	TAttribute<int32> FromRef(Shared.ToSharedRef(), &FTracked::GetValue);
	TAttribute<int32> WithPayload = MakeAttributeSP(Shared.Get(), &FTracked::AddToValue, 3);
	TAttribute<int32> ViaLambda = MakeAttributeSPLambda(Shared.ToSharedRef(), []() { return 1; });
	EXPECT_EQ(Shared.GetSharedReferenceCount(), 1);
	EXPECT_EQ(FromPointer.Get(), 7);
	EXPECT_EQ(FromRef.Get(), 7);
	EXPECT_EQ(WithPayload.Get(), 10);
	EXPECT_EQ(ViaLambda.Get(), 1);

	Shared.Reset();
	EXPECT_TRUE(FromPointer.IsSet());
	EXPECT_FALSE(FromPointer.IsBound());
	EXPECT_EQ(FromPointer.Get(), 0);
	EXPECT_EQ(FromRef.Get(), 0);
	EXPECT_EQ(WithPayload.Get(), 0);
	EXPECT_EQ(ViaLambda.Get(), 0);
}

TEST(Attributes, IdenticalToComparesBindingsByHandleAndValuesByValue)
{
	TAttribute<int32> Bound = TAttribute<int32>::CreateLambda([]() { return 1; });
	TAttribute<int32> SameBinding = Bound;
	TAttribute<int32> OtherBinding = TAttribute<int32>::CreateLambda([]() { return 1; });
	EXPECT_TRUE(Bound.IdenticalTo(SameBinding));
	EXPECT_FALSE(Bound.IdenticalTo(OtherBinding));
	EXPECT_TRUE(TAttribute<int32>(3).IdenticalTo(TAttribute<int32>(3)));
	EXPECT_FALSE(TAttribute<int32>(3).IdenticalTo(TAttribute<int32>(4)));
	EXPECT_FALSE(TAttribute<int32>().IdenticalTo(TAttribute<int32>(0)));
}
