// One term of a connector potential: a component number or a derived
// component, with its three values, its function and its sign.
#pragma once

#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kbeC_DerivedComponent.h"

struct kbeC_ConnectorPotential {
  // The derived component, or null when the term names none.
  const kbeC_DerivedComponent* DerivedComponent() const { return derived.Get(); }

  // 0 a component number; anything else a derived component.
  int kind = 0;
  int component = 0;
  cow_COW<kbeC_DerivedComponent> derived;
  double value1 = 1.0;
  double value2 = 2.0;
  double value3 = 1.0;
  // 0 absolute, 1 Macauley, 2 none.
  int function = 0;
  bool negative = false;
};
