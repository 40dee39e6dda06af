#pragma once

#include "CoreTypes.h"
#include "Misc/CString.h"
#include <string>
#include <type_traits>

namespace UE::Core::Private
{
	/** Narrow ANSI text is treated as UTF-8 when widened; characters ANSI cannot hold become '?'. */
	template <typename CharType>
	constexpr bool IsUtf8Like = std::is_same_v<CharType, UTF8CHAR> || std::is_same_v<CharType, ANSICHAR>;

	template <typename FromType>
	char32_t DecodeOne(const FromType*& It, const FromType* End)
	{
		if constexpr (sizeof(FromType) == 1)
		{
			const uint8 Lead = static_cast<uint8>(*It++);
			if (Lead < 0x80)
			{
				return Lead;
			}
			int32 Extra = 0;
			char32_t Code = 0;
			if ((Lead & 0xE0) == 0xC0)
			{
				Extra = 1;
				Code = Lead & 0x1F;
			}
			else if ((Lead & 0xF0) == 0xE0)
			{
				Extra = 2;
				Code = Lead & 0x0F;
			}
			else if ((Lead & 0xF8) == 0xF0)
			{
				Extra = 3;
				Code = Lead & 0x07;
			}
			else
			{
				return U'?';
			}
			for (int32 Index = 0; Index < Extra; ++Index)
			{
				if (It == End || (static_cast<uint8>(*It) & 0xC0) != 0x80)
				{
					return U'?';
				}
				Code = (Code << 6) | (static_cast<uint8>(*It++) & 0x3F);
			}
			return Code;
		}
		else if constexpr (sizeof(FromType) == 2)
		{
			const char32_t Unit = static_cast<uint16>(*It++);
			if (Unit >= 0xD800 && Unit < 0xDC00 && It != End)
			{
				const char32_t Low = static_cast<uint16>(*It);
				if (Low >= 0xDC00 && Low < 0xE000)
				{
					++It;
					return 0x10000 + ((Unit - 0xD800) << 10) + (Low - 0xDC00);
				}
			}
			return Unit;
		}
		else
		{
			return static_cast<char32_t>(*It++);
		}
	}

	template <typename ToType>
	void EncodeOne(std::basic_string<ToType>& Out, char32_t Code)
	{
		if constexpr (std::is_same_v<ToType, ANSICHAR> || std::is_same_v<ToType, UTF8CHAR>)
		{
			if (Code < 0x80)
			{
				Out.push_back(static_cast<ToType>(Code));
			}
			else if (Code < 0x800)
			{
				Out.push_back(static_cast<ToType>(0xC0 | (Code >> 6)));
				Out.push_back(static_cast<ToType>(0x80 | (Code & 0x3F)));
			}
			else if (Code < 0x10000)
			{
				Out.push_back(static_cast<ToType>(0xE0 | (Code >> 12)));
				Out.push_back(static_cast<ToType>(0x80 | ((Code >> 6) & 0x3F)));
				Out.push_back(static_cast<ToType>(0x80 | (Code & 0x3F)));
			}
			else
			{
				Out.push_back(static_cast<ToType>(0xF0 | (Code >> 18)));
				Out.push_back(static_cast<ToType>(0x80 | ((Code >> 12) & 0x3F)));
				Out.push_back(static_cast<ToType>(0x80 | ((Code >> 6) & 0x3F)));
				Out.push_back(static_cast<ToType>(0x80 | (Code & 0x3F)));
			}
		}
		else if constexpr (sizeof(ToType) == 2)
		{
			if (Code >= 0x10000)
			{
				Code -= 0x10000;
				Out.push_back(static_cast<ToType>(0xD800 + (Code >> 10)));
				Out.push_back(static_cast<ToType>(0xDC00 + (Code & 0x3FF)));
			}
			else
			{
				Out.push_back(static_cast<ToType>(Code));
			}
		}
		else
		{
			Out.push_back(static_cast<ToType>(Code));
		}
	}

	template <typename ToType, typename FromType>
	std::basic_string<ToType> Convert(const FromType* Source, int32 SourceLen, bool bToAnsi)
	{
		std::basic_string<ToType> Out;
		if (!Source)
		{
			return Out;
		}
		Out.reserve(SourceLen);
		const FromType* It = Source;
		const FromType* End = Source + SourceLen;
		while (It < End)
		{
			const char32_t Code = DecodeOne(It, End);
			if (bToAnsi && Code >= 0x80)
			{
				Out.push_back(static_cast<ToType>('?'));
			}
			else
			{
				EncodeOne(Out, Code);
			}
		}
		return Out;
	}
} // namespace UE::Core::Private

/**
 * Owns the converted, null-terminated text for as long as it lives. The conversion macros use
 * a temporary, so their pointer is valid until the end of the full expression only.
 */
template <typename ToType, typename FromType, bool bToAnsi = false>
class TStringConversion
{
public:
	typedef ToType ToCharType;

	explicit TStringConversion(const FromType* Source)
		: Converted(UE::Core::Private::Convert<ToType>(Source, TCString<FromType>::Strlen(Source), bToAnsi))
	{
	}
	TStringConversion(const FromType* Source, int32 SourceLen)
		: Converted(UE::Core::Private::Convert<ToType>(Source, SourceLen, bToAnsi))
	{
	}

	const ToType* Get() const
	{
		return Converted.c_str();
	}
	/** Length of the converted text in ToType units, without the terminator. */
	int32 Length() const
	{
		return static_cast<int32>(Converted.size());
	}

private:
	std::basic_string<ToType> Converted;
};

typedef TStringConversion<UTF8CHAR, TCHAR> FTCHARToUTF8;
typedef TStringConversion<TCHAR, ANSICHAR> FUTF8ToTCHAR;
typedef TStringConversion<ANSICHAR, TCHAR, true> FTCHARToANSI;
typedef TStringConversion<TCHAR, ANSICHAR> FANSIToTCHAR;
typedef TStringConversion<WIDECHAR, TCHAR> FTCHARToWChar;
typedef TStringConversion<TCHAR, WIDECHAR> FWCharToTCHAR;
typedef TStringConversion<UTF16CHAR, TCHAR> FTCHARToUTF16;
typedef TStringConversion<TCHAR, UTF16CHAR> FUTF16ToTCHAR;

#define TCHAR_TO_ANSI(str) (ANSICHAR*)FTCHARToANSI((const TCHAR*)(str)).Get()
#define ANSI_TO_TCHAR(str) (TCHAR*)FANSIToTCHAR((const ANSICHAR*)(str)).Get()
#define TCHAR_TO_UTF8(str) (ANSICHAR*)FTCHARToUTF8((const TCHAR*)(str)).Get()
#define UTF8_TO_TCHAR(str) (TCHAR*)FUTF8ToTCHAR((const ANSICHAR*)(str)).Get()
#define TCHAR_TO_WCHAR(str) (WIDECHAR*)FTCHARToWChar((const TCHAR*)(str)).Get()
#define WCHAR_TO_TCHAR(str) (TCHAR*)FWCharToTCHAR((const WIDECHAR*)(str)).Get()

/** Converts between character types; StringCast<UTF8CHAR>(*Str).Get(). */
template <typename ToType, typename FromType>
FORCEINLINE TStringConversion<ToType, std::remove_cv_t<FromType>, std::is_same_v<ToType, ANSICHAR> && !std::is_same_v<std::remove_cv_t<FromType>, ANSICHAR>> StringCast(const FromType* Str)
{
	return TStringConversion < ToType, std::remove_cv_t<FromType>, std::is_same_v<ToType, ANSICHAR> && !std::is_same_v < std::remove_cv_t<FromType>, ANSICHAR >> (Str);
}

template <typename ToType, typename FromType>
FORCEINLINE TStringConversion<ToType, std::remove_cv_t<FromType>, std::is_same_v<ToType, ANSICHAR> && !std::is_same_v<std::remove_cv_t<FromType>, ANSICHAR>> StringCast(const FromType* Str, int32 Len)
{
	return TStringConversion < ToType, std::remove_cv_t<FromType>, std::is_same_v<ToType, ANSICHAR> && !std::is_same_v < std::remove_cv_t<FromType>, ANSICHAR >> (Str, Len);
}
