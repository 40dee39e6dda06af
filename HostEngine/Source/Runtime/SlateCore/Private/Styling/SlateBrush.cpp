#include "Styling/SlateBrush.h"

FSlateBrush::FSlateBrush()
	: ImageSize(32.0, 32.0)
	, Margin(0.0f)
	, TintColor(FLinearColor::White)
	, DrawAs(ESlateBrushDrawType::Image)
{
}

FSlateNoResource::FSlateNoResource()
{
	DrawAs = ESlateBrushDrawType::NoDrawType;
}
