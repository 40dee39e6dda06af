#pragma once

#include "CoreMinimal.h"
#include "J5Package.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include <vector>

/**
 * A project on disk whose path holds spaces and non-ASCII letters, an engine folder with the
 * stand-in tools in place of the editor's command-line executable and UnrealPak, and a package
 * asset /Game/Pack/PKG_Pack holding a mesh, its material and texture, and a World Partition map
 * (its actors in /Game/__ExternalActors__); the mesh refers to a source model outside the folder
 * that only the editor uses. The plugin's runtime module is started, its settings are the defaults.
 */
class FPackageExportTest : public ::testing::Test
{
protected:
	void SetUp() override;
	void TearDown() override;

	/** Runs a tool operation to its end, pumping the game thread. */
	bool WaitForToolToFinish(float TimeoutSeconds = 20.f);
	bool WaitForOutputContaining(const FString& Text, float TimeoutSeconds = 20.f);

	void RemoveTool(const char* ToolName);
	/** A package file as the editor saves it, holding one asset of the class. */
	void WriteContentFile(const std::string& RelativePath, const char* ClassPath = "/Script/Engine.StaticMesh");

	/** A file of the export's own cook (Saved/Talvyn/PKG_Pack/Cooked/<Platform>/<Project>/Content/<path>). */
	std::filesystem::path CookedFile(const std::string& RelativePath, const std::string& Platform = "Linux") const;
	std::filesystem::path PakFile() const;
	std::filesystem::path ResponseFile() const;
	/** Saved/Talvyn/PKG_Pack/PKG_Pack<Suffix>: the export's other outputs (".utoc", "-IoStore.txt"...). */
	std::filesystem::path OutputFile(const std::string& Suffix) const;

	/** The mount paths in the pak's index. */
	std::vector<std::string> ReadPakIndex() const;
	std::vector<std::string> ReadLines(const std::filesystem::path& File) const;
	std::string ReadFile(const std::filesystem::path& File) const;

	/** The last notification shown, as it looks now. */
	struct FShown
	{
		FString Text;
		FString SubText;
		int32 State = 0;
		TArray<FString> Buttons;
		bool bThrobber = false;
	};
	FShown LastNotification() const;
	int32 NotificationCount() const;

	/**
	 * Whether the package's mesh has a material and an editor-only source model (set before SetUp); without
	 * them the mesh refers to its texture directly.
	 */
	bool bWithMaterialAndEditorOnlySource = true;

	std::filesystem::path Root;
	std::filesystem::path ProjectDir;
	std::filesystem::path EngineBinaries;
	std::string ProjectName;
	UJ5Package* Package = nullptr;
};
