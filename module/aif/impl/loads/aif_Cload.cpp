#include "aif/impl/loads/aif_Cload.h"

#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omi_complex.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/loads/aif_FieldWalk.h"
#include "aif/impl/loads/aif_PreTensionSection.h"

namespace {

constexpr char kCloadFile[] = "module/aif/impl/loads/aif_Cload.cpp";

// The name of the reference-point set a flat file defines for the region's
// first instance, or the region's own name part-based; empty when the region
// is invalid or touches no instance.
cow_String CloadReferencePointSet(const kloC_Load& load, const aif_ModelInfo& info) {
  const rgnK_Region region(info.Assembly(), info.ModelName(), load.Region());
  if (!region.IsValid(true)) return cow_String();
  const cow_List<unsigned> ids = region.InstanceIds(false);
  if (ids.IsEmpty()) return cow_String();
  if (info.IsPartBased()) return aif_RegionName(load.Region(), info).QualifiedName(2);
  return aif_PrintableName(info.FeatureName(ids[0]) + akw_ModelInfo::RefPtSuffix());
}

// The set a bolt load's data line names: its reference node's set; empty when
// the bolt's region is invalid or touches no instance.
cow_String CloadBoltSet(const kloC_Load& load, const aif_ModelInfo& info,
                        const cow_String& loadName) {
  const rgnK_Region region(info.Assembly(), info.ModelName(), load.Region());
  if (!region.IsValid(true) || region.InstanceIds(false).IsEmpty()) return cow_String();
  return aif_BoltNodeSetName(loadName);
}

}  // namespace

aif_Cload::aif_Cload(const kloC_Load& load, const cow_String& stepName, bool opFlag,
                     const aif_ModelInfo& info, const cow_String& loadName, bool cyclic,
                     int cyclicMode, double scaleFactor)
    : load_(&load),
      step_(stepName),
      info_(&info),
      loadName_(loadName),
      status_(load, stepName, opFlag, aif_RestateBy::kAmplitudeStatus, kCloadFile, __LINE__),
      scale_(scaleFactor),
      cyclic_(cyclic),
      cyclicMode_(cyclicMode) {
  if (status_.Inactive()) return;
  const unsigned type = load.DynTypeId();
  if (type == kloC_BoltLoad::TypeId())
    setName_ = CloadBoltSet(load, info, loadName);
  else if (type == kloC_PEGLoad::TypeId())
    setName_ = CloadReferencePointSet(load, info);
  else
    setName_ = aif_RegionName(load.Region(), info).QualifiedName(2);
}

void aif_Cload::WriteHeader(utl_Stream& stream, int part, bool follower) const {
  aif_LoadHeaderPieces pieces;
  pieces.newOp = status_.NewOp();
  pieces.follower = follower;
  pieces.amplitude = status_.Amplitude();
  pieces.cyclic = cyclic_;
  pieces.cyclicMode = cyclicMode_;
  pieces.part = part;
  aif_WriteLoadHeader(stream, "*Cload", pieces);
  stream.LineBreak();
}

void aif_Cload::WriteValue(utl_Stream& stream, double value, const char* label,
                           bool lineBreak) const {
  stream << ", " << label << ", " << value;
  if (lineBreak) stream.LineBreak();
}

void aif_Cload::WriteLine(utl_Stream& stream, double magnitude, const char* label, bool lineBreak,
                          bool writeZero) const {
  aif_WriteLoadDataLine(stream, setName_, label, magnitude * scale_, lineBreak, writeZero);
}

void aif_Cload::WriteNodeLine(utl_Stream& stream, const cow_String& nodeName, double magnitude,
                              const char* label, bool lineBreak, bool writeZero) const {
  aif_WriteLoadDataLine(stream, nodeName, label, magnitude * scale_, lineBreak, writeZero);
}

void aif_Cload::Write(utl_Stream& stream) const {
  if (status_.Inactive()) {
    WriteHeader(stream, 0, false);
    return;
  }
  const unsigned type = load_->DynTypeId();
  Directions directions;
  if (type == kloC_ConcentratedForce::TypeId()) {
    const auto& force =
        nex_canDynamicCastRef<const kloC_ConcentratedForce>(*load_, kCloadFile, __LINE__);
    directions.labels[0] = "1";
    directions.labels[1] = "2";
    directions.labels[2] = "3";
    directions.follower = force.Follower();
    directions.kind = "concentrated force";
    WriteDirectional(stream, force.ConstGetState(step_), directions);
  } else if (type == kloC_Moment::TypeId()) {
    const auto& moment = nex_canDynamicCastRef<const kloC_Moment>(*load_, kCloadFile, __LINE__);
    const int code = moment.ModelSpaceCode();
    directions.labels[0] = "4";
    directions.labels[1] = "5";
    directions.labels[2] = "6";
    // Codes 0 and 1 admit every rotation; any other only the one about the
    // third axis, and code 4 also the second when the assembly has a twist
    // degree of freedom.
    directions.admitted[0] = code == 0 || code == 1;
    directions.admitted[1] = code == 0 || code == 1 || (code == 4 && HasTwistDof());
    directions.complexCounted[0] = directions.complexCounted[1] = code != 2 && code != 4;
    directions.follower = moment.Follower();
    directions.kind = "moment";
    WriteDirectional(stream, moment.ConstGetState(step_), directions);
  } else if (type == kloC_PEGLoad::TypeId()) {
    const auto& peg = nex_canDynamicCastRef<const kloC_PEGLoad>(*load_, kCloadFile, __LINE__);
    directions.labels[0] = "3";
    directions.labels[1] = "4";
    directions.labels[2] = "5";
    directions.kind = "generalized plane strain load";
    WriteDirectional(stream, peg.ConstGetState(step_), directions);
  } else if (type == kloC_ConcentratedPoreFluid::TypeId()) {
    const auto& fluid =
        nex_canDynamicCastRef<const kloC_ConcentratedPoreFluid>(*load_, kCloadFile, __LINE__);
    if (fluid.IsComplex())
      nex_Exception::Throw(
          nex_AssertException("\"Concentrated pore fluid load cannot be complex\" == 0"),
          kCloadFile, __LINE__);
    directions.labels[0] = "8";
    directions.count = 1;
    directions.single = true;
    directions.kind = "concentrated pore fluid";
    WriteDirectional(stream, fluid.ConstGetState(step_), directions);
  } else if (type == kloC_InwardVolAccel::TypeId()) {
    const auto& accel =
        nex_canDynamicCastRef<const kloC_InwardVolAccel>(*load_, kCloadFile, __LINE__);
    directions.labels[0] = "8";
    directions.count = 1;
    directions.single = true;
    directions.kind = "inward volume acceleration";
    WriteDirectional(stream, accel.ConstGetState(step_), directions);
  } else if (type == kloC_ReferencePressure::TypeId()) {
    WriteReferencePressure(stream);
  } else if (type == kloC_BoltLoad::TypeId()) {
    WriteBoltLoad(stream);
  } else {
    nex_Exception::Throw(nex_AssertException("\"Invalid load type for *Cload\" == 0"), kCloadFile,
                         __LINE__);
  }
}

void aif_Cload::WriteDirectional(utl_Stream& stream, const kloC_LoadState& state,
                                 const Directions& directions) const {
  cow_String fieldName;
  if (load_->UsesField(fieldName)) {
    WriteFieldLoad(stream, state, directions, fieldName);
    return;
  }
  if (load_->IsComplex()) {
    WriteComplex(stream, directions);
    return;
  }
  if (directions.single) {
    // Nothing at all unless the one value is new.
    if (!status_.IsNew(state.Value(0).Status())) return;
    WriteHeader(stream, 0, false);
    WriteLine(stream, state.Value(0).Value(), directions.labels[0], true, true);
    return;
  }
  // The keyword line stands even when no component is new.
  WriteHeader(stream, 0, directions.follower);
  for (int i = 0; i < directions.count; ++i) {
    const mdl_PropAttr<double>& value = state.Value(i);
    if (directions.admitted[i] && status_.IsNew(value.Status()))
      WriteLine(stream, value.Value(), directions.labels[i], true, true);
  }
}

void aif_Cload::WriteComplex(utl_Stream& stream, const Directions& directions) const {
  for (int part = 1; part <= 2; ++part) {
    double values[3] = {0.0, 0.0, 0.0};
    bool any = false;
    for (int i = 0; i < directions.count; ++i) {
      if (!directions.complexCounted[i]) continue;
      const omi_complex& value = load_->ComplexValue(i);
      values[i] = aif_ComplexPart(value, part);
      any = any || values[i] != 0.0;
    }
    // A part whose components are all 0 writes no keyword.
    if (!any) continue;
    WriteHeader(stream, part, directions.follower);
    for (int i = 0; i < directions.count; ++i)
      WriteLine(stream, values[i], directions.labels[i], true, directions.single);
  }
}

void aif_Cload::WriteFieldLoad(utl_Stream& stream, const kloC_LoadState& state,
                               const Directions& directions, const cow_String& fieldName) const {
  const auto& fields = info_->ModelAdapter().AnalyticalFields();
  if (fields.Contains(fieldName))
    nex_canDynamicCastRef<const kfdC_ExpressionField>(fields.ConstGet(fieldName), kCloadFile,
                                                      __LINE__);
  const bool complex = load_->IsComplex();
  // Real: only the new components, and nothing at all when none is new.
  bool isNew[3] = {false, false, false};
  bool any = complex;
  if (!complex)
    for (int i = 0; i < directions.count; ++i) {
      isNew[i] = status_.IsNew(state.Value(i).Status());
      any = any || isNew[i];
    }
  if (!any) return;
  // Evaluated in full before the keyword line, so that a failure leaves no
  // keyword behind.
  aif_FieldWalk walk;
  if (!walk.EvaluateNodes(*info_, load_->Region(), fieldName,
                          aif_FieldSubject{directions.kind, loadName_, "load"}))
    return;
  if (complex) {
    // Every component of each part, the model-space filter not applied.
    for (int part = 1; part <= 2; ++part) {
      WriteHeader(stream, part, directions.follower);
      for (int i = 0; i < directions.count; ++i) {
        const omi_complex& value = load_->ComplexValue(i);
        WriteFieldLines(stream, walk, aif_ComplexPart(value, part), directions.labels[i]);
      }
    }
    return;
  }
  // The keyword line stands even when the model-space code admits none of
  // the new components.
  WriteHeader(stream, 0, directions.follower);
  for (int i = 0; i < directions.count; ++i)
    if (isNew[i] && directions.admitted[i])
      WriteFieldLines(stream, walk, state.Value(i).Value(), directions.labels[i]);
}

void aif_Cload::WriteFieldLines(utl_Stream& stream, const aif_FieldWalk& walk, double magnitude,
                                const char* label) const {
  for (const aif_FieldWalk::Instance& instance : walk.Instances())
    for (std::size_t j = 0; j < instance.ids.Length(); ++j) {
      aif_FieldWalk::WriteReference(stream, instance, j);
      WriteValue(stream, instance.values[j] * magnitude * scale_, label, true);
    }
}

void aif_Cload::WriteReferencePressure(utl_Stream& stream) const {
  const auto& pressure =
      nex_canDynamicCastRef<const kloC_ReferencePressure>(*load_, kCloadFile, __LINE__);
  const mdl_PropAttr<double>& value = pressure.ConstGetState(step_).Value(0);
  if (!status_.IsNew(value.Status())) return;
  WriteHeader(stream, 0, false);
  WriteLine(stream, value.Value(), "HP", true, true);
}

void aif_Cload::WriteBoltLoad(utl_Stream& stream) const {
  const auto& bolt = nex_canDynamicCastRef<const kloC_BoltLoad>(*load_, kCloadFile, __LINE__);
  const kloC_LoadState& state = bolt.ConstGetState(step_);
  const mdl_PropAttr<kloC_BoltLoadMethodEnm>& method = state.Method();
  // A bolt modified in this step to a method other than applying a force, or
  // one whose state leads, writes its keyword line alone.
  if ((bolt.Status(step_) == 3 && method.IsModified() && method.Value() != kloC_APPLY_FORCE) ||
      state.Leading()) {
    WriteHeader(stream, 0, false);
    return;
  }
  const mdl_PropAttr<double>& value = state.Value(0);
  if (!status_.IsNew(value.Status())) return;
  WriteHeader(stream, 0, false);
  WriteLine(stream, value.Value(), "1", true, true);
}

bool aif_Cload::HasTwistDof() const {
  const asoK_Assembly* assembly = info_->Assembly();
  return assembly && assembly->HasTwistDof();
}
