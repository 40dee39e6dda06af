using UnrealBuildTool;

public class PropertyEditor : ModuleRules
{
	public PropertyEditor(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Slate", "SlateCore" });
		PublicIncludePathModuleNames.AddRange(new string[] { "ContentBrowser" });
		PrivateDependencyModuleNames.AddRange(new string[] { "AssetRegistry" });
	}
}
