// The root assembly of a model of the model database, reached for changing
// it (the temporary sets a writer makes and deletes again).
#pragma once

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/cow_String.h"

class bas_Mdb;

// The assembly "Assembly" of the model `modelName` in `database`; null when
// the database has no such model or the model has no assembly.
asoK_Assembly* asoK_GetAssembly(bas_Mdb& database, const cow_String& modelName);
