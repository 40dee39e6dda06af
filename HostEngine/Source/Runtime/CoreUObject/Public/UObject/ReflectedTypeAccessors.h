#pragma once

class UClass;
class UScriptStruct;
class UEnum;

/** Primary templates; the generated header of each reflected type adds its explicit specialisation. */
template<typename ClassType>
UClass* StaticClass();

template<typename StructType>
UScriptStruct* StaticStruct();

template<typename EnumType>
UEnum* StaticEnum();
