#pragma once

#include "CoreMinimal.h"

class SWidget;

/** The placeholder widget that stands wherever no content was given. */
class SLATECORE_API SNullWidget
{
public:
	/** One shared instance; it draws nothing and takes no space. */
	static TSharedRef<SWidget> NullWidget;
};
