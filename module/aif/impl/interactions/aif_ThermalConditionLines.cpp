#include "aif/impl/interactions/aif_ThermalConditionLines.h"

#include <cstddef>
#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kinC_FilmCondition.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

// The message of `factor`'s failure, its field named as the kind it is.
cow_String ThermalFailureFormat(const aif_ThermalFactor& factor) {
  std::string format = factor.message;
  if (factor.kind == aif_ThermalFactor::kDiscrete) {
    const std::string analytical = "analytical field";
    const std::size_t at = format.find(analytical);
    if (at != std::string::npos) format.replace(at, analytical.size(), "discrete field");
  }
  return cow_String(format.c_str());
}

// Evaluates `factor` into `walk`; true when there is nothing to evaluate.
bool EvaluateThermalFactor(aif_FieldWalk& walk, const aif_ModelInfo& info,
                           const rgnC_Region& region, aif_ThermalConditionLines::Members members,
                           const cow_String& conditionName, const aif_ThermalFactor& factor) {
  if (factor.kind == aif_ThermalFactor::kNone) return true;
  aif_FieldSubject subject;
  subject.name = conditionName;
  subject.report = [&](const aif_FieldFailure& failure) {
    if (failure.kind == aif_FieldFailure::kUnmeshed) return;  // nothing to evaluate
    const cow_String lead =
        failure.kind == aif_FieldFailure::kMapping ? failure.mappingError : cow_String();
    ajbC_CheckingMessages::Instance().Messages().Append(
        atr_String(lead + atr_TranslateFormat3(ThermalFailureFormat(factor), conditionName,
                                               factor.fieldName, cow_String())));
  };
  // Lines name only members the file holds.
  walk.LeaveOutUnwrittenMeshes();
  const bool faces = members == aif_ThermalConditionLines::kFaces;
  if (factor.kind == aif_ThermalFactor::kDiscrete) {
    walk.SetUntabledValue(1.0);
    return faces ? walk.EvaluateDiscreteFaces(info, region, factor.fieldName, 1, subject)
                 : walk.EvaluateDiscreteNodes(info, region, factor.fieldName, 1, subject);
  }
  return faces ? walk.EvaluateElements(info, region, factor.fieldName, 1002, subject)
               : walk.EvaluateNodes(info, region, factor.fieldName, subject);
}

}  // namespace

bool aif_ThermalConditionLines::Evaluate(const aif_ModelInfo& info, const rgnC_Region& region,
                                         Members members, const cow_String& conditionName,
                                         const aif_ThermalFactor& coefficient,
                                         const aif_ThermalFactor& sink) {
  coefficientUsed_ = coefficient.kind != aif_ThermalFactor::kNone;
  sinkUsed_ = sink.kind != aif_ThermalFactor::kNone;
  // Two analytical fields read the coordinates or centroids of one fetch.
  cow_Map<int, cow_2DArray<double>> points;
  const bool share = coefficient.kind == aif_ThermalFactor::kAnalytical &&
                     sink.kind == aif_ThermalFactor::kAnalytical;
  coefficient_.SharePoints(share ? &points : nullptr);
  sink_.SharePoints(share ? &points : nullptr);
  const bool evaluated =
      EvaluateThermalFactor(coefficient_, info, region, members, conditionName, coefficient) &&
      EvaluateThermalFactor(sink_, info, region, members, conditionName, sink);
  coefficient_.SharePoints(nullptr);
  sink_.SharePoints(nullptr);
  if (!evaluated) {
    coefficientUsed_ = sinkUsed_ = false;
    return false;
  }
  return coefficientUsed_ || sinkUsed_;
}

void aif_ThermalConditionLines::Write(utl_Stream& stream, const aif_ThermalLine& line) const {
  if (!coefficientUsed_ && !sinkUsed_) return;
  // The members come from the first field used; an instance the other field
  // left out (no points for an expression) is left out too. Both walks list
  // the instances by rising id, with the same members in the same order.
  const aif_FieldWalk& lead = coefficientUsed_ ? coefficient_ : sink_;
  const aif_FieldWalk* other = coefficientUsed_ && sinkUsed_ ? &sink_ : nullptr;
  std::size_t next = 0;
  for (const aif_FieldWalk::Instance& instance : lead.Instances()) {
    const aif_FieldWalk::Instance* paired = nullptr;
    if (other) {
      const auto& others = other->Instances();
      while (next < others.size() && others[next].id < instance.id)
        ++next;
      if (next == others.size() || others[next].id != instance.id) continue;
      paired = &others[next];
    }
    const aif_FieldWalk::Instance* coefficients = coefficientUsed_ ? &instance : nullptr;
    const aif_FieldWalk::Instance* sinks = coefficientUsed_ ? paired : &instance;
    for (std::size_t i = 0; i < instance.ids.Length(); ++i) {
      aif_FieldWalk::WriteReference(stream, instance, i);
      if (*line.faceLetter) {
        // "S3" gives "3": the face name without its first character.
        // A member the region names no face for has the letter alone.
        const char* face = i < instance.faces.Length() ? instance.faces[i].CStr() : "";
        stream << ", " << line.faceLetter << (*face ? face + 1 : face);
      }
      if (line.nodal) stream << ", " << line.nodalValue;
      stream << ", " << (sinks ? line.sink * sinks->values[i] : line.sink) << ", ";
      if (!line.coefficientText.IsEmpty())
        stream << line.coefficientText;
      else
        stream << (coefficients ? line.coefficient * coefficients->values[i] : line.coefficient);
      stream.LineBreak();
    }
  }
}

void aif_WriteThermalInactive(utl_Stream& stream, const char* keyword, bool keepOp) {
  stream << keyword;
  if (!keepOp) stream << ", op=NEW";
  stream.LineBreak();
}

void aif_WriteThermalAmplitude(utl_Stream& stream, const char* option, const cow_String& name) {
  if (name.IsEmpty()) return;
  aif_Option(stream) << option << akw_MorvexName(name, false);
}

void aif_WriteThermalRegionType(utl_Stream& stream, const kinC_Interaction& condition,
                                const cow_String& stepName, int regionType) {
  if (!kprC_IsExplicit(condition.ConstGetStateQuad(stepName).procedureType)) return;
  if (regionType == 1)
    aif_Option(stream) << "region type=SLIDING";
  else if (regionType == 2)
    aif_Option(stream) << "region type=EULERIAN";
}

void aif_FilmThermalFactors(const kinC_FilmCondition& condition, const char* coefficientMessage,
                            const char* sinkMessage, aif_ThermalFactor& coefficient,
                            aif_ThermalFactor& sink) {
  coefficient = aif_ThermalFactor();
  sink = aif_ThermalFactor();
  coefficient.message = coefficientMessage;
  sink.message = sinkMessage;
  if (condition.UsesField(coefficient.fieldName)) {
    const int definition = condition.FilmCoefficientDefinition();
    coefficient.kind = definition == 3   ? aif_ThermalFactor::kAnalytical
                       : definition == 4 ? aif_ThermalFactor::kDiscrete
                                         : aif_ThermalFactor::kNone;
  }
  if (condition.UsesSinkField(sink.fieldName)) {
    const int definition = condition.SinkDefinition();
    sink.kind = definition == 1   ? aif_ThermalFactor::kAnalytical
                : definition == 2 ? aif_ThermalFactor::kDiscrete
                                  : aif_ThermalFactor::kNone;
  }
}
