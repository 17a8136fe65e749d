#include "aif/impl/optimization/aif_GeometricRestrictionBuilder.h"

void aif_GeometricRestrictionBuilder::Build() {}
