#include "aif/impl/steps/aif_SubstructureGenerate.h"

#include "ModKerLow/rgnK_Region.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr char kSubstructureGenerateFile[] = "module/aif/impl/steps/aif_SubstructureGenerate.cpp";

// The recovery matrix setting that names a region.
constexpr int kSubstructureRecoveryRegion = 2;

}  // namespace

aif_SubstructureGenerate::aif_SubstructureGenerate(const akw_ModelInfo& info, const kprC_Step& step,
                                                   const cow_String& recoveryName)
    : aif_ProcedureKeyword(step, kSubstructureGenerateFile, __LINE__), recoveryName_(recoveryName) {
  if (step_.RecoveryMatrix() != kSubstructureRecoveryRegion || recoveryName_.IsEmpty() ||
      !step_.RecoveryGeometric())
    return;
  const auto& model = static_cast<const aif_ModelInfo&>(info);
  const rgnK_Region region(model.Assembly(), model.ModelName(), step_.RecoveryRegion());
  recoveryVertices_ = region.NumVertices() > 0;
}

void aif_SubstructureGenerate::Write(utl_Stream& stream) const {
  stream << "*Substructure Generate, overwrite";
  if (step_.SubstructureId() > 0) stream << ", type=Z" << step_.SubstructureId();
  if (step_.RecoveryMatrix() == 0) {
    stream << ", recovery matrix=NO";
  } else {
    stream << ", recovery matrix=YES";
    if (step_.RecoveryMatrix() == kSubstructureRecoveryRegion && !recoveryName_.IsEmpty()) {
      const bool geometric = step_.RecoveryGeometric();
      const bool elements = step_.RecoveryElementBased();
      const bool nodes = step_.RecoveryNodeBased();
      if ((geometric || elements) && !nodes && !recoveryVertices_)
        stream << ", elset=" << recoveryName_;
      else if ((geometric || nodes) && !elements)
        stream << ", nset=" << recoveryName_;
    }
  }
  if (step_.GravityLoad()) aif_Option(stream) << "gravity load=YES";
  if (step_.MassMatrix()) aif_Option(stream) << "mass matrix=YES";
  if (step_.PropertyEvaluation() && step_.PropertyFrequency() > 0)
    aif_Option(stream) << "property evaluation=" << step_.PropertyFrequency();
  if (step_.StructuralDampingMatrix()) aif_Option(stream) << "structural damping matrix=YES";
  if (step_.ViscousDampingMatrix()) aif_Option(stream) << "viscous damping matrix=YES";
  stream << endl;
}
