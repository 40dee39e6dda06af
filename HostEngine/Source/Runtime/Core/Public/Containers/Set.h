#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/ContainerAllocationPolicies.h"
#include "Containers/ContainersFwd.h"
#include "Misc/AssertionMacros.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"
#include "Templates/UnrealTypeTraits.h"
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <vector>

/** Identifies an element of a set by its slot; stays valid until that element is removed. */
class FSetElementId
{
public:
	FSetElementId()
		: Index(INDEX_NONE)
	{
	}

	bool IsValidId() const
	{
		return Index != INDEX_NONE;
	}
	int32 AsInteger() const
	{
		return Index;
	}
	static FSetElementId FromInteger(int32 Integer)
	{
		FSetElementId Id;
		Id.Index = Integer;
		return Id;
	}

	bool operator==(const FSetElementId& Other) const
	{
		return Index == Other.Index;
	}
	bool operator!=(const FSetElementId& Other) const
	{
		return Index != Other.Index;
	}

private:
	int32 Index;
};

template <typename ElementType, typename InKeyType, bool bInAllowDuplicateKeys = false>
struct BaseKeyFuncs
{
	typedef InKeyType KeyType;
	typedef typename TTypeTraits<InKeyType>::ConstPointerType KeyInitType;
	typedef typename TCallTraits<ElementType>::ParamType ElementInitType;

	static constexpr bool bAllowDuplicateKeys = bInAllowDuplicateKeys;
};

/** Keys of a set are the elements themselves, hashed with GetTypeHash and compared with ==. */
template <typename ElementType, bool bInAllowDuplicateKeys>
struct DefaultKeyFuncs : BaseKeyFuncs<ElementType, ElementType, bInAllowDuplicateKeys>
{
	typedef typename TTypeTraits<ElementType>::ConstPointerType KeyInitType;
	typedef typename TCallTraits<ElementType>::ParamType ElementInitType;

	static FORCEINLINE KeyInitType GetSetKey(ElementInitType Element)
	{
		return Element;
	}
	template <typename ComparableKey>
	static FORCEINLINE bool Matches(KeyInitType A, const ComparableKey& B)
	{
		return A == B;
	}
	template <typename ComparableKey>
	static FORCEINLINE uint32 GetKeyHash(const ComparableKey& Key)
	{
		return GetTypeHash(Key);
	}
};

/**
 * A hashed set. Elements live in slots that keep their insertion order; removing one leaves a
 * hole that the next addition fills (most recently freed first), as the engine's sparse storage
 * does, so iteration follows insertion order for as long as nothing has been removed.
 */
template <typename InElementType, typename KeyFuncs, typename Allocator>
class TSet
{
	template <typename, typename, typename, typename>
	friend class TMapBase;

public:
	typedef InElementType ElementType;
	typedef typename KeyFuncs::KeyInitType KeyInitType;
	typedef typename KeyFuncs::ElementInitType ElementInitType;
	typedef int32 SizeType;

	TSet() = default;
	TSet(const TSet&) = default;
	TSet(TSet&& Other) noexcept
	{
		*this = MoveTemp(Other);
	}
	TSet& operator=(const TSet&) = default;
	TSet& operator=(TSet&& Other) noexcept
	{
		if (this != &Other)
		{
			Slots = MoveTemp(Other.Slots);
			FreeIndices = MoveTemp(Other.FreeIndices);
			Buckets = MoveTemp(Other.Buckets);
			NumElements = Other.NumElements;
			Other.Slots.clear();
			Other.FreeIndices.clear();
			Other.Buckets.clear();
			Other.NumElements = 0;
		}
		return *this;
	}

	TSet(std::initializer_list<ElementType> InitList)
	{
		Append(InitList);
	}

	template <typename ArrayAllocator>
	explicit TSet(const TArray<ElementType, ArrayAllocator>& InArray)
	{
		Append(InArray);
	}

	template <typename ArrayAllocator>
	explicit TSet(TArray<ElementType, ArrayAllocator>&& InArray)
	{
		Reserve(InArray.Num());
		for (ElementType& Element : InArray)
		{
			Add(MoveTemp(Element));
		}
		InArray.Reset();
	}

	FORCEINLINE int32 Num() const
	{
		return NumElements;
	}
	FORCEINLINE bool IsEmpty() const
	{
		return NumElements == 0;
	}
	int32 GetMaxIndex() const
	{
		return static_cast<int32>(Slots.size());
	}
	SIZE_T GetAllocatedSize() const
	{
		return Slots.capacity() * sizeof(FSlot) + Buckets.capacity() * sizeof(int32);
	}

	void Empty(int32 ExpectedNumElements = 0)
	{
		std::vector<FSlot>().swap(Slots);
		std::vector<int32>().swap(FreeIndices);
		std::vector<int32>().swap(Buckets);
		NumElements = 0;
		Reserve(ExpectedNumElements);
	}

	void Reset()
	{
		Slots.clear();
		FreeIndices.clear();
		std::fill(Buckets.begin(), Buckets.end(), INDEX_NONE);
		NumElements = 0;
	}

	void Reserve(int32 Number)
	{
		if (Number > static_cast<int32>(Slots.size()))
		{
			Slots.reserve(Number);
			Rehash(Number);
		}
	}

	void Shrink()
	{
		while (!Slots.empty() && !Slots.back().Element.has_value())
		{
			const int32 LastIndex = static_cast<int32>(Slots.size()) - 1;
			FreeIndices.erase(std::remove(FreeIndices.begin(), FreeIndices.end(), LastIndex), FreeIndices.end());
			Slots.pop_back();
		}
	}

	/** Closes the holes left by removals, keeping the order of the remaining elements. */
	void Compact()
	{
		if (FreeIndices.empty())
		{
			return;
		}
		std::vector<FSlot> Remaining;
		Remaining.reserve(NumElements);
		for (FSlot& Slot : Slots)
		{
			if (Slot.Element.has_value())
			{
				Remaining.push_back(MoveTemp(Slot));
			}
		}
		Slots = MoveTemp(Remaining);
		FreeIndices.clear();
		Rehash(static_cast<int32>(Slots.size()));
	}
	void CompactStable()
	{
		Compact();
	}

	FSetElementId Add(const ElementType& InElement, bool* bIsAlreadyInSetPtr = nullptr)
	{
		return Emplace(InElement, bIsAlreadyInSetPtr);
	}
	FSetElementId Add(ElementType&& InElement, bool* bIsAlreadyInSetPtr = nullptr)
	{
		return Emplace(MoveTempIfPossible(InElement), bIsAlreadyInSetPtr);
	}

	/** Adds the element; an element with an equal key is replaced in its slot. */
	template <typename ArgType>
	FSetElementId Emplace(ArgType&& Arg, bool* bIsAlreadyInSetPtr = nullptr)
	{
		ElementType Element(Forward<ArgType>(Arg));
		const uint32 Hash = KeyFuncs::GetKeyHash(KeyFuncs::GetSetKey(Element));
		if constexpr (!KeyFuncs::bAllowDuplicateKeys)
		{
			const int32 Existing = FindIndexByHash(Hash, KeyFuncs::GetSetKey(Element));
			if (Existing != INDEX_NONE)
			{
				Slots[Existing].Element.emplace(MoveTemp(Element));
				if (bIsAlreadyInSetPtr)
				{
					*bIsAlreadyInSetPtr = true;
				}
				return FSetElementId::FromInteger(Existing);
			}
		}
		if (bIsAlreadyInSetPtr)
		{
			*bIsAlreadyInSetPtr = false;
		}
		return FSetElementId::FromInteger(AddNew(MoveTemp(Element), Hash));
	}

	template <typename ArrayAllocator>
	void Append(const TArray<ElementType, ArrayAllocator>& InElements)
	{
		Reserve(NumElements + InElements.Num());
		for (const ElementType& Element : InElements)
		{
			Add(Element);
		}
	}
	template <typename OtherKeyFuncs, typename OtherAllocator>
	void Append(const TSet<ElementType, OtherKeyFuncs, OtherAllocator>& OtherSet)
	{
		checkf((const void*)this != (const void*)&OtherSet, TEXT("Attempted to append a set to itself"));
		Reserve(NumElements + OtherSet.Num());
		for (const ElementType& Element : OtherSet)
		{
			Add(Element);
		}
	}
	void Append(std::initializer_list<ElementType> InitList)
	{
		Reserve(NumElements + static_cast<int32>(InitList.size()));
		for (const ElementType& Element : InitList)
		{
			Add(Element);
		}
	}

	template <typename ArgType>
	ElementType& FindOrAdd(ArgType&& InElement, bool* bIsAlreadyInSetPtr = nullptr)
	{
		const uint32 Hash = KeyFuncs::GetKeyHash(KeyFuncs::GetSetKey(InElement));
		const int32 Existing = FindIndexByHash(Hash, KeyFuncs::GetSetKey(InElement));
		if (bIsAlreadyInSetPtr)
		{
			*bIsAlreadyInSetPtr = Existing != INDEX_NONE;
		}
		if (Existing != INDEX_NONE)
		{
			return *Slots[Existing].Element;
		}
		return *Slots[AddNew(ElementType(Forward<ArgType>(InElement)), Hash)].Element;
	}

	FSetElementId FindId(KeyInitType Key) const
	{
		return FSetElementId::FromInteger(FindIndexByHash(KeyFuncs::GetKeyHash(Key), Key));
	}

	template <typename ComparableKey>
	FSetElementId FindIdByHash(uint32 KeyHash, const ComparableKey& Key) const
	{
		return FSetElementId::FromInteger(FindIndexByHash(KeyHash, Key));
	}

	ElementType* Find(KeyInitType Key)
	{
		const int32 Index = FindIndexByHash(KeyFuncs::GetKeyHash(Key), Key);
		return Index != INDEX_NONE ? &*Slots[Index].Element : nullptr;
	}
	const ElementType* Find(KeyInitType Key) const
	{
		return const_cast<TSet*>(this)->Find(Key);
	}

	template <typename ComparableKey>
	ElementType* FindByHash(uint32 KeyHash, const ComparableKey& Key)
	{
		const int32 Index = FindIndexByHash(KeyHash, Key);
		return Index != INDEX_NONE ? &*Slots[Index].Element : nullptr;
	}
	template <typename ComparableKey>
	const ElementType* FindByHash(uint32 KeyHash, const ComparableKey& Key) const
	{
		return const_cast<TSet*>(this)->FindByHash(KeyHash, Key);
	}

	FORCEINLINE bool Contains(KeyInitType Key) const
	{
		return FindIndexByHash(KeyFuncs::GetKeyHash(Key), Key) != INDEX_NONE;
	}

	template <typename ComparableKey>
	bool ContainsByHash(uint32 KeyHash, const ComparableKey& Key) const
	{
		return FindIndexByHash(KeyHash, Key) != INDEX_NONE;
	}

	/** Removes every element matching Key and returns how many went. */
	int32 Remove(KeyInitType Key)
	{
		int32 NumRemoved = 0;
		if (Buckets.empty())
		{
			return 0;
		}
		const uint32 Hash = KeyFuncs::GetKeyHash(Key);
		for (;;)
		{
			const int32 Index = FindIndexByHash(Hash, Key);
			if (Index == INDEX_NONE)
			{
				break;
			}
			RemoveIndex(Index);
			++NumRemoved;
			if constexpr (!KeyFuncs::bAllowDuplicateKeys)
			{
				break;
			}
		}
		return NumRemoved;
	}

	void Remove(FSetElementId ElementId)
	{
		checkf(IsValidId(ElementId), TEXT("Removing an invalid set element id %d"), ElementId.AsInteger());
		RemoveIndex(ElementId.AsInteger());
	}

	bool IsValidId(FSetElementId Id) const
	{
		const int32 Index = Id.AsInteger();
		return Index >= 0 && Index < static_cast<int32>(Slots.size()) && Slots[Index].Element.has_value();
	}

	ElementType& operator[](FSetElementId Id)
	{
		checkf(IsValidId(Id), TEXT("Invalid set element id %d"), Id.AsInteger());
		return *Slots[Id.AsInteger()].Element;
	}
	const ElementType& operator[](FSetElementId Id) const
	{
		checkf(IsValidId(Id), TEXT("Invalid set element id %d"), Id.AsInteger());
		return *Slots[Id.AsInteger()].Element;
	}
	ElementType& Get(FSetElementId Id)
	{
		return (*this)[Id];
	}
	const ElementType& Get(FSetElementId Id) const
	{
		return (*this)[Id];
	}

	template <typename PredicateType>
	void Sort(const PredicateType& Predicate)
	{
		std::vector<ElementType> Sorted = TakeAll();
		UE::Core::Private::TDereferencingPredicate<ElementType, PredicateType> Wrapped{Predicate};
		std::sort(Sorted.begin(), Sorted.end(), Wrapped);
		Refill(Sorted);
	}
	template <typename PredicateType>
	void StableSort(const PredicateType& Predicate)
	{
		std::vector<ElementType> Sorted = TakeAll();
		UE::Core::Private::TDereferencingPredicate<ElementType, PredicateType> Wrapped{Predicate};
		std::stable_sort(Sorted.begin(), Sorted.end(), Wrapped);
		Refill(Sorted);
	}

	TSet Union(const TSet& OtherSet) const
	{
		TSet Result;
		Result.Reserve(Num() + OtherSet.Num());
		for (const ElementType& Element : *this)
		{
			Result.Add(Element);
		}
		for (const ElementType& Element : OtherSet)
		{
			Result.Add(Element);
		}
		return Result;
	}
	TSet Intersect(const TSet& OtherSet) const
	{
		TSet Result;
		for (const ElementType& Element : *this)
		{
			if (OtherSet.Contains(KeyFuncs::GetSetKey(Element)))
			{
				Result.Add(Element);
			}
		}
		return Result;
	}
	TSet Difference(const TSet& OtherSet) const
	{
		TSet Result;
		for (const ElementType& Element : *this)
		{
			if (!OtherSet.Contains(KeyFuncs::GetSetKey(Element)))
			{
				Result.Add(Element);
			}
		}
		return Result;
	}
	bool Includes(const TSet& OtherSet) const
	{
		for (const ElementType& Element : OtherSet)
		{
			if (!Contains(KeyFuncs::GetSetKey(Element)))
			{
				return false;
			}
		}
		return true;
	}

	TArray<ElementType> Array() const
	{
		TArray<ElementType> Result;
		Result.Reserve(NumElements);
		for (const ElementType& Element : *this)
		{
			Result.Add(Element);
		}
		return Result;
	}

	/** Walks the occupied slots; RemoveCurrent keeps the walk valid. */
	template <bool bConst>
	class TBaseIterator
	{
	public:
		typedef std::conditional_t<bConst, const TSet, TSet> SetType;
		typedef std::conditional_t<bConst, const ElementType, ElementType> ItElementType;

		explicit TBaseIterator(SetType& InSet, int32 StartIndex = 0)
			: Set(&InSet), Index(StartIndex)
		{
			SkipHoles();
		}

		TBaseIterator& operator++()
		{
			++Index;
			SkipHoles();
			return *this;
		}
		explicit operator bool() const
		{
			return Index < static_cast<int32>(Set->Slots.size());
		}
		bool operator!() const
		{
			return !(bool)*this;
		}
		ItElementType& operator*() const
		{
			checkf(Set->IsValidId(GetId()), TEXT("Dereferencing a set iterator whose element was removed"));
			return *Set->Slots[Index].Element;
		}
		ItElementType* operator->() const
		{
			return &**this;
		}
		FSetElementId GetId() const
		{
			return FSetElementId::FromInteger(Index);
		}
		bool operator==(const TBaseIterator& Rhs) const
		{
			return Set == Rhs.Set && Index == Rhs.Index;
		}
		bool operator!=(const TBaseIterator& Rhs) const
		{
			return !(*this == Rhs);
		}

	protected:
		void SkipHoles()
		{
			while (Index < static_cast<int32>(Set->Slots.size()) && !Set->Slots[Index].Element.has_value())
			{
				++Index;
			}
		}

		SetType* Set;
		int32 Index;
	};

	class TConstIterator : public TBaseIterator<true>
	{
	public:
		explicit TConstIterator(const TSet& InSet)
			: TBaseIterator<true>(InSet)
		{
		}
	};

	class TIterator : public TBaseIterator<false>
	{
	public:
		explicit TIterator(TSet& InSet)
			: TBaseIterator<false>(InSet)
		{
		}
		void RemoveCurrent()
		{
			this->Set->Remove(this->GetId());
		}
	};

	/** Ranged-for iterator that fails loudly when the set gains or loses elements mid-loop. */
	template <bool bConst>
	class TRangedForIterator : public TBaseIterator<bConst>
	{
	public:
		TRangedForIterator(typename TBaseIterator<bConst>::SetType& InSet, int32 StartIndex)
			: TBaseIterator<bConst>(InSet, StartIndex), InitialNum(InSet.Num())
		{
		}
		bool operator!=(const TRangedForIterator& Rhs) const
		{
			checkf(this->Set->Num() == InitialNum, TEXT("Container has changed during ranged-for iteration!"));
			return this->Index != Rhs.Index;
		}

	private:
		int32 InitialNum;
	};

	TIterator CreateIterator()
	{
		return TIterator(*this);
	}
	TConstIterator CreateConstIterator() const
	{
		return TConstIterator(*this);
	}

	TRangedForIterator<false> begin()
	{
		return TRangedForIterator<false>(*this, 0);
	}
	TRangedForIterator<false> end()
	{
		return TRangedForIterator<false>(*this, static_cast<int32>(Slots.size()));
	}
	TRangedForIterator<true> begin() const
	{
		return TRangedForIterator<true>(*this, 0);
	}
	TRangedForIterator<true> end() const
	{
		return TRangedForIterator<true>(*this, static_cast<int32>(Slots.size()));
	}

private:
	struct FSlot
	{
		std::optional<ElementType> Element;
		uint32 Hash = 0;
		int32 NextInBucket = INDEX_NONE;
	};

	template <typename ComparableKey>
	int32 FindIndexByHash(uint32 Hash, const ComparableKey& Key) const
	{
		if (Buckets.empty())
		{
			return INDEX_NONE;
		}
		for (int32 Index = Buckets[Hash & (Buckets.size() - 1)]; Index != INDEX_NONE; Index = Slots[Index].NextInBucket)
		{
			const FSlot& Slot = Slots[Index];
			if (Slot.Hash == Hash && KeyFuncs::Matches(KeyFuncs::GetSetKey(*Slot.Element), Key))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	int32 AddNew(ElementType&& Element, uint32 Hash)
	{
		int32 Index;
		if (!FreeIndices.empty())
		{
			Index = FreeIndices.back();
			FreeIndices.pop_back();
		}
		else
		{
			Index = static_cast<int32>(Slots.size());
			Slots.emplace_back();
		}
		FSlot& Slot = Slots[Index];
		Slot.Element.emplace(MoveTemp(Element));
		Slot.Hash = Hash;
		++NumElements;
		if (NumElements > static_cast<int32>(Buckets.size()))
		{
			Rehash(NumElements);
		}
		else
		{
			LinkIntoBucket(Index);
		}
		return Index;
	}

	void RemoveIndex(int32 Index)
	{
		FSlot& Slot = Slots[Index];
		int32* Link = &Buckets[Slot.Hash & (Buckets.size() - 1)];
		while (*Link != Index)
		{
			check(*Link != INDEX_NONE);
			Link = &Slots[*Link].NextInBucket;
		}
		*Link = Slot.NextInBucket;
		Slot.NextInBucket = INDEX_NONE;
		Slot.Element.reset();
		FreeIndices.push_back(Index);
		--NumElements;
	}

	void LinkIntoBucket(int32 Index)
	{
		FSlot& Slot = Slots[Index];
		int32& Head = Buckets[Slot.Hash & (Buckets.size() - 1)];
		Slot.NextInBucket = Head;
		Head = Index;
	}

	void Rehash(int32 ForNum)
	{
		size_t NumBuckets = 8;
		while (NumBuckets < static_cast<size_t>(ForNum))
		{
			NumBuckets *= 2;
		}
		if (NumBuckets <= Buckets.size())
		{
			return;
		}
		Buckets.assign(NumBuckets, INDEX_NONE);
		for (int32 Index = 0; Index < static_cast<int32>(Slots.size()); ++Index)
		{
			if (Slots[Index].Element.has_value())
			{
				LinkIntoBucket(Index);
			}
		}
	}

	std::vector<ElementType> TakeAll()
	{
		std::vector<ElementType> All;
		All.reserve(NumElements);
		for (FSlot& Slot : Slots)
		{
			if (Slot.Element.has_value())
			{
				All.push_back(MoveTemp(*Slot.Element));
			}
		}
		Reset();
		return All;
	}

	void Refill(std::vector<ElementType>& Elements)
	{
		for (ElementType& Element : Elements)
		{
			const uint32 Hash = KeyFuncs::GetKeyHash(KeyFuncs::GetSetKey(Element));
			AddNew(MoveTemp(Element), Hash);
		}
	}

	std::vector<FSlot> Slots;
	/** Freed slots, reused most recently freed first. */
	std::vector<int32> FreeIndices;
	std::vector<int32> Buckets;
	int32 NumElements = 0;
};

template <typename ElementType, typename KeyFuncs, typename Allocator>
uint32 GetTypeHash(const TSet<ElementType, KeyFuncs, Allocator>& Set)
{
	uint32 Hash = 0;
	for (const ElementType& Element : Set)
	{
		Hash += KeyFuncs::GetKeyHash(KeyFuncs::GetSetKey(Element));
	}
	return Hash;
}
