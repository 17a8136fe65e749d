// The design responses a task's blocks refer to, and the order of the
// combined ones. A combined DRESP, an OBJ_FUNC term and a CONSTRAINT name
// design responses by their blocks; a reference to a response the task does
// not hold, or holds suppressed (a response that gets no block), is refused
// rather than left out, so that no object of the task is dropped without a
// word.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class kopC_KestConstraint;
class kopC_KestObjectiveFunction;
class kopC_Task;

// Whether the task holds an unsuppressed design response `name`.
bool aif_KestResponseHeld(const kopC_Task& task, const cow_String& name);

// Each throws aif_Exception naming the object and the first response it
// names that the task does not hold or holds suppressed; the object itself
// is taken as it is (suppressed objects are the callers' to pass over).
// Every variable of every unsuppressed combined response, in name order:
void aif_KestRequireCombinedOperands(const kopC_Task& task);
// The terms of `objective` that are not excluded, in list order:
void aif_KestRequireObjectiveResponses(const kopC_Task& task, const cow_String& name,
                                       const kopC_KestObjectiveFunction& objective);
void aif_KestRequireConstraintResponse(const kopC_Task& task, const cow_String& name,
                                       const kopC_KestConstraint& constraint);

// The names of the unsuppressed combined responses, each after the combined
// responses it combines, else in name order; responses that combine each
// other in a cycle keep their name order.
cow_List<cow_String> aif_KestCombinedResponseOrder(const kopC_Task& task);
