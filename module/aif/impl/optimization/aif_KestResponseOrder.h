// Which design responses of a task the parameter file defines, and the
// order of the combined ones. Every block that names a design response
// (OBJ_FUNC, CONSTRAINT, the operands of a combined DRESP) names only those
// that get a DRESP block, so that no reference is left to a block that is
// never written.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kopC_Task;

// Whether `name` gets a DRESP block: the task holds an unsuppressed design
// response of that name and, for a combined response, every response it
// combines gets one (responses that combine each other in a cycle count as
// defined when everything outside the cycle is).
bool aif_KestResponseWritten(const kopC_Task& task, const cow_String& name);
// The same for the task being written (false when the model lacks it).
bool aif_KestResponseWritten(const aif_ModelInfo& info, const cow_String& name);

// The names of the combined responses that get a DRESP block, each after
// the combined responses it combines, else in name order; responses that
// combine each other in a cycle keep their name order.
cow_List<cow_String> aif_KestCombinedResponseOrder(const kopC_Task& task);
