#pragma once

#include "CoreMinimal.h"
#include "Fonts/SlateFontInfo.h"
#include "Input/Reply.h"
#include "Layout/Margin.h"
#include "Layout/Visibility.h"
#include "Styling/SlateColor.h"
#include "Types/SlateEnums.h"
#include "Types/SlateStructs.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SWidget.h"

class SButton;

/**
 * What tests can see of the widgets the host builds.
 *
 * Recording given arguments: every setter that SLATE_ARGUMENT, SLATE_ATTRIBUTE, SLATE_EVENT, SLATE_STYLE_ARGUMENT,
 * the named/default slot macros and the shared base arguments (ToolTipText, IsEnabled, Visibility, ...) generate
 * notes its argument's name in the FArguments (FSlateBaseNamedArgs::HostRecordGiven). SNew passes the names on to
 * the widget, and SWidget::HostPaint reports them as GivenArguments; a widget that keeps a copy of its FArguments
 * can report them itself with HOST_RECORD_GIVEN_ARGUMENTS(Out, Args). Slot arguments (Slot().AutoWidth(), ...)
 * are noted in the slot the same way (FSlotBase::HostRecordGivenSlotArgument).
 *
 * Display strings used in Arguments and SlotArguments:
 *   text: its display string; bool: "true"/"false"; float: FString::SanitizeFloat ("250.0");
 *   alignment: the enumerator ("HAlign_Center", "VAlign_Fill");
 *   margin: "(Left=5.0,Top=0.0,Right=5.0,Bottom=0.0)";
 *   specified colour: FLinearColor::ToString, "(R=1.000000,G=0.000000,B=0.000000,A=1.000000)";
 *   other slate colours: "UseForeground", "UseSubduedForeground", "UseStyle", "ColorTable";
 *   optional size: the size, or "unset"; visibility: EVisibility::ToString ("Visible", "Collapsed", ...);
 *   font: "(Font=Name,Typeface=Regular,Size=10.0)", or "None" for a font without a family;
 *   style and brush pointers: "Default" (the built-in one), "None" (null) or "Custom";
 *   events: "bound"/"unbound" (an SP binding whose object has gone reads "unbound");
 *   an attribute left unset where the widget falls back to its style: "unset".
 */
namespace HostTest
{
	/** What one paint of a widget shows: bound attributes are evaluated during the paint, as Slate does each frame. */
	struct FWidgetSnapshot
	{
		// Declared here and defaulted below, where the type is complete: the copies hold arrays of the type itself.
		FWidgetSnapshot();
		FWidgetSnapshot(const FWidgetSnapshot& Other);
		FWidgetSnapshot(FWidgetSnapshot&& Other);
		FWidgetSnapshot& operator=(const FWidgetSnapshot& Other);
		FWidgetSnapshot& operator=(FWidgetSnapshot&& Other);
		~FWidgetSnapshot();

		/** The widget's type as SNew names it: "SButton", "STextBlock", "SHorizontalBox", ... */
		FString Type;
		/** Every argument of the widget, given or default, as display strings. */
		TMap<FString, FString> Arguments;
		/** The names the caller set explicitly in SNew(...). */
		TSet<FString> GivenArguments;
		/** Arguments of the slot that holds this widget in its parent (AutoWidth, Padding, ...). */
		TMap<FString, FString> SlotArguments;
		TSet<FString> GivenSlotArguments;
		TArray<FWidgetSnapshot> Children;
	};

	inline FWidgetSnapshot::FWidgetSnapshot() = default;
	inline FWidgetSnapshot::FWidgetSnapshot(const FWidgetSnapshot& Other) = default;
	inline FWidgetSnapshot::FWidgetSnapshot(FWidgetSnapshot&& Other) = default;
	inline FWidgetSnapshot& FWidgetSnapshot::operator=(const FWidgetSnapshot& Other) = default;
	inline FWidgetSnapshot& FWidgetSnapshot::operator=(FWidgetSnapshot&& Other) = default;
	inline FWidgetSnapshot::~FWidgetSnapshot() = default;

	/**
	 * Paints the widget and everything below it once, and counts the paint. Every widget is painted whatever its
	 * visibility (which is reported as an argument). The widget, and each child while it is painted, is kept alive
	 * for the paint, so a getter may drop the last other reference to it.
	 */
	SLATECORE_API FWidgetSnapshot PaintWidget(const TSharedRef<SWidget>& Widget);

	/** Calls of PaintWidget so far in this process (painting a details panel paints each row's widget once). */
	SLATECORE_API int32 GetPaintCount();

	/** The root and all widgets below it whose SNew type is Type, depth first, parents before children. */
	SLATECORE_API TArray<TSharedRef<SWidget>> FindWidgetsOfType(const TSharedRef<SWidget>& Root, const FString& Type);

	/** The first widget of that type below (or at) Root, or null. */
	SLATECORE_API TSharedPtr<SWidget> FindFirstWidgetOfType(const TSharedRef<SWidget>& Root, const FString& Type);

	/** Adds the argument names the caller gave in Args to the snapshot's GivenArguments. */
	SLATECORE_API void RecordGivenArguments(FWidgetSnapshot& Out, const FSlateBaseNamedArgs& Args);

	// Display strings, as described above; for widgets that fill their own snapshots.
	SLATECORE_API FString ToDisplayString(const FText& Value);
	SLATECORE_API FString ToDisplayString(bool bValue);
	SLATECORE_API FString ToDisplayString(float Value);
	SLATECORE_API FString ToDisplayString(EHorizontalAlignment Value);
	SLATECORE_API FString ToDisplayString(EVerticalAlignment Value);
	SLATECORE_API FString ToDisplayString(const FMargin& Value);
	SLATECORE_API FString ToDisplayString(const FLinearColor& Value);
	SLATECORE_API FString ToDisplayString(const FSlateColor& Value);
	SLATECORE_API FString ToDisplayString(const FOptionalSize& Value);
	SLATECORE_API FString ToDisplayString(const EVisibility& Value);
	SLATECORE_API FString ToDisplayString(const FSlateFontInfo& Value);
	SLATECORE_API FString ToDisplayString(const FVector2D& Value);
	/** Pointers would otherwise read as bool; describe them with DescribeStylePointer. */
	FString ToDisplayString(const void* Value) = delete;

	/** "Default", "None" or "Custom" for a style or brush pointer, given the built-in one. */
	SLATECORE_API FString DescribeStylePointer(const void* Value, const void* BuiltIn);

	/** "bound" or "unbound". */
	template<typename DelegateType>
	FString DescribeBinding(const DelegateType& Delegate)
	{
		return Delegate.IsBound() ? FString(TEXT("bound")) : FString(TEXT("unbound"));
	}

	/** An attribute's value now, or "unset". */
	template<typename ValueType>
	FString DescribeAttribute(const TAttribute<ValueType>& Attribute)
	{
		return Attribute.IsSet() ? ToDisplayString(Attribute.Get()) : FString(TEXT("unset"));
	}

#ifdef SLATE_API
	/**
	 * Clicks the button as Slate's event routing does: the button is kept alive while its handler runs (the handler
	 * may drop every other reference), a button that is disabled (IsEnabled read now) or not visible is not clicked
	 * and gives an unhandled reply, and otherwise the handler's reply is returned (unhandled if nothing is bound or
	 * the handler's object has gone).
	 */
	SLATE_API FReply ClickButton(const TSharedRef<SButton>& Button);
#endif
}

#define HOST_RECORD_GIVEN_ARGUMENTS(Out, Args) ::HostTest::RecordGivenArguments(Out, Args)
