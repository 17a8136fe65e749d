// Radiation to the ambient: a surface (or, in the concentrated form, the
// nodes of a set) radiating to a sink, in a step and carried over to later
// ones. The emissivity comes from the step's state or is distributed by an
// analytical field; radiation kind 1 asks for the averaged (cavity) form.
//
// Type ids 0x3070082, 0x3070083, 0x3070182 and 0x3070183 are this header's.
#pragma once

#include <string>

#include "BasShared/cow_Error.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbCoreGeom/rgnC_Region.h"

// The values of a radiation condition in one step, each with its attribute
// state.
class kinC_RadiationToAmbientState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_RadiationToAmbientState, kinC_InteractionState, 0x3070182)
  KERN_ATTR(mdl_PropAttr<double>, SinkTemperature, mdl_PropAttr<double>())
  KERN_ATTR(mdl_PropAttr<cow_String>, Amplitude, mdl_PropAttr<cow_String>())
  KERN_ATTR(mdl_PropAttr<double>, Emissivity, mdl_PropAttr<double>())
};

// The concentrated form adds the area each node stands for.
class kinC_ConcRadiationToAmbientState : public kinC_RadiationToAmbientState {
  KERN_CLASS_HEAD(kinC_ConcRadiationToAmbientState, kinC_RadiationToAmbientState, 0x3070183)
  KERN_ATTR(mdl_PropAttr<double>, NodalArea, mdl_PropAttr<double>())
};

class kinC_RadiationToAmbient : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_RadiationToAmbient, kinC_Interaction, 0x3070082)
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  KERN_ATTR(int, RadiationKind, 0)
  // The analytical field of the emissivity; empty when the state's value is
  // uniform.
  KERN_ATTR(cow_String, FieldName, cow_String())

 public:
  // Whether a field distributes the emissivity; `name` is then the field's
  // name (left as it was otherwise).
  bool UsesField(cow_String& name) const {
    if (FieldName().IsEmpty()) return false;
    name = FieldName();
    return true;
  }
  // The state in `step`. Throws cow_OutOfRange for a step without a
  // radiation state.
  const kinC_RadiationToAmbientState& ConstGetState(const cow_String& step) const {
    const auto* state = dynamic_cast<const kinC_RadiationToAmbientState*>(FindState(step));
    if (!state)
      throw cow_OutOfRange("radiation state: no state in step " + std::string(step.Str()));
    return *state;
  }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_RadiationToAmbientState; }
};

// Radiation from the nodes of a set, which may slide over (1) or follow the
// material of (2) an Eulerian region in an explicit step.
class kinC_ConcRadiationToAmbient : public kinC_RadiationToAmbient {
  KERN_CLASS_HEAD(kinC_ConcRadiationToAmbient, kinC_RadiationToAmbient, 0x3070083)
  KERN_ATTR(int, RegionType, 0)

 public:
  // The state in `step`. Throws cow_OutOfRange for a step without a
  // concentrated radiation state.
  const kinC_ConcRadiationToAmbientState& ConstGetState(const cow_String& step) const {
    const auto* state = dynamic_cast<const kinC_ConcRadiationToAmbientState*>(FindState(step));
    if (!state)
      throw cow_OutOfRange("concentrated radiation state: no state in step " +
                           std::string(step.Str()));
    return *state;
  }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_ConcRadiationToAmbientState; }
};
