#include "aif/impl/optimization/aif_CsDefBuilder.h"

void aif_CsDefBuilder::Build() {}
