#pragma once

#include "CoreMinimal.h"

class SWidget;

/** Whether an event was handled, and by which widget. */
class SLATECORE_API FReplyBase
{
public:
	bool IsEventHandled() const
	{
		return bIsHandled;
	}

	/** The widget that handled the event, if it said so. */
	const TSharedPtr<SWidget> GetHandler() const
	{
		return EventHandler;
	}

protected:
	FReplyBase(bool bIsHandled)
		: bIsHandled(bIsHandled)
	{
	}

	TSharedPtr<SWidget> EventHandler;
	bool bIsHandled;
};

/** Adds the chaining helpers every reply type shares. */
template<typename ReplyType>
class TReplyBase : public FReplyBase
{
public:
	TReplyBase(bool bIsHandled)
		: FReplyBase(bIsHandled)
	{
	}

	ReplyType& SetHandler(const TSharedRef<SWidget>& InHandler)
	{
		this->EventHandler = InHandler;
		return Me();
	}

protected:
	ReplyType& Me()
	{
		return static_cast<ReplyType&>(*this);
	}
};
