#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"
#include "Templates/SharedPointerFwd.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <new>
#include <type_traits>
#include <utility>

/**
 * Reference-counted pointers: TSharedRef (never null), TSharedPtr (nullable), TWeakPtr (observes without owning),
 * and TSharedFromThis, which lets an object hand out shared references to itself.
 *
 * Counts are atomic in both modes. A control block holds the shared count and a weak count; the shared references
 * together own one weak count, so the block outlives the object for as long as any weak pointer looks at it.
 */

namespace SharedPointerInternals
{
	class FReferenceControllerBase
	{
	public:
		FReferenceControllerBase() = default;
		virtual ~FReferenceControllerBase() = default;

		FReferenceControllerBase(const FReferenceControllerBase&) = delete;
		FReferenceControllerBase& operator=(const FReferenceControllerBase&) = delete;

		/** Destroys the object; the control block itself lives on until the last weak reference goes. */
		virtual void DestroyObject() = 0;

		int32 GetSharedReferenceCount() const
		{
			return SharedReferenceCount.load(std::memory_order_relaxed);
		}

		void AddSharedReference()
		{
			SharedReferenceCount.fetch_add(1, std::memory_order_relaxed);
		}

		/** Adds a shared reference unless the object is already gone; used when pinning a weak pointer. */
		bool ConditionallyAddSharedReference()
		{
			int32 Count = SharedReferenceCount.load(std::memory_order_relaxed);
			do
			{
				if (Count == 0)
				{
					return false;
				}
			}
			while (!SharedReferenceCount.compare_exchange_weak(Count, Count + 1, std::memory_order_acquire, std::memory_order_relaxed));
			return true;
		}

		void ReleaseSharedReference()
		{
			if (SharedReferenceCount.fetch_sub(1, std::memory_order_acq_rel) == 1)
			{
				DestroyObject();
				ReleaseWeakReference();
			}
		}

		void AddWeakReference()
		{
			WeakReferenceCount.fetch_add(1, std::memory_order_relaxed);
		}

		void ReleaseWeakReference()
		{
			if (WeakReferenceCount.fetch_sub(1, std::memory_order_acq_rel) == 1)
			{
				delete this;
			}
		}

	private:
		std::atomic<int32> SharedReferenceCount { 1 };
		std::atomic<int32> WeakReferenceCount { 1 };
	};

	template<typename ObjectType>
	struct DefaultDeleter
	{
		void operator()(ObjectType* Object) const
		{
			delete Object;
		}
	};

	template<typename ObjectType, typename DeleterType>
	class TReferenceControllerWithDeleter final : public FReferenceControllerBase
	{
	public:
		TReferenceControllerWithDeleter(ObjectType* InObject, DeleterType&& InDeleter)
			: Object(InObject)
			, Deleter(std::move(InDeleter))
		{
		}

		virtual void DestroyObject() override
		{
			Deleter(Object);
		}

	private:
		ObjectType* Object;
		DeleterType Deleter;
	};

	/** Control block and object in one allocation, as MakeShared makes them. */
	template<typename ObjectType>
	class TIntrusiveReferenceController final : public FReferenceControllerBase
	{
	public:
		template<typename... ArgTypes>
		explicit TIntrusiveReferenceController(ArgTypes&&... Args)
		{
			::new (static_cast<void*>(Storage)) ObjectType(std::forward<ArgTypes>(Args)...);
		}

		ObjectType* GetObjectPtr()
		{
			return std::launder(reinterpret_cast<ObjectType*>(Storage));
		}

		virtual void DestroyObject() override
		{
			GetObjectPtr()->~ObjectType();
		}

	private:
		alignas(ObjectType) unsigned char Storage[sizeof(ObjectType)];
	};

	/** What MakeShareable returns: a raw pointer on its way into its first shared pointer. */
	template<class ObjectType>
	struct TRawPtrProxy
	{
		ObjectType* Object;

		explicit TRawPtrProxy(ObjectType* InObject)
			: Object(InObject)
		{
		}
	};

	template<class ObjectType, typename DeleterType>
	struct TRawPtrProxyWithDeleter
	{
		ObjectType* Object;
		DeleterType Deleter;

		TRawPtrProxyWithDeleter(ObjectType* InObject, DeleterType&& InDeleter)
			: Object(InObject)
			, Deleter(std::move(InDeleter))
		{
		}
	};

	template<typename ObjectType, typename DeleterType>
	FReferenceControllerBase* NewCustomReferenceController(ObjectType* Object, DeleterType&& Deleter)
	{
		return new TReferenceControllerWithDeleter<ObjectType, std::decay_t<DeleterType>>(Object, std::forward<DeleterType>(Deleter));
	}

	template<typename ObjectType>
	FReferenceControllerBase* NewDefaultReferenceController(ObjectType* Object)
	{
		return NewCustomReferenceController(Object, DefaultDeleter<ObjectType>());
	}

	/** Holds one shared reference on a control block (or nothing). */
	class FSharedReferencer
	{
	public:
		FSharedReferencer() = default;

		explicit FSharedReferencer(FReferenceControllerBase* InController)
			: Controller(InController)
		{
		}

		FSharedReferencer(const FSharedReferencer& Other)
			: Controller(Other.Controller)
		{
			if (Controller)
			{
				Controller->AddSharedReference();
			}
		}

		FSharedReferencer(FSharedReferencer&& Other)
			: Controller(Other.Controller)
		{
			Other.Controller = nullptr;
		}

		/** Takes a shared reference through a weak one; stays empty if the object has gone. */
		static FSharedReferencer FromWeak(FReferenceControllerBase* InController)
		{
			FSharedReferencer Result;
			if (InController && InController->ConditionallyAddSharedReference())
			{
				Result.Controller = InController;
			}
			return Result;
		}

		~FSharedReferencer()
		{
			if (Controller)
			{
				Controller->ReleaseSharedReference();
			}
		}

		FSharedReferencer& operator=(const FSharedReferencer& Other)
		{
			FReferenceControllerBase* NewController = Other.Controller;
			if (NewController != Controller)
			{
				if (NewController)
				{
					NewController->AddSharedReference();
				}
				FReferenceControllerBase* OldController = Controller;
				Controller = NewController;
				if (OldController)
				{
					OldController->ReleaseSharedReference();
				}
			}
			return *this;
		}

		FSharedReferencer& operator=(FSharedReferencer&& Other)
		{
			if (this != &Other)
			{
				FReferenceControllerBase* OldController = Controller;
				Controller = Other.Controller;
				Other.Controller = nullptr;
				if (OldController)
				{
					OldController->ReleaseSharedReference();
				}
			}
			return *this;
		}

		bool IsValid() const
		{
			return Controller != nullptr;
		}

		int32 GetSharedReferenceCount() const
		{
			return Controller ? Controller->GetSharedReferenceCount() : 0;
		}

		FReferenceControllerBase* GetController() const
		{
			return Controller;
		}

	private:
		FReferenceControllerBase* Controller = nullptr;
	};

	/** Holds one weak reference on a control block (or nothing). */
	class FWeakReferencer
	{
	public:
		FWeakReferencer() = default;

		explicit FWeakReferencer(FReferenceControllerBase* InController)
			: Controller(InController)
		{
			if (Controller)
			{
				Controller->AddWeakReference();
			}
		}

		FWeakReferencer(const FWeakReferencer& Other)
			: FWeakReferencer(Other.Controller)
		{
		}

		FWeakReferencer(FWeakReferencer&& Other)
			: Controller(Other.Controller)
		{
			Other.Controller = nullptr;
		}

		~FWeakReferencer()
		{
			if (Controller)
			{
				Controller->ReleaseWeakReference();
			}
		}

		FWeakReferencer& operator=(const FWeakReferencer& Other)
		{
			Assign(Other.Controller);
			return *this;
		}

		FWeakReferencer& operator=(FWeakReferencer&& Other)
		{
			if (this != &Other)
			{
				FReferenceControllerBase* OldController = Controller;
				Controller = Other.Controller;
				Other.Controller = nullptr;
				if (OldController)
				{
					OldController->ReleaseWeakReference();
				}
			}
			return *this;
		}

		void Assign(FReferenceControllerBase* NewController)
		{
			if (NewController != Controller)
			{
				if (NewController)
				{
					NewController->AddWeakReference();
				}
				FReferenceControllerBase* OldController = Controller;
				Controller = NewController;
				if (OldController)
				{
					OldController->ReleaseWeakReference();
				}
			}
		}

		/** True while the object is alive. */
		bool IsValid() const
		{
			return Controller && Controller->GetSharedReferenceCount() > 0;
		}

		FReferenceControllerBase* GetController() const
		{
			return Controller;
		}

	private:
		FReferenceControllerBase* Controller = nullptr;
	};

	inline uint32 HashPointer(const void* Pointer)
	{
		const uint64 Value = static_cast<uint64>(reinterpret_cast<uintptr_t>(Pointer));
		// Allocations are aligned, so the low bits carry little; fold the high half in as well.
		return static_cast<uint32>(Value >> 4) ^ static_cast<uint32>(Value >> 35);
	}

	/** Lets the free helpers (MakeShared, casts) reach the private constructors. */
	struct FAccess;
}

template<class ObjectType, ESPMode InMode>
class TSharedRef
{
	static_assert(!std::is_void_v<ObjectType>, "TSharedRef cannot point to void");

public:
	static constexpr ESPMode Mode = InMode;
	using ElementType = ObjectType;

	/** Takes ownership of a new object; the pointer must not be null. */
	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	explicit TSharedRef(OtherType* InObject)
		: Object(InObject)
		, SharedReferenceCount(SharedPointerInternals::NewDefaultReferenceController(InObject))
	{
		Init(InObject);
	}

	template<typename OtherType, typename DeleterType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedRef(OtherType* InObject, DeleterType&& InDeleter)
		: Object(InObject)
		, SharedReferenceCount(SharedPointerInternals::NewCustomReferenceController(InObject, std::forward<DeleterType>(InDeleter)))
	{
		Init(InObject);
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedRef(const SharedPointerInternals::TRawPtrProxy<OtherType>& InRawPtrProxy)
		: TSharedRef(InRawPtrProxy.Object)
	{
	}

	template<typename OtherType, typename DeleterType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedRef(SharedPointerInternals::TRawPtrProxyWithDeleter<OtherType, DeleterType>&& InRawPtrProxy)
		: TSharedRef(InRawPtrProxy.Object, std::move(InRawPtrProxy.Deleter))
	{
	}

	TSharedRef(const TSharedRef& InSharedRef) = default;

	/** A moved-from shared reference keeps pointing at its object: a TSharedRef is never null. */
	TSharedRef(TSharedRef&& InSharedRef)
		: Object(InSharedRef.Object)
		, SharedReferenceCount(InSharedRef.SharedReferenceCount)
	{
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedRef(const TSharedRef<OtherType, Mode>& InSharedRef)
		: Object(InSharedRef.Object)
		, SharedReferenceCount(InSharedRef.SharedReferenceCount)
	{
	}

	/** Aliasing: shares ownership with the other reference but points at InObject (e.g. a member of it). */
	template<typename OtherType>
	TSharedRef(const TSharedRef<OtherType, Mode>& OtherSharedRef, ObjectType* InObject)
		: Object(InObject)
		, SharedReferenceCount(OtherSharedRef.SharedReferenceCount)
	{
		check(InObject != nullptr);
	}

	TSharedRef& operator=(const TSharedRef& InSharedRef)
	{
		SharedReferenceCount = InSharedRef.SharedReferenceCount;
		Object = InSharedRef.Object;
		return *this;
	}

	TSharedRef& operator=(TSharedRef&& InSharedRef)
	{
		// Copies for the same reason the move constructor does.
		return *this = static_cast<const TSharedRef&>(InSharedRef);
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedRef& operator=(const SharedPointerInternals::TRawPtrProxy<OtherType>& InRawPtrProxy)
	{
		*this = TSharedRef(InRawPtrProxy.Object);
		return *this;
	}

	[[nodiscard]] TSharedPtr<ObjectType, Mode> ToSharedPtr() const
	{
		return TSharedPtr<ObjectType, Mode>(*this);
	}

	[[nodiscard]] TWeakPtr<ObjectType, Mode> ToWeakPtr() const
	{
		return TWeakPtr<ObjectType, Mode>(*this);
	}

	[[nodiscard]] ObjectType& Get() const
	{
		return *Object;
	}

	[[nodiscard]] ObjectType& operator*() const
	{
		return *Object;
	}

	[[nodiscard]] ObjectType* operator->() const
	{
		return Object;
	}

	/** Always true; kept so generic code can treat references and pointers alike. */
	[[nodiscard]] bool IsValid() const
	{
		return Object != nullptr;
	}

	[[nodiscard]] int32 GetSharedReferenceCount() const
	{
		return SharedReferenceCount.GetSharedReferenceCount();
	}

	[[nodiscard]] bool IsUnique() const
	{
		return GetSharedReferenceCount() == 1;
	}

private:
	template<class, ESPMode> friend class TSharedRef;
	template<class, ESPMode> friend class TSharedPtr;
	template<class, ESPMode> friend class TWeakPtr;
	friend struct SharedPointerInternals::FAccess;

	/** Used by MakeShared: the object lives inside its control block. */
	TSharedRef(ObjectType* InObject, SharedPointerInternals::FReferenceControllerBase* InController)
		: Object(InObject)
		, SharedReferenceCount(InController)
	{
		Init(InObject);
	}

	/** Used by TSharedPtr::ToSharedRef, which has already checked the pointer. */
	template<typename OtherType>
	explicit TSharedRef(const TSharedPtr<OtherType, Mode>& InSharedPtr)
		: Object(InSharedPtr.Object)
		, SharedReferenceCount(InSharedPtr.SharedReferenceCount)
	{
		check(Object != nullptr);
	}

	template<typename OtherType>
	explicit TSharedRef(TSharedPtr<OtherType, Mode>&& InSharedPtr)
		: Object(InSharedPtr.Object)
		, SharedReferenceCount(std::move(InSharedPtr.SharedReferenceCount))
	{
		InSharedPtr.Object = nullptr;
		check(Object != nullptr);
	}

	template<typename OtherType>
	void Init(OtherType* InObject);

	ObjectType* Object;
	SharedPointerInternals::FSharedReferencer SharedReferenceCount;
};

template<class ObjectType, ESPMode InMode>
class TSharedPtr
{
public:
	static constexpr ESPMode Mode = InMode;
	using ElementType = ObjectType;

	TSharedPtr() = default;

	TSharedPtr(std::nullptr_t)
	{
	}

	/** Takes ownership of a new object; null gives an empty pointer. */
	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	explicit TSharedPtr(OtherType* InObject)
		: Object(InObject)
		, SharedReferenceCount(InObject ? SharedPointerInternals::NewDefaultReferenceController(InObject) : nullptr)
	{
		Init(InObject);
	}

	template<typename OtherType, typename DeleterType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedPtr(OtherType* InObject, DeleterType&& InDeleter)
		: Object(InObject)
		, SharedReferenceCount(InObject ? SharedPointerInternals::NewCustomReferenceController(InObject, std::forward<DeleterType>(InDeleter)) : nullptr)
	{
		Init(InObject);
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedPtr(const SharedPointerInternals::TRawPtrProxy<OtherType>& InRawPtrProxy)
		: TSharedPtr(InRawPtrProxy.Object)
	{
	}

	template<typename OtherType, typename DeleterType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedPtr(SharedPointerInternals::TRawPtrProxyWithDeleter<OtherType, DeleterType>&& InRawPtrProxy)
		: TSharedPtr(InRawPtrProxy.Object, std::move(InRawPtrProxy.Deleter))
	{
	}

	TSharedPtr(const TSharedPtr& InSharedPtr) = default;

	TSharedPtr(TSharedPtr&& InSharedPtr)
		: Object(InSharedPtr.Object)
		, SharedReferenceCount(std::move(InSharedPtr.SharedReferenceCount))
	{
		InSharedPtr.Object = nullptr;
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedPtr(const TSharedPtr<OtherType, Mode>& InSharedPtr)
		: Object(InSharedPtr.Object)
		, SharedReferenceCount(InSharedPtr.SharedReferenceCount)
	{
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedPtr(TSharedPtr<OtherType, Mode>&& InSharedPtr)
		: Object(InSharedPtr.Object)
		, SharedReferenceCount(std::move(InSharedPtr.SharedReferenceCount))
	{
		InSharedPtr.Object = nullptr;
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedPtr(const TSharedRef<OtherType, Mode>& InSharedRef)
		: Object(InSharedRef.Object)
		, SharedReferenceCount(InSharedRef.SharedReferenceCount)
	{
	}

	/** Aliasing: shares ownership with the other pointer but points at InObject. */
	template<typename OtherType>
	TSharedPtr(const TSharedPtr<OtherType, Mode>& OtherSharedPtr, ObjectType* InObject)
		: Object(InObject)
		, SharedReferenceCount(OtherSharedPtr.SharedReferenceCount)
	{
	}

	template<typename OtherType>
	TSharedPtr(TSharedPtr<OtherType, Mode>&& OtherSharedPtr, ObjectType* InObject)
		: Object(InObject)
		, SharedReferenceCount(std::move(OtherSharedPtr.SharedReferenceCount))
	{
		OtherSharedPtr.Object = nullptr;
	}

	template<typename OtherType>
	TSharedPtr(const TSharedRef<OtherType, Mode>& OtherSharedRef, ObjectType* InObject)
		: Object(InObject)
		, SharedReferenceCount(OtherSharedRef.SharedReferenceCount)
	{
	}

	TSharedPtr& operator=(std::nullptr_t)
	{
		Reset();
		return *this;
	}

	TSharedPtr& operator=(const TSharedPtr& InSharedPtr)
	{
		SharedReferenceCount = InSharedPtr.SharedReferenceCount;
		Object = InSharedPtr.Object;
		return *this;
	}

	TSharedPtr& operator=(TSharedPtr&& InSharedPtr)
	{
		if (this != &InSharedPtr)
		{
			ObjectType* NewObject = InSharedPtr.Object;
			InSharedPtr.Object = nullptr;
			SharedReferenceCount = std::move(InSharedPtr.SharedReferenceCount);
			Object = NewObject;
		}
		return *this;
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TSharedPtr& operator=(const SharedPointerInternals::TRawPtrProxy<OtherType>& InRawPtrProxy)
	{
		*this = TSharedPtr(InRawPtrProxy.Object);
		return *this;
	}

	/** Converts to a shared reference; the pointer must be valid. */
	[[nodiscard]] TSharedRef<ObjectType, Mode> ToSharedRef() const&
	{
		check(IsValid());
		return TSharedRef<ObjectType, Mode>(*this);
	}

	[[nodiscard]] TSharedRef<ObjectType, Mode> ToSharedRef() &&
	{
		check(IsValid());
		return TSharedRef<ObjectType, Mode>(std::move(*this));
	}

	[[nodiscard]] TWeakPtr<ObjectType, Mode> ToWeakPtr() const
	{
		return TWeakPtr<ObjectType, Mode>(*this);
	}

	[[nodiscard]] ObjectType* Get() const
	{
		return Object;
	}

	[[nodiscard]] explicit operator bool() const
	{
		return Object != nullptr;
	}

	[[nodiscard]] bool IsValid() const
	{
		return Object != nullptr;
	}

	template<typename T = ObjectType>
		requires (!std::is_void_v<T>)
	[[nodiscard]] T& operator*() const
	{
		check(IsValid());
		return *Object;
	}

	[[nodiscard]] ObjectType* operator->() const
	{
		check(IsValid());
		return Object;
	}

	void Reset()
	{
		*this = TSharedPtr();
	}

	[[nodiscard]] int32 GetSharedReferenceCount() const
	{
		return SharedReferenceCount.GetSharedReferenceCount();
	}

	[[nodiscard]] bool IsUnique() const
	{
		return GetSharedReferenceCount() == 1;
	}

private:
	template<class, ESPMode> friend class TSharedRef;
	template<class, ESPMode> friend class TSharedPtr;
	template<class, ESPMode> friend class TWeakPtr;
	friend struct SharedPointerInternals::FAccess;

	/** Used by TWeakPtr::Pin: empty if the object has gone. */
	template<typename OtherType>
	explicit TSharedPtr(const TWeakPtr<OtherType, Mode>& InWeakPtr)
		: SharedReferenceCount(SharedPointerInternals::FSharedReferencer::FromWeak(InWeakPtr.WeakReferenceCount.GetController()))
	{
		Object = SharedReferenceCount.IsValid() ? InWeakPtr.Object : nullptr;
	}

	template<typename OtherType>
	void Init(OtherType* InObject);

	ObjectType* Object = nullptr;
	SharedPointerInternals::FSharedReferencer SharedReferenceCount;
};

template<class ObjectType, ESPMode InMode>
class TWeakPtr
{
public:
	static constexpr ESPMode Mode = InMode;
	using ElementType = ObjectType;

	TWeakPtr() = default;

	TWeakPtr(std::nullptr_t)
	{
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TWeakPtr(const TSharedRef<OtherType, Mode>& InSharedRef)
		: Object(InSharedRef.Object)
		, WeakReferenceCount(InSharedRef.SharedReferenceCount.GetController())
	{
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TWeakPtr(const TSharedPtr<OtherType, Mode>& InSharedPtr)
		: Object(InSharedPtr.Object)
		, WeakReferenceCount(InSharedPtr.SharedReferenceCount.GetController())
	{
	}

	TWeakPtr(const TWeakPtr& InWeakPtr) = default;

	TWeakPtr(TWeakPtr&& InWeakPtr)
		: Object(InWeakPtr.Object)
		, WeakReferenceCount(std::move(InWeakPtr.WeakReferenceCount))
	{
		InWeakPtr.Object = nullptr;
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TWeakPtr(const TWeakPtr<OtherType, Mode>& InWeakPtr)
		: Object(InWeakPtr.Object)
		, WeakReferenceCount(InWeakPtr.WeakReferenceCount)
	{
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TWeakPtr(TWeakPtr<OtherType, Mode>&& InWeakPtr)
		: Object(InWeakPtr.Object)
		, WeakReferenceCount(std::move(InWeakPtr.WeakReferenceCount))
	{
		InWeakPtr.Object = nullptr;
	}

	/** Aliasing, as for the shared pointers. */
	template<typename OtherType>
	TWeakPtr(const TWeakPtr<OtherType, Mode>& OtherWeakPtr, ObjectType* InObject)
		: Object(InObject)
		, WeakReferenceCount(OtherWeakPtr.WeakReferenceCount)
	{
	}

	TWeakPtr& operator=(std::nullptr_t)
	{
		Reset();
		return *this;
	}

	TWeakPtr& operator=(const TWeakPtr& InWeakPtr)
	{
		WeakReferenceCount = InWeakPtr.WeakReferenceCount;
		Object = InWeakPtr.Object;
		return *this;
	}

	TWeakPtr& operator=(TWeakPtr&& InWeakPtr)
	{
		if (this != &InWeakPtr)
		{
			Object = InWeakPtr.Object;
			InWeakPtr.Object = nullptr;
			WeakReferenceCount = std::move(InWeakPtr.WeakReferenceCount);
		}
		return *this;
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TWeakPtr& operator=(const TWeakPtr<OtherType, Mode>& InWeakPtr)
	{
		WeakReferenceCount = InWeakPtr.WeakReferenceCount;
		Object = InWeakPtr.Object;
		return *this;
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TWeakPtr& operator=(const TSharedRef<OtherType, Mode>& InSharedRef)
	{
		WeakReferenceCount.Assign(InSharedRef.SharedReferenceCount.GetController());
		Object = InSharedRef.Object;
		return *this;
	}

	template<typename OtherType>
		requires std::is_convertible_v<OtherType*, ObjectType*>
	TWeakPtr& operator=(const TSharedPtr<OtherType, Mode>& InSharedPtr)
	{
		WeakReferenceCount.Assign(InSharedPtr.SharedReferenceCount.GetController());
		Object = InSharedPtr.Object;
		return *this;
	}

	/** A shared pointer to the object if it still lives, else an empty one. */
	[[nodiscard]] TSharedPtr<ObjectType, Mode> Pin() const&
	{
		return TSharedPtr<ObjectType, Mode>(*this);
	}

	[[nodiscard]] TSharedPtr<ObjectType, Mode> Pin() &&
	{
		TSharedPtr<ObjectType, Mode> Result(*this);
		Reset();
		return Result;
	}

	[[nodiscard]] bool IsValid() const
	{
		return Object != nullptr && WeakReferenceCount.IsValid();
	}

	void Reset()
	{
		*this = TWeakPtr();
	}

	[[nodiscard]] bool HasSameObject(const void* InOtherPtr) const
	{
		return Pin().Get() == InOtherPtr;
	}

private:
	template<class, ESPMode> friend class TSharedRef;
	template<class, ESPMode> friend class TSharedPtr;
	template<class, ESPMode> friend class TWeakPtr;
	friend struct SharedPointerInternals::FAccess;

	ObjectType* Object = nullptr;
	SharedPointerInternals::FWeakReferencer WeakReferenceCount;
};

/**
 * Derive from this to let an object make shared references to itself. The weak self-reference is set by the first
 * shared reference made from the raw object (MakeShared, MakeShareable, a shared pointer or reference constructed from
 * the raw pointer); copying or assigning the object never copies it, so each object only ever refers to itself.
 */
template<class ObjectType, ESPMode Mode>
class TSharedFromThis
{
public:
	/** A shared reference to this object; there must already be one. */
	[[nodiscard]] TSharedRef<ObjectType, Mode> AsShared()
	{
		TSharedPtr<ObjectType, Mode> SharedThis(WeakThis.Pin());
		checkf(SharedThis.Get() == this, TEXT("AsShared() called on an object that no shared pointer owns"));
		return std::move(SharedThis).ToSharedRef();
	}

	[[nodiscard]] TSharedRef<ObjectType const, Mode> AsShared() const
	{
		TSharedPtr<ObjectType const, Mode> SharedThis(WeakThis.Pin());
		checkf(SharedThis.Get() == this, TEXT("AsShared() called on an object that no shared pointer owns"));
		return std::move(SharedThis).ToSharedRef();
	}

	[[nodiscard]] TWeakPtr<ObjectType, Mode> AsWeak()
	{
		TWeakPtr<ObjectType, Mode> Result = WeakThis;
		return Result;
	}

	[[nodiscard]] TWeakPtr<ObjectType const, Mode> AsWeak() const
	{
		TWeakPtr<ObjectType const, Mode> Result = WeakThis;
		return Result;
	}

	/** Whether a shared pointer owns this object (and AsShared may be called). */
	[[nodiscard]] bool DoesSharedInstanceExist() const
	{
		return WeakThis.IsValid();
	}

	/** Called by the shared pointers when they take ownership; only the first owner is recorded. */
	template<class SharedPtrType, class OtherType>
	void UpdateWeakReferenceInternal(const TSharedPtr<SharedPtrType, Mode>* InSharedPtr, OtherType* InObject) const
	{
		if (!WeakThis.IsValid())
		{
			WeakThis = TSharedPtr<ObjectType, Mode>(*InSharedPtr, InObject);
		}
	}

	template<class SharedRefType, class OtherType>
	void UpdateWeakReferenceInternal(const TSharedRef<SharedRefType, Mode>* InSharedRef, OtherType* InObject) const
	{
		if (!WeakThis.IsValid())
		{
			WeakThis = TSharedRef<ObjectType, Mode>(*InSharedRef, InObject);
		}
	}

protected:
	/** Shared reference to this object typed as the derived class. */
	template<class OtherType>
	[[nodiscard]] static TSharedRef<OtherType, Mode> SharedThis(OtherType* ThisPtr)
	{
		return TSharedRef<OtherType, Mode>(ThisPtr->AsShared(), ThisPtr);
	}

	template<class OtherType>
	[[nodiscard]] static TSharedRef<OtherType const, Mode> SharedThis(const OtherType* ThisPtr)
	{
		return TSharedRef<OtherType const, Mode>(ThisPtr->AsShared(), ThisPtr);
	}

	TSharedFromThis() = default;

	// Each object keeps the weak self-reference it was given: copies start without one.
	TSharedFromThis(const TSharedFromThis&)
	{
	}

	TSharedFromThis(TSharedFromThis&&)
	{
	}

	TSharedFromThis& operator=(const TSharedFromThis&)
	{
		return *this;
	}

	TSharedFromThis& operator=(TSharedFromThis&&)
	{
		return *this;
	}

	~TSharedFromThis() = default;

private:
	mutable TWeakPtr<ObjectType, Mode> WeakThis;
};

namespace SharedPointerInternals
{
	template<class SharedPtrType, class ObjectType, class OtherType, ESPMode Mode>
	void EnableSharedFromThis(const SharedPtrType* InSharedPtr, const ObjectType* InObject, const TSharedFromThis<OtherType, Mode>* InShareable)
	{
		if (InShareable)
		{
			InShareable->UpdateWeakReferenceInternal(InSharedPtr, const_cast<ObjectType*>(InObject));
		}
	}

	inline void EnableSharedFromThis(...)
	{
	}

	struct FAccess
	{
		template<typename ObjectType, ESPMode Mode, typename... ArgTypes>
		static TSharedRef<ObjectType, Mode> MakeShared(ArgTypes&&... Args)
		{
			auto* Controller = new TIntrusiveReferenceController<ObjectType>(std::forward<ArgTypes>(Args)...);
			return TSharedRef<ObjectType, Mode>(Controller->GetObjectPtr(), static_cast<FReferenceControllerBase*>(Controller));
		}
	};
}

template<class ObjectType, ESPMode InMode>
template<typename OtherType>
void TSharedRef<ObjectType, InMode>::Init(OtherType* InObject)
{
	check(InObject != nullptr);
	SharedPointerInternals::EnableSharedFromThis(this, InObject, InObject);
}

template<class ObjectType, ESPMode InMode>
template<typename OtherType>
void TSharedPtr<ObjectType, InMode>::Init(OtherType* InObject)
{
	SharedPointerInternals::EnableSharedFromThis(this, InObject, InObject);
}

/** Creates an object and its control block in one allocation. */
template<typename InObjectType, ESPMode InMode = ESPMode::ThreadSafe, typename... InArgTypes>
[[nodiscard]] TSharedRef<InObjectType, InMode> MakeShared(InArgTypes&&... Args)
{
	return SharedPointerInternals::FAccess::MakeShared<InObjectType, InMode>(std::forward<InArgTypes>(Args)...);
}

/** Wraps a new object for its first shared pointer: `TSharedPtr<FFoo> Foo = MakeShareable(new FFoo())`. */
template<class ObjectType>
[[nodiscard]] SharedPointerInternals::TRawPtrProxy<ObjectType> MakeShareable(ObjectType* InObject)
{
	return SharedPointerInternals::TRawPtrProxy<ObjectType>(InObject);
}

template<class ObjectType, class DeleterType>
[[nodiscard]] SharedPointerInternals::TRawPtrProxyWithDeleter<ObjectType, std::decay_t<DeleterType>> MakeShareable(ObjectType* InObject, DeleterType&& InDeleter)
{
	return SharedPointerInternals::TRawPtrProxyWithDeleter<ObjectType, std::decay_t<DeleterType>>(InObject, std::forward<DeleterType>(InDeleter));
}

template<class CastToType, class CastFromType, ESPMode Mode>
[[nodiscard]] TSharedRef<CastToType, Mode> StaticCastSharedRef(const TSharedRef<CastFromType, Mode>& InSharedRef)
{
	return TSharedRef<CastToType, Mode>(InSharedRef, static_cast<CastToType*>(&InSharedRef.Get()));
}

template<class CastToType, class CastFromType, ESPMode Mode>
[[nodiscard]] TSharedPtr<CastToType, Mode> StaticCastSharedPtr(const TSharedPtr<CastFromType, Mode>& InSharedPtr)
{
	return TSharedPtr<CastToType, Mode>(InSharedPtr, static_cast<CastToType*>(InSharedPtr.Get()));
}

template<class CastToType, class CastFromType, ESPMode Mode>
[[nodiscard]] TWeakPtr<CastToType, Mode> StaticCastWeakPtr(const TWeakPtr<CastFromType, Mode>& InWeakPtr)
{
	const TSharedPtr<CastFromType, Mode> Pinned = InWeakPtr.Pin();
	return TWeakPtr<CastToType, Mode>(StaticCastSharedPtr<CastToType>(Pinned));
}

template<class CastToType, class CastFromType, ESPMode Mode>
[[nodiscard]] TSharedRef<CastToType, Mode> ConstCastSharedRef(const TSharedRef<CastFromType, Mode>& InSharedRef)
{
	return TSharedRef<CastToType, Mode>(InSharedRef, const_cast<CastToType*>(&InSharedRef.Get()));
}

template<class CastToType, class CastFromType, ESPMode Mode>
[[nodiscard]] TSharedPtr<CastToType, Mode> ConstCastSharedPtr(const TSharedPtr<CastFromType, Mode>& InSharedPtr)
{
	return TSharedPtr<CastToType, Mode>(InSharedPtr, const_cast<CastToType*>(InSharedPtr.Get()));
}

// Comparisons go by the object pointed at. C++20 derives != and the reversed forms from these.

template<class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
[[nodiscard]] bool operator==(const TSharedRef<ObjectTypeA, Mode>& A, const TSharedRef<ObjectTypeB, Mode>& B)
{
	return &A.Get() == &B.Get();
}

template<class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
[[nodiscard]] bool operator==(const TSharedPtr<ObjectTypeA, Mode>& A, const TSharedPtr<ObjectTypeB, Mode>& B)
{
	return A.Get() == B.Get();
}

template<class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
[[nodiscard]] bool operator==(const TSharedPtr<ObjectTypeA, Mode>& A, const TSharedRef<ObjectTypeB, Mode>& B)
{
	return A.Get() == &B.Get();
}

template<class ObjectType, ESPMode Mode>
[[nodiscard]] bool operator==(const TSharedPtr<ObjectType, Mode>& A, std::nullptr_t)
{
	return !A.IsValid();
}

template<class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
[[nodiscard]] bool operator==(const TWeakPtr<ObjectTypeA, Mode>& A, const TWeakPtr<ObjectTypeB, Mode>& B)
{
	return A.Pin().Get() == B.Pin().Get();
}

template<class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
[[nodiscard]] bool operator==(const TWeakPtr<ObjectTypeA, Mode>& A, const TSharedPtr<ObjectTypeB, Mode>& B)
{
	return A.Pin().Get() == B.Get();
}

template<class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
[[nodiscard]] bool operator==(const TWeakPtr<ObjectTypeA, Mode>& A, const TSharedRef<ObjectTypeB, Mode>& B)
{
	return A.Pin().Get() == &B.Get();
}

template<class ObjectType, ESPMode Mode>
[[nodiscard]] bool operator==(const TWeakPtr<ObjectType, Mode>& A, std::nullptr_t)
{
	return !A.IsValid();
}

template<class ObjectType, ESPMode Mode>
[[nodiscard]] uint32 GetTypeHash(const TSharedRef<ObjectType, Mode>& InSharedRef)
{
	return SharedPointerInternals::HashPointer(&InSharedRef.Get());
}

template<class ObjectType, ESPMode Mode>
[[nodiscard]] uint32 GetTypeHash(const TSharedPtr<ObjectType, Mode>& InSharedPtr)
{
	return SharedPointerInternals::HashPointer(InSharedPtr.Get());
}

template<class ObjectType, ESPMode Mode>
[[nodiscard]] uint32 GetTypeHash(const TWeakPtr<ObjectType, Mode>& InWeakPtr)
{
	return SharedPointerInternals::HashPointer(InWeakPtr.Pin().Get());
}
