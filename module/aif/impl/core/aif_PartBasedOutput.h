// Whether a model can be written with parts and assemblies. The writer's own
// decision and the adaptivity check both ask this, so that the check reports
// exactly the models the writer would write flat.
#pragma once

#include "ModelDatabase/bas_NewModel.h"

// False when the environment key "cae_no_parts_input_file" is set to a value
// other than 0, or, without the key, when the model's version tag is "v5"
// (exactly); when the root assembly "Assembly" asks for a flat file; or when
// a step after the initial one, not suppressed, generates a substructure.
// A repository or step of an unexpected class fails its type test.
bool aif_PartBasedOutput(const bas_NewModel& model);
