#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "Widgets/SCompoundWidget.h"

class UObject;

/** A details panel: shows the properties of a set of objects, laid out by their class customization. */
class IDetailsView : public SCompoundWidget
{
public:
	/** Shows these objects. Unless forced, the same objects again change nothing. */
	virtual void SetObjects(const TArray<UObject*>& InObjects, bool bForceRefresh = false, bool bOverrideLock = false) = 0;

	virtual void SetObjects(const TArray<TWeakObjectPtr<UObject>>& InObjects, bool bForceRefresh = false, bool bOverrideLock = false) = 0;

	virtual void SetObject(UObject* InObject, bool bForceRefresh = false) = 0;

	virtual const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const = 0;

	/** Rebuilds the panel now, with a new layout and a new customization. */
	virtual void ForceRefresh() = 0;

	virtual bool IsLocked() const = 0;

	virtual void SetIsLocked(bool bIsLocked) = 0;
};
