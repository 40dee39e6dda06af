#include "Misc/HostFormatArgs.h"

#include "Containers/StringConv.h"
#include "Misc/AssertionMacros.h"
#include <cstdio>
#include <string>

namespace UE::Core::HostFormat
{
	namespace
	{
		struct FConversionFormat
		{
			bool bLeftAlign = false;
			bool bPlus = false;
			bool bSpace = false;
			bool bAlternate = false;
			bool bZeroPad = false;
			int32 Width = -1;
			int32 Precision = -1;
			TCHAR Type = 0;
		};

		[[noreturn]] void FailFormat(const TCHAR* Format, const char* Reason)
		{
			const FTCHARToUTF8 Utf8Format(Format);
			std::fprintf(stderr, "HostEngine: bad printf-style call: %s in format \"%s\"\n", Reason, reinterpret_cast<const char*>(Utf8Format.Get()));
			std::fflush(stderr);
			::FDebug::AssertFailed("printf-style format arguments", __FILE__, __LINE__, TEXT("format and arguments do not agree"));
		}

		void AppendAscii(std::u16string& Out, const char* Text)
		{
			for (; *Text; ++Text)
			{
				Out.push_back(static_cast<TCHAR>(static_cast<unsigned char>(*Text)));
			}
		}

		void Pad(std::u16string& Out, const std::u16string& Body, const FConversionFormat& Conv)
		{
			const int32 Length = static_cast<int32>(Body.size());
			if (Conv.Width <= Length)
			{
				Out.append(Body);
			}
			else if (Conv.bLeftAlign)
			{
				Out.append(Body);
				Out.append(Conv.Width - Length, u' ');
			}
			else
			{
				Out.append(Conv.Width - Length, u' ');
				Out.append(Body);
			}
		}

		// Numbers go through the C library with a narrow copy of the conversion.
		std::string NarrowConversion(const FConversionFormat& Conv, const char* LengthModifier, char Conversion)
		{
			std::string Narrow = "%";
			if (Conv.bLeftAlign)
			{
				Narrow += '-';
			}
			if (Conv.bPlus)
			{
				Narrow += '+';
			}
			if (Conv.bSpace)
			{
				Narrow += ' ';
			}
			if (Conv.bAlternate)
			{
				Narrow += '#';
			}
			if (Conv.bZeroPad)
			{
				Narrow += '0';
			}
			if (Conv.Width >= 0)
			{
				Narrow += std::to_string(Conv.Width);
			}
			if (Conv.Precision >= 0)
			{
				Narrow += '.';
				Narrow += std::to_string(Conv.Precision);
			}
			Narrow += LengthModifier;
			Narrow += Conversion;
			return Narrow;
		}

		template <typename ValueType>
		void AppendNumber(std::u16string& Out, const FConversionFormat& Conv, const char* LengthModifier, char Conversion, ValueType Value)
		{
			const std::string NarrowFormat = NarrowConversion(Conv, LengthModifier, Conversion);
			char Buffer[512];
			const int Written = std::snprintf(Buffer, sizeof(Buffer), NarrowFormat.c_str(), Value);
			if (Written >= 0 && Written < static_cast<int>(sizeof(Buffer)))
			{
				AppendAscii(Out, Buffer);
			}
			else
			{
				std::string Large(static_cast<size_t>(Written) + 1, '\0');
				std::snprintf(Large.data(), Large.size(), NarrowFormat.c_str(), Value);
				AppendAscii(Out, Large.c_str());
			}
		}

		std::u16string StringArgument(const FArg& Arg)
		{
			switch (Arg.Type)
			{
				case FArg::EType::TCharString:
					return Arg.Pointer ? std::u16string(static_cast<const TCHAR*>(Arg.Pointer)) : std::u16string(u"(null)");
				case FArg::EType::AnsiString:
					return Arg.Pointer ? std::u16string(FANSIToTCHAR(static_cast<const ANSICHAR*>(Arg.Pointer)).Get()) : std::u16string(u"(null)");
				case FArg::EType::Utf8String:
					return Arg.Pointer ? std::u16string(FUTF8ToTCHAR(reinterpret_cast<const ANSICHAR*>(Arg.Pointer)).Get()) : std::u16string(u"(null)");
				case FArg::EType::WideString:
					return Arg.Pointer ? std::u16string(FWCharToTCHAR(static_cast<const WIDECHAR*>(Arg.Pointer)).Get()) : std::u16string(u"(null)");
				default:
					return std::u16string();
			}
		}

		bool IsString(const FArg& Arg)
		{
			return Arg.Type == FArg::EType::TCharString || Arg.Type == FArg::EType::AnsiString || Arg.Type == FArg::EType::Utf8String || Arg.Type == FArg::EType::WideString;
		}

		bool IsInteger(const FArg& Arg)
		{
			return Arg.Type == FArg::EType::Signed || Arg.Type == FArg::EType::Unsigned;
		}

		/** The integer as the unsigned type of its original width, as a C vararg would be read. */
		uint64 AsUnsigned(const FArg& Arg)
		{
			const uint64 Raw = Arg.Type == FArg::EType::Signed ? static_cast<uint64>(Arg.Signed) : Arg.Unsigned;
			switch (Arg.Size)
			{
				case 1:
					return static_cast<uint8>(Raw);
				case 2:
					return static_cast<uint16>(Raw);
				case 4:
					return static_cast<uint32>(Raw);
				default:
					return Raw;
			}
		}

		int64 AsSigned(const FArg& Arg)
		{
			if (Arg.Type == FArg::EType::Signed)
			{
				return Arg.Signed;
			}
			return static_cast<int64>(Arg.Unsigned);
		}
	} // namespace

	void AppendFormatted(std::u16string& Out, const TCHAR* Format, const FArg* Args, int32 NumArgs)
	{
		if (!Format)
		{
			return;
		}
		int32 NextArg = 0;
		auto TakeArg = [&]() -> const FArg&
		{
			if (NextArg >= NumArgs)
			{
				FailFormat(Format, "too few arguments");
			}
			return Args[NextArg++];
		};

		for (const TCHAR* It = Format; *It; ++It)
		{
			if (*It != u'%')
			{
				Out.push_back(*It);
				continue;
			}
			++It;
			if (*It == u'%')
			{
				Out.push_back(u'%');
				continue;
			}

			FConversionFormat Conv;
			for (;; ++It)
			{
				if (*It == u'-')
				{
					Conv.bLeftAlign = true;
				}
				else if (*It == u'+')
				{
					Conv.bPlus = true;
				}
				else if (*It == u' ')
				{
					Conv.bSpace = true;
				}
				else if (*It == u'#')
				{
					Conv.bAlternate = true;
				}
				else if (*It == u'0')
				{
					Conv.bZeroPad = true;
				}
				else
				{
					break;
				}
			}
			if (*It == u'*')
			{
				const FArg& WidthArg = TakeArg();
				if (!IsInteger(WidthArg))
				{
					FailFormat(Format, "'*' width needs an integer argument");
				}
				Conv.Width = static_cast<int32>(AsSigned(WidthArg));
				if (Conv.Width < 0)
				{
					Conv.bLeftAlign = true;
					Conv.Width = -Conv.Width;
				}
				++It;
			}
			else
			{
				while (*It >= u'0' && *It <= u'9')
				{
					Conv.Width = (Conv.Width < 0 ? 0 : Conv.Width * 10) + (*It - u'0');
					++It;
				}
			}
			if (*It == u'.')
			{
				++It;
				Conv.Precision = 0;
				if (*It == u'*')
				{
					const FArg& PrecisionArg = TakeArg();
					if (!IsInteger(PrecisionArg))
					{
						FailFormat(Format, "'*' precision needs an integer argument");
					}
					Conv.Precision = static_cast<int32>(AsSigned(PrecisionArg));
					++It;
				}
				else
				{
					while (*It >= u'0' && *It <= u'9')
					{
						Conv.Precision = Conv.Precision * 10 + (*It - u'0');
						++It;
					}
				}
			}
			// Length modifiers only say how wide the C argument was; ours carry their own type.
			while (*It == u'h' || *It == u'l' || *It == u'L' || *It == u'z' || *It == u'j' || *It == u't' || *It == u'q')
			{
				++It;
			}
			if (*It == u'I' && It[1] == u'6' && It[2] == u'4')
			{
				It += 3;
			}
			if (*It == 0)
			{
				FailFormat(Format, "format ends inside a conversion");
			}
			Conv.Type = *It;

			switch (Conv.Type)
			{
				case u'd':
				case u'i':
				{
					const FArg& Arg = TakeArg();
					if (!IsInteger(Arg))
					{
						FailFormat(Format, "%d needs an integer argument");
					}
					AppendNumber(Out, Conv, "ll", 'd', static_cast<long long>(Arg.Type == FArg::EType::Signed ? Arg.Signed : static_cast<int64>(AsUnsigned(Arg))));
					break;
				}
				case u'u':
				case u'x':
				case u'X':
				case u'o':
				{
					const FArg& Arg = TakeArg();
					if (!IsInteger(Arg))
					{
						FailFormat(Format, "%u/%x needs an integer argument");
					}
					AppendNumber(Out, Conv, "ll", static_cast<char>(Conv.Type), static_cast<unsigned long long>(AsUnsigned(Arg)));
					break;
				}
				case u'f':
				case u'F':
				case u'e':
				case u'E':
				case u'g':
				case u'G':
				case u'a':
				case u'A':
				{
					const FArg& Arg = TakeArg();
					double Value = 0.0;
					if (Arg.Type == FArg::EType::Floating)
					{
						Value = Arg.Floating;
					}
					else
					{
						FailFormat(Format, "%f needs a floating point argument");
					}
					AppendNumber(Out, Conv, "", static_cast<char>(Conv.Type), Value);
					break;
				}
				case u'c':
				{
					const FArg& Arg = TakeArg();
					if (!IsInteger(Arg))
					{
						FailFormat(Format, "%c needs a character argument");
					}
					Pad(Out, std::u16string(1, static_cast<TCHAR>(AsUnsigned(Arg))), Conv);
					break;
				}
				case u's':
				case u'S':
				{
					const FArg& Arg = TakeArg();
					if (!IsString(Arg))
					{
						FailFormat(Format, "%s needs a string argument (pass *String for an FString)");
					}
					std::u16string Text = StringArgument(Arg);
					if (Conv.Precision >= 0 && static_cast<int32>(Text.size()) > Conv.Precision)
					{
						Text.resize(Conv.Precision);
					}
					Pad(Out, Text, Conv);
					break;
				}
				case u'p':
				{
					const FArg& Arg = TakeArg();
					if (Arg.Type != FArg::EType::Pointer && !IsString(Arg))
					{
						FailFormat(Format, "%p needs a pointer argument");
					}
					AppendNumber(Out, Conv, "", 'p', const_cast<void*>(Arg.Pointer));
					break;
				}
				default:
					FailFormat(Format, "unknown conversion");
			}
		}

		if (NextArg != NumArgs)
		{
			FailFormat(Format, "more arguments than conversions");
		}
	}
} // namespace UE::Core::HostFormat
