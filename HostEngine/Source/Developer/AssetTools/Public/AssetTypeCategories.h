#pragma once

#include "CoreTypes.h"

/**
 * Category bits of asset types, as the Content Browser groups them. The named bits are the engine's
 * own categories; AssetTools hands out the bits above them, up to 1 << 31, one per advanced category
 * it registers. The type is 32 bits wide so that every such bit is a value of it.
 */
namespace EAssetTypeCategories
{
	enum Type : uint32
	{
		None = 0,
		Basic = 1 << 0,
		Animation = 1 << 1,
		Materials = 1 << 2,
		Sounds = 1 << 3,
		Physics = 1 << 4,
		UI = 1 << 5,
		Misc = 1 << 6,
		Gameplay = 1 << 7,
		Blueprint = 1 << 8,
		Media = 1 << 9,
		Textures = 1 << 10,
	};
}
