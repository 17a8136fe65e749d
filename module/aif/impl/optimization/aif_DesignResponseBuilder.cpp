#include "aif/impl/optimization/aif_DesignResponseBuilder.h"

void aif_DesignResponseBuilder::Build() {}
