#include "UObject/HostPropertyToString.h"

#include <cmath>
#include <cstdio>

namespace
{
	/** Shortest text that reads back as the same value, always with a decimal point ("2.0", "0.5"). */
	FString SanitizeFloat(double Value)
	{
		if (std::isnan(Value))
		{
			return TEXT("nan");
		}
		char Buffer[64];
		for (int32 Precision = 1; Precision <= 17; ++Precision)
		{
			std::snprintf(Buffer, sizeof(Buffer), "%.*g", Precision, Value);
			if (std::strtod(Buffer, nullptr) == Value)
			{
				break;
			}
		}
		FString Result(Buffer);
		if (!Result.Contains(TEXT(".")) && !Result.Contains(TEXT("e")) && !Result.Contains(TEXT("inf")))
		{
			Result += TEXT(".0");
		}
		return Result;
	}
}

FString HostPropertyToString(bool Value)
{
	return Value ? TEXT("true") : TEXT("false");
}

FString HostPropertyToString(int8 Value)
{
	return FString::Printf(TEXT("%d"), (int32)Value);
}

FString HostPropertyToString(int16 Value)
{
	return FString::Printf(TEXT("%d"), (int32)Value);
}

FString HostPropertyToString(int32 Value)
{
	return FString::Printf(TEXT("%d"), Value);
}

FString HostPropertyToString(int64 Value)
{
	return FString::Printf(TEXT("%lld"), (long long)Value);
}

FString HostPropertyToString(uint8 Value)
{
	return FString::Printf(TEXT("%u"), (uint32)Value);
}

FString HostPropertyToString(uint16 Value)
{
	return FString::Printf(TEXT("%u"), (uint32)Value);
}

FString HostPropertyToString(uint32 Value)
{
	return FString::Printf(TEXT("%u"), Value);
}

FString HostPropertyToString(uint64 Value)
{
	return FString::Printf(TEXT("%llu"), (unsigned long long)Value);
}

FString HostPropertyToString(float Value)
{
	return SanitizeFloat(Value);
}

FString HostPropertyToString(double Value)
{
	return SanitizeFloat(Value);
}

FString HostPropertyToString(const FString& Value)
{
	return Value;
}

FString HostPropertyToString(const FName& Value)
{
	return Value.ToString();
}

FString HostPropertyToString(const FText& Value)
{
	return Value.ToString();
}

FString HostPropertyToString(const FSoftObjectPath& Value)
{
	return Value.IsNull() ? FString(TEXT("None")) : Value.ToString();
}

FString HostPropertyToString(const FTopLevelAssetPath& Value)
{
	return Value.IsNull() ? FString(TEXT("None")) : Value.ToString();
}

FString HostPropertyToString(const FDirectoryPath& Value)
{
	return Value.Path;
}

FString HostPropertyToString(const FFilePath& Value)
{
	return Value.FilePath;
}

FString HostPropertyToString(const UObject* Value)
{
	return Value ? Value->GetPathName() : FString(TEXT("None"));
}

bool HostPropertyFromString(bool& Value, const FString& Text)
{
	const FString Trimmed = Text.TrimStartAndEnd();
	if (Trimmed.Equals(TEXT("True"), ESearchCase::IgnoreCase) || Trimmed == TEXT("1") || Trimmed.Equals(TEXT("Yes"), ESearchCase::IgnoreCase))
	{
		Value = true;
		return true;
	}
	if (Trimmed.Equals(TEXT("False"), ESearchCase::IgnoreCase) || Trimmed == TEXT("0") || Trimmed.Equals(TEXT("No"), ESearchCase::IgnoreCase))
	{
		Value = false;
		return true;
	}
	return false;
}

bool HostPropertyFromString(int32& Value, const FString& Text)
{
	const FString Trimmed = Text.TrimStartAndEnd();
	if (Trimmed.IsEmpty() || !Trimmed.IsNumeric() || Trimmed.Contains(TEXT(".")))
	{
		return false;
	}
	Value = FCString::Atoi(*Trimmed);
	return true;
}

bool HostPropertyFromString(float& Value, const FString& Text)
{
	const FString Trimmed = Text.TrimStartAndEnd();
	if (Trimmed.IsEmpty() || !Trimmed.IsNumeric())
	{
		return false;
	}
	Value = FCString::Atof(*Trimmed);
	return true;
}

bool HostPropertyFromString(FString& Value, const FString& Text)
{
	// The ini form may quote a string.
	FString Unquoted = Text;
	if (Unquoted.Len() >= 2 && Unquoted.StartsWith(TEXT("\"")) && Unquoted.EndsWith(TEXT("\"")))
	{
		Unquoted = Unquoted.Mid(1, Unquoted.Len() - 2);
	}
	Value = Unquoted;
	return true;
}

bool HostPropertyFromString(FName& Value, const FString& Text)
{
	FString Name;
	HostPropertyFromString(Name, Text);
	Value = FName(*Name);
	return true;
}
