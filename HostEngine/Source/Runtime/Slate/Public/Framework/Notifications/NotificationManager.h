#pragma once

#include "CoreMinimal.h"
#include "Widgets/Notifications/SNotificationList.h"

/** Shows notifications in the corner of the editor's window. */
class FSlateNotificationManager
{
public:
	static SLATE_API FSlateNotificationManager& Get();

	/** Shows a notification now; call on the game thread. */
	SLATE_API TSharedPtr<SNotificationItem> AddNotification(const FNotificationInfo& Info);
	/** Shows a notification on the next game-thread tick; any thread. Takes ownership of Info. */
	SLATE_API void QueueNotification(FNotificationInfo* Info);

private:
	FSlateNotificationManager() = default;
};
