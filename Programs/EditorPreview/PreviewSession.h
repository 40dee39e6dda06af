#pragma once

#include "CoreMinimal.h"

#include <stdexcept>
#include <string>

class IDetailsView;
class UJ5Package;

/** A mistake of the user's (a label that is not on the panel, a path outside the project...): reported, never a crash. */
class FPreviewError : public std::runtime_error
{
public:
	explicit FPreviewError(const std::string& Message)
		: std::runtime_error(Message)
	{
	}
};

/**
 * The editor as a content author sees it, in a terminal: a project whose content is described by a data
 * file, the plugin's modules started as the editor starts them, and the details panel of one package asset.
 * Every action prints the panel afterwards, with what the plugin logged and notified meanwhile.
 */
class FPreviewSession
{
public:
	struct FOptions
	{
		/** The project folder, holding Assets.txt (and optionally Config/). */
		std::string ProjectDir;
		bool bColor = false;
		/** Directory of the stand-in cook and pak tools. */
		std::string ToolsDir;
	};

	explicit FPreviewSession(const FOptions& InOptions);
	~FPreviewSession();

	FPreviewSession(const FPreviewSession&) = delete;
	FPreviewSession& operator=(const FPreviewSession&) = delete;

	/** Loads the project's content and the plugin; throws FPreviewError when the project cannot be used. */
	void Start();

	/** Runs one action line ("click Add All Assets"); returns false for "quit". Throws FPreviewError. */
	bool RunAction(const std::string& Line);

	/** The panel as it looks now. */
	std::string RenderPanel();

	/** Writes to stdout at once, so that output and error messages keep their order. */
	void Print(const std::string& Text);

private:
	void NewPackage(const std::string& Folder, const std::string& Name);
	void OpenPackage(const std::string& AssetPath);
	void Click(const std::string& Label);
	/** Runs the package's Cook Assets command, which no button shows. */
	void Cook();
	/** Changes an asset in the editor without saving it, as an author's unsaved edit. */
	void Modify(const std::string& AssetPath);
	/** Sets a setting of the plugin's page in Project Settings, as the user would there. */
	void SetSetting(const std::string& Name, const std::string& Value);
	void Pick(const std::string& AssetPath);
	/** Undoes the latest change, or redoes the latest undone one, as Edit > Undo and Edit > Redo do. */
	void StepHistory(bool bUndo);
	void SetGroup(const std::string& Group, bool bExpanded);
	void Search(const std::string& Text);
	void ListPicker();
	void ShowEditor(UObject* Asset);

	/** Lets tool runs finish, then prints what the plugin logged and notified since the last action. */
	void ReportActivity();

	TSharedRef<IDetailsView> RequireView() const;

	/** Work paths are shown as "<work>" so that runs read alike. */
	std::string Tidy(const FString& Text) const;

	FOptions Options;
	std::string WorkRoot;
	TSharedPtr<IDetailsView> View;
	int32 LogLinesShown = 0;
	int32 NotificationsShown = 0;
	int32 SavePromptsShown = 0;
	bool bStarted = false;
};
