#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Misc/Optional.h"
#include "Layout/Visibility.h"
#include "Widgets/SCompoundWidget.h"

class INotificationWidget;

/** A notification shown in the editor's notification list. The list's own item class implements it. */
class SNotificationItem : public SCompoundWidget
{
public:
	enum ECompletionState
	{
		CS_None,
		CS_Pending,
		CS_Success,
		CS_Fail,
	};

	virtual ~SNotificationItem() = default;

	virtual void SetText(const TAttribute<FText>& InText) = 0;
	virtual void SetSubText(const TAttribute<FText>& InSubText) = 0;
	virtual void SetCompletionState(ECompletionState State) = 0;
	virtual ECompletionState GetCompletionState() const = 0;
	virtual void SetExpireDuration(float InExpireDuration) = 0;
	virtual void SetFadeInDuration(float InFadeInDuration) = 0;
	virtual void SetFadeOutDuration(float InFadeOutDuration) = 0;
	virtual void SetHyperlink(const FSimpleDelegate& InHyperlink, const TAttribute<FText>& InHyperlinkText = TAttribute<FText>()) = 0;
	virtual void ExpireAndFadeout() = 0;
	virtual void Fadeout() = 0;
	virtual void Pulse(const FLinearColor& GlowColor) = 0;
};

/** A button of a notification, shown while the notification is in VisibleInState. */
struct FNotificationButtonInfo
{
	FNotificationButtonInfo(const TAttribute<FText>& InText, const TAttribute<FText>& InToolTip, FSimpleDelegate InCallback, SNotificationItem::ECompletionState VisibleInState = SNotificationItem::CS_Pending)
		: Text(InText)
		, ToolTip(InToolTip)
		, Callback(InCallback)
		, VisibilityOnNone(VisibleInState == SNotificationItem::CS_None ? EVisibility::Visible : EVisibility::Collapsed)
		, VisibilityOnPending(VisibleInState == SNotificationItem::CS_Pending ? EVisibility::Visible : EVisibility::Collapsed)
		, VisibilityOnSuccess(VisibleInState == SNotificationItem::CS_Success ? EVisibility::Visible : EVisibility::Collapsed)
		, VisibilityOnFail(VisibleInState == SNotificationItem::CS_Fail ? EVisibility::Visible : EVisibility::Collapsed)
	{
	}

	TAttribute<FText> Text;
	TAttribute<FText> ToolTip;
	FSimpleDelegate Callback;
	EVisibility VisibilityOnNone;
	EVisibility VisibilityOnPending;
	EVisibility VisibilityOnSuccess;
	EVisibility VisibilityOnFail;
};

/** What a notification shows and how it behaves. */
struct FNotificationInfo
{
	FNotificationInfo(const FText& InText)
		: Text(InText)
	{
	}

	FNotificationInfo(TSharedPtr<INotificationWidget> InContentWidget)
		: ContentWidget(InContentWidget)
	{
	}

	TSharedPtr<INotificationWidget> ContentWidget;
	TAttribute<FText> Text;
	TAttribute<FText> SubText;
	TArray<FNotificationButtonInfo> ButtonDetails;
	float FadeInDuration = 0.5f;
	float FadeOutDuration = 2.0f;
	float ExpireDuration = 1.0f;
	bool bUseThrobber = true;
	bool bUseSuccessFailIcons = true;
	bool bUseLargeFont = true;
	TOptional<float> WidthOverride;
	bool bFireAndForget = true;
	bool bAllowThrottleWhenFrameRateIsLow = true;
	FSimpleDelegate Hyperlink;
	TAttribute<FText> HyperlinkText;
	bool bUseCopyToClipboard = false;
};

/** The list that holds the notifications on screen. */
class SNotificationList : public SCompoundWidget
{
};
