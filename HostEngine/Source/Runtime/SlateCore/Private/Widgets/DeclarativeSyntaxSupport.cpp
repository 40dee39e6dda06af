#include "Widgets/DeclarativeSyntaxSupport.h"

FSlateBaseNamedArgs::FSlateBaseNamedArgs()
	: _IsEnabled(true)
	, _Visibility(EVisibility::Visible)
	, _RenderOpacity(1.0f)
	, _Clipping(EWidgetClipping::Inherit)
	, _ForceVolatile(false)
{
}

void FSlateBaseNamedArgs::HostRecordGiven(const ANSICHAR* Name)
{
	HostGivenArguments.AddUnique(FString(Name));
}
