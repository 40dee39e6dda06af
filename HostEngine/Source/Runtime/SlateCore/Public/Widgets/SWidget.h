#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Layout/Clipping.h"
#include "Layout/Visibility.h"
#include "Widgets/IToolTip.h"
#include "Widgets/SlateControlledConstruction.h"

class FChildren;
struct FSlateBaseNamedArgs;

namespace HostTest
{
	struct FWidgetSnapshot;
}

/**
 * Base of every widget. Widgets are made by SNew/SAssignNew, which set the arguments every widget shares
 * (SWidgetConstruct) and then call the widget's own Construct.
 */
class SLATECORE_API SWidget : public FSlateControlledConstruction, public TSharedFromThis<SWidget>
{
public:
	using ThisClass = SWidget;

	SWidget();
	virtual ~SWidget();

	/** Takes the arguments every widget has; SNew calls it before Construct. */
	void SWidgetConstruct(const FSlateBaseNamedArgs& Args);

	/** The widget's children; widgets without children return an empty set. */
	virtual FChildren* GetChildren() = 0;

	virtual FChildren* GetAllChildren()
	{
		return GetChildren();
	}

	/** Whether the widget takes input: its IsEnabled attribute, read now. */
	bool IsEnabled() const;

	void SetEnabled(TAttribute<bool> InEnabledState);

	/** The visibility attribute, read now. */
	EVisibility GetVisibility() const;

	virtual void SetVisibility(TAttribute<EVisibility> InVisibility);

	void SetToolTipText(const TAttribute<FText>& ToolTipText);
	void SetToolTipText(const FText& InToolTipText);

	void SetToolTip(const TAttribute<TSharedPtr<IToolTip>>& InToolTip);

	/** The tooltip: the one given, else the tooltip text's (null when neither was given). */
	virtual TSharedPtr<IToolTip> GetToolTip();

	float GetRenderOpacity() const
	{
		return RenderOpacity;
	}

	void SetRenderOpacity(float InOpacity)
	{
		RenderOpacity = InOpacity;
	}

	EWidgetClipping GetClipping() const
	{
		return Clipping;
	}

	void SetClipping(EWidgetClipping InClipping)
	{
		Clipping = InClipping;
	}

	FName GetTag() const
	{
		return Tag;
	}

	void SetTag(FName InTag)
	{
		Tag = InTag;
	}

	/** The widget's type, as SNew names it ("SButton"). */
	FName GetType() const
	{
		return TypeOfWidget;
	}

	FString GetTypeAsString() const;

	/** Where the widget was made: "File(Line)". */
	FString GetReadableLocation() const;

	/** Called by SNew with the widget's type name and where it was made. */
	void SetDebugInfo(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, size_t InAllocSize);

	/**
	 * Host hook: one paint of the widget for tests. Fills the snapshot's type, the arguments every widget has, the
	 * names of the arguments given to SNew, and the children (each with its slot's arguments). Widgets override it
	 * to add their own arguments, evaluating bound attributes now, as Slate does each frame.
	 */
	virtual void HostPaint(HostTest::FWidgetSnapshot& Out) const;

protected:
	/** Host: paints the widget's children into Out.Children, each with its slot's arguments. */
	void HostPaintChildren(HostTest::FWidgetSnapshot& Out) const;

	TAttribute<bool> EnabledState;
	TAttribute<EVisibility> Visibility;
	TAttribute<FText> ToolTipText;
	TAttribute<TSharedPtr<IToolTip>> ToolTip;
	float RenderOpacity;
	EWidgetClipping Clipping;
	FName Tag;
	bool bForceVolatile;

private:
	FName TypeOfWidget;
	FString CreatedInLocation;

	/** Host: names of the arguments the widget's maker gave. */
	TArray<FString> HostGivenArguments;
};

/** Declares a widget's Super and ThisClass. */
#define SLATE_DECLARE_WIDGET(WidgetType, ParentType) \
private: \
	using Super = ParentType; \
	using ThisClass = WidgetType; \
public:

#define SLATE_DECLARE_WIDGET_API(WidgetType, ParentType, ModuleApiDefine) SLATE_DECLARE_WIDGET(WidgetType, ParentType)
