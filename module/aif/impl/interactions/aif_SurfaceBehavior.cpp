#include "aif/impl/interactions/aif_SurfaceBehavior.h"

#include <cfloat>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_DataLineTable.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr const char* kSurfaceBehaviorFile = "module/aif/impl/interactions/aif_SurfaceBehavior.cpp";

enum SurfaceBehaviorRelation { kSbHard = 0, kSbExponential, kSbLinear, kSbTabular, kSbScaleFactor };
enum SurfaceBehaviorMethod { kSbDefault = 0, kSbAugmentedLagrange, kSbPenalty, kSbDirect };

constexpr double kSbNonlinearDefaults[3] = {0.03, 0.01, 0.33333};

bool SurfaceBehaviorExponentialFits(const kinC_NormalBehavior& normal) {
  return normal.exponentialTable.Rows() >= 2 && normal.exponentialTable.Columns() >= 2;
}

// The normal behaviour that writes an exponential data line.
bool SurfaceBehaviorReadsExponential(const kinC_NormalBehavior& normal) {
  return normal.constraintEnforcementMethod == kSbDefault &&
         normal.pressureOverclosure == kSbExponential;
}

// `value` followed by ", ", or ", " alone when the value is the default.
void WriteSurfaceBehaviorPosition(utl_Stream& stream, double value, double fallback) {
  if (value != fallback) stream << value;
  stream << ", ";
}

}  // namespace

aif_SurfaceBehavior::aif_SurfaceBehavior(const cow_COW<kinC_InteractionProperty>& property,
                                         const aif_ModelInfo& modelInfo)
    : property_(property), modelInfo_(&modelInfo) {}

void aif_SurfaceBehavior::CheckTables(const cow_String& name,
                                      const kinC_InteractionProperty& property) {
  const auto* contact = dynamic_cast<const kinC_ContactProperty*>(&property);
  if (!contact || contact->Holds<kinC_FractureCriterion>()) return;
  const kinC_NormalBehavior* normal = contact->Find<kinC_NormalBehavior>();
  if (!normal || !SurfaceBehaviorReadsExponential(*normal) ||
      SurfaceBehaviorExponentialFits(*normal))
    return;
  nex_Exception::Throw(
      aif_Exception(atr_TranslateWithArg(
          "The exponential pressure-overclosure relation of interaction property %s needs two "
          "rows of pressure and overclosure.",
          name)),
      kSurfaceBehaviorFile, __LINE__);
}

void aif_SurfaceBehavior::Write(utl_Stream& stream) const {
  if (property_.IsNull() || property_->DynTypeId() != kinC_ContactProperty::TypeId()) return;
  const auto& contact =
      nex_canDynamicCastRef<const kinC_ContactProperty>(*property_, kSurfaceBehaviorFile, __LINE__);
  if (contact.Holds<kinC_FractureCriterion>()) {
    stream << "*Surface Behavior";
    stream.LineBreak();
    return;
  }
  const kinC_NormalBehavior& normal = contact.Get<kinC_NormalBehavior>();
  if (SurfaceBehaviorReadsExponential(normal) && !SurfaceBehaviorExponentialFits(normal))
    nex_Exception::Throw(
        nex_AssertException("\"Exponential table checked before *Surface Behavior\" == 0"),
        kSurfaceBehaviorFile, __LINE__);
  WriteKeywordLine(stream, normal);
  if (normal.constraintEnforcementMethod == kSbDefault)
    WriteRelationData(stream, normal);
  else
    WriteMethodData(stream, normal);
}

void aif_SurfaceBehavior::WriteKeywordLine(utl_Stream& stream,
                                           const kinC_NormalBehavior& normal) const {
  stream << "*Surface Behavior";
  if (normal.pressureOverclosure == kSbHard && !normal.allowSeparation) stream << ", no separation";
  switch (normal.constraintEnforcementMethod) {
    case kSbAugmentedLagrange:
      stream << ", augmented Lagrange";
      break;
    case kSbDirect:
      stream << ", direct";
      break;
    case kSbPenalty:
      stream << (normal.penaltyKind == 0 ? ", penalty" : ", penalty=NONLINEAR");
      break;
    default:
      switch (normal.pressureOverclosure) {
        case kSbHard:
          stream << ", pressure-overclosure=HARD";
          break;
        case kSbExponential:
          stream << ", pressure-overclosure=EXPONENTIAL";
          break;
        case kSbLinear:
          stream << ", pressure-overclosure=LINEAR";
          break;
        case kSbTabular:
          stream << ", pressure-overclosure=TABULAR";
          break;
        case kSbScaleFactor:
          stream << ", pressure-overclosure=SCALE FACTOR";
          break;
        default:
          break;
      }
  }
  stream.LineBreak();
}

void aif_SurfaceBehavior::WriteMethodData(utl_Stream& stream,
                                          const kinC_NormalBehavior& normal) const {
  const int method = normal.constraintEnforcementMethod;
  const bool stiffness = normal.contactStiffness != 0.0;
  const bool clearance = normal.clearance != 0.0;
  const bool scale = normal.stiffnessScaleFactor != 1.0;
  if (method == kSbAugmentedLagrange || (method == kSbPenalty && normal.penaltyKind == 0)) {
    if (!stiffness && !clearance && !scale) return;
    if (stiffness) stream << normal.contactStiffness;
    if (clearance || scale) {
      stream << ", ";
      if (clearance) stream << normal.clearance;
      if (scale) stream << ", " << normal.stiffnessScaleFactor;
    }
    stream.LineBreak();
    return;
  }
  if (method != kSbPenalty) return;
  // Nonlinear penalty: six positions, each empty at its default.
  bool parameters = false;
  for (int i = 0; i < 3; ++i)
    parameters = parameters || normal.nonlinearParameters[i] != kSbNonlinearDefaults[i];
  if (!stiffness && !clearance && !scale && !parameters) return;
  WriteSurfaceBehaviorPosition(stream, normal.contactStiffness, 0.0);
  WriteSurfaceBehaviorPosition(stream, normal.clearance, 0.0);
  WriteSurfaceBehaviorPosition(stream, normal.stiffnessScaleFactor, 1.0);
  WriteSurfaceBehaviorPosition(stream, normal.nonlinearParameters[0], kSbNonlinearDefaults[0]);
  WriteSurfaceBehaviorPosition(stream, normal.nonlinearParameters[1], kSbNonlinearDefaults[1]);
  if (normal.nonlinearParameters[2] != kSbNonlinearDefaults[2])
    stream << normal.nonlinearParameters[2];
  stream.LineBreak();
}

void aif_SurfaceBehavior::WriteRelationData(utl_Stream& stream,
                                            const kinC_NormalBehavior& normal) const {
  switch (normal.pressureOverclosure) {
    case kSbExponential:
      // The second row's overclosure, then the first row's pressure.
      stream << normal.exponentialTable(1, 1) << ", " << normal.exponentialTable(0, 0);
      if (modelInfo_->AnalysisProduct() == 1 && normal.maxStiffness != DBL_MAX)
        stream << ", " << normal.maxStiffness;
      stream.LineBreak();
      break;
    case kSbLinear:
      stream << normal.contactStiffness << ", ";
      stream.LineBreak();
      break;
    case kSbTabular:
      stream << aif_DataLineTable(normal.pressureOverclosureTable, 0, 0);
      break;
    case kSbScaleFactor:
      if (normal.scaleFactorValue1 > 0.0) stream << normal.scaleFactorValue1;
      stream << ", ";
      if (normal.scaleFactorValue2 > 0.0) stream << normal.scaleFactorValue2;
      stream << ", " << normal.stiffnessScaleFactor << ", ";
      if (normal.scaleFactorValue4 != 1.0) stream << normal.scaleFactorValue4;
      stream.LineBreak();
      break;
    default:
      break;
  }
}
