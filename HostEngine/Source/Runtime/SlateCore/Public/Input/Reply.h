#pragma once

#include "CoreMinimal.h"
#include "Input/ReplyBase.h"

/** What a widget's event handler tells Slate: whether it handled the event. */
class SLATECORE_API FReply : public TReplyBase<FReply>
{
public:
	/** The event was handled; it goes no further. */
	static FReply Handled()
	{
		return FReply(true);
	}

	/** The event was not handled; Slate passes it on. */
	static FReply Unhandled()
	{
		return FReply(false);
	}

	/** Whether the handler asked to stop the drag it was part of. */
	bool ShouldEndDragDrop() const
	{
		return bEndDragDrop;
	}

	FReply& EndDragDrop()
	{
		bEndDragDrop = true;
		return Me();
	}

private:
	explicit FReply(bool bIsHandled)
		: TReplyBase<FReply>(bIsHandled)
	{
	}

	bool bEndDragDrop = false;
};

/** A reply for events that need only say whether they were handled. */
class SLATECORE_API FNoReply : public TReplyBase<FNoReply>
{
public:
	static FNoReply Handled()
	{
		return FNoReply(true);
	}

	static FNoReply Unhandled()
	{
		return FNoReply(false);
	}

private:
	explicit FNoReply(bool bIsHandled)
		: TReplyBase<FNoReply>(bIsHandled)
	{
	}
};
