#pragma once

#include "CoreTypes.h"

class FDefaultAllocator;
class FDefaultSetAllocator;

template <typename InElementType, typename InAllocatorType = FDefaultAllocator>
class TArray;

template <typename InElementType, typename InSizeType = int32>
class TArrayView;

template <typename T, typename InSizeType = int32>
using TConstArrayView = TArrayView<const T, InSizeType>;

template <typename ElementType, bool bInAllowDuplicateKeys = false>
struct DefaultKeyFuncs;

template <typename InElementType, typename KeyFuncs = DefaultKeyFuncs<InElementType>, typename Allocator = FDefaultSetAllocator>
class TSet;

template <typename KeyType, typename ValueType, bool bInAllowDuplicateKeys>
struct TDefaultMapHashableKeyFuncs;

template <typename InKeyType, typename InValueType, typename SetAllocator = FDefaultSetAllocator, typename KeyFuncs = TDefaultMapHashableKeyFuncs<InKeyType, InValueType, false>>
class TMap;

template <typename KeyType, typename ValueType, typename SetAllocator = FDefaultSetAllocator, typename KeyFuncs = TDefaultMapHashableKeyFuncs<KeyType, ValueType, true>>
class TMultiMap;

class FString;
class FName;
class FText;
