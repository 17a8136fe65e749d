#include "aif/impl/conditions/aif_FieldTemperature.h"

#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_PredefFieldUtils.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kFieldTemperatureFile[] = "module/aif/impl/conditions/aif_FieldTemperature.cpp";

// Items of a uniform data line: the set name and seven magnitudes on the
// first line, eight magnitudes on each further one.
constexpr int kFieldTemperatureLineItems = 8;
// The exterior tolerance the solver takes when none is given.
constexpr double kFieldTemperatureDefaultTolerance = 0.05;

bool FieldTemperatureWritten(int distribution) {
  return distribution == 0 || distribution == 1 || distribution == 3 || distribution == 4 ||
         distribution == 6 || distribution == 7;
}

// An integer option of a results file: written when set and not 0.
void WriteFieldTemperatureRange(utl_Stream& stream, const char* option,
                                const mdl_PropAttr<int>& value) {
  if (value.IsActive() && value.Value() != 0) stream << option << value.Value();
}

}  // namespace

aif_FieldTemperature::aif_FieldTemperature(const kpfC_Field& field, const cow_String& stepName,
                                           bool keepOp, const cow_String& regionName,
                                           int valueCount, const akw_ModelInfo& info, double scale)
    : aif_PredefFieldKeyword(
          nex_canDynamicCastRef<const kpfC_Temperature>(field, kFieldTemperatureFile, __LINE__),
          stepName, keepOp, regionName, scale),
      valueCount_(valueCount),
      fieldUtils_(std::make_shared<const aif_PredefFieldUtils>(field, stepName, info, valueCount)) {
}

void aif_FieldTemperature::Write(utl_Stream& stream) const {
  const int distribution = BaseField().Distribution();
  if (!WriteStart(stream, "*Temperature", FieldTemperatureWritten(distribution))) return;
  switch (distribution) {
    case 0:
      EndWithAmplitude(stream);
      WriteUniform(stream);
      return;
    case 1:
      stream << ", user";
      stream.LineBreak();
      return;
    case 3:
    case 4:
      if (distribution == 4) stream << ", user";
      WriteFileOptions(stream);
      stream.LineBreak();
      return;
    case 6:
      EndWithAmplitude(stream);
      fieldUtils_->EvaluatePredefinedField(stream, Scale(), "temperature", cow_String());
      return;
    default:  // 7, a discrete field
      EndWithAmplitude(stream);
      fieldUtils_->EvaluateDiscreteField(stream, Scale());
      return;
  }
}

void aif_FieldTemperature::WriteUniform(utl_Stream& stream) const {
  // Every magnitude but the first of a further line is preceded by ", ".
  stream << RegionName();
  int item = 1;
  bool lineEnded = false;
  for (const double magnitude : fieldUtils_->FieldMagnitudes()) {
    if (item != 0) stream << ", ";
    stream << magnitude * Scale();
    lineEnded = ++item == kFieldTemperatureLineItems;
    if (lineEnded) {
      stream.LineBreak();
      item = 0;
    }
  }
  if (!lineEnded) stream.LineBreak();
}

void aif_FieldTemperature::WriteFileOptions(utl_Stream& stream) const {
  const kpfC_GeneralFieldBaseState& state = State();
  stream << ", file=" << aif_ResultsFileName(state.FileName().Value());
  WriteFieldTemperatureRange(stream, ", bstep=", state.BeginStep());
  WriteFieldTemperatureRange(stream, ", binc=", state.BeginIncrement());
  WriteFieldTemperatureRange(stream, ", estep=", state.EndStep());
  WriteFieldTemperatureRange(stream, ", einc=", state.EndIncrement());
  const mdl_PropAttr<int>& interpolation = state.Interpolation();
  if (!interpolation.IsActive()) return;
  if (interpolation.Value() == 2) {
    stream << ", midside";
  } else if (interpolation.Value() == 1) {
    stream << ", interpolate";
    const mdl_PropAttr<double>& absolute = state.AbsoluteExteriorTolerance();
    if (absolute.IsActive() && absolute.Value() != 0.0)
      stream << ", absolute exterior tolerance=" << absolute.Value();
    const mdl_PropAttr<double>& exterior = state.ExteriorTolerance();
    if (exterior.IsActive() && exterior.Value() != kFieldTemperatureDefaultTolerance)
      stream << ", exterior tolerance=" << exterior.Value();
  }
}
