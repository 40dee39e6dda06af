#include "Widgets/Input/SButton.h"
#include "HostTest/SlateProbe.h"
#include "Widgets/Text/STextBlock.h"

namespace
{
	FString DescribeClickMethod(EButtonClickMethod::Type Method)
	{
		switch (Method)
		{
		case EButtonClickMethod::DownAndUp:
			return TEXT("DownAndUp");
		case EButtonClickMethod::MouseDown:
			return TEXT("MouseDown");
		case EButtonClickMethod::MouseUp:
			return TEXT("MouseUp");
		case EButtonClickMethod::PreciseClick:
			return TEXT("PreciseClick");
		}
		return FString::FromInt(static_cast<int32>(Method));
	}

	FString DescribeTouchMethod(EButtonTouchMethod::Type Method)
	{
		switch (Method)
		{
		case EButtonTouchMethod::DownAndUp:
			return TEXT("DownAndUp");
		case EButtonTouchMethod::Down:
			return TEXT("Down");
		case EButtonTouchMethod::PreciseTap:
			return TEXT("PreciseTap");
		}
		return FString::FromInt(static_cast<int32>(Method));
	}

	FString DescribePressMethod(EButtonPressMethod::Type Method)
	{
		switch (Method)
		{
		case EButtonPressMethod::DownAndUp:
			return TEXT("DownAndUp");
		case EButtonPressMethod::ButtonPress:
			return TEXT("ButtonPress");
		case EButtonPressMethod::ButtonRelease:
			return TEXT("ButtonRelease");
		}
		return FString::FromInt(static_cast<int32>(Method));
	}
}

SButton::SButton()
	: Style(&FButtonStyle::GetDefault())
	, TextStyle(&FTextBlockStyle::GetDefault())
	, ContentPadding(FMargin(4.0f, 2.0f))
	, ContentScale(FVector2D(1.0, 1.0))
	, ClickMethod(EButtonClickMethod::DownAndUp)
	, TouchMethod(EButtonTouchMethod::DownAndUp)
	, PressMethod(EButtonPressMethod::DownAndUp)
	, bIsFocusable(true)
	, bAllowDragDrop(false)
	, bIsPressed(false)
	, bShowsText(false)
{
}

SButton::~SButton() = default;

void SButton::Construct(const FArguments& InArgs)
{
	Style = InArgs._ButtonStyle;
	TextStyle = InArgs._TextStyle;
	ContentPadding = InArgs._ContentPadding;
	ContentScale = InArgs._ContentScale;
	Text = InArgs._Text;
	OnClicked = InArgs._OnClicked;
	OnPressed = InArgs._OnPressed;
	OnReleased = InArgs._OnReleased;
	OnHovered = InArgs._OnHovered;
	OnUnhovered = InArgs._OnUnhovered;
	ClickMethod = InArgs._ClickMethod;
	TouchMethod = InArgs._TouchMethod;
	PressMethod = InArgs._PressMethod;
	bIsFocusable = InArgs._IsFocusable;
	bAllowDragDrop = InArgs._AllowDragDrop;

	// Without content of its own the button shows its text, in a text block that shares the Text binding.
	TSharedRef<SWidget> Content = InArgs._Content.Widget;
	bShowsText = &Content.Get() == &SNullWidget::NullWidget.Get();
	if (bShowsText)
	{
		STextBlock::FArguments TextArguments;
		if (InArgs._Text.IsSet())
		{
			TextArguments.Text(InArgs._Text);
		}
		if (InArgs._TextStyle != &FTextBlockStyle::GetDefault())
		{
			TextArguments.TextStyle(InArgs._TextStyle);
		}
		Content = MakeTDecl<STextBlock>("STextBlock", __FILE__, __LINE__, RequiredArgs::MakeRequiredArgs()) <<= TextArguments;
	}

	SBorder::Construct(SBorder::FArguments()
		.ColorAndOpacity(FLinearColor::White)
		.BorderBackgroundColor(InArgs._ButtonColorAndOpacity)
		.ForegroundColor(InArgs._ForegroundColor)
		.HAlign(InArgs._HAlign)
		.VAlign(InArgs._VAlign)
		.Padding(InArgs._ContentPadding)
		[
			Content
		]);
	SetDesiredSizeScale(InArgs._DesiredSizeScale);
}

FReply SButton::ExecuteOnClick()
{
	// A weak binding whose object has gone reads as unbound: the click then does nothing.
	if (OnClicked.IsBound())
	{
		return OnClicked.Execute();
	}
	return FReply::Unhandled();
}

void SButton::Press()
{
	bIsPressed = true;
	OnPressed.ExecuteIfBound();
}

void SButton::Release()
{
	bIsPressed = false;
	OnReleased.ExecuteIfBound();
}

void SButton::SimulateClick()
{
	if (!IsEnabled())
	{
		return;
	}
	// The handlers may drop the last outside reference to the button.
	const TSharedRef<SWidget> KeepAlive = AsShared();
	Press();
	Release();
	ExecuteOnClick();
}

void SButton::SetOnClicked(FOnClicked InOnClicked)
{
	OnClicked = MoveTemp(InOnClicked);
}

void SButton::SetOnHovered(FSimpleDelegate InOnHovered)
{
	OnHovered = MoveTemp(InOnHovered);
}

void SButton::SetOnUnhovered(FSimpleDelegate InOnUnhovered)
{
	OnUnhovered = MoveTemp(InOnUnhovered);
}

void SButton::SetContentPadding(TAttribute<FMargin> InContentPadding)
{
	ContentPadding = InContentPadding;
	SetPadding(MoveTemp(InContentPadding));
}

void SButton::SetButtonStyle(const FButtonStyle* InButtonStyle)
{
	Style = InButtonStyle;
}

void SButton::SetClickMethod(EButtonClickMethod::Type InClickMethod)
{
	ClickMethod = InClickMethod;
}

void SButton::SetTouchMethod(EButtonTouchMethod::Type InTouchMethod)
{
	TouchMethod = InTouchMethod;
}

void SButton::SetPressMethod(EButtonPressMethod::Type InPressMethod)
{
	PressMethod = InPressMethod;
}

void SButton::HostPaint(HostTest::FWidgetSnapshot& Out) const
{
	// The border's own arguments are the button's business, not its caller's: report the button's.
	SCompoundWidget::HostPaint(Out);

	FString ShownText;
	if (bShowsText && Out.Children.Num() == 1)
	{
		// Read the text once per paint, as the text block draws it.
		ShownText = Out.Children[0].Arguments.FindRef(TEXT("Text"));
	}
	else if (Text.IsSet())
	{
		ShownText = Text.Get().ToString();
	}

	auto Add = [&Out](const TCHAR* Name, const FString& Value) { Out.Arguments.Add(Name, Value); };
	Add(TEXT("Text"), ShownText);
	Add(TEXT("Content"), bShowsText ? FString(TEXT("Text")) : GetContent()->GetTypeAsString());
	Add(TEXT("ButtonStyle"), HostTest::DescribeStylePointer(Style, &FButtonStyle::GetDefault()));
	Add(TEXT("TextStyle"), HostTest::DescribeStylePointer(TextStyle, &FTextBlockStyle::GetDefault()));
	Add(TEXT("HAlign"), HostTest::ToDisplayString(ChildSlot.GetHorizontalAlignment()));
	Add(TEXT("VAlign"), HostTest::ToDisplayString(ChildSlot.GetVerticalAlignment()));
	Add(TEXT("ContentPadding"), HostTest::ToDisplayString(ContentPadding.Get(FMargin())));
	Add(TEXT("OnClicked"), HostTest::DescribeBinding(OnClicked));
	Add(TEXT("OnPressed"), HostTest::DescribeBinding(OnPressed));
	Add(TEXT("OnReleased"), HostTest::DescribeBinding(OnReleased));
	Add(TEXT("OnHovered"), HostTest::DescribeBinding(OnHovered));
	Add(TEXT("OnUnhovered"), HostTest::DescribeBinding(OnUnhovered));
	Add(TEXT("ClickMethod"), DescribeClickMethod(ClickMethod));
	Add(TEXT("TouchMethod"), DescribeTouchMethod(TouchMethod));
	Add(TEXT("PressMethod"), DescribePressMethod(PressMethod));
	Add(TEXT("DesiredSizeScale"), HostTest::ToDisplayString(DesiredSizeScale.Get(FVector2D(1.0, 1.0))));
	Add(TEXT("ContentScale"), HostTest::ToDisplayString(ContentScale.Get(FVector2D(1.0, 1.0))));
	Add(TEXT("ButtonColorAndOpacity"), HostTest::ToDisplayString(GetBorderBackgroundColor()));
	Add(TEXT("ForegroundColor"), HostTest::ToDisplayString(GetForegroundColor()));
	Add(TEXT("IsFocusable"), HostTest::ToDisplayString(bIsFocusable));
	Add(TEXT("AllowDragDrop"), HostTest::ToDisplayString(bAllowDragDrop));
}
