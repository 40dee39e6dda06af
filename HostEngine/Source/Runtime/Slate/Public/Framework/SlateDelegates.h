#pragma once

#include "CoreMinimal.h"
#include "Input/Reply.h"

class SWidget;
class UObject;

namespace ETextCommit
{
	enum Type : int
	{
		Default,
		OnEnter,
		OnUserMovedFocus,
		OnCleared,
	};
}

/** A button's click handler. */
DECLARE_DELEGATE_RetVal(FReply, FOnClicked)

/** Makes the content of a menu or a popup when it opens. */
DECLARE_DELEGATE_RetVal(TSharedRef<SWidget>, FOnGetContent)

DECLARE_DELEGATE_OneParam(FOnTextChanged, const FText&)

DECLARE_DELEGATE_TwoParams(FOnTextCommitted, const FText&, ETextCommit::Type)

DECLARE_DELEGATE_OneParam(FOnFloatValueChanged, float)

DECLARE_DELEGATE_OneParam(FOnBooleanValueChanged, bool)

/** Asks to open or show an asset; true if it was handled. */
DECLARE_DELEGATE_RetVal_OneParam(bool, FAccessAsset, UObject*)
