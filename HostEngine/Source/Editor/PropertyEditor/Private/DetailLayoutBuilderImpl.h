#pragma once

#include "CoreMinimal.h"
#include "DetailLayoutBuilder.h"
#include "DetailCategoryBuilder.h"
#include "DetailWidgetRow.h"
#include "IDetailGroup.h"

class FDetailCategoryImpl;
class FDetailGroupImpl;
class FDetailLayoutBuilderImpl;
class SDetailsView;

/** What one entry of a category or group holds. */
enum class EDetailEntryKind : uint8
{
	CustomRow,
	Group,
	Property,
};

/** One entry of a category or a group, in the order it was added. */
struct FDetailLayoutEntry
{
	EDetailEntryKind Kind = EDetailEntryKind::CustomRow;
	bool bAdvanced = false;
	TSharedPtr<FDetailWidgetRow> Row;
	TSharedPtr<FDetailGroupImpl> Group;
	/** Property entries: the reflected property shown by the row. */
	FName PropertyName;
};

class FDetailGroupImpl : public IDetailGroup
{
public:
	FDetailGroupImpl(FDetailCategoryImpl& InCategory, const FString& InParentPath, FName InGroupName, const FText& InDisplayName, bool bInAdvanced, bool bInStartExpanded);

	//~ Begin IDetailGroup interface
	virtual FName GetRowName() const override { return GroupName; }
	virtual FDetailWidgetRow& HeaderRow() override;
	virtual FDetailWidgetRow& AddWidgetRow() override;
	virtual IDetailGroup& AddGroup(FName NewGroupName, const FText& InLocalizedDisplayName, bool bInStartExpanded = false) override;
	virtual void ToggleExpansion(bool bExpand) override;
	virtual bool GetExpansionState() const override;
	virtual void EnableReset(bool InValue) override { bResetEnabled = InValue; }
	virtual FName GetGroupName() const override { return GroupName; }
	//~ End IDetailGroup interface

	/** Identifies the group inside its view, so a user's expansion choice survives rebuilds. */
	const FString& GetPath() const { return Path; }
	const FText& GetDisplayName() const { return DisplayName; }
	bool IsAdvanced() const { return bAdvanced; }
	bool StartsExpanded() const { return bStartExpanded; }
	const TSharedPtr<FDetailWidgetRow>& GetHeaderRow() const { return Header; }
	const TArray<FDetailLayoutEntry>& GetEntries() const { return Entries; }

private:
	FDetailCategoryImpl& Category;
	FName GroupName;
	FText DisplayName;
	FString Path;
	bool bAdvanced;
	bool bStartExpanded;
	bool bResetEnabled = false;
	TSharedPtr<FDetailWidgetRow> Header;
	TArray<FDetailLayoutEntry> Entries;
};

class FDetailCategoryImpl : public IDetailCategoryBuilder
{
public:
	FDetailCategoryImpl(FDetailLayoutBuilderImpl& InLayout, FName InName, ECategoryPriority::Type InPriority, int32 InCreationIndex);

	//~ Begin IDetailCategoryBuilder interface
	virtual FDetailWidgetRow& AddCustomRow(const FText& FilterString, bool bForAdvanced = false) override;
	virtual IDetailGroup& AddGroup(FName GroupName, const FText& LocalizedDisplayName, bool bForAdvanced = false, bool bStartExpanded = false) override;
	virtual IDetailCategoryBuilder& InitiallyCollapsed(bool bShouldBeInitiallyCollapsed = true) override;
	virtual IDetailLayoutBuilder& GetParentLayout() const override;
	virtual const FText& GetDisplayName() const override { return DisplayName; }
	virtual void SetDisplayName(const FText& InDisplayName) override;
	virtual void SetSortOrder(int32 InSortOrder) override { SortOrder = InSortOrder; }
	virtual int32 GetSortOrder() const override { return SortOrder; }
	virtual void SetCategoryVisibility(bool bIsVisible) override { bVisible = bIsVisible; }
	//~ End IDetailCategoryBuilder interface

	void AddPropertyRow(FName PropertyName, bool bForAdvanced);

	FName GetCategoryName() const { return Name; }
	ECategoryPriority::Type GetPriority() const { return Priority; }
	int32 GetCreationIndex() const { return CreationIndex; }
	bool IsVisible() const { return bVisible; }
	bool IsInitiallyCollapsed() const { return bInitiallyCollapsed; }
	const TArray<FDetailLayoutEntry>& GetEntries() const { return Entries; }
	FDetailLayoutBuilderImpl& GetLayout() const { return Layout; }

private:
	FDetailLayoutBuilderImpl& Layout;
	FName Name;
	FText DisplayName;
	ECategoryPriority::Type Priority;
	int32 CreationIndex;
	int32 SortOrder;
	bool bVisible = true;
	bool bInitiallyCollapsed = false;
	TArray<FDetailLayoutEntry> Entries;
};

/** One build of a details panel; replaced whole by the next build. */
class FDetailLayoutBuilderImpl : public IDetailLayoutBuilder
{
public:
	FDetailLayoutBuilderImpl(const TSharedRef<SDetailsView>& InView, const TArray<TWeakObjectPtr<UObject>>& InObjects);
	virtual ~FDetailLayoutBuilderImpl();

	//~ Begin IDetailLayoutBuilder interface
	virtual IDetailCategoryBuilder& EditCategory(FName CategoryName, const FText& NewLocalizedDisplayName = FText::GetEmpty(), ECategoryPriority::Type CategoryType = ECategoryPriority::Default) override;
	virtual IDetailCategoryBuilder& EditCategoryAllowNone(FName CategoryName, const FText& NewLocalizedDisplayName = FText::GetEmpty(), ECategoryPriority::Type CategoryType = ECategoryPriority::Default) override;
	virtual void GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const override;
	virtual const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const override { return Objects; }
	virtual void ForceRefreshDetails() override;
	virtual void HideCategory(FName CategoryName) override;
	virtual void GetCategoryNames(TArray<FName>& OutCategoryNames) const override;
	virtual const IDetailsView* GetDetailsView() const override;
	//~ End IDetailLayoutBuilder interface

	/** The categories in display order: by sort order, then by creation. */
	TArray<FDetailCategoryImpl*> GetSortedCategories() const;

	bool IsCategoryHidden(FName CategoryName) const { return HiddenCategories.Contains(CategoryName); }

	TSharedPtr<SDetailsView> GetView() const { return View.Pin(); }

private:
	FDetailCategoryImpl& FindOrAddCategory(FName CategoryName, const FText& DisplayName, ECategoryPriority::Type Priority);

	TWeakPtr<SDetailsView> View;
	TArray<TWeakObjectPtr<UObject>> Objects;
	TArray<TSharedRef<FDetailCategoryImpl>> Categories;
	TArray<FName> HiddenCategories;
};
