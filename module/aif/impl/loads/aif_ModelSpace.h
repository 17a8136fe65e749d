// The modelling space of the model written, as the distributed-load keywords
// take it: 1 three-dimensional, 2 planar, 4 axisymmetric.
#pragma once

class aif_ModelInfo;

// 1 when the model's assembly is three-dimensional (space query 2000), 2 when
// planar (2001), 4 when axisymmetric (2002), asked in this order; 0 when it
// answers none of them or the model has no assembly.
int aif_ModelSpaceCode(const aif_ModelInfo& info);
