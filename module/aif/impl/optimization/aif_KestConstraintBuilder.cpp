#include "aif/impl/optimization/aif_KestConstraintBuilder.h"

void aif_KestConstraintBuilder::Build() {}
