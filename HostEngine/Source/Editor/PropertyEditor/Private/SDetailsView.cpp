#include "SDetailsView.h"
#include "DetailLayoutBuilderImpl.h"
#include "IDetailCustomization.h"
#include "PropertyEditorPrivate.h"
#include "HostTest/PropertyEditorProbe.h"
#include "HostTest/SlateProbe.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

void SDetailsView::Construct(const FArguments& InArgs, const FDetailsViewArgs& InDetailsViewArgs)
{
	ViewArgs = InDetailsViewArgs;
}

SDetailsView::~SDetailsView()
{
	PropertyEditorPrivate::RemoveLiveView(this);
}

void SDetailsView::SetObjects(const TArray<UObject*>& InObjects, bool bForceRefresh, bool bOverrideLock)
{
	if (bIsLocked && !bOverrideLock)
	{
		return;
	}
	TArray<TWeakObjectPtr<UObject>> Weak;
	for (UObject* Object : InObjects)
	{
		Weak.Add(Object);
	}
	SetObjectArray(Weak, bForceRefresh);
}

void SDetailsView::SetObjects(const TArray<TWeakObjectPtr<UObject>>& InObjects, bool bForceRefresh, bool bOverrideLock)
{
	if (bIsLocked && !bOverrideLock)
	{
		return;
	}
	SetObjectArray(InObjects, bForceRefresh);
}

void SDetailsView::SetObject(UObject* InObject, bool bForceRefresh)
{
	TArray<UObject*> Objects;
	if (InObject)
	{
		Objects.Add(InObject);
	}
	SetObjects(Objects, bForceRefresh);
}

void SDetailsView::SetObjectArray(const TArray<TWeakObjectPtr<UObject>>& InObjects, bool bForceRefresh)
{
	bool bSameObjects = Layout.IsValid() && InObjects.Num() == SelectedObjects.Num();
	for (int32 Index = 0; bSameObjects && Index < InObjects.Num(); ++Index)
	{
		bSameObjects = InObjects[Index] == SelectedObjects[Index];
	}
	if (bSameObjects && !bForceRefresh)
	{
		return;
	}
	SelectedObjects = InObjects;
	Rebuild();
}

void SDetailsView::ForceRefresh()
{
	// Objects destroyed since the last build drop out, as the editor's view does on refresh.
	TArray<TWeakObjectPtr<UObject>> Remaining;
	for (const TWeakObjectPtr<UObject>& Object : SelectedObjects)
	{
		if (Object.IsValid())
		{
			Remaining.Add(Object);
		}
	}
	SelectedObjects = Remaining;
	Rebuild();
}

UObject* SDetailsView::GetFirstObject() const
{
	for (const TWeakObjectPtr<UObject>& Object : SelectedObjects)
	{
		if (UObject* Resolved = Object.Get())
		{
			return Resolved;
		}
	}
	return nullptr;
}

void SDetailsView::AddPropertyRows(FDetailLayoutBuilderImpl& NewLayout) const
{
	const UObject* First = GetFirstObject();
	if (!First)
	{
		return;
	}
	const UClass* Class = First->GetClass();
	for (const PropertyEditorPrivate::FDetailPropertyInfo& Property : PropertyEditorPrivate::GetVisibleProperties(Class))
	{
		// A property without a category goes to the category named after its class.
		const FName CategoryName = Property.Category.IsEmpty() ? Class->GetFName() : FName(*Property.Category);
		FDetailCategoryImpl& Category = static_cast<FDetailCategoryImpl&>(NewLayout.EditCategory(CategoryName));
		Category.AddPropertyRow(Property.Name, Property.bAdvanced);
	}
}

void SDetailsView::Rebuild()
{
	if (bIsBuilding)
	{
		// A customization asked for a refresh while being built: build once more when it is done.
		bRebuildRequested = true;
		return;
	}

	// Keeps this view alive even if a customization drops the last outside reference to it.
	TSharedRef<SDetailsView> Self = StaticCastSharedRef<SDetailsView>(AsShared());
	do
	{
		bRebuildRequested = false;
		bIsBuilding = true;

		TSharedRef<FDetailLayoutBuilderImpl> NewLayout = MakeShared<FDetailLayoutBuilderImpl>(Self, SelectedObjects);
		AddPropertyRows(*NewLayout);

		TSharedPtr<IDetailCustomization> NewCustomization;
		if (const UObject* First = GetFirstObject())
		{
			if (const FOnGetDetailCustomizationInstance* Found = PropertyEditorPrivate::FindClassLayout(First->GetClass()))
			{
				// A copy: the maker may register layouts of its own and so move the registry.
				const FOnGetDetailCustomizationInstance Delegate = *Found;
				if (Delegate.IsBound())
				{
					NewCustomization = Delegate.Execute();
				}
			}
		}
		if (NewCustomization.IsValid())
		{
			const TSharedPtr<IDetailLayoutBuilder> BuilderForCustomization = NewLayout;
			NewCustomization->CustomizeDetails(BuilderForCustomization);
		}

		// The old panel goes now, before the caller of the refresh gets control back; the old
		// builder is freed so that any later use of it is caught.
		TSharedPtr<IDetailCustomization> OldCustomization = MoveTemp(Customization);
		TSharedPtr<FDetailLayoutBuilderImpl> OldLayout = MoveTemp(Layout);
		Customization = NewCustomization;
		Layout = NewLayout;
		NewCustomization.Reset();
		OldCustomization.Reset();
		OldLayout.Reset();

		++BuildCount;
		bIsBuilding = false;
	}
	while (bRebuildRequested);
}

bool SDetailsView::IsGroupExpanded(const FString& GroupPath, bool bDefault) const
{
	if (const bool* Found = GroupExpansion.Find(GroupPath))
	{
		return *Found;
	}
	return bDefault;
}

void SDetailsView::SetGroupExpanded(const FString& GroupPath, bool bExpanded)
{
	GroupExpansion.Add(GroupPath, bExpanded);
	bRowWidgetsDirty = true;
}

void SDetailsView::SetAdvancedExpanded(FName CategoryName, bool bExpanded)
{
	bRowWidgetsDirty = true;
	if (bExpanded)
	{
		AdvancedExpanded.AddUnique(CategoryName);
	}
	else
	{
		AdvancedExpanded.Remove(CategoryName);
	}
}

bool SDetailsView::PassesSearch(const FString& Text) const
{
	return SearchText.IsEmpty() || Text.Contains(SearchText, ESearchCase::IgnoreCase);
}

bool SDetailsView::IsGroupShown(const FDetailCategoryImpl& Category, const FDetailGroupImpl& Group) const
{
	// A group whose own name matches shows with all its rows; otherwise it shows for its matching rows.
	if (PassesSearch(Group.GetDisplayName().ToString()))
	{
		return true;
	}
	for (const FDetailLayoutEntry& Child : Group.GetEntries())
	{
		if (IsEntryShown(Category, Child))
		{
			return true;
		}
	}
	return false;
}

bool SDetailsView::IsEntryShown(const FDetailCategoryImpl& Category, const FDetailLayoutEntry& Entry) const
{
	if (Entry.bAdvanced && SearchText.IsEmpty() && !IsAdvancedExpanded(Category.GetCategoryName()))
	{
		return false;
	}
	switch (Entry.Kind)
	{
	case EDetailEntryKind::CustomRow:
		if (Entry.Row->VisibilityAttr.Get() == EVisibility::Collapsed)
		{
			return false;
		}
		return PassesSearch(Entry.Row->FilterTextString.ToString());
	case EDetailEntryKind::Group:
		return IsGroupShown(Category, *Entry.Group);
	case EDetailEntryKind::Property:
		return PassesSearch(Entry.PropertyName.ToString());
	}
	return false;
}

bool SDetailsView::IsCategoryShown(const FDetailCategoryImpl& Category) const
{
	if (!Category.IsVisible() || (Layout.IsValid() && Layout->IsCategoryHidden(Category.GetCategoryName())))
	{
		return false;
	}
	for (const FDetailLayoutEntry& Entry : Category.GetEntries())
	{
		if (IsEntryShown(Category, Entry))
		{
			return true;
		}
	}
	return false;
}

void SDetailsView::HostPaint(HostTest::FWidgetSnapshot& Out) const
{
	bHostPainting = true;
	SCompoundWidget::HostPaint(Out);
	bHostPainting = false;
	Out.Type = TEXT("SDetailsView");
	Out.Children.Reset();
	// Rows without a widget of their own (group titles, property rows) are reported as plain entries.
	for (const HostTest::FPaintedDetailCategory& Category : PropertyEditorPrivate::PaintPanel(*this).Categories)
	{
		HostTest::FWidgetSnapshot& CategorySnapshot = Out.Children[Out.Children.Add(HostTest::FWidgetSnapshot())];
		CategorySnapshot.Type = TEXT("DetailCategory");
		CategorySnapshot.Arguments.Add(TEXT("Name"), Category.Name.ToString());
		CategorySnapshot.Arguments.Add(TEXT("DisplayName"), Category.DisplayName);
		for (const HostTest::FPaintedDetailRow& Row : Category.Rows)
		{
			HostTest::FWidgetSnapshot RowSnapshot;
			RowSnapshot.Type = Row.Kind == HostTest::EDetailRowKind::Group ? TEXT("DetailGroup") : Row.Kind == HostTest::EDetailRowKind::Property ? TEXT("DetailPropertyRow") : TEXT("DetailRow");
			RowSnapshot.Arguments.Add(TEXT("Depth"), FString::FromInt(Row.Depth));
			if (!Row.Label.IsEmpty())
			{
				RowSnapshot.Arguments.Add(TEXT("Label"), Row.Label);
			}
			if (Row.Kind != HostTest::EDetailRowKind::CustomRow)
			{
				RowSnapshot.Arguments.Add(TEXT("Value"), Row.Value);
			}
			if (Row.bWholeRow)
			{
				RowSnapshot.Children.Add(Row.WholeRow);
			}
			else if (Row.Kind == HostTest::EDetailRowKind::CustomRow || !Row.NameColumn.Type.IsEmpty())
			{
				RowSnapshot.Children.Add(Row.NameColumn);
				RowSnapshot.Children.Add(Row.ValueColumn);
			}
			CategorySnapshot.Children.Add(RowSnapshot);
		}
	}
}

FChildren* SDetailsView::GetChildren()
{
	if (bHostPainting)
	{
		return &FNoChildren::NoChildrenInstance;
	}
	if (bRowWidgetsDirty || GeneratedBuildCount != BuildCount)
	{
		GenerateRowWidgets();
	}
	return SCompoundWidget::GetChildren();
}

void SDetailsView::GenerateRowWidgets()
{
	bRowWidgetsDirty = false;
	GeneratedBuildCount = BuildCount;
	const TSharedRef<SVerticalBox> Box = SNew(SVerticalBox);
	// Held for the whole pass: a visibility getter that rebuilds the panel must not free the layout being walked.
	const TSharedPtr<FDetailLayoutBuilderImpl> CurrentLayout = Layout;
	if (CurrentLayout.IsValid())
	{
		for (const FDetailCategoryImpl* Category : CurrentLayout->GetSortedCategories())
		{
			if (!IsCategoryShown(*Category))
			{
				continue;
			}
			const FText Title = Category->GetDisplayName().IsEmpty() ? FText::FromName(Category->GetCategoryName()) : Category->GetDisplayName();
			Box->AddSlot().AutoHeight()[SNew(STextBlock).Text(Title)];
			AddRowWidgets(*Box, *Category, Category->GetEntries(), false);
		}
	}
	ChildSlot[Box];
}

void SDetailsView::AddRowWidgets(SVerticalBox& Box, const FDetailCategoryImpl& Category, const TArray<FDetailLayoutEntry>& Entries, bool bGroupMatched)
{
	auto AddRow = [&Box](const FDetailWidgetRow& Row)
	{
		if (Row.HasColumns())
		{
			Box.AddSlot().AutoHeight()
			[
				SNew(SHorizontalBox)
				+ SHorizontalBox::Slot()[Row.NameWidget.Widget]
				+ SHorizontalBox::Slot()[Row.ValueWidget.Widget]
			];
		}
		else
		{
			Box.AddSlot().AutoHeight()[Row.WholeRowWidget.Widget];
		}
	};

	for (const FDetailLayoutEntry& Entry : Entries)
	{
		const bool bShown = (bGroupMatched && (Entry.Kind != EDetailEntryKind::CustomRow || Entry.Row->VisibilityAttr.Get() != EVisibility::Collapsed)) || IsEntryShown(Category, Entry);
		if (!bShown)
		{
			continue;
		}
		switch (Entry.Kind)
		{
		case EDetailEntryKind::CustomRow:
			AddRow(*Entry.Row);
			break;
		case EDetailEntryKind::Property:
			Box.AddSlot().AutoHeight()
			[
				SNew(SHorizontalBox)
				+ SHorizontalBox::Slot()[SNew(STextBlock).Text(FText::FromName(Entry.PropertyName))]
				+ SHorizontalBox::Slot()[SNew(STextBlock).Text(FText::FromString(PropertyEditorPrivate::GetPropertyValueText(GetFirstObject(), Entry.PropertyName)))]
			];
			break;
		case EDetailEntryKind::Group:
		{
			const FDetailGroupImpl& Group = *Entry.Group;
			if (const TSharedPtr<FDetailWidgetRow>& Header = Group.GetHeaderRow())
			{
				AddRow(*Header);
			}
			else
			{
				Box.AddSlot().AutoHeight()[SNew(STextBlock).Text(Group.GetDisplayName())];
			}
			// A collapsed group's rows are not on screen, so their widgets are not in the tree.
			if (Group.GetExpansionState())
			{
				const bool bMatched = bGroupMatched || (!SearchText.IsEmpty() && PassesSearch(Group.GetDisplayName().ToString()));
				AddRowWidgets(Box, Category, Group.GetEntries(), bMatched);
			}
			break;
		}
		}
	}
}
