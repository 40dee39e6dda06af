#pragma once

#include "CoreMinimal.h"

class UObject;

/** How an asset editor is hosted. */
namespace EToolkitMode
{
	enum Type
	{
		/** In a window of its own. */
		Standalone,
		/** Docked inside the level editor, editing alongside the world. */
		WorldCentric,
	};
}

/** An editor application hosted in a window or inside another editor. */
class IToolkit
{
public:
	virtual ~IToolkit() {}

	/** The internal name of this kind of toolkit. */
	virtual FName GetToolkitFName() const = 0;

	/** The name of this kind of toolkit as users see it, without the objects being edited. */
	virtual FText GetBaseToolkitName() const = 0;

	/** The name shown in the title bar: usually the objects being edited. */
	virtual FText GetToolkitName() const = 0;

	/** Prefix of the tabs this toolkit opens inside a world-centric host. */
	virtual FString GetWorldCentricTabPrefix() const = 0;

	virtual bool IsAssetEditor() const = 0;

	/** The objects being edited, or null for toolkits that edit no objects. */
	virtual const TArray<UObject*>* GetObjectsCurrentlyBeingEdited() const = 0;

	/** Whether the toolkit lives inside a host (world-centric) rather than a window of its own. */
	virtual bool IsHosted() const = 0;
};
