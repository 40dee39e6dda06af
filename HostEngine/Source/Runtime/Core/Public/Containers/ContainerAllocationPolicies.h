#pragma once

#include "CoreTypes.h"

// Allocation policies are tags here: every container keeps its elements on the heap with
// amortised growth, whichever policy it names. They still make distinct container types, so
// code that mixes them must convert as it does in the engine.

class FHeapAllocator
{
public:
	typedef int32 SizeType;
	enum
	{
		NeedsElementType = false
	};
	enum
	{
		RequireRangeCheck = true
	};
};

template <int IndexSize>
class TSizedDefaultAllocator : public FHeapAllocator
{
};

class FDefaultAllocator : public FHeapAllocator
{
};

template <uint32 NumInlineElements, typename SecondaryAllocator = FDefaultAllocator>
class TInlineAllocator : public FHeapAllocator
{
};

template <uint32 NumInlineElements>
class TFixedAllocator : public FHeapAllocator
{
};

class FDefaultSparseArrayAllocator
{
};

class FDefaultSetAllocator
{
};

template <uint32 NumInlineElements>
class TInlineSetAllocator : public FDefaultSetAllocator
{
};
