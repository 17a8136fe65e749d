// The data lines of the structural, thermal and single-value kinds of
// aif_Boundary: which components are written, from which attribute, and how
// complex and buckling steps split the block into load cases.

#include <cstddef>
#include <string>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_Boundary.h"
#include "aif/impl/model/aif_SurfaceRoutines.h"

namespace {

constexpr char kBoundaryKindsFile[] = "module/aif/impl/conditions/aif_BoundaryKinds.cpp";

const char* const kBoundaryDofTexts[] = {", 1, 1", ", 2, 2", ", 3, 3",
                                         ", 4, 4", ", 5, 5", ", 6, 6"};

// ", first, last" of a run of degrees of freedom.
cow_String BoundaryRunText(int first, int last) {
  return ", " + std::to_string(first) + ", " + std::to_string(last);
}

// The runs of consecutive numbers of `dofs` in stored order: 11, 12, 13, 15
// gives ", 11, 13" and ", 15, 15".
cow_List<cow_String> BoundaryDofRuns(const cls_xpListInt& dofs) {
  cow_List<cow_String> runs;
  if (dofs.IsEmpty()) return runs;
  int first = dofs[0];
  int last = first;
  for (std::size_t i = 1; i < dofs.Length(); ++i) {
    if (dofs[i] == last + 1) {
      last = dofs[i];
      continue;
    }
    runs.Append(BoundaryRunText(first, last));
    first = last = dofs[i];
  }
  runs.Append(BoundaryRunText(first, last));
  return runs;
}

// The load cases a buckling case asks for: 0 or 3 both, 1 or 2 that one,
// any other value none.
cow_List<int> BoundaryBucklingLoadCases(int bucklingCase) {
  switch (bucklingCase) {
    case 0:
    case 3:
      return {1, 2};
    case 1:
      return {1};
    case 2:
      return {2};
    default:
      return {};
  }
}

}  // namespace

void aif_Boundary::WriteDisplacement(utl_Stream& stream) const {
  const kbcC_DisplacementBC& displacement =
      nex_canDynamicCastRef<const kbcC_DisplacementBC>(*condition_, kBoundaryKindsFile, __LINE__);
  const kbcC_BCState& state = displacement.ConstGetState(stepName_);
  const bool fixed = displacement.Fixed();
  const int distribution = displacement.DistribTypeEnum();
  const unsigned procedure =
      stepName_ != initialStepName_ ? displacement.ConstGetStateQuad(stepName_).procedureType : 0;

  if (state.UseComplex(procedure)) {
    double real[6];
    double imaginary[6];
    bool realMarks[6];
    bool imaginaryMarks[6];
    bool anyReal = false;
    bool anyImaginary = false;
    for (std::size_t i = 0; i < 6; ++i) {
      real[i] = state.Component(i).Value();
      imaginary[i] = state.ImaginaryComponent(i);
      const bool active = aif_IsNewOpStatus(state.Component(i).Status(), modify_);
      realMarks[i] = active && (real[i] != 0.0 || imaginary[i] == 0.0);
      imaginaryMarks[i] = active && imaginary[i] != 0.0;
      anyReal = anyReal || realMarks[i];
      anyImaginary = anyImaginary || imaginaryMarks[i];
    }
    if (anyReal) {
      WriteHeader(stream, distribution, fixed, 1, true);
      WriteComplexDisplacementLines(stream, displacement, real, fixed, realMarks);
    }
    if (anyImaginary) {
      WriteHeader(stream, distribution, fixed, 2, true);
      WriteComplexDisplacementLines(stream, displacement, imaginary, fixed, imaginaryMarks);
    }
    return;
  }

  if (procedure == kprC_BuckleStep::TypeId()) {
    for (int loadCase : BoundaryBucklingLoadCases(state.BucklingCase())) {
      WriteHeader(stream, distribution, fixed, loadCase, true);
      WriteDisplacementLines(stream, displacement, fixed);
    }
    return;
  }
  WriteHeader(stream, distribution, fixed, 0, true);
  WriteDisplacementLines(stream, displacement, fixed);
}

void aif_Boundary::WriteDisplacementLines(utl_Stream& stream, const kbcC_BC& condition,
                                          bool noValue) const {
  const kbcC_BCState& state = condition.ConstGetState(stepName_);
  double values[6];
  bool marks[6];
  for (std::size_t i = 0; i < 6; ++i) {
    values[i] = state.Component(i).Value();
    marks[i] = aif_IsNewOpStatus(state.Component(i).Status(), modify_);
  }
  WriteComplexDisplacementLines(stream, condition, values, noValue, marks);
}

void aif_Boundary::WriteComplexDisplacementLines(utl_Stream& stream, const kbcC_BC& condition,
                                                 const double (&values)[6], bool noValue,
                                                 const bool (&marks)[6]) const {
  cow_String fieldName;
  const int distribution = condition.DistribTypeEnum();
  if (distribution != kbcC_BC::kUniform && condition.UsesField(fieldName)) {
    // The header left its line open for the field lines: end it once.
    stream.LineBreak();
    for (std::size_t i = 0; i < 6; ++i) {
      if (!marks[i]) continue;
      if (distribution == kbcC_BC::kAnalyticalField) {
        WriteAnalyticalFieldLines(stream, kBoundaryDofTexts[i], values[i]);
      } else {
        WriteDiscreteFieldLines(stream, kBoundaryDofTexts[i], values[i], static_cast<int>(i) + 1);
      }
    }
    return;
  }
  for (std::size_t i = 0; i < 6; ++i)
    if (marks[i]) WriteDataLine(stream, kBoundaryDofTexts[i], values[i], noValue);
}

namespace {

// The velocity and acceleration writer: `typeOption` names the kind on the
// header line; only the real parts are written.
template <class Condition, class DefaultState>
void WriteBoundaryMotion(const aif_Boundary& boundary, utl_Stream& stream, const kbcC_BC& condition,
                         const cow_String& stepName, bool modify, const char* typeOption,
                         int line) {
  nex_canDynamicCastRef<const Condition>(condition, kBoundaryKindsFile, line);
  const kprC_PropagatingState quad = condition.ConstGetStateQuad(stepName);
  static const DefaultState kDefaultState;
  const kbcC_BCState& state = quad.state ? condition.ConstGetState(stepName) : kDefaultState;
  const bool loadCase =
      state.UseComplex(quad.procedureType) || quad.procedureType == kprC_BuckleStep::TypeId();
  const int distribution = condition.DistribTypeEnum();
  boundary.WriteHeader(stream, distribution, false, loadCase ? 1 : 0, false);
  (stream << ", ").OptionalLineBreak() << typeOption;
  stream.LineBreak();
  for (std::size_t i = 0; i < 6; ++i) {
    if (!aif_IsNewOpStatus(state.Component(i).Status(), modify)) continue;
    const double value = state.Component(i).Value();
    if (distribution == kbcC_BC::kAnalyticalField) {
      boundary.WriteAnalyticalFieldLines(stream, kBoundaryDofTexts[i], value);
    } else {
      boundary.WriteDataLine(stream, kBoundaryDofTexts[i], value, false);
    }
  }
}

}  // namespace

void aif_Boundary::WriteVelocity(utl_Stream& stream) const {
  WriteBoundaryMotion<kbcC_VelocityBC, kbcC_VelocityBCState>(*this, stream, *condition_, stepName_,
                                                             modify_, "type=VELOCITY", __LINE__);
}

void aif_Boundary::WriteAcceleration(utl_Stream& stream) const {
  WriteBoundaryMotion<kbcC_AccelerationBC, kbcC_AccelerationBCState>(
      *this, stream, *condition_, stepName_, modify_, "type=ACCELERATION", __LINE__);
}

void aif_Boundary::WriteType(utl_Stream& stream) const {
  const kbcC_TypeBC& type =
      nex_canDynamicCastRef<const kbcC_TypeBC>(*condition_, kBoundaryKindsFile, __LINE__);
  const kbcC_BCState& state = type.ConstGetState(stepName_);
  const unsigned procedure =
      stepName_ != initialStepName_ ? type.ConstGetStateQuad(stepName_).procedureType : 0;
  if (!aif_IsNewOpStatus(state.TypeName().Status(), modify_)) return;

  const cow_String text =
      ", " + omu_PrimEnum<kbcC_TypeBC::TypeNameEnm>(
                 static_cast<kbcC_TypeBC::TypeNameEnm>(state.TypeName().Value()))
                 .GetString();
  const cow_List<int> loadCases = procedure == kprC_BuckleStep::TypeId()
                                      ? BoundaryBucklingLoadCases(state.BucklingCase())
                                      : cow_List<int>{0};
  for (int loadCase : loadCases) {
    WriteHeader(stream, kbcC_BC::kUniform, false, loadCase, true);
    WriteDataLine(stream, text, 0.0, true);
  }
}

void aif_Boundary::WriteTemperature(utl_Stream& stream) const {
  const kbcC_TemperatureBC& temperature =
      nex_canDynamicCastRef<const kbcC_TemperatureBC>(*condition_, kBoundaryKindsFile, __LINE__);
  const kbcC_BCState& state = temperature.ConstGetState(stepName_);
  const int distribution = temperature.DistribTypeEnum();
  const cls_xpListInt& dofs = state.Dofs().Value();
  const bool magnitudeNew = aif_IsNewOpStatus(state.Magnitude().Status(), modify_);
  const double magnitude = state.Magnitude().Value();

  if (distribution == kbcC_BC::kAnalyticalField) {
    if (dofs.IsEmpty()) {
      // The header writes the per-node lines.
      WriteHeader(stream, distribution, false, 0, true);
      return;
    }
    WriteTemperatureHeader(stream, false, 0);
    for (const cow_String& run : BoundaryDofRuns(dofs))
      WriteAnalyticalFieldRangeLines(stream, distribution, run, false, 0, true);
    return;
  }

  if (dofs.IsEmpty()) {
    if (!magnitudeNew) return;
    WriteHeader(stream, distribution, false, 0, true);
    WriteDataLine(stream, ", 11, 11", magnitude, false);
    return;
  }
  WriteHeader(stream, distribution, false, 0, true);
  if (!magnitudeNew && !aif_IsNewOpStatus(state.Dofs().Status(), modify_)) return;
  for (const cow_String& run : BoundaryDofRuns(dofs))
    WriteDataLine(stream, run, magnitude, false);
}

void aif_Boundary::WriteSingleValue(utl_Stream& stream, const cow_String& text,
                                    bool testState) const {
  const kprC_PropagatingState quad = condition_->ConstGetStateQuad(stepName_);
  // The state is type-tested before anything is written.
  if (testState && quad.state)
    nex_canDynamicCastRef<const kbcC_DistributedBCState>(*quad.state, kBoundaryKindsFile, __LINE__);
  const int distribution = condition_->DistribTypeEnum();
  WriteHeader(stream, distribution, condition_->Fixed(), 0, true);
  // Without a state in the step the header stands alone.
  if (!quad.state) return;
  const kbcC_BCState& state = condition_->ConstGetState(stepName_);
  if (aif_IsNewOpStatus(state.Magnitude().Status(), modify_) &&
      distribution != kbcC_BC::kAnalyticalField)
    WriteDataLine(stream, text, state.Magnitude().Value(), false);
}

void aif_Boundary::WriteScalarDof(utl_Stream& stream) const {
  nex_canDynamicCastRef<const kbcC_DistributedBC>(*condition_, kBoundaryKindsFile, __LINE__);
  const bool concentration = condition_->DynTypeId() == kbcC_ConcentrationBC::kTypeId;
  WriteSingleValue(stream, concentration ? ", 11, 11" : ", 8, 8", true);
}

void aif_Boundary::WriteComplexScalarDof(utl_Stream& stream) const {
  const kbcC_DistributedBC& condition =
      nex_canDynamicCastRef<const kbcC_DistributedBC>(*condition_, kBoundaryKindsFile, __LINE__);
  const unsigned typeId = condition.DynTypeId();
  const char* text = typeId == kbcC_AcousticPressureBC::kTypeId    ? ", 8, 8"
                     : typeId == kbcC_ElectricPotentialBC::kTypeId ? ", 9, 9"
                                                                   : ", 10, 10";
  const kprC_PropagatingState quad = condition.ConstGetStateQuad(stepName_);
  const kbcC_BCState& state = condition.ConstGetState(stepName_);
  if (!quad.state || !state.UseComplex(quad.procedureType)) {
    WriteSingleValue(stream, text, false);
    return;
  }

  const int distribution = condition.DistribTypeEnum();
  const bool fixed = condition.Fixed();
  const bool writeValue = aif_IsNewOpStatus(state.Magnitude().Status(), modify_) &&
                          distribution != kbcC_BC::kAnalyticalField;
  const double real = condition.RealMagnitude(stepName_);
  const double imaginary = condition.ImagMagnitude(stepName_);
  if (real != 0.0 || imaginary == 0.0) {
    WriteHeader(stream, distribution, fixed, 1, true);
    if (writeValue) WriteDataLine(stream, text, real, false);
  }
  if (imaginary != 0.0) {
    WriteHeader(stream, distribution, fixed, 2, true);
    if (writeValue) WriteDataLine(stream, text, imaginary, false);
  }
}
