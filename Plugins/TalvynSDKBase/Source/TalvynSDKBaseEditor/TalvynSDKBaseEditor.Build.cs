using UnrealBuildTool;

public class TalvynSDKBaseEditor : ModuleRules
{
	public TalvynSDKBaseEditor(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "PropertyEditor", "SlateCore", "TalvynSDKBase", "UnrealEd" });
		PrivateDependencyModuleNames.AddRange(new string[] { "Slate" });

		// AssetTools is reached through the module manager and its virtual interface only, never linked.
		// Its headers are public here because the module class names the asset category type.
		PublicIncludePathModuleNames.AddRange(new string[] { "AssetTools" });
		DynamicallyLoadedModuleNames.AddRange(new string[] { "AssetTools" });

		// The module's automation tests reach the asset registry through its interface only.
		PrivateIncludePathModuleNames.AddRange(new string[] { "AssetRegistry" });
	}
}
