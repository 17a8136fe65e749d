#include "aif/impl/sections/aif_ElementControlsStep.h"

#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_PartAttributesFiler.h"
#include "aif/impl/sections/aif_PartAttributesState.h"
#include "aif/impl/sections/aif_SectionControls.h"

namespace {

// Equal parameter sets (the identifier aside).
bool SameControls(const bme_ElemCtrlParams& a, const bme_ElemCtrlParams& b) {
  return a.ElementConversion() == b.ElementConversion() &&
         a.HourglassStiffness() == b.HourglassStiffness() &&
         a.KinematicSplit() == b.KinematicSplit() && a.HourglassControl() == b.HourglassControl() &&
         a.WeightFactor() == b.WeightFactor() && a.StressRate() == b.StressRate() &&
         a.SecondOrderAccuracy() == b.SecondOrderAccuracy() &&
         a.HourglassScaling() == b.HourglassScaling() &&
         a.DistortionControl() == b.DistortionControl() && a.LengthRatio() == b.LengthRatio() &&
         a.ElementDeletion() == b.ElementDeletion() && a.MaxDegradation() == b.MaxDegradation() &&
         a.Viscosity() == b.Viscosity() && a.ScalingFactor4() == b.ScalingFactor4() &&
         a.ScalingFactor5() == b.ScalingFactor5();
}

}  // namespace

int aif_ElementControlsStep::Library(int product) {
  return product >= 0 && product <= 2 ? product + 1 : 0;
}

int aif_ElementControlsStep::Index(const bme_ElemCtrlParams& params) const {
  for (const auto& [index, entry] : state_.controls)
    if (SameControls(entry, params)) return index;
  return state_.controlCount;
}

void aif_ElementControlsStep::Collect(const aif_InstanceScope& scope) {
  const bool marks = state_.MarksElements(scope);
  for (const bme_ElementClass& elementClass : scope.mesh->ElementClasses()) {
    const auto& params = elementClass.ElemCtrlParams();
    if (!params || params->IsDefault()) continue;
    const int index = Index(*params);
    const std::size_t first = elementClass.FirstElementIndex();
    for (std::size_t e = 0; marks && e < elementClass.NumElements(); ++e)
      state_.elements.Set(aif_ElementProperties::kElemCtrl, first + e, index);
    if (!state_.controls.Contains(index)) {
      state_.controls.Set(index, *params);
      ++state_.controlCount;
    }
  }
}

void aif_ElementControlsStep::Write() {
  const int product = state_.info.AnalysisProduct();
  // The defaults of the product's library are a default-made parameter set.
  const bme_ElemCtrlParams defaults;
  if (!state_.controls.IsEmpty()) state_.controls.Set(-1, defaults);
  bool commented = false;
  for (const auto& [index, params] : state_.controls) {
    const aif_SectionControls keyword(params, aif_PartAttributesState::Numbered("EC-", index + 1),
                                      product);
    if (!keyword.IsEmpty() && !commented) {
      filer_.ToModel(aif_Comment("\nELEMENT CONTROLS\n"));
      commented = true;
    }
    filer_.ToModel(keyword);
  }
}
