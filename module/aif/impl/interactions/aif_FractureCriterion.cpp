#include "aif/impl/interactions/aif_FractureCriterion.h"

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kmaC_MaterialTable.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

namespace {

constexpr const char* kFractureCriterionFile =
    "module/aif/impl/interactions/aif_FractureCriterion.cpp";

// The word of code `code` in `words`; "" for a code out of range.
template <int N>
const char* FractureCriterionWord(const char* const (&words)[N], int code) {
  return code >= 0 && code < N ? words[code] : "";
}

constexpr const char* kFractureCriterionTypes[] = {"VCCT", "CRITICAL STRESS", "COD", "CRACK LENGTH",
                                                   "FATIGUE"};
constexpr const char* kFractureCriterionMixedModes[] = {"BK", "POWER", "REEDER"};
constexpr const char* kFractureCriterionDirections[] = {"MTS", "1", "2"};

}  // namespace

aif_FractureCriterion::aif_FractureCriterion(const cow_COW<kinC_InteractionProperty>& property,
                                             const aif_ModelInfo& modelInfo)
    : property_(property), modelInfo_(&modelInfo) {}

void aif_FractureCriterion::Write(utl_Stream& stream) const {
  if (property_.IsNull() || property_->DynTypeId() != kinC_ContactProperty::TypeId()) return;
  const kinC_FractureCriterion& criterion = nex_canDynamicCastRef<const kinC_ContactProperty>(
                                                *property_, kFractureCriterionFile, __LINE__)
                                                .Get<kinC_FractureCriterion>();
  stream << "*Fracture Criterion, type="
         << FractureCriterionWord(kFractureCriterionTypes, criterion.type);
  if (criterion.type == 0 || criterion.type == 4)
    stream << ", mixed mode behavior="
           << FractureCriterionWord(kFractureCriterionMixedModes, criterion.mixedModeBehavior);
  stream << ", normal direction="
         << FractureCriterionWord(kFractureCriterionDirections, criterion.normalDirection);
  if (criterion.dependencies > 0) aif_Option(stream) << "dependencies=" << criterion.dependencies;
  if (criterion.tolerance != 0.2) stream << ", tolerance=" << criterion.tolerance;
  if (criterion.viscosity != 0.0) stream << ", viscosity=" << criterion.viscosity;
  stream.LineBreak();
  aif_WriteFrameTable(stream, kmaC_MaterialTable(criterion.table), criterion.dependencies,
                      criterion.temperatureDependency);
}
