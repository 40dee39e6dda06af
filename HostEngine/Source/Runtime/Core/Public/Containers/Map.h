#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/ContainersFwd.h"
#include "Containers/Set.h"
#include "Misc/AssertionMacros.h"
#include "Templates/Tuple.h"
#include "Templates/UnrealTemplate.h"
#include <initializer_list>

/** Key functions for a map's set of pairs: the key is the pair's Key. */
template <typename KeyType, typename ValueType, bool bInAllowDuplicateKeys>
struct TDefaultMapKeyFuncs : BaseKeyFuncs<TPair<KeyType, ValueType>, KeyType, bInAllowDuplicateKeys>
{
	typedef typename TTypeTraits<KeyType>::ConstPointerType KeyInitType;
	typedef const TPair<KeyType, ValueType>& ElementInitType;

	static FORCEINLINE KeyInitType GetSetKey(ElementInitType Element)
	{
		return Element.Key;
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

template <typename KeyType, typename ValueType, bool bInAllowDuplicateKeys>
struct TDefaultMapHashableKeyFuncs : TDefaultMapKeyFuncs<KeyType, ValueType, bInAllowDuplicateKeys>
{
};

/** What TMap and TMultiMap share: a set of key/value pairs. */
template <typename KeyType, typename ValueType, typename SetAllocator, typename KeyFuncs>
class TMapBase
{
public:
	typedef typename TTypeTraits<KeyType>::ConstPointerType KeyConstPointerType;
	typedef typename TTypeTraits<KeyType>::ConstInitType KeyInitType;
	typedef typename TTypeTraits<ValueType>::ConstInitType ValueInitType;
	typedef TPair<KeyType, ValueType> ElementType;
	typedef TSet<ElementType, KeyFuncs, SetAllocator> ElementSetType;

protected:
	TMapBase() = default;
	TMapBase(const TMapBase&) = default;
	TMapBase(TMapBase&&) = default;
	TMapBase& operator=(const TMapBase&) = default;
	TMapBase& operator=(TMapBase&&) = default;

public:
	FORCEINLINE int32 Num() const
	{
		return Pairs.Num();
	}
	FORCEINLINE bool IsEmpty() const
	{
		return Pairs.IsEmpty();
	}
	void Empty(int32 ExpectedNumElements = 0)
	{
		Pairs.Empty(ExpectedNumElements);
	}
	void Reset()
	{
		Pairs.Reset();
	}
	void Shrink()
	{
		Pairs.Shrink();
	}
	void Compact()
	{
		Pairs.Compact();
	}
	void CompactStable()
	{
		Pairs.CompactStable();
	}
	void Reserve(int32 Number)
	{
		Pairs.Reserve(Number);
	}
	SIZE_T GetAllocatedSize() const
	{
		return Pairs.GetAllocatedSize();
	}

	FORCEINLINE ValueType& Add(const KeyType& InKey, const ValueType& InValue)
	{
		return Emplace(InKey, InValue);
	}
	FORCEINLINE ValueType& Add(const KeyType& InKey, ValueType&& InValue)
	{
		return Emplace(InKey, MoveTempIfPossible(InValue));
	}
	FORCEINLINE ValueType& Add(KeyType&& InKey, const ValueType& InValue)
	{
		return Emplace(MoveTempIfPossible(InKey), InValue);
	}
	FORCEINLINE ValueType& Add(KeyType&& InKey, ValueType&& InValue)
	{
		return Emplace(MoveTempIfPossible(InKey), MoveTempIfPossible(InValue));
	}
	FORCEINLINE ValueType& Add(const KeyType& InKey)
	{
		return Emplace(InKey);
	}
	FORCEINLINE ValueType& Add(KeyType&& InKey)
	{
		return Emplace(MoveTempIfPossible(InKey));
	}
	FORCEINLINE ValueType& Add(const TTuple<KeyType, ValueType>& InKeyValue)
	{
		return Emplace(InKeyValue.Key, InKeyValue.Value);
	}
	FORCEINLINE ValueType& Add(TTuple<KeyType, ValueType>&& InKeyValue)
	{
		return Emplace(MoveTempIfPossible(InKeyValue.Key), MoveTempIfPossible(InKeyValue.Value));
	}

	/** Adds the pair; for a unique-key map an existing pair with this key is replaced in place. */
	template <typename InitKeyType, typename InitValueType>
	ValueType& Emplace(InitKeyType&& InKey, InitValueType&& InValue)
	{
		const FSetElementId Id = Pairs.Emplace(ElementType(Forward<InitKeyType>(InKey), Forward<InitValueType>(InValue)));
		return Pairs[Id].Value;
	}
	template <typename InitKeyType>
	ValueType& Emplace(InitKeyType&& InKey)
	{
		const FSetElementId Id = Pairs.Emplace(ElementType(Forward<InitKeyType>(InKey), ValueType()));
		return Pairs[Id].Value;
	}

	int32 Remove(KeyConstPointerType InKey)
	{
		return Pairs.Remove(InKey);
	}

	const KeyType* FindKey(ValueInitType Value) const
	{
		for (const ElementType& Pair : Pairs)
		{
			if (Pair.Value == Value)
			{
				return &Pair.Key;
			}
		}
		return nullptr;
	}

	FORCEINLINE ValueType* Find(KeyConstPointerType Key)
	{
		ElementType* Pair = Pairs.Find(Key);
		return Pair ? &Pair->Value : nullptr;
	}
	FORCEINLINE const ValueType* Find(KeyConstPointerType Key) const
	{
		return const_cast<TMapBase*>(this)->Find(Key);
	}

	template <typename ComparableKey>
	ValueType* FindByHash(uint32 KeyHash, const ComparableKey& Key)
	{
		ElementType* Pair = Pairs.FindByHash(KeyHash, Key);
		return Pair ? &Pair->Value : nullptr;
	}
	template <typename ComparableKey>
	const ValueType* FindByHash(uint32 KeyHash, const ComparableKey& Key) const
	{
		return const_cast<TMapBase*>(this)->FindByHash(KeyHash, Key);
	}

	ValueType& FindOrAdd(const KeyType& Key)
	{
		return FindOrAddImpl(Key, []
							 { return ValueType(); });
	}
	ValueType& FindOrAdd(KeyType&& Key)
	{
		return FindOrAddImpl(MoveTemp(Key), []
							 { return ValueType(); });
	}
	ValueType& FindOrAdd(const KeyType& Key, const ValueType& Value)
	{
		return FindOrAddImpl(Key, [&Value]
							 { return Value; });
	}
	ValueType& FindOrAdd(const KeyType& Key, ValueType&& Value)
	{
		return FindOrAddImpl(Key, [&Value]
							 { return MoveTemp(Value); });
	}
	ValueType& FindOrAdd(KeyType&& Key, const ValueType& Value)
	{
		return FindOrAddImpl(MoveTemp(Key), [&Value]
							 { return Value; });
	}
	ValueType& FindOrAdd(KeyType&& Key, ValueType&& Value)
	{
		return FindOrAddImpl(MoveTemp(Key), [&Value]
							 { return MoveTemp(Value); });
	}

	/** The value for Key, or a default-constructed value when there is none. */
	FORCEINLINE ValueType FindRef(KeyConstPointerType Key) const
	{
		const ValueType* Value = Find(Key);
		return Value ? *Value : ValueType();
	}
	FORCEINLINE ValueType FindRef(KeyConstPointerType Key, ValueType DefaultValue) const
	{
		const ValueType* Value = Find(Key);
		return Value ? *Value : DefaultValue;
	}

	FORCEINLINE bool Contains(KeyConstPointerType Key) const
	{
		return Pairs.Contains(Key);
	}

	template <typename ComparableKey>
	bool ContainsByHash(uint32 KeyHash, const ComparableKey& Key) const
	{
		return Pairs.ContainsByHash(KeyHash, Key);
	}

	template <typename Allocator>
	int32 GetKeys(TArray<KeyType, Allocator>& OutKeys) const
	{
		OutKeys.Reset();
		TSet<KeyType> VisitedKeys;
		for (const ElementType& Pair : Pairs)
		{
			if (!VisitedKeys.Contains(Pair.Key))
			{
				OutKeys.Add(Pair.Key);
				VisitedKeys.Add(Pair.Key);
			}
		}
		return OutKeys.Num();
	}
	template <typename InKeyFuncs, typename Allocator>
	int32 GetKeys(TSet<KeyType, InKeyFuncs, Allocator>& OutKeys) const
	{
		OutKeys.Reset();
		for (const ElementType& Pair : Pairs)
		{
			OutKeys.Add(Pair.Key);
		}
		return OutKeys.Num();
	}

	template <typename Allocator>
	void GenerateKeyArray(TArray<KeyType, Allocator>& OutArray) const
	{
		OutArray.Empty(Pairs.Num());
		for (const ElementType& Pair : Pairs)
		{
			OutArray.Add(Pair.Key);
		}
	}
	template <typename Allocator>
	void GenerateValueArray(TArray<ValueType, Allocator>& OutArray) const
	{
		OutArray.Empty(Pairs.Num());
		for (const ElementType& Pair : Pairs)
		{
			OutArray.Add(Pair.Value);
		}
	}

	TArray<ElementType> Array() const
	{
		return Pairs.Array();
	}

	template <typename PredicateType>
	TMap<KeyType, ValueType> FilterByPredicate(PredicateType Predicate) const
	{
		TMap<KeyType, ValueType> Result;
		for (const ElementType& Pair : Pairs)
		{
			if (Predicate(Pair))
			{
				Result.Add(Pair.Key, Pair.Value);
			}
		}
		return Result;
	}

	bool OrderIndependentCompareEqual(const TMapBase& Other) const
	{
		if (Num() != Other.Num())
		{
			return false;
		}
		for (const ElementType& Pair : Pairs)
		{
			const ValueType* OtherValue = Other.Find(Pair.Key);
			if (!OtherValue || !(*OtherValue == Pair.Value))
			{
				return false;
			}
		}
		return true;
	}

	/** Map iterators: Key(), Value(), and for the mutable one RemoveCurrent(). */
	template <bool bConst>
	class TBaseIterator
	{
	public:
		typedef std::conditional_t<bConst, typename ElementSetType::TConstIterator, typename ElementSetType::TIterator> PairItType;
		typedef std::conditional_t<bConst, const ElementType, ElementType> ItElementType;
		typedef std::conditional_t<bConst, const ValueType, ValueType> ItValueType;

		explicit TBaseIterator(const PairItType& InElementIt)
			: PairIt(InElementIt)
		{
		}
		TBaseIterator& operator++()
		{
			++PairIt;
			return *this;
		}
		explicit operator bool() const
		{
			return !!PairIt;
		}
		bool operator!() const
		{
			return !PairIt;
		}
		const KeyType& Key() const
		{
			return PairIt->Key;
		}
		ItValueType& Value() const
		{
			return PairIt->Value;
		}
		ItElementType& operator*() const
		{
			return *PairIt;
		}
		ItElementType* operator->() const
		{
			return &*PairIt;
		}
		FSetElementId GetId() const
		{
			return PairIt.GetId();
		}
		bool operator==(const TBaseIterator& Rhs) const
		{
			return PairIt == Rhs.PairIt;
		}
		bool operator!=(const TBaseIterator& Rhs) const
		{
			return PairIt != Rhs.PairIt;
		}

	protected:
		PairItType PairIt;
	};

	class TConstIterator : public TBaseIterator<true>
	{
	public:
		explicit TConstIterator(const TMapBase& InMap)
			: TBaseIterator<true>(InMap.Pairs.CreateConstIterator())
		{
		}
	};

	class TIterator : public TBaseIterator<false>
	{
	public:
		explicit TIterator(TMapBase& InMap)
			: TBaseIterator<false>(InMap.Pairs.CreateIterator())
		{
		}
		void RemoveCurrent()
		{
			this->PairIt.RemoveCurrent();
		}
	};

	TIterator CreateIterator()
	{
		return TIterator(*this);
	}
	TConstIterator CreateConstIterator() const
	{
		return TConstIterator(*this);
	}

	auto begin()
	{
		return Pairs.begin();
	}
	auto end()
	{
		return Pairs.end();
	}
	auto begin() const
	{
		return Pairs.begin();
	}
	auto end() const
	{
		return Pairs.end();
	}

protected:
	template <typename InitKeyType, typename MakeValueType>
	ValueType& FindOrAddImpl(InitKeyType&& Key, const MakeValueType& MakeValue)
	{
		if (ElementType* Pair = Pairs.Find(Key))
		{
			return Pair->Value;
		}
		const FSetElementId Id = Pairs.Emplace(ElementType(Forward<InitKeyType>(Key), MakeValue()));
		return Pairs[Id].Value;
	}

	ElementSetType Pairs;
};

/** Adds sorting by key or by value; sorting re-lays the pairs out in the new order. */
template <typename KeyType, typename ValueType, typename SetAllocator, typename KeyFuncs>
class TSortableMapBase : public TMapBase<KeyType, ValueType, SetAllocator, KeyFuncs>
{
	typedef TMapBase<KeyType, ValueType, SetAllocator, KeyFuncs> Super;

public:
	template <typename PredicateType>
	void KeySort(const PredicateType& Predicate)
	{
		this->Pairs.Sort([&Predicate](const typename Super::ElementType& A, const typename Super::ElementType& B)
						 { return Predicate(A.Key, B.Key); });
	}
	template <typename PredicateType>
	void ValueSort(const PredicateType& Predicate)
	{
		this->Pairs.Sort([&Predicate](const typename Super::ElementType& A, const typename Super::ElementType& B)
						 { return Predicate(A.Value, B.Value); });
	}
	template <typename PredicateType>
	void KeyStableSort(const PredicateType& Predicate)
	{
		this->Pairs.StableSort([&Predicate](const typename Super::ElementType& A, const typename Super::ElementType& B)
							   { return Predicate(A.Key, B.Key); });
	}
	template <typename PredicateType>
	void ValueStableSort(const PredicateType& Predicate)
	{
		this->Pairs.StableSort([&Predicate](const typename Super::ElementType& A, const typename Super::ElementType& B)
							   { return Predicate(A.Value, B.Value); });
	}
};

/** A map with unique keys. */
template <typename InKeyType, typename InValueType, typename SetAllocator, typename KeyFuncs>
class TMap : public TSortableMapBase<InKeyType, InValueType, SetAllocator, KeyFuncs>
{
	typedef TSortableMapBase<InKeyType, InValueType, SetAllocator, KeyFuncs> Super;
	static_assert(!KeyFuncs::bAllowDuplicateKeys, "TMap cannot be instantiated with key functions that allow duplicate keys");

public:
	typedef InKeyType KeyType;
	typedef InValueType ValueType;
	typedef typename Super::KeyConstPointerType KeyConstPointerType;
	typedef typename Super::KeyInitType KeyInitType;
	typedef typename Super::ElementType ElementType;

	TMap() = default;
	TMap(const TMap&) = default;
	TMap(TMap&&) = default;
	TMap& operator=(const TMap&) = default;
	TMap& operator=(TMap&&) = default;

	TMap(std::initializer_list<TPair<KeyType, ValueType>> InitList)
	{
		this->Reserve(static_cast<int32>(InitList.size()));
		for (const TPair<KeyType, ValueType>& Pair : InitList)
		{
			this->Add(Pair.Key, Pair.Value);
		}
	}

	template <typename OtherSetAllocator>
	TMap(const TMap<KeyType, ValueType, OtherSetAllocator, KeyFuncs>& Other)
	{
		this->Reserve(Other.Num());
		for (const ElementType& Pair : Other)
		{
			this->Add(Pair.Key, Pair.Value);
		}
	}

	bool RemoveAndCopyValue(KeyInitType Key, ValueType& OutRemovedValue)
	{
		ValueType* Value = this->Find(Key);
		if (!Value)
		{
			return false;
		}
		OutRemovedValue = MoveTemp(*Value);
		this->Pairs.Remove(Key);
		return true;
	}

	ValueType FindAndRemoveChecked(KeyConstPointerType Key)
	{
		ValueType* Value = this->Find(Key);
		checkf(Value != nullptr, TEXT("FindAndRemoveChecked: key not found"));
		ValueType Result = MoveTemp(*Value);
		this->Pairs.Remove(Key);
		return Result;
	}

	template <typename OtherSetAllocator>
	void Append(TMap<KeyType, ValueType, OtherSetAllocator, KeyFuncs>&& OtherMap)
	{
		this->Reserve(this->Num() + OtherMap.Num());
		for (ElementType& Pair : OtherMap)
		{
			this->Add(MoveTemp(Pair.Key), MoveTemp(Pair.Value));
		}
		OtherMap.Reset();
	}
	template <typename OtherSetAllocator>
	void Append(const TMap<KeyType, ValueType, OtherSetAllocator, KeyFuncs>& OtherMap)
	{
		this->Reserve(this->Num() + OtherMap.Num());
		for (const ElementType& Pair : OtherMap)
		{
			this->Add(Pair.Key, Pair.Value);
		}
	}

	ValueType& FindChecked(KeyConstPointerType Key)
	{
		ValueType* Value = this->Find(Key);
		checkf(Value != nullptr, TEXT("FindChecked: key not found in the map"));
		return *Value;
	}
	const ValueType& FindChecked(KeyConstPointerType Key) const
	{
		const ValueType* Value = this->Find(Key);
		checkf(Value != nullptr, TEXT("FindChecked: key not found in the map"));
		return *Value;
	}

	FORCEINLINE ValueType& operator[](KeyConstPointerType Key)
	{
		return FindChecked(Key);
	}
	FORCEINLINE const ValueType& operator[](KeyConstPointerType Key) const
	{
		return FindChecked(Key);
	}
};

/** A map in which a key may appear several times. */
template <typename KeyType, typename ValueType, typename SetAllocator, typename KeyFuncs>
class TMultiMap : public TSortableMapBase<KeyType, ValueType, SetAllocator, KeyFuncs>
{
	typedef TSortableMapBase<KeyType, ValueType, SetAllocator, KeyFuncs> Super;
	static_assert(KeyFuncs::bAllowDuplicateKeys, "TMultiMap cannot be instantiated with key functions that disallow duplicate keys");

public:
	typedef typename Super::KeyConstPointerType KeyConstPointerType;
	typedef typename Super::KeyInitType KeyInitType;
	typedef typename Super::ValueInitType ValueInitType;
	typedef typename Super::ElementType ElementType;

	TMultiMap() = default;

	template <typename Allocator>
	void MultiFind(KeyInitType Key, TArray<ValueType, Allocator>& OutValues, bool bMaintainOrder = false) const
	{
		for (const ElementType& Pair : this->Pairs)
		{
			if (Pair.Key == Key)
			{
				OutValues.Add(Pair.Value);
			}
		}
	}

	template <typename Allocator>
	void MultiFindPointer(KeyInitType Key, TArray<const ValueType*, Allocator>& OutValues, bool bMaintainOrder = false) const
	{
		for (const ElementType& Pair : this->Pairs)
		{
			if (Pair.Key == Key)
			{
				OutValues.Add(&Pair.Value);
			}
		}
	}

	ValueType& AddUnique(const KeyType& InKey, const ValueType& InValue)
	{
		if (ValueType* Found = FindPair(InKey, InValue))
		{
			return *Found;
		}
		return this->Add(InKey, InValue);
	}

	int32 Remove(KeyConstPointerType InKey)
	{
		return Super::Remove(InKey);
	}

	int32 Remove(KeyInitType InKey, ValueInitType InValue)
	{
		int32 NumRemoved = 0;
		for (typename Super::TIterator It = this->CreateIterator(); It; ++It)
		{
			if (It.Key() == InKey && It.Value() == InValue)
			{
				It.RemoveCurrent();
				++NumRemoved;
			}
		}
		return NumRemoved;
	}

	int32 RemoveSingle(KeyInitType InKey, ValueInitType InValue)
	{
		for (typename Super::TIterator It = this->CreateIterator(); It; ++It)
		{
			if (It.Key() == InKey && It.Value() == InValue)
			{
				It.RemoveCurrent();
				return 1;
			}
		}
		return 0;
	}

	ValueType* FindPair(KeyInitType Key, ValueInitType Value)
	{
		for (ElementType& Pair : this->Pairs)
		{
			if (Pair.Key == Key && Pair.Value == Value)
			{
				return &Pair.Value;
			}
		}
		return nullptr;
	}

	int32 Num(KeyInitType Key) const
	{
		int32 Count = 0;
		for (const ElementType& Pair : this->Pairs)
		{
			if (Pair.Key == Key)
			{
				++Count;
			}
		}
		return Count;
	}

	FORCEINLINE int32 Num() const
	{
		return Super::Num();
	}
};

template <typename KeyType, typename ValueType, typename SetAllocator, typename KeyFuncs>
uint32 GetTypeHash(const TMap<KeyType, ValueType, SetAllocator, KeyFuncs>& Map)
{
	uint32 Hash = 0;
	for (const auto& Pair : Map)
	{
		Hash += HashCombine(GetTypeHash(Pair.Key), GetTypeHash(Pair.Value));
	}
	return Hash;
}
