#pragma once

#include "CoreTypes.h"
#include "Containers/ContainersFwd.h"
#include "Misc/AssertionMacros.h"
#include <initializer_list>
#include <type_traits>

/** A non-owning view of contiguous elements. */
template <typename InElementType, typename InSizeType>
class TArrayView
{
public:
	typedef InElementType ElementType;
	typedef InSizeType SizeType;

	TArrayView()
		: DataPtr(nullptr), ArrayNum(0)
	{
	}

	template <typename OtherElementType, typename = std::enable_if_t<std::is_convertible_v<OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(OtherElementType* InData, SizeType InCount)
		: DataPtr(InData), ArrayNum(InCount)
	{
		check(ArrayNum >= 0);
	}

	template <typename OtherElementType, typename OtherAllocator,
			  typename = std::enable_if_t<std::is_convertible_v<OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(TArray<OtherElementType, OtherAllocator>& Other)
		: DataPtr(Other.GetData()), ArrayNum(Other.Num())
	{
	}

	template <typename OtherElementType, typename OtherAllocator,
			  typename = std::enable_if_t<std::is_convertible_v<const OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(const TArray<OtherElementType, OtherAllocator>& Other)
		: DataPtr(Other.GetData()), ArrayNum(Other.Num())
	{
	}

	template <typename OtherElementType, typename = std::enable_if_t<std::is_convertible_v<OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(const TArrayView<OtherElementType, SizeType>& Other)
		: DataPtr(Other.GetData()), ArrayNum(Other.Num())
	{
	}

	template <SIZE_T N>
	TArrayView(ElementType (&Array)[N])
		: DataPtr(Array), ArrayNum(static_cast<SizeType>(N))
	{
	}

	/** Only valid while the list lives, i.e. as a function argument. */
	TArrayView(std::initializer_list<std::remove_const_t<ElementType>> List)
		: DataPtr(List.begin()), ArrayNum(static_cast<SizeType>(List.size()))
	{
		static_assert(std::is_const_v<ElementType>, "Only views of const elements can be made from an initializer list");
	}

	ElementType* GetData() const
	{
		return DataPtr;
	}
	SizeType Num() const
	{
		return ArrayNum;
	}
	bool IsEmpty() const
	{
		return ArrayNum == 0;
	}
	bool IsValidIndex(SizeType Index) const
	{
		return Index >= 0 && Index < ArrayNum;
	}

	ElementType& operator[](SizeType Index) const
	{
		checkf(IsValidIndex(Index), TEXT("Array view index out of bounds: %d into a view of size %d"), (int32)Index, (int32)ArrayNum);
		return DataPtr[Index];
	}

	ElementType& Last(SizeType IndexFromTheEnd = 0) const
	{
		return (*this)[ArrayNum - IndexFromTheEnd - 1];
	}

	TArrayView Slice(SizeType Index, SizeType InNum) const
	{
		check(InNum >= 0 && Index >= 0 && Index + InNum <= ArrayNum);
		return TArrayView(DataPtr + Index, InNum);
	}
	TArrayView Left(SizeType Count) const
	{
		return TArrayView(DataPtr, Count < 0 ? 0 : (Count > ArrayNum ? ArrayNum : Count));
	}
	TArrayView RightChop(SizeType Count) const
	{
		const SizeType Clamped = Count < 0 ? 0 : (Count > ArrayNum ? ArrayNum : Count);
		return TArrayView(DataPtr + Clamped, ArrayNum - Clamped);
	}

	template <typename KeyType>
	SizeType Find(const KeyType& Item) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (DataPtr[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	template <typename KeyType>
	bool Contains(const KeyType& Item) const
	{
		return Find(Item) != INDEX_NONE;
	}
	template <typename PredicateType>
	ElementType* FindByPredicate(PredicateType Predicate) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Predicate(DataPtr[Index]))
			{
				return DataPtr + Index;
			}
		}
		return nullptr;
	}
	template <typename PredicateType>
	bool ContainsByPredicate(PredicateType Predicate) const
	{
		return FindByPredicate(Predicate) != nullptr;
	}

	ElementType* begin() const
	{
		return DataPtr;
	}
	ElementType* end() const
	{
		return DataPtr + ArrayNum;
	}

private:
	ElementType* DataPtr;
	SizeType ArrayNum;
};

template <typename ElementType, typename AllocatorType>
TArrayView<ElementType> MakeArrayView(TArray<ElementType, AllocatorType>& Other)
{
	return TArrayView<ElementType>(Other);
}
template <typename ElementType, typename AllocatorType>
TArrayView<const ElementType> MakeArrayView(const TArray<ElementType, AllocatorType>& Other)
{
	return TArrayView<const ElementType>(Other);
}
template <typename ElementType>
TArrayView<ElementType> MakeArrayView(ElementType* Pointer, int32 Size)
{
	return TArrayView<ElementType>(Pointer, Size);
}
template <typename ElementType>
TArrayView<const ElementType> MakeArrayView(std::initializer_list<ElementType> List)
{
	return TArrayView<const ElementType>(List.begin(), static_cast<int32>(List.size()));
}
template <typename ElementType, SIZE_T N>
TArrayView<ElementType> MakeArrayView(ElementType (&Array)[N])
{
	return TArrayView<ElementType>(Array);
}
