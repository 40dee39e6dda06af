#pragma once

#include "CoreTypes.h"
#include "Containers/StringFwd.h"
#include "Containers/StringView.h"
#include "Containers/UnrealString.h"
#include "HAL/UnrealMemory.h"
#include "Misc/AssertionMacros.h"
#include "Misc/HostFormatArgs.h"
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

/**
 * Appends text into a buffer that starts inline (in the derived TStringBuilderWithBuffer) and
 * moves to the heap only when it outgrows it. Always null-terminated.
 */
template <typename CharType>
class TStringBuilderBase
{
public:
	using ElementType = CharType;
	using BuilderType = TStringBuilderBase<CharType>;
	using ViewType = TStringView<CharType>;

	TStringBuilderBase(const TStringBuilderBase&) = delete;
	TStringBuilderBase& operator=(const TStringBuilderBase&) = delete;

	~TStringBuilderBase()
	{
		if (bIsHeap)
		{
			FMemory::Free(Base);
		}
	}

	int32 Len() const
	{
		return Length;
	}
	bool IsEmpty() const
	{
		return Length == 0;
	}
	CharType* GetData()
	{
		return Base;
	}
	const CharType* GetData() const
	{
		return Base;
	}
	const CharType* ToString() const
	{
		return Base;
	}
	const CharType* operator*() const
	{
		return Base;
	}
	ViewType ToView() const
	{
		return ViewType(Base, Length);
	}
	CharType LastChar() const
	{
		return Length > 0 ? Base[Length - 1] : CharType(0);
	}
	int32 GetAllocatedSize() const
	{
		return bIsHeap ? Capacity * static_cast<int32>(sizeof(CharType)) : 0;
	}

	void Reset()
	{
		Length = 0;
		Base[0] = 0;
	}
	void Reserve(int32 InNewCapacity)
	{
		if (InNewCapacity + 1 > Capacity)
		{
			Grow(InNewCapacity + 1);
		}
	}
	void RemoveSuffix(int32 InNumChars)
	{
		checkf(InNumChars >= 0 && InNumChars <= Length, TEXT("Removing %d characters from a builder of %d"), InNumChars, Length);
		Length -= InNumChars;
		Base[Length] = 0;
	}

	BuilderType& AppendChar(CharType Char)
	{
		EnsureAdditional(1);
		Base[Length++] = Char;
		Base[Length] = 0;
		return *this;
	}

	BuilderType& Append(const CharType* String, int32 Count)
	{
		if (Count > 0)
		{
			EnsureAdditional(Count);
			std::memmove(Base + Length, String, Count * sizeof(CharType));
			Length += Count;
			Base[Length] = 0;
		}
		return *this;
	}
	BuilderType& Append(const CharType* String)
	{
		return Append(String, TCString<CharType>::Strlen(String));
	}
	BuilderType& Append(ViewType View)
	{
		return Append(View.GetData(), View.Len());
	}
	template <typename OtherCharType, typename = std::enable_if_t<!std::is_same_v<OtherCharType, CharType>>>
	BuilderType& Append(const OtherCharType* String)
	{
		const auto Converted = UE::Core::Private::Convert<CharType>(String, TCString<OtherCharType>::Strlen(String), std::is_same_v<CharType, ANSICHAR>);
		return Append(Converted.c_str(), static_cast<int32>(Converted.size()));
	}
	template <typename OtherCharType, typename = std::enable_if_t<!std::is_same_v<OtherCharType, CharType>>>
	BuilderType& Append(TStringView<OtherCharType> View)
	{
		const auto Converted = UE::Core::Private::Convert<CharType>(View.GetData(), View.Len(), std::is_same_v<CharType, ANSICHAR>);
		return Append(Converted.c_str(), static_cast<int32>(Converted.size()));
	}

	BuilderType& operator+=(CharType Char)
	{
		return AppendChar(Char);
	}
	BuilderType& operator+=(const CharType* String)
	{
		return Append(String);
	}
	BuilderType& operator+=(ViewType View)
	{
		return Append(View);
	}

	BuilderType& operator<<(CharType Char)
	{
		return AppendChar(Char);
	}
	BuilderType& operator<<(const CharType* String)
	{
		return Append(String);
	}
	BuilderType& operator<<(ViewType View)
	{
		return Append(View);
	}
	BuilderType& operator<<(const FString& String)
	{
		if constexpr (std::is_same_v<CharType, TCHAR>)
		{
			return Append(*String, String.Len());
		}
		else
		{
			return Append(FStringView(String));
		}
	}
	template <typename IntType, typename = std::enable_if_t<std::is_arithmetic_v<IntType> && !std::is_same_v<IntType, CharType> && !std::is_same_v<IntType, bool>>>
	BuilderType& operator<<(IntType Value)
	{
		if constexpr (std::is_floating_point_v<IntType>)
		{
			return Append(*FString::SanitizeFloat(Value, 0));
		}
		else
		{
			const FString Text = LexToString(Value);
			return *this << FStringView(Text);
		}
	}

	template <typename FmtType, typename... Types>
	BuilderType& Appendf(const FmtType& Fmt, Types... Args)
	{
		static_assert(std::is_convertible_v<const FmtType&, const TCHAR*>, "Formatting string must be a TCHAR array.");
		std::u16string Formatted;
		UE::Core::HostFormat::AppendTo(Formatted, static_cast<const TCHAR*>(Fmt), Args...);
		return Append(TStringView<TCHAR>(Formatted.data(), static_cast<int32>(Formatted.size())));
	}

	template <typename RangeType, typename SeparatorType>
	BuilderType& Join(const RangeType& Range, const SeparatorType& Separator)
	{
		bool bFirst = true;
		for (const auto& Element : Range)
		{
			if (!bFirst)
			{
				*this << Separator;
			}
			bFirst = false;
			*this << Element;
		}
		return *this;
	}

protected:
	TStringBuilderBase(CharType* InitialBuffer, int32 InitialCapacity)
		: Base(InitialBuffer), Capacity(InitialCapacity)
	{
		Base[0] = 0;
	}

private:
	void EnsureAdditional(int32 Count)
	{
		if (Length + Count + 1 > Capacity)
		{
			Grow(Length + Count + 1);
		}
	}

	void Grow(int32 MinCapacity)
	{
		int32 NewCapacity = Capacity * 2;
		if (NewCapacity < MinCapacity)
		{
			NewCapacity = MinCapacity;
		}
		CharType* NewBase = static_cast<CharType*>(FMemory::Malloc(NewCapacity * sizeof(CharType)));
		std::memcpy(NewBase, Base, (Length + 1) * sizeof(CharType));
		if (bIsHeap)
		{
			FMemory::Free(Base);
		}
		Base = NewBase;
		Capacity = NewCapacity;
		bIsHeap = true;
	}

	CharType* Base;
	int32 Length = 0;
	int32 Capacity;
	bool bIsHeap = false;
};

template <typename CharType, int32 BufferSize>
class TStringBuilderWithBuffer : public TStringBuilderBase<CharType>
{
public:
	TStringBuilderWithBuffer()
		: TStringBuilderBase<CharType>(StringBuffer, BufferSize)
	{
	}

	template <typename... ArgTypes>
	explicit TStringBuilderWithBuffer(EInPlace, ArgTypes&&... Args)
		: TStringBuilderBase<CharType>(StringBuffer, BufferSize)
	{
		(*this << ... << Forward<ArgTypes>(Args));
	}

private:
	CharType StringBuffer[BufferSize];
};

template <typename CharType>
FORCEINLINE const CharType* GetData(const TStringBuilderBase<CharType>& Builder)
{
	return Builder.GetData();
}
template <typename CharType>
FORCEINLINE int32 GetNum(const TStringBuilderBase<CharType>& Builder)
{
	return Builder.Len();
}

template <typename CharType>
inline uint32 GetTypeHash(const TStringBuilderBase<CharType>& Builder)
{
	return GetTypeHash(Builder.ToView());
}

/** WriteToString<64>(A, B, C): a builder holding the concatenation, for one expression. */
template <int32 BufferSize, typename... ArgTypes>
inline TStringBuilderWithBuffer<TCHAR, BufferSize> WriteToString(ArgTypes&&... Args)
{
	return TStringBuilderWithBuffer<TCHAR, BufferSize>(InPlace, Forward<ArgTypes>(Args)...);
}

template <int32 BufferSize, typename... ArgTypes>
inline TStringBuilderWithBuffer<ANSICHAR, BufferSize> WriteToAnsiString(ArgTypes&&... Args)
{
	return TStringBuilderWithBuffer<ANSICHAR, BufferSize>(InPlace, Forward<ArgTypes>(Args)...);
}

template <int32 BufferSize, typename... ArgTypes>
inline TStringBuilderWithBuffer<UTF8CHAR, BufferSize> WriteToUtf8String(ArgTypes&&... Args)
{
	return TStringBuilderWithBuffer<UTF8CHAR, BufferSize>(InPlace, Forward<ArgTypes>(Args)...);
}

inline FString& operator+=(FString& Lhs, const FStringBuilderBase& Rhs)
{
	return Lhs.Append(Rhs.ToView());
}
