#include "Layout/Visibility.h"

const EVisibility EVisibility::Visible(VIS_Visible | VIS_HitTestVisible);
const EVisibility EVisibility::Collapsed(VIS_Collapsed);
const EVisibility EVisibility::Hidden(VIS_Hidden);
const EVisibility EVisibility::HitTestInvisible(VIS_Visible);
const EVisibility EVisibility::SelfHitTestInvisible(VIS_Visible | VIS_ChildrenHitTestVisible);
const EVisibility EVisibility::All(VIS_All);

FString EVisibility::ToString() const
{
	if (*this == Visible)
	{
		return TEXT("Visible");
	}
	if (*this == Collapsed)
	{
		return TEXT("Collapsed");
	}
	if (*this == Hidden)
	{
		return TEXT("Hidden");
	}
	if (*this == HitTestInvisible)
	{
		return TEXT("HitTestInvisible");
	}
	if (*this == SelfHitTestInvisible)
	{
		return TEXT("SelfHitTestInvisible");
	}
	if (*this == All)
	{
		return TEXT("All");
	}
	return FString();
}
