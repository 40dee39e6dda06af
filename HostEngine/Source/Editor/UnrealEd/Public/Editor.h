#pragma once

#include "CoreMinimal.h"
#include "Editor/EditorEngine.h"

/** The editor engine, from the editor's start-up (the UnrealEd module's) to its shut-down. */
extern UNREALED_API UEditorEngine* GEditor;
