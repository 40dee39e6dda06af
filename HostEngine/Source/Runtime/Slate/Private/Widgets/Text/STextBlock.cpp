#include "Widgets/Text/STextBlock.h"
#include "HostTest/SlateProbe.h"

namespace
{
	FString DescribeJustification(ETextJustify::Type Justification)
	{
		switch (Justification)
		{
		case ETextJustify::Left:
			return TEXT("Left");
		case ETextJustify::Center:
			return TEXT("Center");
		case ETextJustify::Right:
			return TEXT("Right");
		case ETextJustify::InvariantLeft:
			return TEXT("InvariantLeft");
		case ETextJustify::InvariantRight:
			return TEXT("InvariantRight");
		}
		return FString::FromInt(static_cast<int32>(Justification));
	}

	FString DescribeWrappingPolicy(ETextWrappingPolicy Policy)
	{
		return Policy == ETextWrappingPolicy::AllowPerCharacterWrapping ? TEXT("AllowPerCharacterWrapping") : TEXT("DefaultWrapping");
	}

	FString DescribeTransformPolicy(ETextTransformPolicy Policy)
	{
		switch (Policy)
		{
		case ETextTransformPolicy::None:
			return TEXT("None");
		case ETextTransformPolicy::ToLower:
			return TEXT("ToLower");
		case ETextTransformPolicy::ToUpper:
			return TEXT("ToUpper");
		}
		return FString();
	}

	FString DescribeOverflowPolicy(const TOptional<ETextOverflowPolicy>& Policy)
	{
		if (!Policy.IsSet())
		{
			return TEXT("unset");
		}
		switch (Policy.GetValue())
		{
		case ETextOverflowPolicy::Clip:
			return TEXT("Clip");
		case ETextOverflowPolicy::Ellipsis:
			return TEXT("Ellipsis");
		case ETextOverflowPolicy::MultilineEllipsis:
			return TEXT("MultilineEllipsis");
		}
		return FString();
	}

	template<typename EnumType>
	FString DescribeOptionalEnum(const TOptional<EnumType>& Value)
	{
		return Value.IsSet() ? FString::FromInt(static_cast<int32>(Value.GetValue())) : FString(TEXT("unset"));
	}

	FString DescribeBrush(const TAttribute<const FSlateBrush*>& Brush)
	{
		return Brush.IsSet() ? HostTest::DescribeStylePointer(Brush.Get(), nullptr) : FString(TEXT("unset"));
	}
}

STextBlock::STextBlock()
	: TextStyle(&FTextBlockStyle::GetDefault())
	, bSimpleTextMode(false)
{
}

STextBlock::~STextBlock() = default;

void STextBlock::Construct(const FArguments& InArgs)
{
	BoundText = InArgs._Text;
	TextStyle = InArgs._TextStyle ? InArgs._TextStyle : &FTextBlockStyle::GetDefault();
	Font = InArgs._Font;
	StrikeBrush = InArgs._StrikeBrush;
	ColorAndOpacity = InArgs._ColorAndOpacity;
	ShadowOffset = InArgs._ShadowOffset;
	ShadowColorAndOpacity = InArgs._ShadowColorAndOpacity;
	HighlightColor = InArgs._HighlightColor;
	HighlightShape = InArgs._HighlightShape;
	HighlightText = InArgs._HighlightText;
	WrapTextAt = InArgs._WrapTextAt;
	AutoWrapText = InArgs._AutoWrapText;
	WrappingPolicy = InArgs._WrappingPolicy;
	TransformPolicy = InArgs._TransformPolicy;
	Margin = InArgs._Margin;
	LineHeightPercentage = InArgs._LineHeightPercentage;
	ApplyLineHeightToBottomLine = InArgs._ApplyLineHeightToBottomLine;
	Justification = InArgs._Justification;
	MinDesiredWidth = InArgs._MinDesiredWidth;
	TextShapingMethod = InArgs._TextShapingMethod;
	TextFlowDirection = InArgs._TextFlowDirection;
	OverflowPolicy = InArgs._OverflowPolicy;
	bSimpleTextMode = InArgs._SimpleTextMode;
}

const FText& STextBlock::GetText() const
{
	if (!BoundText.IsSet())
	{
		return FText::GetEmpty();
	}
	return BoundText.Get();
}

void STextBlock::SetText(TAttribute<FText> InText)
{
	BoundText = MoveTemp(InText);
}

void STextBlock::SetHighlightText(TAttribute<FText> InText)
{
	HighlightText = MoveTemp(InText);
}

void STextBlock::SetFont(TAttribute<FSlateFontInfo> InFont)
{
	Font = MoveTemp(InFont);
}

void STextBlock::SetStrikeBrush(TAttribute<const FSlateBrush*> InStrikeBrush)
{
	StrikeBrush = MoveTemp(InStrikeBrush);
}

void STextBlock::SetColorAndOpacity(TAttribute<FSlateColor> InColorAndOpacity)
{
	ColorAndOpacity = MoveTemp(InColorAndOpacity);
}

void STextBlock::SetTextStyle(const FTextBlockStyle* InTextStyle)
{
	TextStyle = InTextStyle ? InTextStyle : &FTextBlockStyle::GetDefault();
}

void STextBlock::SetTextShapingMethod(const TOptional<ETextShapingMethod>& InTextShapingMethod)
{
	TextShapingMethod = InTextShapingMethod;
}

void STextBlock::SetTextFlowDirection(const TOptional<ETextFlowDirection>& InTextFlowDirection)
{
	TextFlowDirection = InTextFlowDirection;
}

void STextBlock::SetWrapTextAt(TAttribute<float> InWrapTextAt)
{
	WrapTextAt = MoveTemp(InWrapTextAt);
}

void STextBlock::SetAutoWrapText(TAttribute<bool> InAutoWrapText)
{
	AutoWrapText = MoveTemp(InAutoWrapText);
}

void STextBlock::SetWrappingPolicy(TAttribute<ETextWrappingPolicy> InWrappingPolicy)
{
	WrappingPolicy = MoveTemp(InWrappingPolicy);
}

void STextBlock::SetTransformPolicy(TAttribute<ETextTransformPolicy> InTransformPolicy)
{
	TransformPolicy = MoveTemp(InTransformPolicy);
}

void STextBlock::SetOverflowPolicy(TOptional<ETextOverflowPolicy> InOverflowPolicy)
{
	OverflowPolicy = InOverflowPolicy;
}

void STextBlock::SetShadowOffset(TAttribute<FVector2D> InShadowOffset)
{
	ShadowOffset = MoveTemp(InShadowOffset);
}

void STextBlock::SetShadowColorAndOpacity(TAttribute<FLinearColor> InShadowColorAndOpacity)
{
	ShadowColorAndOpacity = MoveTemp(InShadowColorAndOpacity);
}

void STextBlock::SetMinDesiredWidth(TAttribute<float> InMinDesiredWidth)
{
	MinDesiredWidth = MoveTemp(InMinDesiredWidth);
}

void STextBlock::SetLineHeightPercentage(TAttribute<float> InLineHeightPercentage)
{
	LineHeightPercentage = MoveTemp(InLineHeightPercentage);
}

void STextBlock::SetApplyLineHeightToBottomLine(TAttribute<bool> InApplyLineHeightToBottomLine)
{
	ApplyLineHeightToBottomLine = MoveTemp(InApplyLineHeightToBottomLine);
}

void STextBlock::SetMargin(TAttribute<FMargin> InMargin)
{
	Margin = MoveTemp(InMargin);
}

void STextBlock::SetJustification(TAttribute<ETextJustify::Type> InJustification)
{
	Justification = MoveTemp(InJustification);
}

FSlateFontInfo STextBlock::GetFont() const
{
	return Font.IsSet() ? Font.Get() : TextStyle->Font;
}

FSlateColor STextBlock::GetColorAndOpacity() const
{
	return ColorAndOpacity.IsSet() ? ColorAndOpacity.Get() : TextStyle->ColorAndOpacity;
}

void STextBlock::HostPaint(HostTest::FWidgetSnapshot& Out) const
{
	SLeafWidget::HostPaint(Out);
	auto Add = [&Out](const TCHAR* Name, const FString& Value) { Out.Arguments.Add(Name, Value); };
	Add(TEXT("Text"), GetText().ToString());
	Add(TEXT("TextStyle"), HostTest::DescribeStylePointer(TextStyle, &FTextBlockStyle::GetDefault()));
	Add(TEXT("Font"), HostTest::DescribeAttribute(Font));
	Add(TEXT("StrikeBrush"), DescribeBrush(StrikeBrush));
	Add(TEXT("ColorAndOpacity"), HostTest::DescribeAttribute(ColorAndOpacity));
	Add(TEXT("ShadowOffset"), HostTest::DescribeAttribute(ShadowOffset));
	Add(TEXT("ShadowColorAndOpacity"), HostTest::DescribeAttribute(ShadowColorAndOpacity));
	Add(TEXT("HighlightColor"), HostTest::DescribeAttribute(HighlightColor));
	Add(TEXT("HighlightShape"), DescribeBrush(HighlightShape));
	Add(TEXT("HighlightText"), HostTest::DescribeAttribute(HighlightText));
	Add(TEXT("WrapTextAt"), HostTest::DescribeAttribute(WrapTextAt));
	Add(TEXT("AutoWrapText"), HostTest::DescribeAttribute(AutoWrapText));
	Add(TEXT("WrappingPolicy"), WrappingPolicy.IsSet() ? DescribeWrappingPolicy(WrappingPolicy.Get()) : FString(TEXT("unset")));
	Add(TEXT("TransformPolicy"), TransformPolicy.IsSet() ? DescribeTransformPolicy(TransformPolicy.Get()) : FString(TEXT("unset")));
	Add(TEXT("Margin"), HostTest::DescribeAttribute(Margin));
	Add(TEXT("LineHeightPercentage"), HostTest::DescribeAttribute(LineHeightPercentage));
	Add(TEXT("ApplyLineHeightToBottomLine"), HostTest::DescribeAttribute(ApplyLineHeightToBottomLine));
	Add(TEXT("Justification"), Justification.IsSet() ? DescribeJustification(Justification.Get()) : FString(TEXT("unset")));
	Add(TEXT("MinDesiredWidth"), HostTest::DescribeAttribute(MinDesiredWidth));
	Add(TEXT("TextShapingMethod"), DescribeOptionalEnum(TextShapingMethod));
	Add(TEXT("TextFlowDirection"), DescribeOptionalEnum(TextFlowDirection));
	Add(TEXT("OverflowPolicy"), DescribeOverflowPolicy(OverflowPolicy));
	Add(TEXT("SimpleTextMode"), HostTest::ToDisplayString(bSimpleTextMode));
}
