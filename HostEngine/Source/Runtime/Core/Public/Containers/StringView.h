#pragma once

#include "CoreTypes.h"
#include "Containers/StringFwd.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CString.h"
#include "Templates/TypeHash.h"
#include <type_traits>

namespace UE::Core::Private
{
	// Outside the class so the call finds the range's free GetData/GetNum by argument lookup.
	template <typename RangeType>
	auto RangeData(const RangeType& Range) -> decltype(GetData(Range))
	{
		return GetData(Range);
	}
	template <typename RangeType>
	auto RangeNum(const RangeType& Range) -> decltype(GetNum(Range))
	{
		return GetNum(Range);
	}
} // namespace UE::Core::Private

/** A non-owning view of characters; need not be null-terminated. */
template <typename CharType>
class TStringView
{
public:
	using ElementType = CharType;
	using ViewType = TStringView<CharType>;

	constexpr TStringView() = default;

	TStringView(const CharType* InData)
		: DataPtr(InData), Size(InData ? TCString<CharType>::Strlen(InData) : 0)
	{
	}

	constexpr TStringView(const CharType* InData, int32 InSize)
		: DataPtr(InData), Size(InSize)
	{
	}

	/** Any contiguous character range with free GetData()/GetNum(): FString, string builders. */
	template <typename RangeType,
			  typename = std::enable_if_t<!std::is_pointer_v<std::decay_t<RangeType>> && !std::is_array_v<std::remove_reference_t<RangeType>> && !std::is_same_v<std::decay_t<RangeType>, TStringView> && std::is_same_v<std::remove_cv_t<std::remove_pointer_t<decltype(UE::Core::Private::RangeData(std::declval<const RangeType&>()))>>, CharType>>>
	TStringView(const RangeType& Range)
		: DataPtr(UE::Core::Private::RangeData(Range)), Size(static_cast<int32>(UE::Core::Private::RangeNum(Range)))
	{
	}

	const CharType& operator[](int32 Index) const
	{
		checkf(Index >= 0 && Index < Size, TEXT("Index out of bounds on a string view: %d into %d"), Index, Size);
		return DataPtr[Index];
	}

	constexpr const CharType* GetData() const
	{
		return DataPtr;
	}
	constexpr int32 Len() const
	{
		return Size;
	}
	constexpr bool IsEmpty() const
	{
		return Size == 0;
	}

	void RemovePrefix(int32 CharCount)
	{
		DataPtr += CharCount;
		Size -= CharCount;
	}
	void RemoveSuffix(int32 CharCount)
	{
		Size -= CharCount;
	}
	void Reset()
	{
		DataPtr = nullptr;
		Size = 0;
	}

	ViewType Left(int32 CharCount) const
	{
		return ViewType(DataPtr, Clamp(CharCount));
	}
	ViewType LeftChop(int32 CharCount) const
	{
		return ViewType(DataPtr, Size - Clamp(CharCount));
	}
	ViewType Right(int32 CharCount) const
	{
		const int32 Count = Clamp(CharCount);
		return ViewType(DataPtr + Size - Count, Count);
	}
	ViewType RightChop(int32 CharCount) const
	{
		const int32 Count = Clamp(CharCount);
		return ViewType(DataPtr + Count, Size - Count);
	}
	ViewType Mid(int32 Position, int32 CharCount = 0x7fffffff) const
	{
		const int32 Start = Clamp(Position);
		const int32 Available = Size - Start;
		return ViewType(DataPtr + Start, CharCount < 0 ? 0 : (CharCount > Available ? Available : CharCount));
	}
	ViewType TrimStart() const
	{
		int32 Start = 0;
		while (Start < Size && TChar<CharType>::IsWhitespace(DataPtr[Start]))
		{
			++Start;
		}
		return ViewType(DataPtr + Start, Size - Start);
	}
	ViewType TrimEnd() const
	{
		int32 NewSize = Size;
		while (NewSize > 0 && TChar<CharType>::IsWhitespace(DataPtr[NewSize - 1]))
		{
			--NewSize;
		}
		return ViewType(DataPtr, NewSize);
	}
	ViewType TrimStartAndEnd() const
	{
		return TrimStart().TrimEnd();
	}

	void LeftInline(int32 CharCount)
	{
		*this = Left(CharCount);
	}
	void LeftChopInline(int32 CharCount)
	{
		*this = LeftChop(CharCount);
	}
	void RightInline(int32 CharCount)
	{
		*this = Right(CharCount);
	}
	void RightChopInline(int32 CharCount)
	{
		*this = RightChop(CharCount);
	}
	void MidInline(int32 Position, int32 CharCount = 0x7fffffff)
	{
		*this = Mid(Position, CharCount);
	}

	int32 Compare(ViewType Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const
	{
		const int32 Common = Size < Other.Size ? Size : Other.Size;
		const int32 Result = Common == 0 ? 0
										 : (SearchCase == ESearchCase::CaseSensitive ? TCString<CharType>::Strncmp(DataPtr, Other.DataPtr, Common) : TCString<CharType>::Strnicmp(DataPtr, Other.DataPtr, Common));
		if (Result != 0)
		{
			return Result;
		}
		return Size < Other.Size ? -1 : (Size > Other.Size ? 1 : 0);
	}

	bool Equals(ViewType Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const
	{
		return Size == Other.Size && Compare(Other, SearchCase) == 0;
	}

	bool StartsWith(ViewType Prefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		return Prefix.Size <= Size && Left(Prefix.Size).Equals(Prefix, SearchCase);
	}
	bool StartsWith(CharType Prefix) const
	{
		return Size >= 1 && DataPtr[0] == Prefix;
	}
	bool EndsWith(ViewType Suffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		return Suffix.Size <= Size && Right(Suffix.Size).Equals(Suffix, SearchCase);
	}
	bool EndsWith(CharType Suffix) const
	{
		return Size >= 1 && DataPtr[Size - 1] == Suffix;
	}

	int32 Find(ViewType Search, int32 StartPosition = 0, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		if (StartPosition < 0)
		{
			StartPosition = 0;
		}
		for (int32 Index = StartPosition; Index + Search.Size <= Size; ++Index)
		{
			if (ViewType(DataPtr + Index, Search.Size).Equals(Search, SearchCase))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	bool Contains(ViewType Search, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		return Find(Search, 0, SearchCase) != INDEX_NONE;
	}
	bool FindChar(CharType Search, int32& OutIndex) const
	{
		for (int32 Index = 0; Index < Size; ++Index)
		{
			if (DataPtr[Index] == Search)
			{
				OutIndex = Index;
				return true;
			}
		}
		OutIndex = INDEX_NONE;
		return false;
	}
	bool FindLastChar(CharType Search, int32& OutIndex) const
	{
		for (int32 Index = Size - 1; Index >= 0; --Index)
		{
			if (DataPtr[Index] == Search)
			{
				OutIndex = Index;
				return true;
			}
		}
		OutIndex = INDEX_NONE;
		return false;
	}

	constexpr const CharType* begin() const
	{
		return DataPtr;
	}
	constexpr const CharType* end() const
	{
		return DataPtr + Size;
	}

	/** Views compare without regard to case, like strings. */
	friend bool operator==(ViewType Lhs, ViewType Rhs)
	{
		return Lhs.Equals(Rhs, ESearchCase::IgnoreCase);
	}
	friend bool operator!=(ViewType Lhs, ViewType Rhs)
	{
		return !(Lhs == Rhs);
	}
	friend bool operator==(ViewType Lhs, const CharType* Rhs)
	{
		return Lhs.Equals(ViewType(Rhs), ESearchCase::IgnoreCase);
	}
	friend bool operator!=(ViewType Lhs, const CharType* Rhs)
	{
		return !(Lhs == Rhs);
	}
	friend bool operator<(ViewType Lhs, ViewType Rhs)
	{
		return Lhs.Compare(Rhs, ESearchCase::IgnoreCase) < 0;
	}

private:
	int32 Clamp(int32 CharCount) const
	{
		return CharCount < 0 ? 0 : (CharCount > Size ? Size : CharCount);
	}

	const CharType* DataPtr = nullptr;
	int32 Size = 0;
};

template <typename CharType>
uint32 GetTypeHash(TStringView<CharType> View)
{
	// Must agree with GetTypeHash(const FString&) so views can look up string keys.
	uint32 Hash = 2166136261u;
	for (CharType Char : View)
	{
		Hash = (Hash ^ static_cast<uint32>(TChar<CharType>::ToLower(Char))) * 16777619u;
	}
	return Hash;
}

template <typename CharType>
inline TStringView<CharType> MakeStringView(const CharType* InData)
{
	return TStringView<CharType>(InData);
}
template <typename CharType>
inline TStringView<CharType> MakeStringView(const CharType* InData, int32 InSize)
{
	return TStringView<CharType>(InData, InSize);
}

#define TEXTVIEW(str) FStringView(TEXT(str), static_cast<int32>(UE_ARRAY_COUNT(TEXT(str)) - 1))
#define ANSITEXTVIEW(str) FAnsiStringView(str, static_cast<int32>(UE_ARRAY_COUNT(str) - 1))
