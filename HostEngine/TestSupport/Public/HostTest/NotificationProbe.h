#pragma once

#include "CoreMinimal.h"
#include "Widgets/Notifications/SNotificationList.h"

/** What tests see of the notifications the editor shows, and the user's clicks on their buttons. */
namespace HostTest
{
	struct FShownNotification
	{
		FString Text;
		FString SubText;
		SNotificationItem::ECompletionState State = SNotificationItem::CS_None;
		/** The throbber spins while the notification is pending. */
		bool bThrobberShown = false;
		bool bFireAndForget = true;
		/** Faded out (expired, or asked to fade out); it stays listed here. */
		bool bFadedOut = false;
		/** Labels of the buttons visible in the current state. */
		TArray<FString> VisibleButtons;
		/** How many times the notification pulsed. */
		int32 PulseCount = 0;
	};

	/** Every notification shown since the last clear, oldest first, as it looks now. */
	SLATE_API TArray<FShownNotification> GetShownNotifications();
	/** Clicks the visible button labelled ButtonText of notification Index; false when there is none. */
	SLATE_API bool ClickNotificationButton(int32 Index, const FString& ButtonText);
	/** Forgets the notifications (they are removed from the screen too). */
	SLATE_API void ClearShownNotifications();

	/** The tabs asked for through FGlobalTabmanager::TryInvokeTab ("OutputLog"...), oldest first. */
	SLATE_API TArray<FName> GetInvokedTabs();
	SLATE_API void ClearInvokedTabs();
}
