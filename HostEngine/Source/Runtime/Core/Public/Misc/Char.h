#pragma once

#include "CoreTypes.h"

/**
 * Character classification and case mapping. Case folding covers ASCII and the Latin-1
 * letters, which is all the names and paths the editor deals in need.
 */
template <typename CharType>
struct TChar
{
	static constexpr CharType ToUpper(CharType Char)
	{
		const uint32 Code = static_cast<uint32>(Char);
		if (Code >= 'a' && Code <= 'z')
		{
			return static_cast<CharType>(Code - ('a' - 'A'));
		}
		if constexpr (sizeof(CharType) > 1)
		{
			if (Code >= 0xE0 && Code <= 0xFE && Code != 0xF7)
			{
				return static_cast<CharType>(Code - 0x20);
			}
		}
		return Char;
	}

	static constexpr CharType ToLower(CharType Char)
	{
		const uint32 Code = static_cast<uint32>(Char);
		if (Code >= 'A' && Code <= 'Z')
		{
			return static_cast<CharType>(Code + ('a' - 'A'));
		}
		if constexpr (sizeof(CharType) > 1)
		{
			if (Code >= 0xC0 && Code <= 0xDE && Code != 0xD7)
			{
				return static_cast<CharType>(Code + 0x20);
			}
		}
		return Char;
	}

	static constexpr bool IsUpper(CharType Char)
	{
		return ToLower(Char) != Char;
	}
	static constexpr bool IsLower(CharType Char)
	{
		return ToUpper(Char) != Char;
	}
	static constexpr bool IsAlpha(CharType Char)
	{
		return IsUpper(Char) || IsLower(Char);
	}
	static constexpr bool IsDigit(CharType Char)
	{
		return Char >= '0' && Char <= '9';
	}
	static constexpr bool IsHexDigit(CharType Char)
	{
		return IsDigit(Char) || (Char >= 'a' && Char <= 'f') || (Char >= 'A' && Char <= 'F');
	}
	static constexpr bool IsAlnum(CharType Char)
	{
		return IsAlpha(Char) || IsDigit(Char);
	}
	static constexpr bool IsPunct(CharType Char)
	{
		const uint32 Code = static_cast<uint32>(Char);
		return (Code >= 33 && Code <= 47) || (Code >= 58 && Code <= 64) || (Code >= 91 && Code <= 96) || (Code >= 123 && Code <= 126);
	}
	static constexpr bool IsWhitespace(CharType Char)
	{
		const uint32 Code = static_cast<uint32>(Char);
		return Code == ' ' || Code == '\t' || Code == '\n' || Code == '\r' || Code == '\v' || Code == '\f' || (sizeof(CharType) > 1 && (Code == 0xA0 || Code == 0x2009 || Code == 0x202F || Code == 0x3000 || Code == 0x2028 || Code == 0x2029));
	}
	static constexpr bool IsLinebreak(CharType Char)
	{
		return Char == '\n' || Char == '\r' || Char == '\v' || Char == '\f';
	}
	static constexpr int32 ConvertCharDigitToInt(CharType Char)
	{
		return static_cast<int32>(Char) - '0';
	}
};

typedef TChar<TCHAR> FChar;
typedef TChar<ANSICHAR> FCharAnsi;
typedef TChar<WIDECHAR> FCharWide;
typedef TChar<UTF8CHAR> FCharUtf8;
