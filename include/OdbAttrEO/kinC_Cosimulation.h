// Co-simulation interactions: the analysis runs beside a second analysis and
// exchanges variables with it over a region. A Standard-Explicit
// co-simulation couples the two solvers of this product; a fluid-structure
// co-simulation couples this model with a partner model of the same model
// database (bas_Mdb), which holds a fluid-structure interaction of its own.
//
// Type ids 0x3070090, 0x3070091, 0x3070190 and 0x3070191 are this header's.
#pragma once

#include <string>
#include <utility>

#include "BasShared/cow_Error.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbCoreGeom/rgnC_Region.h"

// The variables a Standard-Explicit co-simulation exchanges in one step.
class kinC_StdXplCosimulationState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_StdXplCosimulationState, kinC_InteractionState, 0x3070190)
  KERN_ATTR(mdl_PropAttr<cow_List<cow_String>>, ExchangedVariables,
            mdl_PropAttr<cow_List<cow_String>>())
};

class kinC_StdXplCosimulation : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_StdXplCosimulation, kinC_Interaction, 0x3070090)

  // The coupled region: a surface when its kind bits mark one (bit 3),
  // otherwise a node set.
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  // 2 lockstep, any other value subcycle.
  KERN_ATTR(int, TimeIncrementation, 1)
  // 1: the step size below is given.
  KERN_ATTR(int, StepSizeChoice, 0)
  KERN_ATTR(double, StepSize, 0.0)

 public:
  // The state in `step`. Throws cow_OutOfRange for a step without one.
  const kinC_StdXplCosimulationState& ConstGetState(const cow_String& step) const {
    const auto* state = dynamic_cast<const kinC_StdXplCosimulationState*>(FindState(step));
    if (!state)
      throw cow_OutOfRange("co-simulation state: no state in step " + std::string(step.Str()));
    return *state;
  }
  // Gives the interaction `status` in `step` with `variables` exchanged
  // there (attribute status 1).
  void SetStepVariables(const cow_String& step, int status, cow_List<cow_String> variables) {
    kinC_StdXplCosimulationState state;
    state.SetExchangedVariables(mdl_PropAttr<cow_List<cow_String>>(std::move(variables), 1));
    SetState(step, status, state);
  }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_StdXplCosimulationState; }
};

// The variables a fluid-structure co-simulation imports from its partner and
// exports to it in one step. A writer that completes the lists with defaults
// changes a copy (Insert on its own copy of the interaction).
class kinC_FSICosimulationState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_FSICosimulationState, kinC_InteractionState, 0x3070191)
  KERN_ATTR(mdl_PropAttr<cow_List<cow_String>>, ImportVariables,
            mdl_PropAttr<cow_List<cow_String>>())
  KERN_ATTR(mdl_PropAttr<cow_List<cow_String>>, ExportVariables,
            mdl_PropAttr<cow_List<cow_String>>())
};

class kinC_FSICosimulation : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_FSICosimulation, kinC_Interaction, 0x3070091)

  // The coupled region, as for the Standard-Explicit kind.
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  // Each code 0 is unset. 1 gauss-seidel, 2 jacobi.
  KERN_ATTR(int, CouplingScheme, 0)
  // 1 subcycle, 2 lockstep.
  KERN_ATTR(int, TimeIncrementation, 0)
  // 1 yes, 2 no.
  KERN_ATTR(int, TimeMarks, 0)
  // 1 import, 2 export, 3 max, 4 min, 5 the step size below.
  KERN_ATTR(int, StepSizeKind, 0)
  KERN_ATTR(double, StepSize, 0.0)
  // 1 lead, 2 lag, 3 send predictor, 4 receive predictor.
  KERN_ATTR(int, SchemeModifier, 0)

 public:
  // The state in `step`. Throws cow_OutOfRange for a step without one.
  const kinC_FSICosimulationState& ConstGetState(const cow_String& step) const {
    const auto* state = dynamic_cast<const kinC_FSICosimulationState*>(FindState(step));
    if (!state)
      throw cow_OutOfRange("co-simulation state: no state in step " + std::string(step.Str()));
    return *state;
  }
  // Gives the interaction `status` in `step` with the two lists (attribute
  // status 1).
  void SetStepVariables(const cow_String& step, int status, cow_List<cow_String> imports,
                        cow_List<cow_String> exports) {
    kinC_FSICosimulationState state;
    state.SetImportVariables(mdl_PropAttr<cow_List<cow_String>>(std::move(imports), 1));
    state.SetExportVariables(mdl_PropAttr<cow_List<cow_String>>(std::move(exports), 1));
    SetState(step, status, state);
  }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_FSICosimulationState; }
};
