// The names of the instances of a part.
#pragma once

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

// The names of the instances of part `part` in `assembly` of model
// `modelName` that are active for simulation, in feature order, each once.
cow_List<cow_String> asoK_GetInstanceNames(const asoK_Assembly& assembly, const cow_String& part,
                                           const cow_String& modelName);
