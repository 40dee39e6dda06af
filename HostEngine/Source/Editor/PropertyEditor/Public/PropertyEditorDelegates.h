#pragma once

#include "CoreMinimal.h"

class IDetailCustomization;
class IPropertyTypeCustomization;

/** Makes a fresh class customization each time a details panel is built. */
DECLARE_DELEGATE_RetVal(TSharedRef<IDetailCustomization>, FOnGetDetailCustomizationInstance);

/** Makes a fresh property type customization. */
DECLARE_DELEGATE_RetVal(TSharedRef<IPropertyTypeCustomization>, FOnGetPropertyTypeCustomizationInstance);
