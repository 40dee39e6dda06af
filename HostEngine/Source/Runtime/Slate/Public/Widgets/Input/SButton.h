#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Input/Reply.h"
#include "Layout/Margin.h"
#include "Styling/SlateColor.h"
#include "Styling/SlateTypes.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Layout/SBorder.h"

/** A clickable button. Without content of its own it shows its Text in a text block. */
class SLATE_API SButton : public SBorder
{
	SLATE_DECLARE_WIDGET(SButton, SBorder)

public:
	SLATE_BEGIN_ARGS(SButton)
		: _ButtonStyle(&FButtonStyle::GetDefault())
		, _TextStyle(&FTextBlockStyle::GetDefault())
		, _HAlign(HAlign_Fill)
		, _VAlign(VAlign_Fill)
		, _ContentPadding(FMargin(4.0f, 2.0f))
		, _ClickMethod(EButtonClickMethod::DownAndUp)
		, _TouchMethod(EButtonTouchMethod::DownAndUp)
		, _PressMethod(EButtonPressMethod::DownAndUp)
		, _DesiredSizeScale(FVector2D(1.0, 1.0))
		, _ContentScale(FVector2D(1.0, 1.0))
		, _ButtonColorAndOpacity(FLinearColor::White)
		, _ForegroundColor(FSlateColor::UseStyle())
		, _IsFocusable(true)
		, _AllowDragDrop(false)
	{
	}
		/** Content shown in the button; without it the button shows Text. */
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_STYLE_ARGUMENT(FButtonStyle, ButtonStyle)
		/** The style of the text block the button makes for Text. */
		SLATE_STYLE_ARGUMENT(FTextBlockStyle, TextStyle)
		SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
		SLATE_ARGUMENT(EVerticalAlignment, VAlign)
		SLATE_ATTRIBUTE(FMargin, ContentPadding)
		/** Shown when the button has no content of its own. */
		SLATE_ATTRIBUTE(FText, Text)
		SLATE_EVENT(FOnClicked, OnClicked)
		SLATE_EVENT(FSimpleDelegate, OnPressed)
		SLATE_EVENT(FSimpleDelegate, OnReleased)
		SLATE_EVENT(FSimpleDelegate, OnHovered)
		SLATE_EVENT(FSimpleDelegate, OnUnhovered)
		SLATE_ARGUMENT(EButtonClickMethod::Type, ClickMethod)
		SLATE_ARGUMENT(EButtonTouchMethod::Type, TouchMethod)
		SLATE_ARGUMENT(EButtonPressMethod::Type, PressMethod)
		SLATE_ATTRIBUTE(FVector2D, DesiredSizeScale)
		SLATE_ATTRIBUTE(FVector2D, ContentScale)
		SLATE_ATTRIBUTE(FSlateColor, ButtonColorAndOpacity)
		SLATE_ATTRIBUTE(FSlateColor, ForegroundColor)
		SLATE_ARGUMENT(bool, IsFocusable)
		SLATE_ARGUMENT(bool, AllowDragDrop)
	SLATE_END_ARGS()

	SButton();
	virtual ~SButton();

	void Construct(const FArguments& InArgs);

	/** Whether the button is held down. */
	bool IsPressed() const
	{
		return bIsPressed;
	}

	/** Clicks the button as a user would: press, release, click. Does nothing while it is disabled. */
	void SimulateClick();

	void SetOnClicked(FOnClicked InOnClicked);
	void SetOnHovered(FSimpleDelegate InOnHovered);
	void SetOnUnhovered(FSimpleDelegate InOnUnhovered);
	void SetContentPadding(TAttribute<FMargin> InContentPadding);
	void SetButtonStyle(const FButtonStyle* ButtonStyle);
	void SetClickMethod(EButtonClickMethod::Type InClickMethod);
	void SetTouchMethod(EButtonTouchMethod::Type InTouchMethod);
	void SetPressMethod(EButtonPressMethod::Type InPressMethod);

	virtual void HostPaint(HostTest::FWidgetSnapshot& Out) const override;

protected:
	void Press();
	void Release();

	/** Calls the click handler; an unbound handler, or one whose object has gone, gives an unhandled reply. */
	FReply ExecuteOnClick();

	FOnClicked OnClicked;
	FSimpleDelegate OnPressed;
	FSimpleDelegate OnReleased;
	FSimpleDelegate OnHovered;
	FSimpleDelegate OnUnhovered;

	const FButtonStyle* Style;
	const FTextBlockStyle* TextStyle;
	TAttribute<FMargin> ContentPadding;
	TAttribute<FVector2D> ContentScale;
	/** The Text argument, kept for the host's report when the button shows content of its own. */
	TAttribute<FText> Text;
	EButtonClickMethod::Type ClickMethod;
	EButtonTouchMethod::Type TouchMethod;
	EButtonPressMethod::Type PressMethod;
	bool bIsFocusable;
	bool bAllowDragDrop;
	bool bIsPressed;
	/** Whether the content is the text block the button made for Text. */
	bool bShowsText;

private:
	/** The host's test probe clicks through the handler directly. */
	friend struct FButtonAccess;
};
