#pragma once

#include "CoreMinimal.h"
#include "Logging/TokenizedMessage.h"

namespace UE::Host
{
	struct FMessageLogRecord
	{
		FName LogName;
		EMessageSeverity::Type Severity;
		FString Text;
		/** A notification raised by FMessageLog::Notify rather than a message. */
		bool bIsNotification;
		/** The start of a new page (FMessageLog::NewPage); Text is its label. */
		bool bIsNewPage = false;
	};

	TArray<FMessageLogRecord> GetMessageLogRecords();
	void ClearMessageLogRecords();
}
