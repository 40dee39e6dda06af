#include "HostTest/AssetRegistryProbe.h"

#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistryImpl.h"
#include "Containers/StringConv.h"
#include "HostTest/CoreUObjectProbe.h"
#include "Misc/PackageName.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "Modules/ModuleManager.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using UE::AssetRegistry::EDependencyProperty;

namespace AssetRegistryProbePrivate
{
	FAssetRegistryImpl& GetRegistry()
	{
		if (FAssetRegistryImpl* Registry = FAssetRegistryImpl::GetInstance())
		{
			return *Registry;
		}
		FModuleManager::LoadModuleChecked<FAssetRegistryModule>(AssetRegistryConstants::ModuleName);
		FAssetRegistryImpl* Registry = FAssetRegistryImpl::GetInstance();
		checkf(Registry != nullptr, TEXT("The AssetRegistry module started without a registry"));
		return *Registry;
	}

	EDependencyProperty MakeProperties(bool bHard, bool bEditorOnly, bool bBuild = false)
	{
		EDependencyProperty Properties = EDependencyProperty::None;
		if (bHard)
		{
			Properties |= EDependencyProperty::Hard;
		}
		if (!bEditorOnly)
		{
			Properties |= EDependencyProperty::Game;
		}
		if (bBuild)
		{
			Properties |= EDependencyProperty::Build;
		}
		return Properties;
	}

	/** FName keeps names up to this length. */
	constexpr int32 MaxNameLength = 1023;

	struct FParsedAsset
	{
		FName PackageName;
		FName AssetName;
		FTopLevelAssetPath ClassPath;
		int32 Line = 0;
	};

	struct FParsedDependency
	{
		FName FromPackage;
		FName ToPackage;
		EDependencyProperty Properties = EDependencyProperty::None;
	};

	/** A data file, checked whole before the registry sees any of it. */
	class FDataFileParser
	{
	public:
		FDataFileParser(const FString& InSourceName, const FAssetRegistryImpl& InRegistry)
			: SourceName(InSourceName)
			, Registry(InRegistry)
		{
		}

		void Parse(FStringView Text)
		{
			if (Text.Len() > 0 && Text[0] == TCHAR(0xFEFF))
			{
				Text.RemovePrefix(1);
			}
			int32 LineNumber = 0;
			while (Text.Len() > 0 || LineNumber == 0)
			{
				++LineNumber;
				int32 End = INDEX_NONE;
				FStringView Line = Text;
				if (Text.FindChar(TEXT('\n'), End))
				{
					Line = Text.Left(End);
					Text.RemovePrefix(End + 1);
				}
				else
				{
					Text.Reset();
				}
				ParseLine(Line, LineNumber);
			}
		}

		bool HasErrors() const
		{
			return Errors.Num() > 0;
		}

		FString GetErrorText() const
		{
			// A file that is wrong throughout would bury the first problems; list a screenful.
			constexpr int32 MaxListed = 20;
			FString Result;
			for (int32 Index = 0; Index < Errors.Num() && Index < MaxListed; ++Index)
			{
				if (Index > 0)
				{
					Result += TEXT("\n");
				}
				Result += Errors[Index];
			}
			if (Errors.Num() > MaxListed)
			{
				Result += FString::Printf(TEXT("\n%s: %d more errors"), *SourceName, Errors.Num() - MaxListed);
			}
			return Result;
		}

		TArray<FParsedAsset> Assets;
		TArray<FParsedDependency> Dependencies;

	private:
		void Error(int32 Line, const FString& Message)
		{
			Errors.Add(FString::Printf(TEXT("%s:%d: %s"), *SourceName, Line, *Message));
		}

		static void Tokenize(FStringView Line, TArray<FStringView>& OutTokens)
		{
			int32 Index = 0;
			while (Index < Line.Len())
			{
				const TCHAR Char = Line[Index];
				if (Char == TEXT('#'))
				{
					return;
				}
				if (Char == TEXT(' ') || Char == TEXT('\t') || Char == TEXT('\r'))
				{
					++Index;
					continue;
				}
				const int32 Start = Index;
				while (Index < Line.Len() && Line[Index] != TEXT(' ') && Line[Index] != TEXT('\t') && Line[Index] != TEXT('\r') && Line[Index] != TEXT('#'))
				{
					++Index;
				}
				OutTokens.Add(Line.Mid(Start, Index - Start));
			}
		}

		bool CheckLength(FStringView Token, int32 Line)
		{
			if (Token.Len() > MaxNameLength)
			{
				Error(Line, FString::Printf(TEXT("a name is longer than %d characters"), MaxNameLength));
				return false;
			}
			return true;
		}

		bool ParsePackageName(FStringView Token, int32 Line, const TCHAR* Role, FName& OutName)
		{
			if (!CheckLength(Token, Line))
			{
				return false;
			}
			OutName = FName(Token);
			const FString Reason = FAssetRegistryImpl::GetInvalidPackageNameReason(OutName);
			if (!Reason.IsEmpty())
			{
				Error(Line, FString::Printf(TEXT("invalid %s '%s': %s"), Role, *FString(Token), *Reason));
				return false;
			}
			return true;
		}

		void ParseLine(FStringView Line, int32 LineNumber)
		{
			TArray<FStringView> Tokens;
			Tokenize(Line, Tokens);
			if (Tokens.Num() == 0)
			{
				return;
			}
			if (Tokens[0].Equals(TEXT("asset"), ESearchCase::IgnoreCase))
			{
				ParseAsset(Tokens, LineNumber);
			}
			else if (Tokens[0].Equals(TEXT("dep"), ESearchCase::IgnoreCase))
			{
				ParseDependency(Tokens, LineNumber);
			}
			else
			{
				Error(LineNumber, FString::Printf(TEXT("unknown record '%s': a line is 'asset ...', 'dep ...', blank or a # comment"), *FString(Tokens[0])));
			}
		}

		void ParseAsset(const TArray<FStringView>& Tokens, int32 Line)
		{
			if (Tokens.Num() != 3)
			{
				Error(Line, TEXT("'asset' takes a package (or Package.Asset) and a class path, as in: asset /Game/Meshes/SM_Rock /Script/Engine.StaticMesh"));
				return;
			}
			FParsedAsset Asset;
			Asset.Line = Line;

			FStringView PackageToken = Tokens[1];
			FStringView AssetToken;
			int32 Dot = INDEX_NONE;
			if (PackageToken.FindChar(TEXT('.'), Dot))
			{
				AssetToken = PackageToken.RightChop(Dot + 1);
				PackageToken = PackageToken.Left(Dot);
				int32 SecondDot = INDEX_NONE;
				if (AssetToken.IsEmpty() || AssetToken.FindChar(TEXT('.'), SecondDot))
				{
					Error(Line, FString::Printf(TEXT("invalid object path '%s': it is /Path/Package.AssetName"), *FString(Tokens[1])));
					return;
				}
			}
			else
			{
				int32 Slash = INDEX_NONE;
				AssetToken = PackageToken.FindLastChar(TEXT('/'), Slash) ? PackageToken.RightChop(Slash + 1) : PackageToken;
			}
			if (!ParsePackageName(PackageToken, Line, TEXT("package name"), Asset.PackageName))
			{
				return;
			}
			if (!CheckLength(AssetToken, Line))
			{
				return;
			}
			Asset.AssetName = FName(AssetToken);
			const FString AssetReason = FAssetRegistryImpl::GetInvalidAssetNameReason(Asset.AssetName);
			if (!AssetReason.IsEmpty())
			{
				Error(Line, FString::Printf(TEXT("invalid asset name '%s': %s"), *FString(AssetToken), *AssetReason));
				return;
			}

			const FStringView ClassToken = Tokens[2];
			int32 ClassDot = INDEX_NONE;
			int32 ExtraDot = INDEX_NONE;
			if (!ClassToken.FindChar(TEXT('.'), ClassDot) || ClassToken.RightChop(ClassDot + 1).FindChar(TEXT('.'), ExtraDot))
			{
				Error(Line, FString::Printf(TEXT("invalid class path '%s': it is /Script/Module.Class, as in /Script/Engine.StaticMesh"), *FString(ClassToken)));
				return;
			}
			if (!CheckLength(ClassToken, Line))
			{
				return;
			}
			const FStringView ClassPackage = ClassToken.Left(ClassDot);
			const FStringView ClassName = ClassToken.RightChop(ClassDot + 1);
			Asset.ClassPath = FTopLevelAssetPath(ClassPackage.IsEmpty() ? FName() : FName(ClassPackage), ClassName.IsEmpty() ? FName() : FName(ClassName));
			const FString ClassReason = FAssetRegistryImpl::GetInvalidClassPathReason(Asset.ClassPath);
			if (!ClassReason.IsEmpty())
			{
				Error(Line, FString::Printf(TEXT("invalid class path '%s': %s"), *FString(ClassToken), *ClassReason));
				return;
			}

			const FString ObjectPath = Asset.PackageName.ToString() + TEXT(".") + Asset.AssetName.ToString();
			if (const int32* FirstLine = SeenAssets.Find(ObjectPath))
			{
				Error(Line, FString::Printf(TEXT("the asset %s is declared twice (first at line %d)"), *ObjectPath, *FirstLine));
				return;
			}
			if (Registry.ContainsAsset(Asset.PackageName, Asset.AssetName))
			{
				Error(Line, FString::Printf(TEXT("the asset %s is already registered"), *ObjectPath));
				return;
			}
			SeenAssets.Add(ObjectPath, Line);
			Assets.Add(Asset);
		}

		void ParseDependency(const TArray<FStringView>& Tokens, int32 Line)
		{
			if (Tokens.Num() < 3)
			{
				Error(Line, TEXT("'dep' takes a referencing package and the package it refers to, as in: dep /Game/A /Game/B soft"));
				return;
			}
			FParsedDependency Dependency;
			if (!ParsePackageName(Tokens[1], Line, TEXT("referencing package"), Dependency.FromPackage) || !ParsePackageName(Tokens[2], Line, TEXT("dependency"), Dependency.ToPackage))
			{
				return;
			}
			bool bHard = true;
			bool bEditorOnly = false;
			bool bBuild = false;
			const TCHAR* HardnessSeen = nullptr;
			const TCHAR* UseSeen = nullptr;
			for (int32 Index = 3; Index < Tokens.Num(); ++Index)
			{
				const FStringView Option = Tokens[Index];
				const TCHAR** Group = nullptr;
				const TCHAR* Name = nullptr;
				if (Option.Equals(TEXT("hard"), ESearchCase::IgnoreCase))
				{
					Group = &HardnessSeen;
					Name = TEXT("hard");
					bHard = true;
				}
				else if (Option.Equals(TEXT("soft"), ESearchCase::IgnoreCase))
				{
					Group = &HardnessSeen;
					Name = TEXT("soft");
					bHard = false;
				}
				else if (Option.Equals(TEXT("game"), ESearchCase::IgnoreCase))
				{
					Group = &UseSeen;
					Name = TEXT("game");
					bEditorOnly = false;
				}
				else if (Option.Equals(TEXT("editoronly"), ESearchCase::IgnoreCase))
				{
					Group = &UseSeen;
					Name = TEXT("editoronly");
					bEditorOnly = true;
				}
				else if (Option.Equals(TEXT("build"), ESearchCase::IgnoreCase))
				{
					bBuild = true;
					continue;
				}
				else
				{
					Error(Line, FString::Printf(TEXT("unknown dependency property '%s': use hard or soft, game or editoronly, and build"), *FString(Option)));
					return;
				}
				if (*Group != nullptr)
				{
					Error(Line, FString::Printf(TEXT("'%s' after '%s': a dependency is hard or soft, game or editoronly, once"), Name, *Group));
					return;
				}
				*Group = Name;
			}
			Dependency.Properties = MakeProperties(bHard, bEditorOnly, bBuild);
			Dependencies.Add(Dependency);
		}

		FString SourceName;
		const FAssetRegistryImpl& Registry;
		TArray<FString> Errors;
		TMap<FString, int32> SeenAssets;
	};
}

namespace HostTest
{
	bool AddAsset(FName PackageName, FName AssetName, const FTopLevelAssetPath& ClassPath)
	{
		return AssetRegistryProbePrivate::GetRegistry().AddAsset(PackageName, AssetName, ClassPath);
	}

	bool AddAsset(FName PackageName, const FTopLevelAssetPath& ClassPath)
	{
		const FNameBuilder Builder(PackageName);
		const FStringView Name = Builder.ToView();
		int32 Slash = INDEX_NONE;
		if (PackageName.IsNone() || !Name.FindLastChar(TEXT('/'), Slash) || Slash + 1 >= Name.Len())
		{
			return false;
		}
		return AddAsset(PackageName, FName(Name.RightChop(Slash + 1)), ClassPath);
	}

	bool AddDependency(FName FromPackage, FName ToPackage, bool bHard, bool bEditorOnly)
	{
		return AssetRegistryProbePrivate::GetRegistry().AddDependency(FromPackage, ToPackage, AssetRegistryProbePrivate::MakeProperties(bHard, bEditorOnly));
	}

	bool RemoveDependency(FName FromPackage, FName ToPackage)
	{
		return AssetRegistryProbePrivate::GetRegistry().RemoveDependency(FromPackage, ToPackage);
	}

	bool RemoveAsset(FName PackageName, FName AssetName)
	{
		return AssetRegistryProbePrivate::GetRegistry().RemoveAsset(PackageName, AssetName);
	}

	bool RenameAsset(FName OldPackageName, FName OldAssetName, FName NewPackageName, FName NewAssetName)
	{
		return AssetRegistryProbePrivate::GetRegistry().RenameAsset(OldPackageName, OldAssetName, NewPackageName, NewAssetName);
	}

	void ClearAssetRegistry()
	{
		AssetRegistryProbePrivate::GetRegistry().Clear();
	}

	bool LoadAssetRegistryFromString(const FString& Text, const FString& SourceName, FString& OutError)
	{
		using namespace AssetRegistryProbePrivate;
		FAssetRegistryImpl& Registry = GetRegistry();
		FDataFileParser Parser(SourceName, Registry);
		Parser.Parse(FStringView(*Text, Text.Len()));
		if (Parser.HasErrors())
		{
			OutError = Parser.GetErrorText();
			return false;
		}
		for (const FParsedAsset& Asset : Parser.Assets)
		{
			FString Error;
			if (!Registry.AddAsset(Asset.PackageName, Asset.AssetName, Asset.ClassPath, &Error))
			{
				// Only an OnAssetAdded handler that registers the same asset first can get here.
				OutError = FString::Printf(TEXT("%s:%d: %s"), *SourceName, Asset.Line, *Error);
				return false;
			}
		}
		for (const FParsedDependency& Dependency : Parser.Dependencies)
		{
			Registry.AddDependency(Dependency.FromPackage, Dependency.ToPackage, Dependency.Properties);
		}
		OutError.Empty();
		return true;
	}

	bool LoadAssetRegistryFromFile(const FString& Filename, FString& OutError)
	{
		const std::string NativeName(TCHAR_TO_UTF8(*Filename));
		std::error_code ErrorCode;
		if (!std::filesystem::exists(NativeName, ErrorCode))
		{
			OutError = FString::Printf(TEXT("%s: no such file"), *Filename);
			return false;
		}
		if (std::filesystem::is_directory(NativeName, ErrorCode))
		{
			OutError = FString::Printf(TEXT("%s: is a folder, not an asset registry data file"), *Filename);
			return false;
		}
		std::ifstream Stream(NativeName, std::ios::binary);
		if (!Stream)
		{
			OutError = FString::Printf(TEXT("%s: cannot be opened (%s)"), *Filename, UTF8_TO_TCHAR(std::strerror(errno)));
			return false;
		}
		const std::string Bytes((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
		if (Stream.bad())
		{
			OutError = FString::Printf(TEXT("%s: cannot be read"), *Filename);
			return false;
		}
		if (Bytes.find('\0') != std::string::npos)
		{
			OutError = FString::Printf(TEXT("%s: holds binary data, not text"), *Filename);
			return false;
		}
		const FUTF8ToTCHAR Converted(Bytes.data(), static_cast<int32>(Bytes.size()));
		return LoadAssetRegistryFromString(FString(Converted.Length(), Converted.Get()), Filename, OutError);
	}

	int32 LoadRegisteredAssets()
	{
		using namespace UE::AssetRegistry;

		FAssetRegistryImpl& Registry = AssetRegistryProbePrivate::GetRegistry();
		TArray<FAssetData> Assets;
		Registry.GetAllAssets(Assets);

		TArray<UObject*> Made;
		TArray<UObject*> Reloaded;
		for (const FAssetData& Asset : Assets)
		{
			UClass* Class = FindObject<UClass>(nullptr, *Asset.AssetClassPath.ToString());
			if (Class == nullptr || Class->HasAnyClassFlags(CLASS_Abstract))
			{
				continue;
			}
			UPackage* Package = CreatePackage(*Asset.PackageName.ToString());
			if (UObject* Loaded = FindObjectFast<UObject>(Package, Asset.AssetName))
			{
				Reloaded.Add(Loaded);
				continue;
			}
			UObject* Object = NewObject<UObject>(Package, Class, Asset.AssetName, RF_Public | RF_Standalone | RF_Transactional);
			// By name: the registry does not link the Engine module that declares worlds.
			if (Class->GetName() == TEXT("World"))
			{
				Package->SetPackageFlags(PKG_ContainsMap);
			}
			Package->ClearPackageFlags(PKG_NewlyCreated);
			Package->SetDirtyFlag(false);
			Made.Add(Object);
		}

		// The first asset in memory of each package stands for what a reference to the package names.
		auto FindPackageAsset = [&Registry](FName PackageName) -> UObject*
		{
			TArray<FAssetData> PackageAssets;
			Registry.GetAssetsByPackageName(PackageName, PackageAssets);
			for (const FAssetData& PackageAsset : PackageAssets)
			{
				if (UObject* Object = PackageAsset.FastGetAsset(false))
				{
					return Object;
				}
			}
			return nullptr;
		};

		TArray<UObject*> WithReferences = Made;
		WithReferences.Append(Reloaded);
		for (UObject* Object : WithReferences)
		{
			const FName PackageName = Object->GetPackage()->GetFName();
			TArray<FName> HardTargets;
			TArray<FName> SoftTargets;
			Registry.GetDependencies(PackageName, HardTargets, EDependencyCategory::Package, EDependencyQuery::Hard);
			Registry.GetDependencies(PackageName, SoftTargets, EDependencyCategory::Package, EDependencyQuery::Soft);

			TArray<UObject*> HardReferences;
			TArray<FSoftObjectPath> SoftReferences;
			auto AddReference = [&](FName Target, bool bHard)
			{
				const FString TargetName = Target.ToString();
				if (Target == PackageName || FPackageName::IsScriptPackage(TargetName))
				{
					return;
				}
				UObject* TargetAsset = FindPackageAsset(Target);
				if (bHard && TargetAsset != nullptr)
				{
					HardReferences.Add(TargetAsset);
				}
				else
				{
					SoftReferences.Add(TargetAsset != nullptr ? FSoftObjectPath(TargetAsset) : FSoftObjectPath(TargetName + TEXT(".") + FPackageName::GetShortName(TargetName)));
				}
			};
			for (const FName Target : HardTargets)
			{
				AddReference(Target, true);
			}
			for (const FName Target : SoftTargets)
			{
				AddReference(Target, false);
			}
			SetObjectReferences(Object, HardReferences, SoftReferences);
		}
		return Made.Num();
	}

	int32 GetNumRegisteredAssets()
	{
		return AssetRegistryProbePrivate::GetRegistry().GetNumAssets();
	}

	int32 GetNumRegisteredDependencies()
	{
		return AssetRegistryProbePrivate::GetRegistry().GetNumDependencies();
	}
}
