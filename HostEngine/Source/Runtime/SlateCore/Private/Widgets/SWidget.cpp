#include "Widgets/SWidget.h"
#include "HostTest/SlateProbe.h"
#include "Layout/Children.h"
#include "Widgets/DeclarativeSyntaxSupport.h"

SWidget::SWidget()
	: EnabledState(true)
	, Visibility(EVisibility::Visible)
	, RenderOpacity(1.0f)
	, Clipping(EWidgetClipping::Inherit)
	, bForceVolatile(false)
{
}

SWidget::~SWidget() = default;

void SWidget::SWidgetConstruct(const FSlateBaseNamedArgs& Args)
{
	EnabledState = Args._IsEnabled;
	Visibility = Args._Visibility;
	ToolTipText = Args._ToolTipText;
	if (Args._ToolTip.IsValid())
	{
		ToolTip = Args._ToolTip;
	}
	RenderOpacity = Args._RenderOpacity;
	Clipping = Args._Clipping;
	Tag = Args._Tag;
	bForceVolatile = Args._ForceVolatile;
	HostGivenArguments = Args.HostGetGivenArguments();
}

bool SWidget::IsEnabled() const
{
	return EnabledState.Get(true);
}

void SWidget::SetEnabled(TAttribute<bool> InEnabledState)
{
	EnabledState = MoveTemp(InEnabledState);
}

EVisibility SWidget::GetVisibility() const
{
	return Visibility.Get(EVisibility::Visible);
}

void SWidget::SetVisibility(TAttribute<EVisibility> InVisibility)
{
	Visibility = MoveTemp(InVisibility);
}

void SWidget::SetToolTipText(const TAttribute<FText>& InToolTipText)
{
	ToolTipText = InToolTipText;
}

void SWidget::SetToolTipText(const FText& InToolTipText)
{
	ToolTipText = InToolTipText;
}

void SWidget::SetToolTip(const TAttribute<TSharedPtr<IToolTip>>& InToolTip)
{
	ToolTip = InToolTip;
}

TSharedPtr<IToolTip> SWidget::GetToolTip()
{
	// The host draws no tooltip windows, so a tooltip text does not make a tooltip widget.
	return ToolTip.Get(TSharedPtr<IToolTip>());
}

FString SWidget::GetTypeAsString() const
{
	return TypeOfWidget.IsNone() ? FString() : TypeOfWidget.ToString();
}

FString SWidget::GetReadableLocation() const
{
	return CreatedInLocation;
}

void SWidget::SetDebugInfo(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, size_t InAllocSize)
{
	TypeOfWidget = FName(InType);
	CreatedInLocation = FString::Printf(TEXT("%s(%d)"), *FString(InFile), OnLine);
}

void SWidget::HostPaint(HostTest::FWidgetSnapshot& Out) const
{
	Out.Type = GetTypeAsString();
	Out.Arguments.Add(TEXT("ToolTipText"), HostTest::ToDisplayString(ToolTipText.Get(FText::GetEmpty())));
	Out.Arguments.Add(TEXT("IsEnabled"), HostTest::ToDisplayString(IsEnabled()));
	Out.Arguments.Add(TEXT("Visibility"), HostTest::ToDisplayString(GetVisibility()));
	for (const FString& Name : HostGivenArguments)
	{
		Out.GivenArguments.Add(Name);
	}
	HostPaintChildren(Out);
}

void SWidget::HostPaintChildren(HostTest::FWidgetSnapshot& Out) const
{
	Out.Children.Reset();
	// Painting does not change the widget; GetChildren is non-const only because it hands out mutable children.
	FChildren* Children = const_cast<SWidget*>(this)->GetChildren();
	if (!Children)
	{
		return;
	}
	for (int32 Index = 0; Index < Children->Num(); ++Index)
	{
		// Keep the child alive for its paint: a getter it calls may drop the last other reference to it.
		const TSharedRef<const SWidget> Child = static_cast<const FChildren*>(Children)->GetChildAt(Index);
		HostTest::FWidgetSnapshot ChildSnapshot;
		Child->HostPaint(ChildSnapshot);
		Children->GetSlotAt(Index).HostPaintSlot(ChildSnapshot);
		Out.Children.Add(MoveTemp(ChildSnapshot));
	}
}
