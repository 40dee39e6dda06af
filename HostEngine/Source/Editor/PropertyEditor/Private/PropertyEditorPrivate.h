#pragma once

#include "CoreMinimal.h"
#include "PropertyEditorDelegates.h"

class SDetailsView;
class UClass;
class UObject;

/** State shared by the module object, the details views and the test probe. */
namespace PropertyEditorPrivate
{
	struct FClassLayoutRecord
	{
		FName ClassName;
		FOnGetDetailCustomizationInstance Delegate;
		int32 Order = 0;
	};

	/** Registered class layouts, in registration order. */
	TArray<FClassLayoutRecord>& GetClassLayouts();

	/** The layout registered for this class or, walking up, for its nearest super class with one. */
	const FOnGetDetailCustomizationInstance* FindClassLayout(const UClass* Class);

	void AddLiveView(const TSharedRef<SDetailsView>& View);
	void RemoveLiveView(const SDetailsView* View);
	/** Every details view still alive, oldest first. */
	TArray<TSharedRef<SDetailsView>> GetLiveViews();

	/** A reflected property the details view shows as a row of its own. */
	struct FDetailPropertyInfo
	{
		FName Name;
		/** The property's Category metadata; empty when it has none. */
		FString Category;
		bool bAdvanced = false;
	};

	/** The class's editable or visible properties, in declaration order, super class first. */
	TArray<FDetailPropertyInfo> GetVisibleProperties(const UClass* Class);

	/** The property's value as the panel shows it. */
	FString GetPropertyValueText(const UObject* Object, FName PropertyName);
}

namespace HostTest
{
	struct FDetailPanelLayout;
	struct FPaintedDetailsPanel;
}

namespace PropertyEditorPrivate
{
	/** The view's current layout as data, with what is on screen now. */
	HostTest::FDetailPanelLayout DescribePanel(const SDetailsView& View);

	/** Paints what is on screen now, evaluating every bound attribute of the shown rows. */
	HostTest::FPaintedDetailsPanel PaintPanel(const SDetailsView& View);
}
