// A connector section's friction: predefined or user-defined, its contact
// force, its table, its friction law and its potential.
#pragma once

#include <cfloat>
#include <optional>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorBehaviorOption.h"
#include "OdbAttrEO/kbeC_ConnectorPotentialList.h"
#include "OdbAttrEO/kbeC_ConnectorTableData.h"
#include "OdbAttrEO/kbeC_ConnectorTangentialBehavior.h"
#include "OdbAttrEO/kbeC_DerivedComponent.h"

class kbeC_ConnectorFriction : public kbeC_ConnectorBehaviorOption {
  KBEC_OPTION_CLASS(kbeC_ConnectorFriction, 0x2700007)

  // The friction law, or null when none is given.
  const kbeC_ConnectorTangentialBehavior* TangentialBehavior() const {
    return tangential ? &*tangential : nullptr;
  }
  // The contact force's derived component, or null.
  const kbeC_DerivedComponent* ContactForceDerived() const { return contactForceDerived.Get(); }

  // 1 user-defined; anything else predefined.
  int frictionKind = 0;
  // 0 when `component` names the friction's component.
  int componentGiven = 1;
  int component = 0;
  bool contactForceFlag = false;
  // 0 a component number; anything else a derived component.
  int contactForceKind = 0;
  int contactForceComponent = 0;
  cow_COW<kbeC_DerivedComponent> contactForceDerived;
  // 0 position, 1 constitutive motion, 2 none.
  int independentCode = 2;
  // DBL_MAX when unset.
  double stickStiffness = DBL_MAX;
  cow_List<int> independentComponents;
  // The column before the temperature column is given.
  bool secondDependence = false;
  kbeC_ConnectorTableData data;
  std::optional<kbeC_ConnectorTangentialBehavior> tangential;
  kbeC_ConnectorPotentialList potential;
};
