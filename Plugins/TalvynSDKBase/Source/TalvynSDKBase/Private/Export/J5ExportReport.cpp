#include "J5PackageExportReport.h"

#if WITH_EDITOR

#include "Export/J5ExportJob.h"
#include "Export/J5ExportNotification.h"
#include "Framework/Notifications/NotificationManager.h"
#include "J5Package.h"
#include "Logging/MessageLog.h"
#include "TalvynSDKBaseLog.h"
#include "Widgets/Notifications/SNotificationList.h"

namespace J5PackageExport
{
	const FName MessageLogName(TEXT("PackagingResults"));

	void ReportFailure(const UJ5Package& Package, const FString& Title, const FString& Reason)
	{
		UE_LOG(LogTalvynSDK, Error, TEXT("%s: %s: %s"), *Package.GetName(), *Title, *Reason);
		FMessageLog(MessageLogName).SuppressLoggingToOutputLog(true).Error(FText::FromString(FString::Printf(TEXT("%s: %s: %s"), *Package.GetName(), *Title, *Reason)));
		FJ5ExportNotification::ShowFailure(Title, Reason);
	}

	void ReportSuccess(const UJ5Package& Package, const FString& Title, const FString& Detail, bool bNotify)
	{
		UE_LOG(LogTalvynSDK, Log, TEXT("%s: %s: %s"), *Package.GetName(), *Title, *Detail);
		FMessageLog(MessageLogName).SuppressLoggingToOutputLog(true).Info(FText::FromString(FString::Printf(TEXT("%s: %s: %s"), *Package.GetName(), *Title, *Detail)));
		if (bNotify)
		{
			FNotificationInfo Info(FText::FromString(Title));
			Info.SubText = FText::FromString(Detail);
			Info.bUseThrobber = false;
			Info.ExpireDuration = 5.0f;
			if (TSharedPtr<SNotificationItem> Item = FSlateNotificationManager::Get().AddNotification(Info))
			{
				Item->SetCompletionState(SNotificationItem::CS_Success);
			}
		}
	}

	FString GetBusyReason()
	{
		return FJ5ExportJob::GetBusyReason();
	}
}

#endif
