#pragma once

#include "CoreMinimal.h"
#include "Logging/TokenizedMessage.h"

/**
 * Writes messages to one of the editor's message log listings. Messages are collected and handed
 * to the listing when the log is flushed (Notify, Open, or the destructor); each is written to
 * the output log too unless suppressed.
 */
class FMessageLog
{
public:
	CORE_API FMessageLog(const FName& InLogName);
	CORE_API ~FMessageLog();

	CORE_API TSharedRef<FTokenizedMessage> Message(EMessageSeverity::Type InSeverity, const FText& InMessage = FText());
	CORE_API TSharedRef<FTokenizedMessage> Error(const FText& InMessage = FText());
	CORE_API TSharedRef<FTokenizedMessage> PerformanceWarning(const FText& InMessage = FText());
	CORE_API TSharedRef<FTokenizedMessage> Warning(const FText& InMessage = FText());
	CORE_API TSharedRef<FTokenizedMessage> Info(const FText& InMessage = FText());

	CORE_API FMessageLog& AddMessage(const TSharedRef<FTokenizedMessage>& InMessage);
	CORE_API FMessageLog& AddMessages(const TArray<TSharedRef<FTokenizedMessage>>& InMessages);

	CORE_API void Notify(const FText& InMessage = FText(), EMessageSeverity::Type InSeverityFilter = EMessageSeverity::Info, bool bForce = false);
	CORE_API void Open(EMessageSeverity::Type InSeverityFilter = EMessageSeverity::Info, bool bOpenEvenIfEmpty = false);
	CORE_API int32 NumMessages(EMessageSeverity::Type InSeverityFilter);
	CORE_API void NewPage(const FText& InLabel);
	CORE_API FMessageLog& SuppressLoggingToOutputLog(bool bShouldSuppress = true);

private:
	void Flush();

	FName LogName;
	TArray<TSharedRef<FTokenizedMessage>> Messages;
	bool bSuppressLoggingToOutputLog = false;
};
