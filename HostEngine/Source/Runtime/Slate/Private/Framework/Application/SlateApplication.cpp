#include "Framework/Application/SlateApplication.h"

FSlateApplication& FSlateApplication::Get()
{
	static FSlateApplication Application;
	return Application;
}

bool FSlateApplication::IsInitialized()
{
	return true;
}

TSharedRef<SWindow> FSlateApplication::AddWindow(TSharedRef<SWindow> InSlateWindow, const bool bShowImmediately)
{
	Windows.AddUnique(InSlateWindow);
	return InSlateWindow;
}

void FSlateApplication::DestroyWindowImmediately(TSharedRef<SWindow> WindowToDestroy)
{
	Windows.Remove(WindowToDestroy);
	WindowToDestroy->RequestDestroyWindow();
}

void FSlateApplication::RequestDestroyWindow(TSharedRef<SWindow> WindowToDestroy)
{
	DestroyWindowImmediately(WindowToDestroy);
}

void FSlateApplication::Tick(ESlateTickType TickType)
{
}

TArray<TSharedRef<SWindow>> FSlateApplication::GetInteractiveTopLevelWindows()
{
	return Windows;
}
