#pragma once

#include "CoreMinimal.h"
#include "Widgets/SWindow.h"

enum class ESlateTickType : uint8
{
	/** Only time-based updates (animations, timers). */
	Time = 1 << 0,
	/** Only the widgets: layout, and the rows lists make. */
	Widgets = 1 << 1,
	All = Time | Widgets,
};

/**
 * The editor's Slate application: the windows on screen and the frame that updates them. The host's widgets
 * build their content when they are made (a details view lays out its rows at once), so a frame has nothing
 * to catch up on; it is kept so that code written for the editor, which must tick Slate before it reads a
 * freshly made panel, runs unchanged.
 */
class SLATE_API FSlateApplication
{
public:
	static FSlateApplication& Get();

	/** Whether the application has been created; in the host it is there once Slate is loaded. */
	static bool IsInitialized();

	TSharedRef<SWindow> AddWindow(TSharedRef<SWindow> InSlateWindow, const bool bShowImmediately = true);

	/** Closes the window now and releases its content. */
	void DestroyWindowImmediately(TSharedRef<SWindow> WindowToDestroy);

	void RequestDestroyWindow(TSharedRef<SWindow> WindowToDestroy);

	/** One frame. */
	void Tick(ESlateTickType TickType = ESlateTickType::All);

	/** The windows added and not destroyed, in the order they were added. */
	TArray<TSharedRef<SWindow>> GetInteractiveTopLevelWindows();

private:
	FSlateApplication() = default;

	TArray<TSharedRef<SWindow>> Windows;
};
