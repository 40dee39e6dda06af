#include "AssetRegistryImpl.h"

#include "HAL/FileManager.h"
#include "Misc/PackageName.h"
#include "Serialization/ArchiveUObject.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/Object.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UObjectHash.h"

#include <algorithm>

using UE::AssetRegistry::EDependencyCategory;
using UE::AssetRegistry::EDependencyProperty;
using UE::AssetRegistry::EEnumerateAssetsFlags;
using UE::AssetRegistry::EExists;
using UE::AssetRegistry::FDependencyQuery;

namespace AssetRegistryImplPrivate
{
	FAssetRegistryImpl* Instance = nullptr;

	/** A set of ASCII characters, tested with one look-up: names are checked for every asset and dependency added. */
	class FCharacterSet
	{
	public:
		explicit FCharacterSet(const TCHAR* Characters)
		{
			for (const TCHAR* Char = Characters; *Char; ++Char)
			{
				bContains[static_cast<uint32>(*Char) & 127] = true;
			}
		}

		/** Finds the first character of Text that is in the set. */
		bool FindIn(FStringView Text, TCHAR& OutFound) const
		{
			for (const TCHAR Char : Text)
			{
				if (static_cast<uint32>(Char) < 128 && bContains[static_cast<uint32>(Char)])
				{
					OutFound = Char;
					return true;
				}
			}
			return false;
		}

	private:
		bool bContains[128] = {};
	};

	/** Characters a long package name may not hold, as the engine lists them. */
	const FCharacterSet& InvalidPackageCharacters()
	{
		static const FCharacterSet Set(TEXT("\\:*?\"<>|' ,.&!~\n\r\t@#"));
		return Set;
	}

	/** Characters an object name may not hold. */
	const FCharacterSet& InvalidObjectCharacters()
	{
		static const FCharacterSet Set(TEXT("\"' ,/.:|&!~\n\r\t@#"));
		return Set;
	}

	FString DescribeCharacter(TCHAR Char)
	{
		switch (Char)
		{
		case TEXT(' '):
			return TEXT("a space");
		case TEXT('\t'):
			return TEXT("a tab");
		case TEXT('\n'):
		case TEXT('\r'):
			return TEXT("a line break");
		default:
			break;
		}
		FString Result = TEXT("'");
		Result.AppendChar(Char);
		Result += TEXT("'");
		return Result;
	}

	/** The folder of a package or folder: "/Game/A/B" gives "/Game/A", "/Game" gives "/". */
	FName GetParentPath(FStringView Path)
	{
		int32 SlashIndex = INDEX_NONE;
		if (!Path.FindLastChar(TEXT('/'), SlashIndex) || SlashIndex == 0)
		{
			return FName(TEXT("/"));
		}
		return FName(Path.Left(SlashIndex));
	}

	UClass* FindLoadedClass(const FTopLevelAssetPath& ClassPath)
	{
		if (ClassPath.IsNull())
		{
			return nullptr;
		}
		return FindObject<UClass>(nullptr, *ClassPath.ToString());
	}

	/** Keeps the enumeration count right however the callback leaves. */
	struct FEnumerationScope
	{
		explicit FEnumerationScope(int32& InDepth)
			: Depth(InDepth)
		{
			++Depth;
		}
		~FEnumerationScope()
		{
			--Depth;
		}
		int32& Depth;
	};
}

struct FAssetRegistryImpl::FCompiledFilter
{
	bool bFilterPackageNames = false;
	TSet<FName> PackageNames;
	bool bFilterPaths = false;
	TSet<FName> Paths;
	bool bFilterObjects = false;
	TSet<FNamePair> Objects;
	bool bFilterClasses = false;
	TSet<FTopLevelAssetPath> Classes;
	const TMultiMap<FName, TOptional<FString>>* TagsAndValues = nullptr;
	uint32 WithPackageFlags = 0;
	uint32 WithoutPackageFlags = 0;
};

FAssetRegistryImpl::FAssetRegistryImpl() = default;

FAssetRegistryImpl::~FAssetRegistryImpl() = default;

FAssetRegistryImpl* FAssetRegistryImpl::GetInstance()
{
	return AssetRegistryImplPrivate::Instance;
}

void FAssetRegistryImpl::SetInstance(FAssetRegistryImpl* Instance)
{
	AssetRegistryImplPrivate::Instance = Instance;
}

FString FAssetRegistryImpl::GetInvalidPackageNameReason(FName PackageName)
{
	using namespace AssetRegistryImplPrivate;
	if (PackageName.IsNone())
	{
		return TEXT("the package name is empty");
	}
	const FNameBuilder Builder(PackageName);
	const FStringView Name = Builder.ToView();
	if (Name[0] != TEXT('/'))
	{
		return TEXT("a package name starts with '/' and its root, as in /Game/Folder/Name");
	}
	if (Name.EndsWith(TEXT('/')))
	{
		return TEXT("a package name does not end with '/'");
	}
	if (Name.Contains(TEXT("//")))
	{
		return TEXT("a package name has no empty folder names ('//')");
	}
	int32 SecondSlash = INDEX_NONE;
	if (!Name.RightChop(1).FindChar(TEXT('/'), SecondSlash))
	{
		return TEXT("a package name needs a root and a name, as in /Game/Name");
	}
	TCHAR Invalid = 0;
	if (InvalidPackageCharacters().FindIn(Name, Invalid))
	{
		return FString(TEXT("a package name may not contain ")) + DescribeCharacter(Invalid);
	}
	return FString();
}

FString FAssetRegistryImpl::GetInvalidAssetNameReason(FName AssetName)
{
	using namespace AssetRegistryImplPrivate;
	if (AssetName.IsNone())
	{
		return TEXT("the asset name is empty");
	}
	const FNameBuilder Builder(AssetName);
	TCHAR Invalid = 0;
	if (InvalidObjectCharacters().FindIn(Builder.ToView(), Invalid))
	{
		return FString(TEXT("an asset name may not contain ")) + DescribeCharacter(Invalid);
	}
	return FString();
}

FString FAssetRegistryImpl::GetInvalidClassPathReason(const FTopLevelAssetPath& ClassPath)
{
	using namespace AssetRegistryImplPrivate;
	if (ClassPath.GetPackageName().IsNone() || ClassPath.GetAssetName().IsNone())
	{
		return TEXT("a class path has a package and a class name, as in /Script/Engine.StaticMesh");
	}
	const FString PackageReason = GetInvalidPackageNameReason(ClassPath.GetPackageName());
	if (!PackageReason.IsEmpty())
	{
		return FString(TEXT("the class's package is not valid: ")) + PackageReason;
	}
	const FNameBuilder Builder(ClassPath.GetAssetName());
	TCHAR Invalid = 0;
	if (InvalidObjectCharacters().FindIn(Builder.ToView(), Invalid))
	{
		return FString(TEXT("a class name may not contain ")) + DescribeCharacter(Invalid);
	}
	return FString();
}

FName FAssetRegistryImpl::NormalizePath(FName Path)
{
	if (Path.IsNone())
	{
		return Path;
	}
	const FNameBuilder Builder(Path);
	FStringView View = Builder.ToView();
	if (View.Len() <= 1 || !View.EndsWith(TEXT('/')))
	{
		return Path;
	}
	while (View.Len() > 1 && View.EndsWith(TEXT('/')))
	{
		View.RemoveSuffix(1);
	}
	return FName(View);
}

void FAssetRegistryImpl::AddPath(FName Path)
{
	if (SubPaths.Contains(Path))
	{
		return;
	}
	SubPaths.Add(Path, TArray<FName>());
	const FName Root(TEXT("/"));
	FName Current = Path;
	while (Current != Root)
	{
		const FNameBuilder Builder(Current);
		const FName Parent = AssetRegistryImplPrivate::GetParentPath(Builder.ToView());
		if (TArray<FName>* Children = SubPaths.Find(Parent))
		{
			Children->Add(Current);
			return;
		}
		TArray<FName> Children;
		Children.Add(Current);
		SubPaths.Add(Parent, MoveTemp(Children));
		Current = Parent;
	}
}

void FAssetRegistryImpl::GatherPaths(FName Path, bool bRecursive, TSet<FName>& OutPaths) const
{
	const FName Start = NormalizePath(Path);
	if (!bRecursive)
	{
		OutPaths.Add(Start);
		return;
	}
	if (OutPaths.Contains(Start))
	{
		return;
	}
	// A folder is below another only through the folder tree, so "/Game/Pack2" never counts as
	// being inside "/Game/Pack".
	TArray<FName> Pending;
	Pending.Add(Start);
	OutPaths.Add(Start);
	while (Pending.Num() > 0)
	{
		const FName Current = Pending.Pop();
		if (const TArray<FName>* Children = SubPaths.Find(Current))
		{
			for (const FName Child : *Children)
			{
				if (!OutPaths.Contains(Child))
				{
					OutPaths.Add(Child);
					Pending.Add(Child);
				}
			}
		}
	}
}

void FAssetRegistryImpl::IndexAsset(int32 Index)
{
	const FAssetData& Data = Assets[Index].Data;
	AssetsByObjectPath.Add(FNamePair{Data.PackageName, Data.AssetName}, Index);
	AssetsByPackage.FindOrAdd(Data.PackageName).Add(Index);
	AssetsByPath.FindOrAdd(Data.PackagePath).Add(Index);
	AssetsByClass.FindOrAdd(Data.AssetClassPath).Add(Index);
}

void FAssetRegistryImpl::UnindexAsset(int32 Index)
{
	const FAssetData& Data = Assets[Index].Data;
	AssetsByObjectPath.Remove(FNamePair{Data.PackageName, Data.AssetName});
	auto RemoveFromBucket = [Index](auto& Map, const auto& Key)
	{
		if (auto* Bucket = Map.Find(Key))
		{
			Bucket->RemoveSingle(Index);
			if (Bucket->Num() == 0)
			{
				Map.Remove(Key);
			}
		}
	};
	RemoveFromBucket(AssetsByPackage, Data.PackageName);
	RemoveFromBucket(AssetsByPath, Data.PackagePath);
	RemoveFromBucket(AssetsByClass, Data.AssetClassPath);
}

void FAssetRegistryImpl::CompactIfWorthwhile()
{
	const int32 NumHoles = Assets.Num() - NumLiveAssets;
	if (NumHoles < 1024 || NumHoles < NumLiveAssets)
	{
		return;
	}
	TArray<FAssetSlot> Live;
	Live.Reserve(NumLiveAssets);
	for (FAssetSlot& Slot : Assets)
	{
		if (Slot.bLive)
		{
			Live.Add(MoveTemp(Slot));
		}
	}
	Assets = MoveTemp(Live);
	AssetsByObjectPath.Reset();
	AssetsByPackage.Reset();
	AssetsByPath.Reset();
	AssetsByClass.Reset();
	for (int32 Index = 0; Index < Assets.Num(); ++Index)
	{
		IndexAsset(Index);
	}
}

bool FAssetRegistryImpl::AddAsset(FName PackageName, FName AssetName, const FTopLevelAssetPath& ClassPath, FString* OutError)
{
	checkf(EnumerationDepth == 0, TEXT("The asset registry cannot change while it enumerates assets"));
	auto Fail = [OutError](const FString& Message)
	{
		if (OutError)
		{
			*OutError = Message;
		}
		return false;
	};

	FString Reason = GetInvalidPackageNameReason(PackageName);
	if (!Reason.IsEmpty())
	{
		return Fail(FString::Printf(TEXT("invalid package name '%s': %s"), *PackageName.ToString(), *Reason));
	}
	Reason = GetInvalidAssetNameReason(AssetName);
	if (!Reason.IsEmpty())
	{
		return Fail(FString::Printf(TEXT("invalid asset name '%s': %s"), *AssetName.ToString(), *Reason));
	}
	Reason = GetInvalidClassPathReason(ClassPath);
	if (!Reason.IsEmpty())
	{
		return Fail(FString::Printf(TEXT("invalid class path '%s': %s"), *ClassPath.ToString(), *Reason));
	}
	if (AssetsByObjectPath.Contains(FNamePair{PackageName, AssetName}))
	{
		return Fail(FString::Printf(TEXT("the asset %s.%s is already registered"), *PackageName.ToString(), *AssetName.ToString()));
	}

	const FNameBuilder PackageBuilder(PackageName);
	const FName PackagePath = AssetRegistryImplPrivate::GetParentPath(PackageBuilder.ToView());

	const int32 Index = Assets.Num();
	FAssetSlot& Slot = Assets.AddDefaulted_GetRef();
	Slot.Data = FAssetData(PackageName, PackagePath, AssetName, ClassPath);
	Slot.bLive = true;
	++NumLiveAssets;
	IndexAsset(Index);
	AddPath(PackagePath);
	Packages.FindOrAdd(PackageName);

	// Handlers may add assets of their own, which moves the records: hand them a copy.
	const FAssetData Added = Assets[Index].Data;
	AssetAddedEvent.Broadcast(Added);
	return true;
}

bool FAssetRegistryImpl::RemoveAsset(FName PackageName, FName AssetName)
{
	checkf(EnumerationDepth == 0, TEXT("The asset registry cannot change while it enumerates assets"));
	const int32* Found = AssetsByObjectPath.Find(FNamePair{PackageName, AssetName});
	if (!Found)
	{
		return false;
	}
	const int32 Index = *Found;
	const FAssetData Removed = Assets[Index].Data;
	UnindexAsset(Index);
	Assets[Index].bLive = false;
	Assets[Index].Data = FAssetData();
	--NumLiveAssets;

	// A package without assets is gone from disk, and with it what it referred to; what refers to it stays.
	if (!AssetsByPackage.Contains(Removed.PackageName))
	{
		RemovePackageDependencies(Removed.PackageName);
	}
	CompactIfWorthwhile();

	AssetRemovedEvent.Broadcast(Removed);
	return true;
}

bool FAssetRegistryImpl::RenameAsset(FName OldPackageName, FName OldAssetName, FName NewPackageName, FName NewAssetName, FString* OutError)
{
	checkf(EnumerationDepth == 0, TEXT("The asset registry cannot change while it enumerates assets"));
	auto Fail = [OutError](const FString& Message)
	{
		if (OutError)
		{
			*OutError = Message;
		}
		return false;
	};

	const int32* Found = AssetsByObjectPath.Find(FNamePair{OldPackageName, OldAssetName});
	if (!Found)
	{
		return Fail(FString::Printf(TEXT("the asset %s.%s is not registered"), *OldPackageName.ToString(), *OldAssetName.ToString()));
	}
	const int32 Index = *Found;
	FString Reason = GetInvalidPackageNameReason(NewPackageName);
	if (!Reason.IsEmpty())
	{
		return Fail(FString::Printf(TEXT("invalid package name '%s': %s"), *NewPackageName.ToString(), *Reason));
	}
	Reason = GetInvalidAssetNameReason(NewAssetName);
	if (!Reason.IsEmpty())
	{
		return Fail(FString::Printf(TEXT("invalid asset name '%s': %s"), *NewAssetName.ToString(), *Reason));
	}
	if (AssetsByObjectPath.Contains(FNamePair{NewPackageName, NewAssetName}))
	{
		return Fail(FString::Printf(TEXT("the asset %s.%s is already registered"), *NewPackageName.ToString(), *NewAssetName.ToString()));
	}

	const FString OldObjectPath = Assets[Index].Data.GetObjectPathString();
	UnindexAsset(Index);
	const FNameBuilder PackageBuilder(NewPackageName);
	const FName NewPackagePath = AssetRegistryImplPrivate::GetParentPath(PackageBuilder.ToView());
	FAssetData& Data = Assets[Index].Data;
	Data.PackageName = NewPackageName;
	Data.PackagePath = NewPackagePath;
	Data.AssetName = NewAssetName;
	IndexAsset(Index);
	AddPath(NewPackagePath);
	Packages.FindOrAdd(NewPackageName);

	if (OldPackageName != NewPackageName && !AssetsByPackage.Contains(OldPackageName))
	{
		// The whole package moved: its references, and the references to it, follow it.
		MovePackageDependencies(OldPackageName, NewPackageName);
	}

	const FAssetData Renamed = Assets[Index].Data;
	AssetRenamedEvent.Broadcast(Renamed, OldObjectPath);
	return true;
}

bool FAssetRegistryImpl::AddDependency(FName FromPackage, FName ToPackage, EDependencyProperty Properties, FString* OutError)
{
	checkf(EnumerationDepth == 0, TEXT("The asset registry cannot change while it enumerates assets"));
	for (const FName Package : {FromPackage, ToPackage})
	{
		const FString Reason = GetInvalidPackageNameReason(Package);
		if (!Reason.IsEmpty())
		{
			if (OutError)
			{
				*OutError = FString::Printf(TEXT("invalid package name '%s': %s"), *Package.ToString(), *Reason);
			}
			return false;
		}
	}
	Properties &= EDependencyProperty::PackageMask;

	bool bAlreadyRecorded = false;
	Edges.Add(FNamePair{FromPackage, ToPackage}, &bAlreadyRecorded);
	if (bAlreadyRecorded)
	{
		// Recorded twice, the stronger reading wins: hard over soft, game over editor-only.
		for (FDependencyLink& Link : Packages.FindOrAdd(FromPackage).Dependencies)
		{
			if (Link.Package == ToPackage)
			{
				Link.Properties |= Properties;
			}
		}
		for (FDependencyLink& Link : Packages.FindOrAdd(ToPackage).Referencers)
		{
			if (Link.Package == FromPackage)
			{
				Link.Properties |= Properties;
			}
		}
		return true;
	}
	Packages.FindOrAdd(FromPackage).Dependencies.Add(FDependencyLink{ToPackage, Properties});
	Packages.FindOrAdd(ToPackage).Referencers.Add(FDependencyLink{FromPackage, Properties});
	return true;
}

bool FAssetRegistryImpl::RemoveDependency(FName FromPackage, FName ToPackage)
{
	checkf(EnumerationDepth == 0, TEXT("The asset registry cannot change while it enumerates assets"));
	if (Edges.Remove(FNamePair{FromPackage, ToPackage}) == 0)
	{
		return false;
	}
	if (FPackageNode* From = Packages.Find(FromPackage))
	{
		From->Dependencies.RemoveAll([ToPackage](const FDependencyLink& Link) { return Link.Package == ToPackage; });
	}
	if (FPackageNode* To = Packages.Find(ToPackage))
	{
		To->Referencers.RemoveAll([FromPackage](const FDependencyLink& Link) { return Link.Package == FromPackage; });
	}
	for (const FName Package : {FromPackage, ToPackage})
	{
		const FPackageNode* Node = Packages.Find(Package);
		if (Node && Node->Dependencies.Num() == 0 && Node->Referencers.Num() == 0 && !AssetsByPackage.Contains(Package))
		{
			Packages.Remove(Package);
		}
	}
	return true;
}

void FAssetRegistryImpl::RemovePackageDependencies(FName PackageName)
{
	if (const FPackageNode* Node = Packages.Find(PackageName))
	{
		const TArray<FDependencyLink> Outgoing = Node->Dependencies;
		for (const FDependencyLink& Link : Outgoing)
		{
			RemoveDependency(PackageName, Link.Package);
		}
	}
	const FPackageNode* Node = Packages.Find(PackageName);
	if (Node && Node->Referencers.Num() == 0 && Node->Dependencies.Num() == 0)
	{
		Packages.Remove(PackageName);
	}
}

void FAssetRegistryImpl::MovePackageDependencies(FName OldPackageName, FName NewPackageName)
{
	const FPackageNode* Node = Packages.Find(OldPackageName);
	if (!Node)
	{
		return;
	}
	const TArray<FDependencyLink> Outgoing = Node->Dependencies;
	const TArray<FDependencyLink> Incoming = Node->Referencers;
	auto Renamed = [OldPackageName, NewPackageName](FName Package)
	{
		return Package == OldPackageName ? NewPackageName : Package;
	};
	for (const FDependencyLink& Link : Outgoing)
	{
		RemoveDependency(OldPackageName, Link.Package);
	}
	for (const FDependencyLink& Link : Incoming)
	{
		RemoveDependency(Link.Package, OldPackageName);
	}
	for (const FDependencyLink& Link : Outgoing)
	{
		AddDependency(NewPackageName, Renamed(Link.Package), Link.Properties);
	}
	for (const FDependencyLink& Link : Incoming)
	{
		AddDependency(Renamed(Link.Package), NewPackageName, Link.Properties);
	}
	const FPackageNode* Old = Packages.Find(OldPackageName);
	if (Old && Old->Dependencies.Num() == 0 && Old->Referencers.Num() == 0)
	{
		Packages.Remove(OldPackageName);
	}
}

void FAssetRegistryImpl::Clear()
{
	checkf(EnumerationDepth == 0, TEXT("The asset registry cannot change while it enumerates assets"));
	Assets.Empty();
	NumLiveAssets = 0;
	AssetsByObjectPath.Empty();
	AssetsByPackage.Empty();
	AssetsByPath.Empty();
	AssetsByClass.Empty();
	SubPaths.Empty();
	Packages.Empty();
	Edges.Empty();
}

bool FAssetRegistryImpl::ContainsAsset(FName PackageName, FName AssetName) const
{
	return AssetsByObjectPath.Contains(FNamePair{PackageName, AssetName});
}

bool FAssetRegistryImpl::CompileFilter(const FARFilter& Filter, FCompiledFilter& OutCompiled) const
{
	if (Filter.IsEmpty())
	{
		return false;
	}
	if (Filter.PackageNames.Num() > 0)
	{
		OutCompiled.bFilterPackageNames = true;
		OutCompiled.PackageNames.Append(Filter.PackageNames);
	}
	if (Filter.PackagePaths.Num() > 0)
	{
		OutCompiled.bFilterPaths = true;
		for (const FName Path : Filter.PackagePaths)
		{
			GatherPaths(Path, Filter.bRecursivePaths, OutCompiled.Paths);
		}
	}
	if (Filter.SoftObjectPaths.Num() > 0)
	{
		OutCompiled.bFilterObjects = true;
		for (const FSoftObjectPath& Path : Filter.SoftObjectPaths)
		{
			// The registry knows top-level assets only, so a subobject path matches nothing.
			if (Path.GetSubPathString().IsEmpty())
			{
				OutCompiled.Objects.Add(FNamePair{Path.GetAssetPath().GetPackageName(), Path.GetAssetPath().GetAssetName()});
			}
		}
	}
	if (Filter.ClassPaths.Num() > 0)
	{
		OutCompiled.bFilterClasses = true;
		if (Filter.bRecursiveClasses)
		{
			GetDerivedClassNames(Filter.ClassPaths, Filter.RecursiveClassPathsExclusionSet, OutCompiled.Classes);
		}
		else
		{
			OutCompiled.Classes.Append(Filter.ClassPaths);
		}
	}
	if (Filter.TagsAndValues.Num() > 0)
	{
		OutCompiled.TagsAndValues = &Filter.TagsAndValues;
	}
	OutCompiled.WithPackageFlags = Filter.WithPackageFlags;
	OutCompiled.WithoutPackageFlags = Filter.WithoutPackageFlags;
	return true;
}

bool FAssetRegistryImpl::PassesFilter(const FCompiledFilter& Compiled, const FAssetData& Data) const
{
	if (Compiled.bFilterPackageNames && !Compiled.PackageNames.Contains(Data.PackageName))
	{
		return false;
	}
	if (Compiled.bFilterPaths && !Compiled.Paths.Contains(Data.PackagePath))
	{
		return false;
	}
	if (Compiled.bFilterObjects && !Compiled.Objects.Contains(FNamePair{Data.PackageName, Data.AssetName}))
	{
		return false;
	}
	if (Compiled.bFilterClasses && !Compiled.Classes.Contains(Data.AssetClassPath))
	{
		return false;
	}
	if ((Data.PackageFlags & Compiled.WithPackageFlags) != Compiled.WithPackageFlags || (Data.PackageFlags & Compiled.WithoutPackageFlags) != 0)
	{
		return false;
	}
	if (Compiled.TagsAndValues)
	{
		bool bAnyTag = false;
		for (const auto& Pair : *Compiled.TagsAndValues)
		{
			const TOptional<FString> Value = Data.TagsAndValues.FindTag(Pair.Key);
			if (Value.IsSet() && (!Pair.Value.IsSet() || Value.GetValue() == Pair.Value.GetValue()))
			{
				bAnyTag = true;
				break;
			}
		}
		if (!bAnyTag)
		{
			return false;
		}
	}
	return true;
}

void FAssetRegistryImpl::GatherFiltered(const FCompiledFilter& Compiled, TArray<int32>& OutIndices) const
{
	// Start from the smallest index the filter names, then test the rest of the filter per asset.
	auto CountIn = [](const auto& Map, const auto& Keys)
	{
		int64 Count = 0;
		for (const auto& Key : Keys)
		{
			if (const TArray<int32>* Bucket = Map.Find(Key))
			{
				Count += Bucket->Num();
			}
		}
		return Count;
	};
	enum class ESource
	{
		All,
		PackageNames,
		Objects,
		Paths,
		Classes
	};
	ESource Source = ESource::All;
	int64 Best = NumLiveAssets;
	if (Compiled.bFilterObjects && Compiled.Objects.Num() <= Best)
	{
		Source = ESource::Objects;
		Best = Compiled.Objects.Num();
	}
	if (Compiled.bFilterPackageNames)
	{
		const int64 Count = CountIn(AssetsByPackage, Compiled.PackageNames);
		if (Count <= Best)
		{
			Source = ESource::PackageNames;
			Best = Count;
		}
	}
	if (Compiled.bFilterPaths)
	{
		const int64 Count = CountIn(AssetsByPath, Compiled.Paths);
		if (Count <= Best)
		{
			Source = ESource::Paths;
			Best = Count;
		}
	}
	if (Compiled.bFilterClasses)
	{
		const int64 Count = CountIn(AssetsByClass, Compiled.Classes);
		if (Count <= Best)
		{
			Source = ESource::Classes;
			Best = Count;
		}
	}

	const int32 FirstNew = OutIndices.Num();
	auto Consider = [this, &Compiled, &OutIndices](int32 Index)
	{
		if (Assets[Index].bLive && PassesFilter(Compiled, Assets[Index].Data))
		{
			OutIndices.Add(Index);
		}
	};
	auto ConsiderBuckets = [&Consider](const auto& Map, const auto& Keys)
	{
		for (const auto& Key : Keys)
		{
			if (const TArray<int32>* Bucket = Map.Find(Key))
			{
				for (const int32 Index : *Bucket)
				{
					Consider(Index);
				}
			}
		}
	};
	switch (Source)
	{
	case ESource::All:
		for (int32 Index = 0; Index < Assets.Num(); ++Index)
		{
			Consider(Index);
		}
		return;
	case ESource::Objects:
		for (const FNamePair& Object : Compiled.Objects)
		{
			if (const int32* Index = AssetsByObjectPath.Find(Object))
			{
				Consider(*Index);
			}
		}
		break;
	case ESource::PackageNames:
		ConsiderBuckets(AssetsByPackage, Compiled.PackageNames);
		break;
	case ESource::Paths:
		ConsiderBuckets(AssetsByPath, Compiled.Paths);
		break;
	case ESource::Classes:
		ConsiderBuckets(AssetsByClass, Compiled.Classes);
		break;
	}
	// Each asset sits in one bucket per index, so there are no duplicates; only the order needs restoring.
	if (OutIndices.Num() - FirstNew > 1)
	{
		std::sort(OutIndices.GetData() + FirstNew, OutIndices.GetData() + OutIndices.Num());
	}
}

bool FAssetRegistryImpl::HasAssets(const FName PackagePath, const bool bRecursive) const
{
	TSet<FName> Paths;
	GatherPaths(PackagePath, bRecursive, Paths);
	for (const FName Path : Paths)
	{
		if (AssetsByPath.Contains(Path))
		{
			return true;
		}
	}
	return false;
}

bool FAssetRegistryImpl::GetAssetsByPackageName(FName PackageName, TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets, bool bSkipARFilteredAssets) const
{
	FARFilter Filter;
	Filter.PackageNames.Add(PackageName);
	Filter.bIncludeOnlyOnDiskAssets = bIncludeOnlyOnDiskAssets;
	return GetAssets(Filter, OutAssetData, bSkipARFilteredAssets);
}

bool FAssetRegistryImpl::GetAssetsByPath(FName PackagePath, TArray<FAssetData>& OutAssetData, bool bRecursive, bool bIncludeOnlyOnDiskAssets) const
{
	FARFilter Filter;
	Filter.PackagePaths.Add(PackagePath);
	Filter.bRecursivePaths = bRecursive;
	Filter.bIncludeOnlyOnDiskAssets = bIncludeOnlyOnDiskAssets;
	return GetAssets(Filter, OutAssetData);
}

bool FAssetRegistryImpl::GetAssetsByPaths(TArray<FName> PackagePaths, TArray<FAssetData>& OutAssetData, bool bRecursive, bool bIncludeOnlyOnDiskAssets) const
{
	FARFilter Filter;
	Filter.PackagePaths = MoveTemp(PackagePaths);
	Filter.bRecursivePaths = bRecursive;
	Filter.bIncludeOnlyOnDiskAssets = bIncludeOnlyOnDiskAssets;
	return GetAssets(Filter, OutAssetData);
}

bool FAssetRegistryImpl::GetAssetsByClass(FTopLevelAssetPath ClassPathName, TArray<FAssetData>& OutAssetData, bool bSearchSubClasses) const
{
	FARFilter Filter;
	Filter.ClassPaths.Add(ClassPathName);
	Filter.bRecursiveClasses = bSearchSubClasses;
	return GetAssets(Filter, OutAssetData);
}

bool FAssetRegistryImpl::GetAssets(const FARFilter& Filter, TArray<FAssetData>& OutAssetData, bool bSkipARFilteredAssets) const
{
	FCompiledFilter Compiled;
	if (!CompileFilter(Filter, Compiled))
	{
		return false;
	}
	TArray<int32> Indices;
	GatherFiltered(Compiled, Indices);
	OutAssetData.Reserve(OutAssetData.Num() + Indices.Num());
	for (const int32 Index : Indices)
	{
		OutAssetData.Add(Assets[Index].Data);
	}
	return true;
}

bool FAssetRegistryImpl::EnumerateAssets(const FARFilter& Filter, TFunctionRef<bool(const FAssetData&)> Callback, EEnumerateAssetsFlags InEnumerateFlags) const
{
	FCompiledFilter Compiled;
	if (!CompileFilter(Filter, Compiled))
	{
		return false;
	}
	TArray<int32> Indices;
	GatherFiltered(Compiled, Indices);
	AssetRegistryImplPrivate::FEnumerationScope Scope(EnumerationDepth);
	for (const int32 Index : Indices)
	{
		if (!Callback(Assets[Index].Data))
		{
			break;
		}
	}
	return true;
}

FAssetData FAssetRegistryImpl::GetAssetByObjectPath(const FSoftObjectPath& ObjectPath, bool bIncludeOnlyOnDiskAssets, bool bSkipARFilteredAssets) const
{
	FAssetData Result;
	TryGetAssetByObjectPath(ObjectPath, Result);
	return Result;
}

EExists FAssetRegistryImpl::TryGetAssetByObjectPath(const FSoftObjectPath& ObjectPath, FAssetData& OutAssetData) const
{
	if (!ObjectPath.GetSubPathString().IsEmpty())
	{
		return EExists::DoesNotExist;
	}
	const FTopLevelAssetPath& AssetPath = ObjectPath.GetAssetPath();
	const int32* Index = AssetsByObjectPath.Find(FNamePair{AssetPath.GetPackageName(), AssetPath.GetAssetName()});
	if (!Index)
	{
		return EExists::DoesNotExist;
	}
	OutAssetData = Assets[*Index].Data;
	return EExists::Exists;
}

bool FAssetRegistryImpl::GetAllAssets(TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets) const
{
	OutAssetData.Reserve(OutAssetData.Num() + NumLiveAssets);
	for (const FAssetSlot& Slot : Assets)
	{
		if (Slot.bLive)
		{
			OutAssetData.Add(Slot.Data);
		}
	}
	return true;
}

bool FAssetRegistryImpl::EnumerateAllAssets(TFunctionRef<bool(const FAssetData&)> Callback, EEnumerateAssetsFlags InEnumerateFlags) const
{
	AssetRegistryImplPrivate::FEnumerationScope Scope(EnumerationDepth);
	for (const FAssetSlot& Slot : Assets)
	{
		if (Slot.bLive && !Callback(Slot.Data))
		{
			break;
		}
	}
	return true;
}

bool FAssetRegistryImpl::AppendMatching(const TArray<FDependencyLink>& Links, TArray<FName>& OutPackages, EDependencyCategory Category, const FDependencyQuery& Flags)
{
	// Only package dependencies are recorded; the other categories are always empty.
	if (!EnumHasAnyFlags(Category, EDependencyCategory::Package))
	{
		return true;
	}
	if (Flags.Required == EDependencyProperty::None && Flags.Excluded == EDependencyProperty::None && Flags.RequiredUnions.Num() == 0)
	{
		// Callers append the dependencies of one package after another to the same array: growing it exactly to
		// each new size would move the whole array on every call, so it grows by the array's own policy.
		for (const FDependencyLink& Link : Links)
		{
			OutPackages.Add(Link.Package);
		}
		return true;
	}
	for (const FDependencyLink& Link : Links)
	{
		if (Flags.Matches(Link.Properties))
		{
			OutPackages.Add(Link.Package);
		}
	}
	return true;
}

bool FAssetRegistryImpl::GetDependencies(FName PackageName, TArray<FName>& OutDependencies, EDependencyCategory Category, const FDependencyQuery& Flags) const
{
	const FPackageNode* Node = Packages.Find(PackageName);
	if (!Node)
	{
		return false;
	}
	return AppendMatching(Node->Dependencies, OutDependencies, Category, Flags);
}

bool FAssetRegistryImpl::GetReferencers(FName PackageName, TArray<FName>& OutReferencers, EDependencyCategory Category, const FDependencyQuery& Flags) const
{
	const FPackageNode* Node = Packages.Find(PackageName);
	if (!Node)
	{
		return false;
	}
	return AppendMatching(Node->Referencers, OutReferencers, Category, Flags);
}

bool FAssetRegistryImpl::GetDependencies(const FAssetIdentifier& AssetIdentifier, TArray<FAssetIdentifier>& OutDependencies, EDependencyCategory Category, const FDependencyQuery& Flags) const
{
	// Only packages are nodes of the host's graph.
	if (!AssetIdentifier.IsPackage())
	{
		return false;
	}
	TArray<FName> Packages;
	if (!GetDependencies(AssetIdentifier.PackageName, Packages, Category, Flags))
	{
		return false;
	}
	OutDependencies.Reserve(OutDependencies.Num() + Packages.Num());
	for (const FName Package : Packages)
	{
		OutDependencies.Add(FAssetIdentifier(Package));
	}
	return true;
}

bool FAssetRegistryImpl::GetReferencers(const FAssetIdentifier& AssetIdentifier, TArray<FAssetIdentifier>& OutReferencers, EDependencyCategory Category, const FDependencyQuery& Flags) const
{
	if (!AssetIdentifier.IsPackage())
	{
		return false;
	}
	TArray<FName> Packages;
	if (!GetReferencers(AssetIdentifier.PackageName, Packages, Category, Flags))
	{
		return false;
	}
	OutReferencers.Reserve(OutReferencers.Num() + Packages.Num());
	for (const FName Package : Packages)
	{
		OutReferencers.Add(FAssetIdentifier(Package));
	}
	return true;
}

bool FAssetRegistryImpl::GetAncestorClassNames(FTopLevelAssetPath ClassName, TArray<FTopLevelAssetPath>& OutAncestorClassNames) const
{
	const UClass* Class = AssetRegistryImplPrivate::FindLoadedClass(ClassName);
	if (!Class)
	{
		return false;
	}
	for (const UClass* Super = Class->GetSuperClass(); Super; Super = Super->GetSuperClass())
	{
		OutAncestorClassNames.Add(Super->GetClassPathName());
	}
	return true;
}

void FAssetRegistryImpl::GetDerivedClassNames(const TArray<FTopLevelAssetPath>& ClassNames, const TSet<FTopLevelAssetPath>& ExcludedClassNames, TSet<FTopLevelAssetPath>& OutDerivedClassNames) const
{
	using AssetRegistryImplPrivate::FindLoadedClass;
	TSet<FTopLevelAssetPath> Excluded;
	TArray<UClass*> Derived;
	for (const FTopLevelAssetPath& ClassName : ExcludedClassNames)
	{
		Excluded.Add(ClassName);
		if (const UClass* Class = FindLoadedClass(ClassName))
		{
			Derived.Reset();
			GetDerivedClasses(Class, Derived, true);
			for (const UClass* Child : Derived)
			{
				Excluded.Add(Child->GetClassPathName());
			}
		}
	}
	for (const FTopLevelAssetPath& ClassName : ClassNames)
	{
		if (Excluded.Contains(ClassName))
		{
			continue;
		}
		OutDerivedClassNames.Add(ClassName);
		if (const UClass* Class = FindLoadedClass(ClassName))
		{
			Derived.Reset();
			GetDerivedClasses(Class, Derived, true);
			for (const UClass* Child : Derived)
			{
				const FTopLevelAssetPath ChildPath = Child->GetClassPathName();
				if (!Excluded.Contains(ChildPath))
				{
					OutDerivedClassNames.Add(ChildPath);
				}
			}
		}
	}
}

void FAssetRegistryImpl::AssetCreated(UObject* NewAsset)
{
	if (!NewAsset || !NewAsset->IsAsset())
	{
		return;
	}
	const FAssetData Data(NewAsset);
	if (!ContainsAsset(Data.PackageName, Data.AssetName))
	{
		AddAsset(Data.PackageName, Data.AssetName, Data.AssetClassPath);
	}
}

void FAssetRegistryImpl::AssetDeleted(UObject* DeletedAsset)
{
	if (!DeletedAsset || !DeletedAsset->IsAsset())
	{
		return;
	}
	const FAssetData Data(DeletedAsset);
	RemoveAsset(Data.PackageName, Data.AssetName);
}

void FAssetRegistryImpl::AssetRenamed(const UObject* RenamedAsset, const FString& OldObjectPath)
{
	if (!RenamedAsset || !RenamedAsset->IsAsset())
	{
		return;
	}
	const FAssetData Data(RenamedAsset);
	FString OldPackage;
	FString OldAsset;
	if (OldObjectPath.Split(TEXT("."), &OldPackage, &OldAsset) && ContainsAsset(FName(*OldPackage), FName(*OldAsset)))
	{
		RenameAsset(FName(*OldPackage), FName(*OldAsset), Data.PackageName, Data.AssetName);
	}
	else if (!ContainsAsset(Data.PackageName, Data.AssetName))
	{
		AddAsset(Data.PackageName, Data.AssetName, Data.AssetClassPath);
	}
}

bool FAssetRegistryImpl::IsLoadingAssets() const
{
	// Everything the host knows is in memory from the moment it is added.
	return false;
}

void FAssetRegistryImpl::SearchAllAssets(bool bSynchronousSearch)
{
}

void FAssetRegistryImpl::ScanPathsSynchronous(const TArray<FString>& InPaths, bool bForceRescan, bool bIgnoreDenyListScanFilters)
{
}

namespace AssetRegistryPrivate
{
	/** Collects the packages an object refers to, as saving writes them into the package's imports. */
	class FPackageReferenceCollector : public FArchiveUObject
	{
	public:
		explicit FPackageReferenceCollector(FName InOwnPackage)
			: OwnPackage(InOwnPackage)
		{
			ArIsObjectReferenceCollector = true;
		}

		using FArchiveUObject::operator<<;
		virtual FArchive& operator<<(UObject*& Object) override
		{
			if (Object != nullptr && Object->GetPackage() != nullptr)
			{
				Add(Object->GetPackage()->GetFName(), /*bHard=*/true);
			}
			return *this;
		}

		virtual FArchive& operator<<(FSoftObjectPath& Path) override
		{
			if (!Path.IsNull())
			{
				Add(Path.GetLongPackageFName(), /*bHard=*/false);
			}
			return *this;
		}

		/** Referenced packages in the order first met, each with whether any reference to it is hard. */
		TArray<TPair<FName, bool>> References;

	private:
		void Add(FName Package, bool bHard)
		{
			if (Package == OwnPackage || Package.IsNone())
			{
				return;
			}
			for (TPair<FName, bool>& Reference : References)
			{
				if (Reference.Key == Package)
				{
					Reference.Value = Reference.Value || bHard;
					return;
				}
			}
			References.Add(TPair<FName, bool>(Package, bHard));
		}

		FName OwnPackage;
	};
}

void FAssetRegistryImpl::ScanFilesSynchronous(const TArray<FString>& InFilePaths, bool bForceRescan)
{
	using namespace UE::AssetRegistry;

	for (const FString& File : InFilePaths)
	{
		FString PackageNameString;
		if (!IFileManager::Get().FileExists(*File) || !FPackageName::TryConvertFilenameToLongPackageName(File, PackageNameString))
		{
			continue;
		}
		// The host writes package files from the packages in memory, so it reads a saved package's
		// content back from there rather than parsing the file.
		UPackage* Package = FindPackage(nullptr, *PackageNameString);
		if (Package == nullptr)
		{
			continue;
		}
		const FName PackageName = Package->GetFName();

		AssetRegistryPrivate::FPackageReferenceCollector Collector(PackageName);
		TArray<UObject*> Objects;
		GetObjectsWithOuter(Package, Objects, /*bIncludeNestedObjects=*/true);
		for (UObject* Object : Objects)
		{
			Object->Serialize(Collector);
			if (Object->GetOuter() == Package && Object->IsAsset() && !ContainsAsset(PackageName, Object->GetFName()))
			{
				AddAsset(PackageName, Object->GetFName(), Object->GetClass()->GetClassPathName());
			}
		}

		RemovePackageDependencies(PackageName);
		for (const TPair<FName, bool>& Reference : Collector.References)
		{
			const EDependencyProperty Properties = (Reference.Value ? EDependencyProperty::Hard : EDependencyProperty::None) | EDependencyProperty::Game;
			AddDependency(PackageName, Reference.Key, Properties);
		}
	}
}

void FAssetRegistryImpl::WaitForCompletion()
{
}

IAssetRegistry::FAssetAddedEvent& FAssetRegistryImpl::OnAssetAdded()
{
	return AssetAddedEvent;
}

IAssetRegistry::FAssetRemovedEvent& FAssetRegistryImpl::OnAssetRemoved()
{
	return AssetRemovedEvent;
}

IAssetRegistry::FAssetRenamedEvent& FAssetRegistryImpl::OnAssetRenamed()
{
	return AssetRenamedEvent;
}

IAssetRegistry::FFilesLoadedEvent& FAssetRegistryImpl::OnFilesLoaded()
{
	return FilesLoadedEvent;
}
