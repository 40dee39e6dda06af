#pragma once

#include "CoreMinimal.h"

class IDetailLayoutBuilder;

/** Customizes how the details panel lays out the objects of one class. */
class IDetailCustomization : public TSharedFromThis<IDetailCustomization>
{
public:
	virtual ~IDetailCustomization() {}

	/** Called when the panel this customization belongs to is about to be destroyed. */
	virtual void PendingDelete() {}

	/** Lays out the panel. The builder lives only until the panel is rebuilt. */
	virtual void CustomizeDetails(IDetailLayoutBuilder& DetailBuilder) = 0;

	/** The form the details view calls; forwards to the reference form unless overridden. */
	virtual void CustomizeDetails(const TSharedPtr<IDetailLayoutBuilder>& DetailBuilder)
	{
		CustomizeDetails(*DetailBuilder);
	}
};
