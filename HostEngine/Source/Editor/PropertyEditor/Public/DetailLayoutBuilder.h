#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "DetailCategoryBuilder.h"

class IDetailsView;
class UObject;

/** The broad group a category belongs to; it decides the category's place unless a sort order is set. */
namespace ECategoryPriority
{
	enum Type
	{
		Variable = 0,
		Transform,
		Important,
		TypeSpecific,
		Default,
		Uncommon,
	};
}

/** Builds one layout of a details panel. A new builder is made for every rebuild of the panel. */
class IDetailLayoutBuilder
{
public:
	virtual ~IDetailLayoutBuilder() {}

	/** Returns the category of that name, creating it if needed. */
	virtual IDetailCategoryBuilder& EditCategory(FName CategoryName, const FText& NewLocalizedDisplayName = FText::GetEmpty(), ECategoryPriority::Type CategoryType = ECategoryPriority::Default) = 0;

	/** As EditCategory, but NAME_None names a category of its own instead of the default one. */
	virtual IDetailCategoryBuilder& EditCategoryAllowNone(FName CategoryName, const FText& NewLocalizedDisplayName = FText::GetEmpty(), ECategoryPriority::Type CategoryType = ECategoryPriority::Default) = 0;

	/** The objects whose panel is being built, in selection order. */
	virtual void GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const = 0;

	virtual const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const = 0;

	/**
	 * Rebuilds the whole panel now. This builder and the customization that received it are
	 * released before the call returns: touch neither afterwards.
	 */
	virtual void ForceRefreshDetails() = 0;

	virtual void HideCategory(FName CategoryName) = 0;

	virtual void GetCategoryNames(TArray<FName>& OutCategoryNames) const = 0;

	virtual const IDetailsView* GetDetailsView() const = 0;
};
