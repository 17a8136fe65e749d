// Contact initializations of the model, held in its contact-initialization
// repository; general contact assigns them by name.
#pragma once

#include <cfloat>

#include "OdbAttrEO/kern_Object.h"

class kinC_ContactInitialization : public kern_Object {
  KERN_CLASS_HEAD(kinC_ContactInitialization, kern_Object, 0x3070002)
};

// A Standard contact initialization: an interference fit, or the distances
// above and below the surface within which contact is searched (DBL_MAX:
// unset).
class kinC_StdInitialization : public kinC_ContactInitialization {
  KERN_CLASS_HEAD(kinC_StdInitialization, kinC_ContactInitialization, 0x3070053)

  bool interferenceFit = false;
  double searchAbove = DBL_MAX;
  double searchBelow = DBL_MAX;
};
