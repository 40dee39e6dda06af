using UnrealBuildTool;

public class UnrealEd : ModuleRules
{
	public UnrealEd(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "EditorFramework", "Engine", "Slate", "SlateCore" });
		PrivateDependencyModuleNames.AddRange(new string[] { "PropertyEditor" });
		PrivateIncludePathModuleNames.AddRange(new string[] { "AssetTools" });
		DynamicallyLoadedModuleNames.AddRange(new string[] { "AssetTools" });
	}
}
