using UnrealBuildTool;

public class AssetTools : ModuleRules
{
	public AssetTools(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "EditorFramework", "UnrealEd" });
		PrivateDependencyModuleNames.AddRange(new string[] { "AssetRegistry" });
	}
}
