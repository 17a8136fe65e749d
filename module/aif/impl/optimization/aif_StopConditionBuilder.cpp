#include "aif/impl/optimization/aif_StopConditionBuilder.h"

void aif_StopConditionBuilder::Build() {}
