#pragma once

#include "CoreTypes.h"

namespace UE::Math
{
	template <typename T>
	struct TVector2;
}

using FVector2D = UE::Math::TVector2<double>;
using FVector2f = UE::Math::TVector2<float>;
using FVector2d = UE::Math::TVector2<double>;

struct FLinearColor;
struct FColor;
