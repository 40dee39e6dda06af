#include "HostTest/SlateProbe.h"
#include "Layout/Children.h"

#include <atomic>

namespace HostTest
{
	namespace
	{
		std::atomic<int32> PaintCount { 0 };

		void CollectWidgetsOfType(const TSharedRef<SWidget>& Widget, const FString& Type, TArray<TSharedRef<SWidget>>& Out)
		{
			if (Widget->GetTypeAsString().Equals(Type, ESearchCase::CaseSensitive))
			{
				Out.Add(Widget);
			}
			if (FChildren* Children = Widget->GetChildren())
			{
				for (int32 Index = 0; Index < Children->Num(); ++Index)
				{
					CollectWidgetsOfType(Children->GetChildAt(Index), Type, Out);
				}
			}
		}
	}

	FWidgetSnapshot PaintWidget(const TSharedRef<SWidget>& Widget)
	{
		// The caller's reference may be the one a getter drops during the paint.
		const TSharedRef<SWidget> KeepAlive = Widget;
		++PaintCount;
		FWidgetSnapshot Snapshot;
		KeepAlive->HostPaint(Snapshot);
		return Snapshot;
	}

	int32 GetPaintCount()
	{
		return PaintCount.load();
	}

	TArray<TSharedRef<SWidget>> FindWidgetsOfType(const TSharedRef<SWidget>& Root, const FString& Type)
	{
		TArray<TSharedRef<SWidget>> Found;
		CollectWidgetsOfType(Root, Type, Found);
		return Found;
	}

	TSharedPtr<SWidget> FindFirstWidgetOfType(const TSharedRef<SWidget>& Root, const FString& Type)
	{
		TArray<TSharedRef<SWidget>> Found = FindWidgetsOfType(Root, Type);
		return Found.Num() > 0 ? TSharedPtr<SWidget>(Found[0]) : TSharedPtr<SWidget>();
	}

	void RecordGivenArguments(FWidgetSnapshot& Out, const FSlateBaseNamedArgs& Args)
	{
		for (const FString& Name : Args.HostGetGivenArguments())
		{
			Out.GivenArguments.Add(Name);
		}
	}

	FString ToDisplayString(const FText& Value)
	{
		return Value.ToString();
	}

	FString ToDisplayString(bool bValue)
	{
		return bValue ? TEXT("true") : TEXT("false");
	}

	FString ToDisplayString(float Value)
	{
		return FString::SanitizeFloat(Value);
	}

	FString ToDisplayString(EHorizontalAlignment Value)
	{
		switch (Value)
		{
		case HAlign_Fill:
			return TEXT("HAlign_Fill");
		case HAlign_Left:
			return TEXT("HAlign_Left");
		case HAlign_Center:
			return TEXT("HAlign_Center");
		case HAlign_Right:
			return TEXT("HAlign_Right");
		}
		return FString::Printf(TEXT("EHorizontalAlignment(%d)"), static_cast<int32>(Value));
	}

	FString ToDisplayString(EVerticalAlignment Value)
	{
		switch (Value)
		{
		case VAlign_Fill:
			return TEXT("VAlign_Fill");
		case VAlign_Top:
			return TEXT("VAlign_Top");
		case VAlign_Center:
			return TEXT("VAlign_Center");
		case VAlign_Bottom:
			return TEXT("VAlign_Bottom");
		}
		return FString::Printf(TEXT("EVerticalAlignment(%d)"), static_cast<int32>(Value));
	}

	FString ToDisplayString(const FMargin& Value)
	{
		return FString::Printf(TEXT("(Left=%s,Top=%s,Right=%s,Bottom=%s)"),
			*FString::SanitizeFloat(Value.Left), *FString::SanitizeFloat(Value.Top),
			*FString::SanitizeFloat(Value.Right), *FString::SanitizeFloat(Value.Bottom));
	}

	FString ToDisplayString(const FLinearColor& Value)
	{
		return Value.ToString();
	}

	FString ToDisplayString(const FSlateColor& Value)
	{
		switch (Value.GetColorUseRule())
		{
		case ESlateColorStylingMode::UseColor_Specified:
			return Value.GetSpecifiedColor().ToString();
		case ESlateColorStylingMode::UseColor_ColorTable:
			return TEXT("ColorTable");
		case ESlateColorStylingMode::UseColor_Foreground:
			return TEXT("UseForeground");
		case ESlateColorStylingMode::UseColor_Foreground_Subdued:
			return TEXT("UseSubduedForeground");
		case ESlateColorStylingMode::UseColor_UseStyle:
			return TEXT("UseStyle");
		}
		return FString();
	}

	FString ToDisplayString(const FOptionalSize& Value)
	{
		return Value.IsSet() ? FString::SanitizeFloat(Value.Get()) : FString(TEXT("unset"));
	}

	FString ToDisplayString(const EVisibility& Value)
	{
		return Value.ToString();
	}

	FString ToDisplayString(const FSlateFontInfo& Value)
	{
		if (!Value.HasValidFont())
		{
			return TEXT("None");
		}
		return FString::Printf(TEXT("(Font=%s,Typeface=%s,Size=%s)"), *Value.FontName.ToString(), *Value.TypefaceFontName.ToString(), *FString::SanitizeFloat(Value.Size));
	}

	FString ToDisplayString(const FVector2D& Value)
	{
		return FString::Printf(TEXT("(X=%s,Y=%s)"), *FString::SanitizeFloat(Value.X), *FString::SanitizeFloat(Value.Y));
	}

	FString DescribeStylePointer(const void* Value, const void* BuiltIn)
	{
		if (!Value)
		{
			return TEXT("None");
		}
		return Value == BuiltIn ? FString(TEXT("Default")) : FString(TEXT("Custom"));
	}
}
