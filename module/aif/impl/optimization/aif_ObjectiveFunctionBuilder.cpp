#include "aif/impl/optimization/aif_ObjectiveFunctionBuilder.h"

void aif_ObjectiveFunctionBuilder::Build() {}
