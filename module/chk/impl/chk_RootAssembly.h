// The root assembly "Assembly" of a model, as the checks look it up.
#pragma once

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModelDatabase/bas_NewModel.h"

// The model's assembly "Assembly", or null when its assembly repository has
// none. An assembly repository of another class fails its type test, which
// names `file` and `line` (the caller's).
const asoK_Assembly* chk_RootAssembly(const bas_NewModel& model, const char* file, int line);
