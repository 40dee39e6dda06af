#pragma once

#include "CoreTypes.h"
#include "Containers/AllowShrinking.h"
#include "Containers/ContainerAllocationPolicies.h"
#include "Containers/ContainersFwd.h"
#include "Misc/AssertionMacros.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <type_traits>
#include <vector>

namespace UE::Core::Private
{
	// std::vector<bool> packs bits and hands out proxies; TArray<bool> must hand out bool&.
	struct FArrayBool
	{
		bool Value;
		FArrayBool() = default;
		FArrayBool(bool bInValue)
			: Value(bInValue)
		{
		}
	};

	template <typename T>
	struct TArrayStorage
	{
		using Type = T;
	};

	template <>
	struct TArrayStorage<bool>
	{
		using Type = FArrayBool;
	};

	/** Sorting an array of pointers compares the pointees, as the engine does. */
	template <typename T, typename PredicateType>
	struct TDereferencingPredicate
	{
		const PredicateType& Predicate;

		bool operator()(const T& A, const T& B) const
		{
			if constexpr (std::is_pointer_v<T>)
			{
				return Predicate(*A, *B);
			}
			else
			{
				return Predicate(A, B);
			}
		}
	};

	struct FLess
	{
		template <typename T>
		bool operator()(const T& A, const T& B) const
		{
			return A < B;
		}
	};
} // namespace UE::Core::Private

/**
 * Pointer iterator for ranged-for over contiguous containers. It fails loudly when the container
 * is resized during the loop, which would otherwise leave it reading freed memory.
 */
template <typename ElementType, typename SizeType>
class TCheckedPointerIterator
{
public:
	TCheckedPointerIterator(const SizeType& InNum, ElementType* InPtr)
		: Ptr(InPtr), CurrentNum(&InNum), InitialNum(InNum)
	{
	}

	ElementType& operator*() const
	{
		return *Ptr;
	}
	ElementType* operator->() const
	{
		return Ptr;
	}
	TCheckedPointerIterator& operator++()
	{
		++Ptr;
		return *this;
	}
	TCheckedPointerIterator& operator--()
	{
		--Ptr;
		return *this;
	}
	bool operator!=(const TCheckedPointerIterator& Rhs) const
	{
		checkf(*CurrentNum == InitialNum, TEXT("Array has changed during ranged-for iteration!"));
		return Ptr != Rhs.Ptr;
	}
	bool operator==(const TCheckedPointerIterator& Rhs) const
	{
		return !(*this != Rhs);
	}

private:
	ElementType* Ptr;
	const SizeType* CurrentNum;
	SizeType InitialNum;
};

/** A dynamically sized array of elements, with the engine's interface over std::vector storage. */
template <typename InElementType, typename InAllocatorType>
class TArray
{
	template <typename, typename>
	friend class TArray;

	using StorageType = typename UE::Core::Private::TArrayStorage<InElementType>::Type;

public:
	typedef InElementType ElementType;
	typedef InAllocatorType AllocatorType;
	typedef int32 SizeType;

	typedef TCheckedPointerIterator<ElementType, SizeType> RangedForIteratorType;
	typedef TCheckedPointerIterator<const ElementType, SizeType> RangedForConstIteratorType;

	TArray()
		: ArrayNum(0)
	{
	}

	TArray(std::initializer_list<ElementType> InitList)
		: ArrayNum(0)
	{
		Append(InitList);
	}

	TArray(const ElementType* Ptr, SizeType Count)
		: ArrayNum(0)
	{
		Append(Ptr, Count);
	}

	TArray(const TArray& Other)
		: Storage(Other.Storage), ArrayNum(Other.ArrayNum)
	{
	}

	TArray(TArray&& Other) noexcept
		: Storage(MoveTemp(Other.Storage)), ArrayNum(Other.ArrayNum)
	{
		Other.Storage.clear();
		Other.ArrayNum = 0;
	}

	template <typename OtherElementType, typename OtherAllocator,
			  typename = std::enable_if_t<!std::is_same_v<TArray, TArray<OtherElementType, OtherAllocator>> && std::is_constructible_v<ElementType, const OtherElementType&>>>
	explicit TArray(const TArray<OtherElementType, OtherAllocator>& Other)
		: ArrayNum(0)
	{
		Reserve(Other.Num());
		for (const OtherElementType& Element : Other)
		{
			Add(ElementType(Element));
		}
	}

	template <typename OtherAllocator, typename = std::enable_if_t<!std::is_same_v<OtherAllocator, AllocatorType>>>
	TArray(TArray<ElementType, OtherAllocator>&& Other)
		: Storage(MoveTemp(Other.Storage)), ArrayNum(Other.ArrayNum)
	{
		Other.Storage.clear();
		Other.ArrayNum = 0;
	}

	template <typename OtherElementType, typename OtherSizeType>
	explicit TArray(const TArrayView<OtherElementType, OtherSizeType>& Other)
		: ArrayNum(0)
	{
		Append(Other.GetData(), Other.Num());
	}

	TArray& operator=(std::initializer_list<ElementType> InitList)
	{
		Reset();
		Append(InitList);
		return *this;
	}

	TArray& operator=(const TArray& Other)
	{
		if (this != &Other)
		{
			Storage = Other.Storage;
			Sync();
		}
		return *this;
	}

	TArray& operator=(TArray&& Other) noexcept
	{
		if (this != &Other)
		{
			Storage = MoveTemp(Other.Storage);
			Other.Storage.clear();
			Other.ArrayNum = 0;
			Sync();
		}
		return *this;
	}

	template <typename OtherAllocator, typename = std::enable_if_t<!std::is_same_v<OtherAllocator, AllocatorType>>>
	TArray& operator=(const TArray<ElementType, OtherAllocator>& Other)
	{
		Storage = Other.Storage;
		Sync();
		return *this;
	}

	template <typename OtherElementType, typename OtherSizeType>
	TArray& operator=(const TArrayView<OtherElementType, OtherSizeType>& Other)
	{
		Reset();
		Append(Other.GetData(), Other.Num());
		return *this;
	}

	~TArray() = default;

	ElementType* GetData()
	{
		return reinterpret_cast<ElementType*>(Storage.data());
	}
	const ElementType* GetData() const
	{
		return reinterpret_cast<const ElementType*>(Storage.data());
	}

	static constexpr uint32 GetTypeSize()
	{
		return sizeof(ElementType);
	}

	SIZE_T GetAllocatedSize() const
	{
		return Storage.capacity() * sizeof(ElementType);
	}

	SizeType GetSlack() const
	{
		return static_cast<SizeType>(Storage.capacity()) - ArrayNum;
	}

	FORCEINLINE SizeType Num() const
	{
		return ArrayNum;
	}
	FORCEINLINE SizeType Max() const
	{
		return static_cast<SizeType>(Storage.capacity());
	}
	FORCEINLINE bool IsEmpty() const
	{
		return ArrayNum == 0;
	}
	FORCEINLINE bool IsValidIndex(SizeType Index) const
	{
		return Index >= 0 && Index < ArrayNum;
	}

	FORCEINLINE void RangeCheck(SizeType Index) const
	{
		checkf(Index >= 0 && Index < ArrayNum, TEXT("Array index out of bounds: %lld into an array of size %lld"), (long long)Index, (long long)ArrayNum);
	}

	FORCEINLINE ElementType& operator[](SizeType Index)
	{
		RangeCheck(Index);
		return GetData()[Index];
	}
	FORCEINLINE const ElementType& operator[](SizeType Index) const
	{
		RangeCheck(Index);
		return GetData()[Index];
	}

	ElementType& Last(SizeType IndexFromTheEnd = 0)
	{
		RangeCheck(ArrayNum - IndexFromTheEnd - 1);
		return GetData()[ArrayNum - IndexFromTheEnd - 1];
	}
	const ElementType& Last(SizeType IndexFromTheEnd = 0) const
	{
		RangeCheck(ArrayNum - IndexFromTheEnd - 1);
		return GetData()[ArrayNum - IndexFromTheEnd - 1];
	}
	ElementType& Top()
	{
		return Last();
	}
	const ElementType& Top() const
	{
		return Last();
	}

	ElementType Pop(EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		RangeCheck(0);
		ElementType Result = MoveTemp(GetData()[ArrayNum - 1]);
		Storage.pop_back();
		Sync();
		return Result;
	}

	void Push(const ElementType& Item)
	{
		Add(Item);
	}
	void Push(ElementType&& Item)
	{
		Add(MoveTemp(Item));
	}

	template <typename... ArgsType>
	FORCEINLINE SizeType Emplace(ArgsType&&... Args)
	{
		Storage.emplace_back(Forward<ArgsType>(Args)...);
		Sync();
		return ArrayNum - 1;
	}

	template <typename... ArgsType>
	FORCEINLINE ElementType& Emplace_GetRef(ArgsType&&... Args)
	{
		const SizeType Index = Emplace(Forward<ArgsType>(Args)...);
		return GetData()[Index];
	}

	template <typename... ArgsType>
	FORCEINLINE void EmplaceAt(SizeType Index, ArgsType&&... Args)
	{
		checkf(Index >= 0 && Index <= ArrayNum, TEXT("Array index out of bounds: %d"), Index);
		Storage.emplace(Storage.begin() + Index, Forward<ArgsType>(Args)...);
		Sync();
	}

	template <typename... ArgsType>
	FORCEINLINE ElementType& EmplaceAt_GetRef(SizeType Index, ArgsType&&... Args)
	{
		EmplaceAt(Index, Forward<ArgsType>(Args)...);
		return GetData()[Index];
	}

	FORCEINLINE SizeType Add(const ElementType& Item)
	{
		CheckAddress(&Item);
		return Emplace(Item);
	}
	FORCEINLINE SizeType Add(ElementType&& Item)
	{
		CheckAddress(&Item);
		return Emplace(MoveTempIfPossible(Item));
	}
	FORCEINLINE ElementType& Add_GetRef(const ElementType& Item)
	{
		const SizeType Index = Add(Item);
		return GetData()[Index];
	}
	FORCEINLINE ElementType& Add_GetRef(ElementType&& Item)
	{
		const SizeType Index = Add(MoveTempIfPossible(Item));
		return GetData()[Index];
	}

	SizeType AddUnique(const ElementType& Item)
	{
		const SizeType Index = Find(Item);
		return Index != INDEX_NONE ? Index : Add(Item);
	}
	SizeType AddUnique(ElementType&& Item)
	{
		const SizeType Index = Find(Item);
		return Index != INDEX_NONE ? Index : Add(MoveTempIfPossible(Item));
	}

	SizeType AddDefaulted(SizeType Count = 1)
	{
		const SizeType Index = ArrayNum;
		Storage.resize(Storage.size() + Count);
		Sync();
		return Index;
	}
	ElementType& AddDefaulted_GetRef()
	{
		const SizeType Index = AddDefaulted();
		return GetData()[Index];
	}

	SizeType AddZeroed(SizeType Count = 1)
	{
		const SizeType Index = ArrayNum;
		Storage.resize(Storage.size() + Count);
		Sync();
		if constexpr (std::is_trivially_copyable_v<ElementType>)
		{
			std::memset(static_cast<void*>(GetData() + Index), 0, sizeof(ElementType) * Count);
		}
		return Index;
	}
	ElementType& AddZeroed_GetRef()
	{
		const SizeType Index = AddZeroed();
		return GetData()[Index];
	}

	/** The host value-initialises where the engine would leave memory uninitialised. */
	SizeType AddUninitialized(SizeType Count = 1)
	{
		return AddDefaulted(Count);
	}

	SizeType Insert(const ElementType& Item, SizeType Index)
	{
		CheckAddress(&Item);
		EmplaceAt(Index, Item);
		return Index;
	}
	SizeType Insert(ElementType&& Item, SizeType Index)
	{
		CheckAddress(&Item);
		EmplaceAt(Index, MoveTempIfPossible(Item));
		return Index;
	}
	template <typename OtherAllocator>
	SizeType Insert(const TArray<ElementType, OtherAllocator>& Items, SizeType Index)
	{
		checkf(Index >= 0 && Index <= ArrayNum, TEXT("Array index out of bounds: %d"), Index);
		checkf((const void*)this != (const void*)&Items, TEXT("Attempted to insert an array into itself"));
		Storage.insert(Storage.begin() + Index, Items.Storage.begin(), Items.Storage.end());
		Sync();
		return Index;
	}
	SizeType Insert(std::initializer_list<ElementType> InitList, SizeType Index)
	{
		checkf(Index >= 0 && Index <= ArrayNum, TEXT("Array index out of bounds: %d"), Index);
		Storage.insert(Storage.begin() + Index, InitList.begin(), InitList.end());
		Sync();
		return Index;
	}
	SizeType InsertDefaulted(SizeType Index, SizeType Count = 1)
	{
		checkf(Index >= 0 && Index <= ArrayNum, TEXT("Array index out of bounds: %d"), Index);
		Storage.insert(Storage.begin() + Index, Count, StorageType());
		Sync();
		return Index;
	}
	ElementType& InsertDefaulted_GetRef(SizeType Index)
	{
		InsertDefaulted(Index);
		return GetData()[Index];
	}
	SizeType InsertZeroed(SizeType Index, SizeType Count = 1)
	{
		return InsertDefaulted(Index, Count);
	}

	template <typename OtherElementType, typename OtherAllocator>
	void Append(const TArray<OtherElementType, OtherAllocator>& Source)
	{
		checkf((const void*)this != (const void*)&Source, TEXT("Attempted to append an array to itself"));
		Storage.reserve(Storage.size() + Source.Num());
		for (const OtherElementType& Element : Source)
		{
			Storage.emplace_back(Element);
		}
		Sync();
	}
	template <typename OtherAllocator>
	void Append(TArray<ElementType, OtherAllocator>&& Source)
	{
		checkf((const void*)this != (const void*)&Source, TEXT("Attempted to append an array to itself"));
		Storage.reserve(Storage.size() + Source.Num());
		for (StorageType& Element : Source.Storage)
		{
			Storage.emplace_back(MoveTemp(Element));
		}
		Source.Empty();
		Sync();
	}
	void Append(const ElementType* Ptr, SizeType Count)
	{
		check(Ptr != nullptr || Count == 0);
		Storage.reserve(Storage.size() + Count);
		for (SizeType Index = 0; Index < Count; ++Index)
		{
			Storage.emplace_back(Ptr[Index]);
		}
		Sync();
	}
	void Append(std::initializer_list<ElementType> InitList)
	{
		Storage.insert(Storage.end(), InitList.begin(), InitList.end());
		Sync();
	}
	template <typename OtherElementType, typename OtherSizeType>
	void Append(const TArrayView<OtherElementType, OtherSizeType>& Source)
	{
		Append(Source.GetData(), Source.Num());
	}

	template <typename OtherAllocator>
	TArray& operator+=(const TArray<ElementType, OtherAllocator>& Other)
	{
		Append(Other);
		return *this;
	}
	TArray& operator+=(TArray&& Other)
	{
		Append(MoveTemp(Other));
		return *this;
	}
	TArray& operator+=(std::initializer_list<ElementType> InitList)
	{
		Append(InitList);
		return *this;
	}

	void RemoveAt(SizeType Index, SizeType Count = 1, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		if (Count > 0)
		{
			checkf(Index >= 0 && Count >= 0 && Index + Count <= ArrayNum, TEXT("Array index out of bounds: %d (count %d) into an array of size %d"), Index, Count, ArrayNum);
			Storage.erase(Storage.begin() + Index, Storage.begin() + Index + Count);
			Sync();
		}
	}
	UE_DEPRECATED(5.5, "Use RemoveAt with EAllowShrinking instead.")
	void RemoveAt(SizeType Index, SizeType Count, bool bAllowShrinking)
	{
		RemoveAt(Index, Count, bAllowShrinking ? EAllowShrinking::Yes : EAllowShrinking::No);
	}

	void RemoveAtSwap(SizeType Index, SizeType Count = 1, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		if (Count <= 0)
		{
			return;
		}
		checkf(Index >= 0 && Count >= 0 && Index + Count <= ArrayNum, TEXT("Array index out of bounds: %d (count %d) into an array of size %d"), Index, Count, ArrayNum);
		// Fill the hole from the end so no element after it has to move.
		const SizeType NumAfter = ArrayNum - Index - Count;
		const SizeType NumToMove = NumAfter < Count ? NumAfter : Count;
		for (SizeType Offset = 0; Offset < NumToMove; ++Offset)
		{
			Storage[Index + Offset] = MoveTemp(Storage[ArrayNum - NumToMove + Offset]);
		}
		Storage.resize(ArrayNum - Count);
		Sync();
	}

	SizeType Remove(const ElementType& Item)
	{
		CheckAddress(&Item);
		return RemoveAll([&Item](const ElementType& Element)
						 { return Element == Item; });
	}

	SizeType RemoveSingle(const ElementType& Item)
	{
		const SizeType Index = Find(Item);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		RemoveAt(Index);
		return 1;
	}

	SizeType RemoveSwap(const ElementType& Item, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		return RemoveAllSwap([&Item](const ElementType& Element)
							 { return Element == Item; },
							 AllowShrinking);
	}

	SizeType RemoveSingleSwap(const ElementType& Item, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		const SizeType Index = Find(Item);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		RemoveAtSwap(Index, 1, AllowShrinking);
		return 1;
	}

	template <typename PredicateType>
	SizeType RemoveAll(const PredicateType& Predicate)
	{
		const SizeType OldNum = ArrayNum;
		auto NewEnd = std::remove_if(Storage.begin(), Storage.end(), [&Predicate](StorageType& Element)
									 { return Predicate(AsElement(Element)); });
		Storage.erase(NewEnd, Storage.end());
		Sync();
		return OldNum - ArrayNum;
	}

	template <typename PredicateType>
	SizeType RemoveAllSwap(const PredicateType& Predicate, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		const SizeType OldNum = ArrayNum;
		for (SizeType Index = 0; Index < ArrayNum;)
		{
			if (Predicate(GetData()[Index]))
			{
				RemoveAtSwap(Index, 1, AllowShrinking);
			}
			else
			{
				++Index;
			}
		}
		return OldNum - ArrayNum;
	}

	SizeType Find(const ElementType& Item) const
	{
		const ElementType* Data = GetData();
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Data[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	bool Find(const ElementType& Item, SizeType& Index) const
	{
		Index = Find(Item);
		return Index != INDEX_NONE;
	}
	SizeType FindLast(const ElementType& Item) const
	{
		const ElementType* Data = GetData();
		for (SizeType Index = ArrayNum - 1; Index >= 0; --Index)
		{
			if (Data[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	bool FindLast(const ElementType& Item, SizeType& Index) const
	{
		Index = FindLast(Item);
		return Index != INDEX_NONE;
	}
	template <typename PredicateType>
	SizeType FindLastByPredicate(PredicateType Predicate) const
	{
		const ElementType* Data = GetData();
		for (SizeType Index = ArrayNum - 1; Index >= 0; --Index)
		{
			if (Predicate(Data[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template <typename KeyType>
	SizeType IndexOfByKey(const KeyType& Key) const
	{
		const ElementType* Data = GetData();
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Data[Index] == Key)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template <typename PredicateType>
	SizeType IndexOfByPredicate(PredicateType Predicate) const
	{
		const ElementType* Data = GetData();
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Predicate(Data[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template <typename KeyType>
	ElementType* FindByKey(const KeyType& Key)
	{
		const SizeType Index = IndexOfByKey(Key);
		return Index != INDEX_NONE ? GetData() + Index : nullptr;
	}
	template <typename KeyType>
	const ElementType* FindByKey(const KeyType& Key) const
	{
		const SizeType Index = IndexOfByKey(Key);
		return Index != INDEX_NONE ? GetData() + Index : nullptr;
	}

	template <typename PredicateType>
	ElementType* FindByPredicate(PredicateType Predicate)
	{
		const SizeType Index = IndexOfByPredicate(Predicate);
		return Index != INDEX_NONE ? GetData() + Index : nullptr;
	}
	template <typename PredicateType>
	const ElementType* FindByPredicate(PredicateType Predicate) const
	{
		const SizeType Index = IndexOfByPredicate(Predicate);
		return Index != INDEX_NONE ? GetData() + Index : nullptr;
	}

	template <typename PredicateType>
	TArray FilterByPredicate(PredicateType Predicate) const
	{
		TArray Result;
		for (const ElementType& Element : *this)
		{
			if (Predicate(Element))
			{
				Result.Add(Element);
			}
		}
		return Result;
	}

	template <typename ComparisonType>
	bool Contains(const ComparisonType& Item) const
	{
		return IndexOfByKey(Item) != INDEX_NONE;
	}

	template <typename PredicateType>
	bool ContainsByPredicate(PredicateType Predicate) const
	{
		return IndexOfByPredicate(Predicate) != INDEX_NONE;
	}

	void Sort()
	{
		Sort(UE::Core::Private::FLess());
	}
	template <typename PredicateType>
	void Sort(const PredicateType& Predicate)
	{
		UE::Core::Private::TDereferencingPredicate<ElementType, PredicateType> Wrapped{Predicate};
		std::sort(GetData(), GetData() + ArrayNum, Wrapped);
	}
	void StableSort()
	{
		StableSort(UE::Core::Private::FLess());
	}
	template <typename PredicateType>
	void StableSort(const PredicateType& Predicate)
	{
		UE::Core::Private::TDereferencingPredicate<ElementType, PredicateType> Wrapped{Predicate};
		std::stable_sort(GetData(), GetData() + ArrayNum, Wrapped);
	}

	void Reserve(SizeType Number)
	{
		checkf(Number >= 0, TEXT("Invalid reserve size %d"), Number);
		Storage.reserve(Number);
	}

	void SetNum(SizeType NewNum, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		checkf(NewNum >= 0, TEXT("Invalid array size %d"), NewNum);
		Storage.resize(NewNum);
		Sync();
	}
	void SetNumZeroed(SizeType NewNum, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		const SizeType OldNum = ArrayNum;
		SetNum(NewNum, AllowShrinking);
		if constexpr (std::is_trivially_copyable_v<ElementType>)
		{
			if (NewNum > OldNum)
			{
				std::memset(static_cast<void*>(GetData() + OldNum), 0, sizeof(ElementType) * (NewNum - OldNum));
			}
		}
	}
	void SetNumUninitialized(SizeType NewNum, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		SetNum(NewNum, AllowShrinking);
	}

	void Init(const ElementType& Element, SizeType Number)
	{
		Storage.assign(Number, StorageType(Element));
		Sync();
	}

	/** Removes every element and keeps the memory for at least NewSize of them. */
	void Reset(SizeType NewSize = 0)
	{
		Storage.clear();
		Storage.reserve(NewSize);
		Sync();
	}

	/** Removes every element and frees the memory beyond Slack. */
	void Empty(SizeType Slack = 0)
	{
		std::vector<StorageType>().swap(Storage);
		Storage.reserve(Slack);
		Sync();
	}

	void Shrink()
	{
		Storage.shrink_to_fit();
	}

	void Swap(SizeType FirstIndexToSwap, SizeType SecondIndexToSwap)
	{
		RangeCheck(FirstIndexToSwap);
		RangeCheck(SecondIndexToSwap);
		std::swap(Storage[FirstIndexToSwap], Storage[SecondIndexToSwap]);
	}
	void SwapMemory(SizeType FirstIndexToSwap, SizeType SecondIndexToSwap)
	{
		Swap(FirstIndexToSwap, SecondIndexToSwap);
	}

	bool operator==(const TArray& Other) const
	{
		if (ArrayNum != Other.ArrayNum)
		{
			return false;
		}
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (!(GetData()[Index] == Other.GetData()[Index]))
			{
				return false;
			}
		}
		return true;
	}
	bool operator!=(const TArray& Other) const
	{
		return !(*this == Other);
	}

	/** Index-based iterator that allows removing the current element. */
	template <typename ContainerType, typename IteratorElementType>
	class TIndexedContainerIterator
	{
	public:
		TIndexedContainerIterator(ContainerType& InContainer, SizeType StartIndex = 0)
			: Container(InContainer), Index(StartIndex)
		{
		}
		TIndexedContainerIterator& operator++()
		{
			++Index;
			return *this;
		}
		TIndexedContainerIterator& operator--()
		{
			--Index;
			return *this;
		}
		IteratorElementType& operator*() const
		{
			return Container[Index];
		}
		IteratorElementType* operator->() const
		{
			return &Container[Index];
		}
		explicit operator bool() const
		{
			return Container.IsValidIndex(Index);
		}
		SizeType GetIndex() const
		{
			return Index;
		}
		void Reset()
		{
			Index = 0;
		}
		void RemoveCurrent()
		{
			Container.RemoveAt(Index);
			--Index;
		}
		void RemoveCurrentSwap()
		{
			Container.RemoveAtSwap(Index);
			--Index;
		}
		bool operator==(const TIndexedContainerIterator& Rhs) const
		{
			return &Container == &Rhs.Container && Index == Rhs.Index;
		}
		bool operator!=(const TIndexedContainerIterator& Rhs) const
		{
			return !(*this == Rhs);
		}

	private:
		ContainerType& Container;
		SizeType Index;
	};

	typedef TIndexedContainerIterator<TArray, ElementType> TIterator;
	typedef TIndexedContainerIterator<const TArray, const ElementType> TConstIterator;

	TIterator CreateIterator()
	{
		return TIterator(*this);
	}
	TConstIterator CreateConstIterator() const
	{
		return TConstIterator(*this);
	}

	FORCEINLINE RangedForIteratorType begin()
	{
		return RangedForIteratorType(ArrayNum, GetData());
	}
	FORCEINLINE RangedForConstIteratorType begin() const
	{
		return RangedForConstIteratorType(ArrayNum, GetData());
	}
	FORCEINLINE RangedForIteratorType end()
	{
		return RangedForIteratorType(ArrayNum, GetData() + ArrayNum);
	}
	FORCEINLINE RangedForConstIteratorType end() const
	{
		return RangedForConstIteratorType(ArrayNum, GetData() + ArrayNum);
	}

private:
	static ElementType& AsElement(StorageType& Element)
	{
		return reinterpret_cast<ElementType&>(Element);
	}

	FORCEINLINE void Sync()
	{
		ArrayNum = static_cast<SizeType>(Storage.size());
	}

	/** Adding an element of the array to itself would read it after a reallocation freed it. */
	FORCEINLINE void CheckAddress(const ElementType* Addr) const
	{
		checkf(Addr < GetData() || Addr >= GetData() + Storage.capacity(), TEXT("Attempting to use a container element which already comes from the container being modified"));
	}

	std::vector<StorageType> Storage;
	/** Mirrors Storage.size() so ranged-for iterators can watch it. */
	SizeType ArrayNum;
};

template <typename ElementType, typename AllocatorType>
uint32 GetTypeHash(const TArray<ElementType, AllocatorType>& Array)
{
	uint32 Hash = 0;
	for (const ElementType& Element : Array)
	{
		Hash = HashCombine(Hash, GetTypeHash(Element));
	}
	return Hash;
}

template <typename T>
struct TIsTArray
{
	static constexpr bool Value = false;
};
template <typename ElementType, typename AllocatorType>
struct TIsTArray<TArray<ElementType, AllocatorType>>
{
	static constexpr bool Value = true;
};

template <typename ElementType, typename AllocatorType>
FORCEINLINE ElementType* GetData(TArray<ElementType, AllocatorType>& Array)
{
	return Array.GetData();
}
template <typename ElementType, typename AllocatorType>
FORCEINLINE const ElementType* GetData(const TArray<ElementType, AllocatorType>& Array)
{
	return Array.GetData();
}
template <typename ElementType, typename AllocatorType>
FORCEINLINE int32 GetNum(const TArray<ElementType, AllocatorType>& Array)
{
	return Array.Num();
}

#include "Containers/ArrayView.h"
