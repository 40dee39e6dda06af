#pragma once

#include "CoreMinimal.h"

namespace EMessageSeverity
{
	enum Type : int32
	{
		Error = 1,
		PerformanceWarning = 2,
		Warning = 3,
		Info = 4,
	};
}

/** One piece of a message: the host keeps only text tokens. */
class IMessageToken : public TSharedFromThis<IMessageToken>
{
public:
	virtual ~IMessageToken() = default;
	virtual const FText& ToText() const
	{
		return CachedText;
	}

protected:
	FText CachedText;
};

class FTextToken : public IMessageToken
{
public:
	static TSharedRef<FTextToken> Create(const FText& InMessage)
	{
		TSharedRef<FTextToken> Token = MakeShared<FTextToken>();
		Token->CachedText = InMessage;
		return Token;
	}
};

/** A message of the message log: a severity and its tokens. */
class FTokenizedMessage : public TSharedFromThis<FTokenizedMessage>
{
public:
	static CORE_API TSharedRef<FTokenizedMessage> Create(EMessageSeverity::Type InSeverity, const FText& InMessageText = FText());

	CORE_API TSharedRef<FTokenizedMessage> AddToken(const TSharedRef<IMessageToken>& InToken);
	CORE_API TSharedRef<FTokenizedMessage> AddText(const FText& InText);
	/** The tokens' texts joined by spaces. */
	CORE_API FText ToText() const;

	EMessageSeverity::Type GetSeverity() const
	{
		return Severity;
	}

	const TArray<TSharedRef<IMessageToken>>& GetMessageTokens() const
	{
		return MessageTokens;
	}

private:
	EMessageSeverity::Type Severity = EMessageSeverity::Info;
	TArray<TSharedRef<IMessageToken>> MessageTokens;
};
