#include "DetailLayoutBuilderImpl.h"
#include "SDetailsView.h"

namespace
{
	// Categories without an explicit sort order keep their priority band, then creation order.
	constexpr int32 SortOrderPerPriority = 1000;

	FText MakeCategoryDisplayName(FName Name, const FText& Given)
	{
		return Given.IsEmpty() ? FText::FromString(Name.ToString()) : Given;
	}
}

FDetailGroupImpl::FDetailGroupImpl(FDetailCategoryImpl& InCategory, const FString& InParentPath, FName InGroupName, const FText& InDisplayName, bool bInAdvanced, bool bInStartExpanded)
	: Category(InCategory)
	, GroupName(InGroupName)
	, DisplayName(InDisplayName)
	, Path(InParentPath + TEXT(".") + InGroupName.ToString())
	, bAdvanced(bInAdvanced)
	, bStartExpanded(bInStartExpanded)
{
}

FDetailWidgetRow& FDetailGroupImpl::HeaderRow()
{
	if (!Header.IsValid())
	{
		Header = MakeShared<FDetailWidgetRow>();
	}
	return *Header;
}

FDetailWidgetRow& FDetailGroupImpl::AddWidgetRow()
{
	FDetailLayoutEntry& Entry = Entries[Entries.Add(FDetailLayoutEntry())];
	Entry.Kind = EDetailEntryKind::CustomRow;
	Entry.bAdvanced = bAdvanced;
	Entry.Row = MakeShared<FDetailWidgetRow>();
	return *Entry.Row;
}

IDetailGroup& FDetailGroupImpl::AddGroup(FName NewGroupName, const FText& InLocalizedDisplayName, bool bInStartExpanded)
{
	FDetailLayoutEntry& Entry = Entries[Entries.Add(FDetailLayoutEntry())];
	Entry.Kind = EDetailEntryKind::Group;
	Entry.bAdvanced = bAdvanced;
	Entry.Group = MakeShared<FDetailGroupImpl>(Category, Path, NewGroupName, InLocalizedDisplayName, bAdvanced, bInStartExpanded);
	return *Entry.Group;
}

void FDetailGroupImpl::ToggleExpansion(bool bExpand)
{
	if (TSharedPtr<SDetailsView> View = Category.GetLayout().GetView())
	{
		View->SetGroupExpanded(Path, bExpand);
	}
	else
	{
		bStartExpanded = bExpand;
	}
}

bool FDetailGroupImpl::GetExpansionState() const
{
	if (TSharedPtr<SDetailsView> View = Category.GetLayout().GetView())
	{
		return View->IsGroupExpanded(Path, bStartExpanded);
	}
	return bStartExpanded;
}

FDetailCategoryImpl::FDetailCategoryImpl(FDetailLayoutBuilderImpl& InLayout, FName InName, ECategoryPriority::Type InPriority, int32 InCreationIndex)
	: Layout(InLayout)
	, Name(InName)
	, DisplayName(MakeCategoryDisplayName(InName, FText::GetEmpty()))
	, Priority(InPriority)
	, CreationIndex(InCreationIndex)
	, SortOrder(static_cast<int32>(InPriority) * SortOrderPerPriority + InCreationIndex)
{
}

FDetailWidgetRow& FDetailCategoryImpl::AddCustomRow(const FText& FilterString, bool bForAdvanced)
{
	FDetailLayoutEntry& Entry = Entries[Entries.Add(FDetailLayoutEntry())];
	Entry.Kind = EDetailEntryKind::CustomRow;
	Entry.bAdvanced = bForAdvanced;
	Entry.Row = MakeShared<FDetailWidgetRow>();
	Entry.Row->FilterString(FilterString);
	return *Entry.Row;
}

IDetailGroup& FDetailCategoryImpl::AddGroup(FName GroupName, const FText& LocalizedDisplayName, bool bForAdvanced, bool bStartExpanded)
{
	FDetailLayoutEntry& Entry = Entries[Entries.Add(FDetailLayoutEntry())];
	Entry.Kind = EDetailEntryKind::Group;
	Entry.bAdvanced = bForAdvanced;
	Entry.Group = MakeShared<FDetailGroupImpl>(*this, Name.ToString(), GroupName, LocalizedDisplayName, bForAdvanced, bStartExpanded);
	return *Entry.Group;
}

IDetailCategoryBuilder& FDetailCategoryImpl::InitiallyCollapsed(bool bShouldBeInitiallyCollapsed)
{
	bInitiallyCollapsed = bShouldBeInitiallyCollapsed;
	return *this;
}

IDetailLayoutBuilder& FDetailCategoryImpl::GetParentLayout() const
{
	return Layout;
}

void FDetailCategoryImpl::SetDisplayName(const FText& InDisplayName)
{
	DisplayName = MakeCategoryDisplayName(Name, InDisplayName);
}

void FDetailCategoryImpl::AddPropertyRow(FName PropertyName, bool bForAdvanced)
{
	FDetailLayoutEntry& Entry = Entries[Entries.Add(FDetailLayoutEntry())];
	Entry.Kind = EDetailEntryKind::Property;
	Entry.bAdvanced = bForAdvanced;
	Entry.PropertyName = PropertyName;
}

FDetailLayoutBuilderImpl::FDetailLayoutBuilderImpl(const TSharedRef<SDetailsView>& InView, const TArray<TWeakObjectPtr<UObject>>& InObjects)
	: View(InView)
	, Objects(InObjects)
{
}

FDetailLayoutBuilderImpl::~FDetailLayoutBuilderImpl()
{
}

FDetailCategoryImpl& FDetailLayoutBuilderImpl::FindOrAddCategory(FName CategoryName, const FText& DisplayName, ECategoryPriority::Type Priority)
{
	for (const TSharedRef<FDetailCategoryImpl>& Category : Categories)
	{
		if (Category->GetCategoryName() == CategoryName)
		{
			if (!DisplayName.IsEmpty())
			{
				Category->SetDisplayName(DisplayName);
			}
			return *Category;
		}
	}
	TSharedRef<FDetailCategoryImpl> Category = MakeShared<FDetailCategoryImpl>(*this, CategoryName, Priority, Categories.Num());
	Category->SetDisplayName(DisplayName);
	Categories.Add(Category);
	return *Category;
}

IDetailCategoryBuilder& FDetailLayoutBuilderImpl::EditCategory(FName CategoryName, const FText& NewLocalizedDisplayName, ECategoryPriority::Type CategoryType)
{
	// An unnamed category is the panel's catch-all one.
	return FindOrAddCategory(CategoryName.IsNone() ? FName(TEXT("Default")) : CategoryName, NewLocalizedDisplayName, CategoryType);
}

IDetailCategoryBuilder& FDetailLayoutBuilderImpl::EditCategoryAllowNone(FName CategoryName, const FText& NewLocalizedDisplayName, ECategoryPriority::Type CategoryType)
{
	return FindOrAddCategory(CategoryName, NewLocalizedDisplayName, CategoryType);
}

void FDetailLayoutBuilderImpl::GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const
{
	OutObjects = Objects;
}

void FDetailLayoutBuilderImpl::ForceRefreshDetails()
{
	// The rebuild frees this builder: nothing of it may be read once the view is called.
	if (TSharedPtr<SDetailsView> PinnedView = View.Pin())
	{
		PinnedView->ForceRefresh();
	}
}

void FDetailLayoutBuilderImpl::HideCategory(FName CategoryName)
{
	HiddenCategories.AddUnique(CategoryName);
}

void FDetailLayoutBuilderImpl::GetCategoryNames(TArray<FName>& OutCategoryNames) const
{
	for (const TSharedRef<FDetailCategoryImpl>& Category : Categories)
	{
		OutCategoryNames.Add(Category->GetCategoryName());
	}
}

const IDetailsView* FDetailLayoutBuilderImpl::GetDetailsView() const
{
	return View.Pin().Get();
}

TArray<FDetailCategoryImpl*> FDetailLayoutBuilderImpl::GetSortedCategories() const
{
	TArray<FDetailCategoryImpl*> Sorted;
	for (const TSharedRef<FDetailCategoryImpl>& Category : Categories)
	{
		Sorted.Add(&Category.Get());
	}
	// Insertion sort: stable, and panels have a handful of categories.
	for (int32 Index = 1; Index < Sorted.Num(); ++Index)
	{
		FDetailCategoryImpl* const Moving = Sorted[Index];
		int32 Hole = Index;
		while (Hole > 0 && Moving->GetSortOrder() < Sorted[Hole - 1]->GetSortOrder())
		{
			Sorted[Hole] = Sorted[Hole - 1];
			--Hole;
		}
		Sorted[Hole] = Moving;
	}
	return Sorted;
}
