#pragma once

#include "Containers/UnrealString.h"
#include "Internationalization/CulturePointer.h"
#include "Misc/Optional.h"
#include <functional>
#include <mutex>

struct FNumberFormattingOptions;

namespace UE::Core::Private
{
	/**
	 * What a text holds. Literal texts keep their display string; generated ones (numbers,
	 * formats) rebuild it lazily whenever the current culture has changed since the last read.
	 */
	struct FTextData
	{
		FString SourceString;
		TOptional<FString> Namespace;
		TOptional<FString> Key;
		std::function<FString()> Generator;

		mutable std::mutex Mutex;
		mutable FString DisplayString;
		mutable uint32 BuiltForRevision = 0;

		const FString& GetDisplayString() const;
	};

	/** Null TargetCulture means the current locale. */
	FCultureRef ResolveCulture(const FCulturePtr& TargetCulture);

	FString FormatInteger(bool bNegative, uint64 Magnitude, const FNumberFormattingOptions& Options, const FCulture& Culture);
	FString FormatFloating(double Value, const FNumberFormattingOptions& Options, const FCulture& Culture);
} // namespace UE::Core::Private
