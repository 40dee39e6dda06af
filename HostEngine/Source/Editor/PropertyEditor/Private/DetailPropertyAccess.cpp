#include "PropertyEditorPrivate.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"

namespace PropertyEditorPrivate
{
	TArray<FDetailPropertyInfo> GetVisibleProperties(const UClass* Class)
	{
		// Super class first, as the panel lists inherited properties before the class's own.
		TArray<const UStruct*> Chain;
		for (const UStruct* Struct = Class; Struct; Struct = Struct->GetSuperStruct())
		{
			Chain.Insert(Struct, 0);
		}

		TArray<FDetailPropertyInfo> Visible;
		for (const UStruct* Struct : Chain)
		{
			for (const FProperty* Property : Struct->HostGetOwnProperties())
			{
				// EditAnywhere and VisibleAnywhere both set CPF_Edit; anything else stays off the panel.
				if (!Property->HasAnyPropertyFlags(CPF_Edit))
				{
					continue;
				}
				FDetailPropertyInfo Info;
				Info.Name = Property->GetFName();
				Info.Category = Property->GetMetaData(TEXT("Category"));
				Info.bAdvanced = Property->HasAnyPropertyFlags(CPF_AdvancedDisplay);
				Visible.Add(Info);
			}
		}
		return Visible;
	}

	FString GetPropertyValueText(const UObject* Object, FName PropertyName)
	{
		if (!Object)
		{
			return FString();
		}
		const FProperty* Property = Object->GetClass()->FindPropertyByName(PropertyName);
		return Property ? Property->HostGetValueString(Object) : FString();
	}
}
