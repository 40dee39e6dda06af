using UnrealBuildTool;

public class Engine : ModuleRules
{
	public Engine(ReadOnlyTargetRules Target) : base(Target)
	{
		// Public in the engine's rules too (among more the host lacks): a module that depends on Engine sees their headers.
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "SlateCore", "Slate", "AssetRegistry" });
	}
}
