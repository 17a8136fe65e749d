#include "aif/impl/conditions/aif_AdptMeshCons.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/model/aif_SurfaceRoutines.h"

namespace {

constexpr char kAdptMeshConsFile[] = "module/aif/impl/conditions/aif_AdptMeshCons.cpp";

const char* const kAdptMeshConsDofPairs[] = {", 1, 1", ", 2, 2", ", 3, 3",
                                             ", 4, 4", ", 5, 5", ", 6, 6"};

const kprC_AdptMeshConsState& AdptMeshConsState(const kprC_AdptMeshCons& constraint,
                                                const cow_String& step) {
  return nex_canDynamicCastRef<const kprC_AdptMeshConsState>(constraint.ConstGetStateQuad(step),
                                                             kAdptMeshConsFile, __LINE__);
}

}  // namespace

aif_AdptMeshCons::aif_AdptMeshCons(const kprC_AdptMeshCons& constraint, const cow_String& stepName,
                                   bool modify, const cow_String& setName, bool shellToSolid,
                                   const cow_String& initialStepName)
    : writeOpNew_(!modify),
      constraint_(constraint),
      stepName_(stepName),
      setName_(setName),
      writeChangedOnly_(modify),
      shellToSolid_(shellToSolid),
      initialStepName_(initialStepName) {
  if (aif_IsLoadInactive(constraint.GetPropStatus(stepName), inactive_, writeChangedOnly_)) return;
  const kprC_AdptMeshConsState& state = AdptMeshConsState(constraint, stepName);
  amplitudeName_ = state.Amplitude().Value();
  if (aif_IsNewOpStatus(state.Status(), writeChangedOnly_)) writeChangedOnly_ = false;
}

void aif_AdptMeshCons::WriteKeywordLine(utl_Stream& stream, int motionType) const {
  stream << "*Adaptive Mesh Constraint";
  if (writeOpNew_) stream << ", op=NEW";
  if (!amplitudeName_.IsEmpty()) stream << ", amplitude=" << akw_MorvexName(amplitudeName_, false);
  if (motionType == 2) {
    (stream << ", ").OptionalLineBreak() << "user";
  } else if (motionType == 1) {
    (stream << ", ").OptionalLineBreak() << "constraint type=LAGRANGIAN";
  }
}

void aif_AdptMeshCons::WriteDataLines(utl_Stream& stream) const {
  const int motionType = constraint_->MotionTypeEnum();
  if (motionType == 1 || motionType == 2) {
    stream << setName_;
    stream.LineBreak();
    return;
  }
  const kprC_AdptMeshConsState& state = AdptMeshConsState(*constraint_, stepName_);
  for (std::size_t k = 0; k < 6; ++k) {
    const mdl_PropAttr<double>& dof = state.Dof(k);
    if (!aif_IsNewOpStatus(dof.Status(), writeChangedOnly_)) continue;
    stream << setName_ << kAdptMeshConsDofPairs[k];
    if (dof.Value() != 0.0) stream << ", " << dof.Value();
    stream.LineBreak();
  }
}

void aif_AdptMeshCons::Write(utl_Stream& stream) const {
  // A removal names no kind: its keyword line alone, whatever the class.
  if (inactive_) {
    WriteKeywordLine(stream, 0);
    stream.LineBreak();
    return;
  }

  const unsigned typeId = constraint_->DynTypeId();
  const bool displacement = typeId == kprC_DispAdptMeshCons::kTypeId;
  if (!displacement && typeId != kprC_VelAdptMeshCons::kTypeId)
    nex_Exception::Throw(
        aif_Exception(atr_Translate("Unimplemented adaptive mesh constraint in input file.")),
        kAdptMeshConsFile, __LINE__);

  if (displacement) {
    nex_canDynamicCastRef<const kprC_DispAdptMeshCons>(*constraint_, kAdptMeshConsFile, __LINE__);
    // A state without a step (procedure type 0) is never a buckling step.
    if (stepName_ != initialStepName_) {
      const kprC_AdptMeshConsState& state = AdptMeshConsState(*constraint_, stepName_);
      const unsigned procedure = state.ProcedureType();
      const int mode = state.Mode().Value();
      if (procedure == kprC_BuckleStep::TypeId() && !state.UseComplex(procedure) &&
          (mode < 0 || mode > 3))
        return;
    }
    WriteKeywordLine(stream, constraint_->MotionTypeEnum());
    stream.LineBreak();
  } else {
    nex_canDynamicCastRef<const kprC_VelAdptMeshCons>(*constraint_, kAdptMeshConsFile, __LINE__);
    WriteKeywordLine(stream, constraint_->MotionTypeEnum());
    (stream << ", ").OptionalLineBreak() << "type=VELOCITY";
    stream.LineBreak();
  }
  WriteDataLines(stream);
}
