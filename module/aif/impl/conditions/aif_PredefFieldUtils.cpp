#include "aif/impl/conditions/aif_PredefFieldUtils.h"

#include <cstddef>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/loads/aif_FieldWalk.h"

namespace {

constexpr const char* kPredefFieldFile = "module/aif/impl/conditions/aif_PredefFieldUtils.cpp";

// Values a node line holds: seven after the label, eight on further lines.
constexpr int kPredefLineColumns = 8;

// Writes a line per node of `walk`: the node's name, then each magnitude x
// the node's value x `scale`. One list of values serves every node.
void WritePredefNodeLines(utl_Stream& stream, const aif_FieldWalk& walk,
                          const cow_List<double>& magnitudes, double scale, int valueCount) {
  cow_List<double> values = magnitudes;
  for (const aif_FieldWalk::Instance& instance : walk.Instances())
    for (std::size_t i = 0; i < instance.ids.Length(); ++i) {
      const double factor = instance.values[i] * scale;
      for (std::size_t k = 0; k < magnitudes.Length(); ++k)
        values.Modify(k) = magnitudes[k] * factor;
      aif_FieldWalk::WriteReference(stream, instance, i);
      aif_WritePredefinedFieldValues(stream, valueCount, values);
    }
}

}  // namespace

aif_PredefFieldUtils::aif_PredefFieldUtils(const kpfC_Field& field, const cow_String& stepName,
                                           const akw_ModelInfo& info, int valueCount)
    : field_(field),
      stepName_(stepName),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kPredefFieldFile, __LINE__)),
      valueCount_(valueCount) {}

cow_List<double> aif_PredefFieldUtils::FieldMagnitudes() const {
  cow_List<double> magnitudes;
  const kpfC_Field& field = *field_;
  if (field.DynTypeId() == kpfC_Temperature::TypeId()) {
    const auto& general =
        nex_canDynamicCastRef<const kpfC_GeneralFieldBase>(field, kPredefFieldFile, __LINE__);
    for (const mdl_PropAttr<double>& magnitude : general.ConstGetState(stepName_).Magnitudes())
      magnitudes.Append(magnitude.Value());
    const int variation = general.Variation();
    if (variation != 1 && variation != 2 && !magnitudes.IsEmpty()) {
      const double last = magnitudes[magnitudes.Length() - 1];
      while (magnitudes.Length() < static_cast<std::size_t>(valueCount_ > 0 ? valueCount_ : 0))
        magnitudes.Append(last);
    }
  } else if (field.DynTypeId() == kpfC_Saturation::TypeId()) {
    magnitudes.Append(
        nex_canDynamicCastRef<const kpfC_Saturation>(field, kPredefFieldFile, __LINE__).Value());
  }
  return magnitudes;
}

void aif_PredefFieldUtils::EvaluatePredefinedField(utl_Stream& stream, double scale,
                                                   const cow_String& kindText,
                                                   const cow_String& objectName) const {
  const cow_String fieldName = field_->DistributionFieldName();
  const std::string kind = kindText.Str();
  aif_FieldSubject subject{kind.c_str(), objectName, "predefined field"};
  subject.report = [&](const aif_FieldFailure& failure) {
    aif_ReportPredefinedFieldFailure(subject, fieldName, failure);
  };
  aif_FieldWalk walk;
  if (!walk.EvaluateNodes(info_, field_->Region(), fieldName, subject)) return;
  WritePredefNodeLines(stream, walk, FieldMagnitudes(), scale, valueCount_);
}

void aif_PredefFieldUtils::EvaluateDiscreteField(utl_Stream& stream, double scale) const {
  const aif_FieldSubject subject{"predefined field", field_->Name(), "predefined field"};
  aif_FieldWalk walk;
  if (!walk.EvaluateDiscreteNodes(info_, field_->Region(), field_->DistributionFieldName(), 1,
                                  subject))
    return;
  WritePredefNodeLines(stream, walk, FieldMagnitudes(), scale, valueCount_);
}

void aif_WritePredefinedFieldValues(utl_Stream& stream, int valueCount,
                                    const cow_List<double>& values) {
  const std::size_t n = values.Length();
  if (n != 0) stream << ", ";
  int column = 1;  // the label fills column 0
  int lines = 0;
  bool lineEnded = false;
  for (std::size_t i = 0; i < n; ++i) {
    stream << values[i];
    if (i + 1 < n) stream << ", ";
    lineEnded = false;
    if (++column == kPredefLineColumns) {
      stream.LineBreak();
      ++lines;
      column = 0;
      lineEnded = true;
    }
  }
  if (n == 0 || !lineEnded) {
    stream.LineBreak();
    ++lines;
  }
  const int wanted = aif_CeilDivide(valueCount + 1, kPredefLineColumns);
  for (; lines < wanted; ++lines)
    stream.LineBreak();
}

void aif_ReportPredefinedFieldFailure(const aif_FieldSubject& subject, const cow_String& fieldName,
                                      const aif_FieldFailure& failure) {
  if (failure.kind == aif_FieldFailure::kUnmeshed) return;  // nothing to evaluate
  const aif_FieldSubject plain{subject.kind, subject.name, subject.missing};
  // A mapping's own text leads the one message.
  const cow_String prefix =
      failure.kind == aif_FieldFailure::kMapping ? failure.mappingError : cow_String();
  ajbC_CheckingMessages::Instance().Messages().Append(
      atr_String(prefix + aif_FieldWalk::FailureText(plain, fieldName)));
}

int aif_CeilDivide(int a, int b) {
  if (b == 0) return 0;
  return a / b + (a % b != 0 ? 1 : 0);
}
