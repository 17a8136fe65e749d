// The scalar initial conditions: temperature, field variable, saturation,
// voids ratio and pore pressure. Each writes its header line and then, by the
// field's distribution, its own data line, the node lines of the field that
// distributes it, or nothing more (user, geostatic and results-file kinds say
// all in the header).

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif/impl/conditions/aif_PredefFieldUtils.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/loads/aif_FieldWalk.h"

namespace {

constexpr char kInitialScalarFile[] = "module/aif/impl/conditions/aif_InitialConditionsScalar.cpp";

// Distribution kinds of an initial condition.
constexpr int kInitialUniform = 0;
constexpr int kInitialAnalytical = 6;
constexpr int kInitialDiscrete = 7;

// ", " and the three variation numbers of a ratio whose variation flag is 1.
void WriteRatioVariation(utl_Stream& stream, const kpfC_RatioBase& ratio) {
  if (ratio.Variation() != 1) return;
  stream << ", " << ratio.VariationFirst() << ", " << ratio.VariationSecond() << ", "
         << ratio.VariationThird();
}

// The one line of a uniform ratio: the region, the value and the variation.
void WriteUniformRatio(utl_Stream& stream, const cow_String& regionName,
                       const kpfC_RatioBase& ratio) {
  stream << regionName << ", " << ratio.Value();
  WriteRatioVariation(stream, ratio);
  stream.LineBreak();
}

// Whether a ratio's values come from its distribution field: an analytical
// or discrete distribution, or the uniform one through an analytical field.
bool IsEvaluatedRatio(const kpfC_RatioBase& ratio) {
  const int kind = ratio.Distribution();
  return kind == kInitialAnalytical || kind == kInitialDiscrete ||
         (kind == kInitialUniform && ratio.AnalyticalField() != 0);
}

// The node lines of a field distributed by an analytical or a discrete
// field (`quantity` names it in a failure message); nothing for the other
// distributions.
void WriteInitialFieldNodeLines(utl_Stream& stream, const aif_PredefFieldUtils& evaluator,
                                int distribution, const char* quantity) {
  if (distribution == kInitialAnalytical)
    evaluator.EvaluatePredefinedField(stream, 1.0, quantity, cow_String());
  else if (distribution == kInitialDiscrete)
    evaluator.EvaluateDiscreteField(stream, 1.0);
}

}  // namespace

void aif_InitialConditions::WriteTemperature(utl_Stream& stream) const {
  nex_canDynamicCastRef<const kpfC_Temperature>(*field_, kInitialScalarFile, __LINE__);
  WriteHeader(stream);
  if (field_->Distribution() == kInitialUniform) {
    stream << regionName_;
    aif_WritePredefinedFieldValues(stream, temperatureValueCount_, evaluator_->FieldMagnitudes());
    return;
  }
  WriteInitialFieldNodeLines(stream, *evaluator_, field_->Distribution(), "temperature");
}

void aif_InitialConditions::WriteField(utl_Stream& stream) const {
  const auto& general =
      nex_canDynamicCastRef<const kpfC_GeneralField>(*field_, kInitialScalarFile, __LINE__);
  WriteHeader(stream);
  if (general.Distribution() != kInitialUniform) return;
  cow_List<double> values;
  for (const mdl_PropAttr<double>& value : general.ConstGetState(stateStepName_).Magnitudes())
    values.Append(value.Value());
  stream << regionName_;
  aif_WritePredefinedFieldValues(stream, fieldValueCount_, values);
}

void aif_InitialConditions::WriteSaturation(utl_Stream& stream) const {
  const auto& saturation =
      nex_canDynamicCastRef<const kpfC_Saturation>(*field_, kInitialScalarFile, __LINE__);
  WriteHeader(stream);
  // The evaluator's magnitude of a saturation is its value: the node lines
  // carry value x the node's share once, with no further factor.
  if (saturation.Distribution() == kInitialUniform) {
    stream << regionName_ << ", " << saturation.Value();
    stream.LineBreak();
    return;
  }
  WriteInitialFieldNodeLines(stream, *evaluator_, saturation.Distribution(), "saturation");
}

void aif_InitialConditions::WriteRatio(utl_Stream& stream) const {
  WriteHeader(stream);
  const auto& ratio =
      nex_canDynamicCastRef<const kpfC_VoidsRatio>(*field_, kInitialScalarFile, __LINE__);
  if (IsEvaluatedRatio(ratio))
    WriteEvaluatedRatioValues(stream, "void ratio", cow_String());
  else if (ratio.Distribution() == kInitialUniform)
    WriteUniformRatio(stream, regionName_, ratio);
}

void aif_InitialConditions::WritePorePressure(utl_Stream& stream) const {
  WriteHeader(stream);
  const auto& pressure =
      nex_canDynamicCastRef<const kpfC_PorePressure>(*field_, kInitialScalarFile, __LINE__);
  if (IsEvaluatedRatio(pressure))
    WriteEvaluatedRatioValues(stream, "pore pressure", cow_String());
  else if (pressure.Distribution() == kInitialUniform)
    WriteUniformRatio(stream, regionName_, pressure);
}

void aif_InitialConditions::WriteEvaluatedRatioValues(utl_Stream& stream,
                                                      const cow_String& quantity,
                                                      const cow_String& objectName) const {
  const auto& ratio =
      nex_canDynamicCastRef<const kpfC_RatioBase>(*field_, kInitialScalarFile, __LINE__);
  const cow_String fieldName = ratio.DistributionFieldName();
  const std::string kind = quantity.Str();
  // The message names the object given, else the field.
  aif_FieldSubject subject{kind.c_str(), objectName.IsEmpty() ? ratio.Name() : objectName,
                           "predefined field"};
  aif_FieldWalk walk;
  bool evaluated = false;
  if (ratio.Distribution() == kInitialDiscrete) {
    evaluated = walk.EvaluateDiscreteNodes(Info(), ratio.Region(), fieldName, 1, subject);
  } else {
    subject.report = [&](const aif_FieldFailure& failure) {
      if (failure.kind == aif_FieldFailure::kOtherKind)
        nex_Exception::Throw(
            aif_Exception(atr_Translate("Undefined Predefined Field type for Analytical/Discrete "
                                        "Field output.")),
            kInitialScalarFile, __LINE__);
      aif_ReportPredefinedFieldFailure(subject, fieldName, failure);
    };
    evaluated = walk.EvaluateNodes(Info(), ratio.Region(), fieldName, subject);
  }
  if (!evaluated) return;
  const double value = ratio.Value();
  for (const aif_FieldWalk::Instance& instance : walk.Instances())
    for (std::size_t i = 0; i < instance.ids.Length(); ++i) {
      aif_FieldWalk::WriteReference(stream, instance, i);
      stream << ", " << value * instance.values[i];
      WriteRatioVariation(stream, ratio);
      stream.LineBreak();
    }
}
