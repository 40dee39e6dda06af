#include "Styling/SlateTypes.h"

const FName FTextBlockStyle::TypeName(TEXT("FTextBlockStyle"));

FTextBlockStyle::FTextBlockStyle()
	: ColorAndOpacity(FLinearColor::White)
	, ShadowColorAndOpacity(FLinearColor::Black)
	, HighlightColor(FLinearColor::White)
{
}

const FTextBlockStyle& FTextBlockStyle::GetDefault()
{
	static const FTextBlockStyle Default = FTextBlockStyle().SetFont(FSlateFontInfo(FString(TEXT("Roboto")), 10.0f));
	return Default;
}

const FName FButtonStyle::TypeName(TEXT("FButtonStyle"));

FButtonStyle::FButtonStyle()
	: NormalForeground(FLinearColor::White)
	, HoveredForeground(FLinearColor::White)
	, PressedForeground(FLinearColor::White)
	, DisabledForeground(FLinearColor::Gray)
{
}

const FButtonStyle& FButtonStyle::GetDefault()
{
	static const FButtonStyle Default = FButtonStyle().SetNormalPadding(FMargin(2.0f, 2.0f, 2.0f, 2.0f)).SetPressedPadding(FMargin(2.0f, 3.0f, 2.0f, 1.0f));
	return Default;
}
