// An acoustic impedance interaction: a surface of an acoustic medium given
// either an impedance property, named per step in its state (kind 0), or a
// nonreflecting boundary of a shape (kind 1). Shapes: 0 planar, 1 improved,
// 2 circular, 3 spherical, 4 elliptical, 5 prolate spheroidal; circular and
// spherical take the first geometric value, elliptical and prolate
// spheroidal the second and third with the centre and the axis.
#pragma once

#include <string>

#include "BasShared/cow_Error.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivGeom/gsl_Dot.h"
#include "QivGeom/gsl_ModelSegment.h"

// The state of an acoustic impedance in one step: the impedance property it
// names, with the property's attribute state in the step.
class kinC_AcousticImpedanceState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_AcousticImpedanceState, kinC_InteractionState, 0x3070065)

  const mdl_PropAttr<cow_String>& InteractionProperty() const { return property_; }
  void SetInteractionProperty(const cow_String& name, int status = 1, bool modified = false) {
    property_.Set(name, status, modified);
  }

 private:
  mdl_PropAttr<cow_String> property_;
};

class kinC_AcousticImpedance : public kinC_Interaction {
 public:
  enum NonreflectingShapeEnm : int {
    PLANAR = 0,
    IMPROVED = 1,
    CIRCULAR = 2,
    SPHERICAL = 3,
    ELLIPTICAL = 4,
    PROLATE_SPHEROIDAL = 5
  };
  KERN_CLASS_HEAD(kinC_AcousticImpedance, kinC_Interaction, 0x3070064)
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  KERN_ATTR(int, Kind, 0)
  KERN_ATTR(int, NonreflectingShape, 0)
  KERN_ATTR(double, FirstGeometricValue, 0.0)
  KERN_ATTR(double, SecondGeometricValue, 0.0)
  KERN_ATTR(double, ThirdGeometricValue, 0.0)
  KERN_ATTR(gsl_Dot, Centre, gsl_Dot())
  KERN_ATTR(gsl_ModelSegment, Axis, gsl_ModelSegment())

 public:
  // The state in `step`. Throws cow_OutOfRange for a step without a state
  // of this kind.
  const kinC_AcousticImpedanceState& ConstGetState(const cow_String& step) const {
    const auto* state = dynamic_cast<const kinC_AcousticImpedanceState*>(FindState(step));
    if (!state)
      throw cow_OutOfRange("acoustic impedance state: no state in step " + std::string(step.Str()));
    return *state;
  }
  // Gives the impedance `status` in `step` and a state naming `property`.
  void SetStepProperty(const cow_String& step, int status, const cow_String& property) {
    kinC_AcousticImpedanceState state;
    state.SetInteractionProperty(property);
    SetState(step, status, state);
  }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_AcousticImpedanceState; }
};

template <>
struct omu_EnumTexts<kinC_AcousticImpedance::NonreflectingShapeEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "PLANAR"},     {1, "IMPROVED"},
                                            {2, "CIRCULAR"},   {3, "SPHERICAL"},
                                            {4, "ELLIPTICAL"}, {5, "PROLATE SPHEROIDAL"}};
};
