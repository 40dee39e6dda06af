#include "Export/J5ExportNotification.h"

#if WITH_EDITOR

#include "Framework/Docking/TabManager.h"
#include "Framework/Notifications/NotificationManager.h"
#include "Widgets/Notifications/SNotificationList.h"

namespace J5ExportNotificationPrivate
{
	/** The buttons of a failure: the output log holds the tools' whole output; Dismiss lets the notification go. */
	static void AddFailureButtons(FNotificationInfo& Info, TSharedPtr<TWeakPtr<SNotificationItem>> ItemSlot)
	{
		Info.ButtonDetails.Add(FNotificationButtonInfo(
			FText::FromString(TEXT("Show Output Log")),
			FText::FromString(TEXT("Open the output log, which holds everything the tools printed.")),
			FSimpleDelegate::CreateLambda([]()
			{
				FGlobalTabmanager::Get()->TryInvokeTab(FTabId(FName(TEXT("OutputLog"))));
			}),
			SNotificationItem::CS_Fail));
		Info.ButtonDetails.Add(FNotificationButtonInfo(
			FText::FromString(TEXT("Dismiss")),
			FText::FromString(TEXT("Close this notification.")),
			FSimpleDelegate::CreateLambda([ItemSlot]()
			{
				if (TSharedPtr<SNotificationItem> Shown = ItemSlot->Pin())
				{
					Shown->Fadeout();
				}
			}),
			SNotificationItem::CS_Fail));
	}
}

void FJ5ExportNotification::Begin(const FString& Text, FSimpleDelegate OnCancel)
{
	FNotificationInfo Info(FText::FromString(Text));
	Info.bFireAndForget = false;
	Info.bUseThrobber = true;
	Info.ExpireDuration = 5.0f;
	Info.ButtonDetails.Add(FNotificationButtonInfo(
		FText::FromString(TEXT("Cancel")),
		FText::FromString(TEXT("Stop the export; nothing half-written is left behind.")),
		OnCancel,
		SNotificationItem::CS_Pending));
	const TSharedPtr<TWeakPtr<SNotificationItem>> ItemSlot = MakeShared<TWeakPtr<SNotificationItem>>();
	J5ExportNotificationPrivate::AddFailureButtons(Info, ItemSlot);
	Item = FSlateNotificationManager::Get().AddNotification(Info);
	*ItemSlot = Item;
	if (Item.IsValid())
	{
		Item->SetCompletionState(SNotificationItem::CS_Pending);
	}
}

void FJ5ExportNotification::SetProgress(const FString& SubText)
{
	if (Item.IsValid())
	{
		Item->SetSubText(FText::FromString(SubText));
	}
}

void FJ5ExportNotification::Succeed(const FString& Text, const FString& SubText)
{
	End(Text, SubText, SNotificationItem::CS_Success, true);
}

void FJ5ExportNotification::Fail(const FString& Text, const FString& Reason)
{
	// It stays until dismissed: the reason is what the user has to read.
	End(Text, Reason, SNotificationItem::CS_Fail, false);
}

void FJ5ExportNotification::Canceled(const FString& Text, const FString& SubText)
{
	End(Text, SubText, SNotificationItem::CS_None, true);
}

void FJ5ExportNotification::End(const FString& Text, const FString& SubText, SNotificationItem::ECompletionState State, bool bFadeOut)
{
	if (Item.IsValid())
	{
		Item->SetText(FText::FromString(Text));
		Item->SetSubText(FText::FromString(SubText));
		Item->SetCompletionState(State);
		if (bFadeOut)
		{
			Item->ExpireAndFadeout();
		}
		Item.Reset();
	}
}

void FJ5ExportNotification::ShowFailure(const FString& Text, const FString& Reason)
{
	FNotificationInfo Info(FText::FromString(Text));
	Info.SubText = FText::FromString(Reason);
	Info.bFireAndForget = false;
	Info.bUseThrobber = false;
	const TSharedPtr<TWeakPtr<SNotificationItem>> ItemSlot = MakeShared<TWeakPtr<SNotificationItem>>();
	J5ExportNotificationPrivate::AddFailureButtons(Info, ItemSlot);
	if (TSharedPtr<SNotificationItem> Shown = FSlateNotificationManager::Get().AddNotification(Info))
	{
		*ItemSlot = Shown;
		Shown->SetCompletionState(SNotificationItem::CS_Fail);
	}
}

#endif
