#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR

#include "Templates/SharedPointer.h"
#include "Widgets/Notifications/SNotificationList.h"

/**
 * The one notification that follows an export from start to end: pending with a throbber and Cancel
 * while it runs; then a success that fades, or a failure that stays until dismissed and offers the output log.
 */
class FJ5ExportNotification
{
public:
	void Begin(const FString& Text, FSimpleDelegate OnCancel);
	void SetProgress(const FString& SubText);
	void Succeed(const FString& Text, const FString& SubText);
	void Fail(const FString& Text, const FString& Reason);
	/** A cancel is the user's own choice: said, then faded like a success. */
	void Canceled(const FString& Text, const FString& SubText);

	/** A failure notification shown without a running export (a refusal). */
	static void ShowFailure(const FString& Text, const FString& Reason);

private:
	/** Shows the final state and lets go of the notification; a faded one leaves by itself. */
	void End(const FString& Text, const FString& SubText, SNotificationItem::ECompletionState State, bool bFadeOut);

	TSharedPtr<SNotificationItem> Item;
};

#endif
