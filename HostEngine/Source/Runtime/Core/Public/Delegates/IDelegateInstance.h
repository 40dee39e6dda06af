#pragma once

#include "CoreTypes.h"

/** Identifies one binding; a default-constructed handle refers to nothing. Copies of a delegate share its handle. */
class FDelegateHandle
{
public:
	enum EGenerateNewHandleType
	{
		GenerateNewHandle
	};

	FDelegateHandle()
		: ID(0)
	{
	}

	explicit FDelegateHandle(EGenerateNewHandleType)
		: ID(GenerateNewID())
	{
	}

	[[nodiscard]] bool IsValid() const
	{
		return ID != 0;
	}

	void Reset()
	{
		ID = 0;
	}

	[[nodiscard]] friend bool operator==(const FDelegateHandle& Lhs, const FDelegateHandle& Rhs)
	{
		return Lhs.ID == Rhs.ID;
	}

	[[nodiscard]] friend bool operator!=(const FDelegateHandle& Lhs, const FDelegateHandle& Rhs)
	{
		return Lhs.ID != Rhs.ID;
	}

	[[nodiscard]] friend uint32 GetTypeHash(const FDelegateHandle& Key)
	{
		return static_cast<uint32>(Key.ID) ^ static_cast<uint32>(Key.ID >> 32);
	}

private:
	/** Process-wide, so that handles made in different modules never collide. */
	static CORE_API uint64 GenerateNewID();

	uint64 ID;
};

/** What every delegate binding can answer about itself, whatever its signature. */
class IDelegateInstance
{
public:
	virtual ~IDelegateInstance() = default;

	/** Whether the binding's user object is InUserObject. Static functions and plain lambdas have none. */
	virtual bool HasSameObject(const void* InUserObject) const = 0;

	/** Whether a call may go ahead now: false once the object of a weak binding has gone. */
	virtual bool IsSafeToExecute() const = 0;

	/** Whether a multicast delegate may drop this binding. */
	virtual bool IsCompactable() const
	{
		return !IsSafeToExecute();
	}

	virtual FDelegateHandle GetHandle() const = 0;
};
