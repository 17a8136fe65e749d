#include "aif/impl/optimization/aif_KestOptionBuilder.h"

void aif_KestOptionBuilder::Build() {}
