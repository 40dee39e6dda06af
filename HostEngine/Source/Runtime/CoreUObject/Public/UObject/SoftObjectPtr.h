#pragma once

#include "CoreMinimal.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/Class.h"

/** A soft reference to an object of class T: a path, resolved to the object when it is in memory. */
template<class T = UObject>
struct TSoftObjectPtr
{
	using ElementType = T;

	TSoftObjectPtr() = default;
	TSoftObjectPtr(TYPE_OF_NULLPTR)
	{
	}
	TSoftObjectPtr(const TSoftObjectPtr&) = default;
	TSoftObjectPtr& operator=(const TSoftObjectPtr&) = default;

	explicit TSoftObjectPtr(const FSoftObjectPath& ObjectPath)
		: Path(ObjectPath)
	{
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSoftObjectPtr(const U* Object)
		: Path(static_cast<const UObject*>(Object))
	{
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSoftObjectPtr(const TObjectPtr<U>& Object)
		: Path(static_cast<const UObject*>(Object.Get()))
	{
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSoftObjectPtr& operator=(const U* Object)
	{
		Path = FSoftObjectPath(static_cast<const UObject*>(Object));
		return *this;
	}

	TSoftObjectPtr& operator=(const FSoftObjectPath& ObjectPath)
	{
		Path = ObjectPath;
		return *this;
	}

	void Reset()
	{
		Path.Reset();
	}

	/** The object when it is in memory and of class T. */
	T* Get() const
	{
		UObject* Object = Path.ResolveObject();
		return (Object && Object->IsA(T::StaticClass())) ? (T*)Object : nullptr;
	}

	T* operator->() const
	{
		return Get();
	}

	T& operator*() const
	{
		return *Get();
	}

	T* LoadSynchronous() const
	{
		UObject* Object = Path.TryLoad();
		return (Object && Object->IsA(T::StaticClass())) ? (T*)Object : nullptr;
	}

	const FSoftObjectPath& ToSoftObjectPath() const
	{
		return Path;
	}

	FString ToString() const
	{
		return Path.ToString();
	}

	FString GetLongPackageName() const
	{
		return Path.GetLongPackageName();
	}

	FName GetLongPackageFName() const
	{
		return Path.GetLongPackageFName();
	}

	FString GetAssetName() const
	{
		return Path.GetAssetName();
	}

	bool IsNull() const
	{
		return Path.IsNull();
	}

	bool IsValid() const
	{
		return Get() != nullptr;
	}

	bool IsPending() const
	{
		return !Path.IsNull() && Get() == nullptr;
	}

	explicit operator bool() const
	{
		return IsValid();
	}

	friend bool operator==(const TSoftObjectPtr& A, const TSoftObjectPtr& B)
	{
		return A.Path == B.Path;
	}

	friend bool operator!=(const TSoftObjectPtr& A, const TSoftObjectPtr& B)
	{
		return !(A.Path == B.Path);
	}

	friend uint32 GetTypeHash(const TSoftObjectPtr& Ptr)
	{
		return GetTypeHash(Ptr.Path);
	}

private:
	FSoftObjectPath Path;
};

/** A soft reference to a class that is T's or a subclass of it. */
template<class T = UObject>
struct TSoftClassPtr
{
	TSoftClassPtr() = default;
	TSoftClassPtr(TYPE_OF_NULLPTR)
	{
	}
	explicit TSoftClassPtr(const FSoftObjectPath& ObjectPath)
		: Path(ObjectPath)
	{
	}
	TSoftClassPtr(const UClass* Class)
		: Path(static_cast<const UObject*>(Class))
	{
	}

	UClass* Get() const
	{
		UClass* Class = (UClass*)Path.ResolveObject();
		return (Class && Class->IsChildOf(T::StaticClass())) ? Class : nullptr;
	}

	UClass* LoadSynchronous() const
	{
		return Get();
	}

	const FSoftObjectPath& ToSoftObjectPath() const
	{
		return Path;
	}

	FString ToString() const
	{
		return Path.ToString();
	}

	bool IsNull() const
	{
		return Path.IsNull();
	}

	bool IsValid() const
	{
		return Get() != nullptr;
	}

	friend bool operator==(const TSoftClassPtr& A, const TSoftClassPtr& B)
	{
		return A.Path == B.Path;
	}

	friend uint32 GetTypeHash(const TSoftClassPtr& Ptr)
	{
		return GetTypeHash(Ptr.Path);
	}

private:
	FSoftObjectPath Path;
};
