// A film condition: convective heat exchange between a surface (or, in the
// concentrated form, the nodes of a set) and a sink, in a step and carried
// over to later ones. The film coefficient comes from the step's state
// (definition 0), from a film property the state names (1), from a user
// subroutine (2), or is distributed by an analytical (3) or a discrete field
// (4); the sink temperature comes from the state (sink definition 0) or is
// distributed by an analytical (1) or a discrete field (2).
//
// Type ids 0x3070080, 0x3070081, 0x3070180 and 0x3070181 are this header's.
#pragma once

#include <string>

#include "BasShared/cow_Error.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbCoreGeom/rgnC_Region.h"

// The values of a film condition in one step, each with its attribute state.
class kinC_FilmConditionState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_FilmConditionState, kinC_InteractionState, 0x3070180)
  KERN_ATTR(mdl_PropAttr<cow_String>, FilmProperty, mdl_PropAttr<cow_String>())
  KERN_ATTR(mdl_PropAttr<double>, SinkTemperature, mdl_PropAttr<double>())
  KERN_ATTR(mdl_PropAttr<cow_String>, SinkAmplitude, mdl_PropAttr<cow_String>())
  KERN_ATTR(mdl_PropAttr<double>, FilmCoefficient, mdl_PropAttr<double>())
  KERN_ATTR(mdl_PropAttr<cow_String>, FilmAmplitude, mdl_PropAttr<cow_String>())
};

// The concentrated form adds the area each node stands for.
class kinC_ConcFilmConditionState : public kinC_FilmConditionState {
  KERN_CLASS_HEAD(kinC_ConcFilmConditionState, kinC_FilmConditionState, 0x3070181)
  KERN_ATTR(mdl_PropAttr<double>, NodalArea, mdl_PropAttr<double>())
};

class kinC_FilmCondition : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_FilmCondition, kinC_Interaction, 0x3070080)
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  KERN_ATTR(int, FilmCoefficientDefinition, 0)
  KERN_ATTR(int, SinkDefinition, 0)
  // The fields of definitions 3 and 4 and of sink definitions 1 and 2.
  KERN_ATTR(cow_String, FieldName, cow_String())
  KERN_ATTR(cow_String, SinkFieldName, cow_String())

 public:
  // Whether a field distributes the film coefficient; `name` is then its
  // field's name (left as it was otherwise).
  bool UsesField(cow_String& name) const {
    if (FilmCoefficientDefinition() != 3 && FilmCoefficientDefinition() != 4) return false;
    name = FieldName();
    return true;
  }
  // Whether a field distributes the sink temperature, with its name.
  bool UsesSinkField(cow_String& name) const {
    if (SinkDefinition() != 1 && SinkDefinition() != 2) return false;
    name = SinkFieldName();
    return true;
  }
  // The state in `step`. Throws cow_OutOfRange for a step without a film
  // state.
  const kinC_FilmConditionState& ConstGetState(const cow_String& step) const {
    const auto* state = dynamic_cast<const kinC_FilmConditionState*>(FindState(step));
    if (!state)
      throw cow_OutOfRange("film condition state: no state in step " + std::string(step.Str()));
    return *state;
  }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_FilmConditionState; }
};

// A film condition on the nodes of a set, which may slide over (1) or follow
// the material of (2) an Eulerian region in an explicit step.
class kinC_ConcFilmCondition : public kinC_FilmCondition {
  KERN_CLASS_HEAD(kinC_ConcFilmCondition, kinC_FilmCondition, 0x3070081)
  KERN_ATTR(int, RegionType, 0)

 public:
  // The state in `step`. Throws cow_OutOfRange for a step without a
  // concentrated film state.
  const kinC_ConcFilmConditionState& ConstGetState(const cow_String& step) const {
    const auto* state = dynamic_cast<const kinC_ConcFilmConditionState*>(FindState(step));
    if (!state)
      throw cow_OutOfRange("concentrated film condition state: no state in step " +
                           std::string(step.Str()));
    return *state;
  }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_ConcFilmConditionState; }
};
