#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Misc/Optional.h"
#include "Layout/Visibility.h"
#include "Types/SlateEnums.h"
#include "Widgets/SWidget.h"
#include "Widgets/SNullWidget.h"
#include "DetailCategoryBuilder.h"

class FDetailWidgetRow;

/** One column of a details row: the widget placed there and how it is laid out. */
class FDetailWidgetDecl
{
public:
	FDetailWidgetDecl(FDetailWidgetRow& InParentDecl, float InMinWidth, float InMaxWidth, EHorizontalAlignment InHAlign, EVerticalAlignment InVAlign)
		: Widget(SNullWidget::NullWidget)
		, HorizontalAlignment(InHAlign)
		, VerticalAlignment(InVAlign)
		, MinWidth(InMinWidth)
		, MaxWidth(InMaxWidth)
		, ParentDecl(&InParentDecl)
	{
	}

	FDetailWidgetDecl(FDetailWidgetRow& InParentDecl, const FDetailWidgetDecl& Other)
		: Widget(Other.Widget)
		, HorizontalAlignment(Other.HorizontalAlignment)
		, VerticalAlignment(Other.VerticalAlignment)
		, MinWidth(Other.MinWidth)
		, MaxWidth(Other.MaxWidth)
		, ParentDecl(&InParentDecl)
	{
	}

	/** Sets the column's content and returns the row, so columns can be chained. */
	FDetailWidgetRow& operator[](TSharedRef<SWidget> InWidget)
	{
		Widget = InWidget;
		return *ParentDecl;
	}

	FDetailWidgetDecl& VAlign(EVerticalAlignment InAlignment)
	{
		VerticalAlignment = InAlignment;
		return *this;
	}

	FDetailWidgetDecl& HAlign(EHorizontalAlignment InAlignment)
	{
		HorizontalAlignment = InAlignment;
		return *this;
	}

	FDetailWidgetDecl& MinDesiredWidth(TOptional<float> InMinWidth)
	{
		MinWidth = InMinWidth;
		return *this;
	}

	FDetailWidgetDecl& MaxDesiredWidth(TOptional<float> InMaxWidth)
	{
		MaxWidth = InMaxWidth;
		return *this;
	}

	TSharedRef<SWidget> Widget;
	EHorizontalAlignment HorizontalAlignment;
	EVerticalAlignment VerticalAlignment;
	TOptional<float> MinWidth;
	TOptional<float> MaxWidth;

protected:
	FDetailWidgetRow* ParentDecl;
};

/** A custom row of a details panel: either whole-row content or name and value columns. */
class FDetailWidgetRow : public IDetailLayoutRow
{
public:
	FDetailWidgetRow()
		: NameWidget(*this, 0.0f, 0.0f, HAlign_Fill, VAlign_Center)
		, ValueWidget(*this, DefaultValueMinWidth, DefaultValueMaxWidth, HAlign_Left, VAlign_Fill)
		, WholeRowWidget(*this, 0.0f, 0.0f, HAlign_Fill, VAlign_Fill)
		, ExtensionWidget(*this, 0.0f, 0.0f, HAlign_Right, VAlign_Center)
		, VisibilityAttr(EVisibility::Visible)
		, IsEnabledAttr(true)
		, IsValueEnabledAttr(true)
	{
	}

	virtual ~FDetailWidgetRow() {}

	//~ Begin IDetailLayoutRow interface
	virtual FName GetRowName() const override { return RowTagName; }
	//~ End IDetailLayoutRow interface

	/** Sets the content of the whole row. */
	FDetailWidgetRow& operator[](TSharedRef<SWidget> InWidget)
	{
		WholeRowWidget.Widget = InWidget;
		return *this;
	}

	FDetailWidgetDecl& WholeRowContent() { return WholeRowWidget; }
	FDetailWidgetDecl& NameContent() { return NameWidget; }
	FDetailWidgetDecl& ValueContent() { return ValueWidget; }
	FDetailWidgetDecl& ExtensionContent() { return ExtensionWidget; }

	/** Sets the text the panel's search box matches against. */
	FDetailWidgetRow& FilterString(const FText& InFilterString)
	{
		FilterTextString = InFilterString;
		return *this;
	}

	FDetailWidgetRow& Visibility(const TAttribute<EVisibility>& InVisibility)
	{
		VisibilityAttr = InVisibility;
		return *this;
	}

	FDetailWidgetRow& IsEnabled(const TAttribute<bool>& InIsEnabled)
	{
		IsEnabledAttr = InIsEnabled;
		return *this;
	}

	FDetailWidgetRow& IsValueEnabled(const TAttribute<bool>& InIsEnabled)
	{
		IsValueEnabledAttr = InIsEnabled;
		return *this;
	}

	FDetailWidgetRow& RowTag(const FName& InRowTagName)
	{
		RowTagName = InRowTagName;
		return *this;
	}

	/** True when the row has name or value content instead of whole-row content. */
	bool HasColumns() const
	{
		return NameWidget.Widget != SNullWidget::NullWidget || ValueWidget.Widget != SNullWidget::NullWidget;
	}

	bool HasAnyContent() const
	{
		return WholeRowWidget.Widget != SNullWidget::NullWidget || HasColumns();
	}

	FDetailWidgetDecl NameWidget;
	FDetailWidgetDecl ValueWidget;
	FDetailWidgetDecl WholeRowWidget;
	FDetailWidgetDecl ExtensionWidget;
	FText FilterTextString;
	TAttribute<EVisibility> VisibilityAttr;
	TAttribute<bool> IsEnabledAttr;
	TAttribute<bool> IsValueEnabledAttr;
	FName RowTagName;

	PROPERTYEDITOR_API static const float DefaultValueMinWidth;
	PROPERTYEDITOR_API static const float DefaultValueMaxWidth;
};
