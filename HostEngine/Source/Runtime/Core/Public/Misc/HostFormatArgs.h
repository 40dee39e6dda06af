#pragma once

// The host's printf engine. FString::Printf, Appendf, checkf and UE_LOG capture each argument
// with its type, so the formatter never reads a va_list blindly and can refuse a mismatched
// conversion loudly instead of printing garbage.

#include "HAL/Platform.h"
#include <string>
#include <type_traits>

namespace UE::Core::HostFormat
{
	struct FArg
	{
		enum class EType : uint8
		{
			Signed,
			Unsigned,
			Floating,
			TCharString,
			AnsiString,
			Utf8String,
			WideString,
			Pointer,
		};

		EType Type;
		/** Size in bytes of the original integer, so %u / %x of a negative int32 wraps at 32 bits. */
		uint8 Size;
		union
		{
			int64 Signed;
			uint64 Unsigned;
			double Floating;
			const void* Pointer;
		};
	};

	template <typename T>
	FArg MakeArg(const T& Value)
	{
		using U = std::decay_t<T>;
		FArg Arg;
		Arg.Size = sizeof(U);
		if constexpr (std::is_same_v<U, bool>)
		{
			Arg.Type = FArg::EType::Signed;
			Arg.Signed = Value ? 1 : 0;
			Arg.Size = 4;
		}
		else if constexpr (std::is_enum_v<U>)
		{
			using FUnderlying = std::underlying_type_t<U>;
			if constexpr (std::is_signed_v<FUnderlying>)
			{
				Arg.Type = FArg::EType::Signed;
				Arg.Signed = static_cast<int64>(Value);
			}
			else
			{
				Arg.Type = FArg::EType::Unsigned;
				Arg.Unsigned = static_cast<uint64>(Value);
			}
		}
		else if constexpr (std::is_integral_v<U>)
		{
			if constexpr (std::is_signed_v<U>)
			{
				Arg.Type = FArg::EType::Signed;
				Arg.Signed = static_cast<int64>(Value);
			}
			else
			{
				Arg.Type = FArg::EType::Unsigned;
				Arg.Unsigned = static_cast<uint64>(Value);
			}
		}
		else if constexpr (std::is_floating_point_v<U>)
		{
			Arg.Type = FArg::EType::Floating;
			Arg.Floating = static_cast<double>(Value);
		}
		else if constexpr (std::is_same_v<U, const TCHAR*> || std::is_same_v<U, TCHAR*>)
		{
			Arg.Type = FArg::EType::TCharString;
			Arg.Pointer = Value;
		}
		else if constexpr (std::is_same_v<U, const ANSICHAR*> || std::is_same_v<U, ANSICHAR*>)
		{
			Arg.Type = FArg::EType::AnsiString;
			Arg.Pointer = Value;
		}
		else if constexpr (std::is_same_v<U, const UTF8CHAR*> || std::is_same_v<U, UTF8CHAR*>)
		{
			Arg.Type = FArg::EType::Utf8String;
			Arg.Pointer = Value;
		}
		else if constexpr (std::is_same_v<U, const WIDECHAR*> || std::is_same_v<U, WIDECHAR*>)
		{
			Arg.Type = FArg::EType::WideString;
			Arg.Pointer = Value;
		}
		else if constexpr (std::is_pointer_v<U> || std::is_null_pointer_v<U>)
		{
			Arg.Type = FArg::EType::Pointer;
			Arg.Pointer = static_cast<const void*>(Value);
		}
		else
		{
			static_assert(sizeof(U) == 0, "Invalid argument passed to a printf-style function: pass *String for FString arguments");
		}
		return Arg;
	}

	/** Appends Format with the arguments substituted. Aborts on a missing or mismatched argument. */
	CORE_API void AppendFormatted(std::u16string& Out, const TCHAR* Format, const FArg* Args, int32 NumArgs);

	template <typename... ArgTypes>
	std::u16string Format(const TCHAR* FormatString, const ArgTypes&... Args)
	{
		std::u16string Out;
		if constexpr (sizeof...(ArgTypes) == 0)
		{
			AppendFormatted(Out, FormatString, nullptr, 0);
		}
		else
		{
			const FArg Captured[] = {MakeArg(Args)...};
			AppendFormatted(Out, FormatString, Captured, static_cast<int32>(sizeof...(ArgTypes)));
		}
		return Out;
	}

	template <typename... ArgTypes>
	void AppendTo(std::u16string& Out, const TCHAR* FormatString, const ArgTypes&... Args)
	{
		if constexpr (sizeof...(ArgTypes) == 0)
		{
			AppendFormatted(Out, FormatString, nullptr, 0);
		}
		else
		{
			const FArg Captured[] = {MakeArg(Args)...};
			AppendFormatted(Out, FormatString, Captured, static_cast<int32>(sizeof...(ArgTypes)));
		}
	}
} // namespace UE::Core::HostFormat
