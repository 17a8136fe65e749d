#include "OdbAttrEO/kprC_Procedure.h"

#include "OdbAttrEO/kprC_AnalysisSteps.h"

namespace {

// clang-format off
// One row per procedure: explicit, flow, implicit modal, modes, frequency or
// buckle, time domain, default output type.
kprC_ProcedureTraits ProcedureRow(unsigned type, bool explicitSolver, bool flow,
                                  bool implicitModal, bool modes, bool frequencyBuckle,
                                  bool timeDomain, int defaultOutputType) {
  return {type,           explicitSolver, flow, implicitModal, modes, frequencyBuckle,
          timeDomain,     defaultOutputType};
}

const kprC_ProcedureTraits kProcedureRows[] = {
    //                                                   expl.  flow   modal  modes  f/b    time   out
    ProcedureRow(kprC_StaticStep::kTypeId,                false, false, false, false, false, true,  0),
    ProcedureRow(kprC_StaticRiksStep::kTypeId,            false, false, false, false, false, true,  0),
    ProcedureRow(kprC_StaticLinearPerturbationStep::kTypeId, false, false, false, false, false, false, 0),
    ProcedureRow(kprC_GeostaticStep::kTypeId,             false, false, false, false, false, true,  0),
    ProcedureRow(kprC_SoilsStep::kTypeId,                 false, false, false, false, false, true,  0),
    ProcedureRow(kprC_ViscoStep::kTypeId,                 false, false, false, false, false, true,  0),
    ProcedureRow(kprC_ImplicitDynamicsStep::kTypeId,      false, false, false, false, false, true,  0),
    ProcedureRow(kprC_ExplicitDynamicsStep::kTypeId,      true,  false, false, false, false, true,  1),
    ProcedureRow(kprC_TempDisplacementDynamicsStep::kTypeId, true, false, false, false, false, true, 1),
    ProcedureRow(kprC_SubspaceDynamicsStep::kTypeId,      false, false, false, false, false, true,  0),
    ProcedureRow(kprC_ModalDynamicsStep::kTypeId,         false, false, true,  false, false, true,  0),
    ProcedureRow(kprC_FrequencyStep::kTypeId,             false, false, false, true,  true,  false, 0),
    ProcedureRow(kprC_BuckleStep::kTypeId,                false, false, false, true,  true,  false, 0),
    ProcedureRow(kprC_ComplexFrequencyStep::kTypeId,      false, false, false, true,  false, false, 0),
    ProcedureRow(kprC_SteadyStateModalStep::kTypeId,      false, false, true,  false, false, false, 0),
    ProcedureRow(kprC_SteadyStateSubspaceStep::kTypeId,   false, false, false, false, false, false, 0),
    ProcedureRow(kprC_SteadyStateDirectStep::kTypeId,     false, false, false, false, false, false, 0),
    ProcedureRow(kprC_ResponseSpectrumStep::kTypeId,      false, false, true,  false, false, false, 0),
    ProcedureRow(kprC_RandomResponseStep::kTypeId,        false, false, true,  false, false, false, 0),
    ProcedureRow(kprC_HeatTransferStep::kTypeId,          false, false, false, false, false, true,  0),
    ProcedureRow(kprC_MassDiffusionStep::kTypeId,         false, false, false, false, false, true,  0),
    ProcedureRow(kprC_CoupledThermalElectricStep::kTypeId, false, false, false, false, false, true, 0),
    ProcedureRow(kprC_CoupledTempDisplacementStep::kTypeId, false, false, false, false, false, true, 0),
    ProcedureRow(kprC_AnnealStep::kTypeId,                false, false, false, false, false, false, 0),
    ProcedureRow(kprC_DirectCyclicStep::kTypeId,          false, false, false, false, false, true,  0),
    ProcedureRow(kprC_FlowStep::kTypeId,                  false, true,  false, false, false, true,  1),
    ProcedureRow(kprC_SubstructureGenerateStep::kTypeId,  false, false, false, false, false, false, 0),
};
// clang-format on

}  // namespace

const kprC_ProcedureTraits& kprC_Procedure(unsigned type) {
  static const kprC_ProcedureTraits none;
  for (const kprC_ProcedureTraits& row : kProcedureRows)
    if (row.type == type) return row;
  return none;
}
