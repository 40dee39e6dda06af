#pragma once

#include "CoreMinimal.h"

class IToolkit;
class SWidget;
class UWorld;

/** An editor that can host toolkits inside itself, as the level editor hosts world-centric asset editors. */
class IToolkitHost
{
public:
	virtual ~IToolkitHost() {}

	/** The widget hosted toolkits are parented to. */
	virtual TSharedRef<SWidget> GetParentWidget() = 0;

	virtual void BringToFront() = 0;

	virtual void OnToolkitHostingStarted(const TSharedRef<IToolkit>& Toolkit) = 0;

	virtual void OnToolkitHostingFinished(const TSharedRef<IToolkit>& Toolkit) = 0;

	/** The world that hosted toolkits edit alongside. */
	virtual UWorld* GetWorld() const = 0;
};
