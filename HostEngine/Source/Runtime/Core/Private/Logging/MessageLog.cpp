#include "Logging/MessageLog.h"
#include "Logging/MessageLogHost.h"

#include <mutex>

DEFINE_LOG_CATEGORY_STATIC(LogMessageLog, Log, All);

namespace
{
	struct FListings
	{
		std::mutex Mutex;
		TArray<UE::Host::FMessageLogRecord> Records;
	};

	FListings& GetListings()
	{
		static FListings Listings;
		return Listings;
	}
}

TArray<UE::Host::FMessageLogRecord> UE::Host::GetMessageLogRecords()
{
	FListings& Listings = GetListings();
	std::lock_guard<std::mutex> Lock(Listings.Mutex);
	return Listings.Records;
}

void UE::Host::ClearMessageLogRecords()
{
	FListings& Listings = GetListings();
	std::lock_guard<std::mutex> Lock(Listings.Mutex);
	Listings.Records.Empty();
}

TSharedRef<FTokenizedMessage> FTokenizedMessage::Create(EMessageSeverity::Type InSeverity, const FText& InMessageText)
{
	TSharedRef<FTokenizedMessage> Message = MakeShared<FTokenizedMessage>();
	Message->Severity = InSeverity;
	if (!InMessageText.IsEmpty())
	{
		Message->AddToken(FTextToken::Create(InMessageText));
	}
	return Message;
}

TSharedRef<FTokenizedMessage> FTokenizedMessage::AddToken(const TSharedRef<IMessageToken>& InToken)
{
	MessageTokens.Add(InToken);
	return AsShared();
}

TSharedRef<FTokenizedMessage> FTokenizedMessage::AddText(const FText& InText)
{
	return AddToken(FTextToken::Create(InText));
}

FText FTokenizedMessage::ToText() const
{
	FString Joined;
	for (const TSharedRef<IMessageToken>& Token : MessageTokens)
	{
		if (!Joined.IsEmpty())
		{
			Joined += TEXT(" ");
		}
		Joined += Token->ToText().ToString();
	}
	return FText::FromString(Joined);
}

FMessageLog::FMessageLog(const FName& InLogName)
	: LogName(InLogName)
{
}

FMessageLog::~FMessageLog()
{
	Flush();
}

TSharedRef<FTokenizedMessage> FMessageLog::Message(EMessageSeverity::Type InSeverity, const FText& InMessage)
{
	TSharedRef<FTokenizedMessage> NewMessage = FTokenizedMessage::Create(InSeverity, InMessage);
	AddMessage(NewMessage);
	return NewMessage;
}

TSharedRef<FTokenizedMessage> FMessageLog::Error(const FText& InMessage)
{
	return Message(EMessageSeverity::Error, InMessage);
}

TSharedRef<FTokenizedMessage> FMessageLog::PerformanceWarning(const FText& InMessage)
{
	return Message(EMessageSeverity::PerformanceWarning, InMessage);
}

TSharedRef<FTokenizedMessage> FMessageLog::Warning(const FText& InMessage)
{
	return Message(EMessageSeverity::Warning, InMessage);
}

TSharedRef<FTokenizedMessage> FMessageLog::Info(const FText& InMessage)
{
	return Message(EMessageSeverity::Info, InMessage);
}

FMessageLog& FMessageLog::AddMessage(const TSharedRef<FTokenizedMessage>& InMessage)
{
	Messages.Add(InMessage);
	return *this;
}

FMessageLog& FMessageLog::AddMessages(const TArray<TSharedRef<FTokenizedMessage>>& InMessages)
{
	Messages.Append(InMessages);
	return *this;
}

void FMessageLog::Flush()
{
	if (Messages.Num() == 0)
	{
		return;
	}
	TArray<TSharedRef<FTokenizedMessage>> Pending = MoveTemp(Messages);
	Messages.Empty();
	FListings& Listings = GetListings();
	for (const TSharedRef<FTokenizedMessage>& Pended : Pending)
	{
		const FString Text = Pended->ToText().ToString();
		if (!bSuppressLoggingToOutputLog)
		{
			switch (Pended->GetSeverity())
			{
			case EMessageSeverity::Error:
				UE_LOG(LogMessageLog, Error, TEXT("%s"), *Text);
				break;
			case EMessageSeverity::Warning:
			case EMessageSeverity::PerformanceWarning:
				UE_LOG(LogMessageLog, Warning, TEXT("%s"), *Text);
				break;
			default:
				UE_LOG(LogMessageLog, Log, TEXT("%s"), *Text);
				break;
			}
		}
		std::lock_guard<std::mutex> Lock(Listings.Mutex);
		Listings.Records.Add(UE::Host::FMessageLogRecord{ LogName, Pended->GetSeverity(), Text, false });
	}
}

void FMessageLog::Notify(const FText& InMessage, EMessageSeverity::Type InSeverityFilter, bool bForce)
{
	bool bWorthNotifying = bForce;
	for (const TSharedRef<FTokenizedMessage>& Pended : Messages)
	{
		bWorthNotifying |= Pended->GetSeverity() <= InSeverityFilter;
	}
	Flush();
	if (bWorthNotifying)
	{
		FListings& Listings = GetListings();
		std::lock_guard<std::mutex> Lock(Listings.Mutex);
		Listings.Records.Add(UE::Host::FMessageLogRecord{ LogName, InSeverityFilter, InMessage.ToString(), true });
	}
}

void FMessageLog::Open(EMessageSeverity::Type InSeverityFilter, bool bOpenEvenIfEmpty)
{
	Flush();
}

int32 FMessageLog::NumMessages(EMessageSeverity::Type InSeverityFilter)
{
	int32 Count = 0;
	for (const TSharedRef<FTokenizedMessage>& Pended : Messages)
	{
		Count += Pended->GetSeverity() <= InSeverityFilter ? 1 : 0;
	}
	return Count;
}

void FMessageLog::NewPage(const FText& InLabel)
{
	// The listing starts a fresh page: what was shown before moves out of view.
	Flush();
	FListings& Listings = GetListings();
	std::lock_guard<std::mutex> Lock(Listings.Mutex);
	Listings.Records.Add(UE::Host::FMessageLogRecord{ LogName, EMessageSeverity::Info, InLabel.ToString(), false, true });
}

FMessageLog& FMessageLog::SuppressLoggingToOutputLog(bool bShouldSuppress)
{
	bSuppressLoggingToOutputLog = bShouldSuppress;
	return *this;
}
