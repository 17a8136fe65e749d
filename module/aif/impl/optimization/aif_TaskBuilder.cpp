#include "aif/impl/optimization/aif_TaskBuilder.h"

void aif_TaskBuilder::Build() {}
