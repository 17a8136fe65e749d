#include "aif/impl/conditions/aif_FieldOpStatus.h"

#include <cstddef>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/conditions/aif_PredefFieldKeyword.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kFieldOpStatusFile[] = "module/aif/impl/conditions/aif_FieldOpStatus.cpp";

// The field kinds by category: the kind at index k has category k.
constexpr unsigned kFieldOpStatusKinds[aif_FieldOpStatus::kCategoryCount] = {
    kpfC_Temperature::kTypeId,        kpfC_PressureStress::kTypeId,
    kpfC_MassFlowRate::kTypeId,       kpfC_GeneralField::kTypeId,
    kpfC_Velocity::kTypeId,           kpfC_Stress::kTypeId,
    kpfC_Hardening::kTypeId,          kpfC_OtherField::kTypeId,
    kpfC_MaterialAssignment::kTypeId, kpfC_FluidThermalEnergy::kTypeId,
    kpfC_FluidTurbulence::kTypeId,    kpfC_FluidVelocity::kTypeId,
    kpfC_FluidDensity::kTypeId,       kpfC_StressGeo::kTypeId,
    kpfC_Saturation::kTypeId,         kpfC_VoidsRatio::kTypeId,
    kpfC_PorePressure::kTypeId};

// Fields that are no predefined field kind: the plain field and the initial
// state, which no category stands for.
bool FieldOpStatusIgnored(unsigned typeId) {
  return typeId == kpfC_Field::kTypeId || typeId == kpfC_InitialState::kTypeId;
}

}  // namespace

int aif_FieldOpStatus::StatusKey(unsigned typeId, bool& /*flag*/) const {
  for (int category = 0; category < kCategoryCount; ++category)
    if (kFieldOpStatusKinds[category] == typeId) return category;
  nex_Exception::Throw(aif_Exception(atr_Translate("Unimplemented field->statusKey conversion")),
                       kFieldOpStatusFile, __LINE__);
}

void aif_FieldOpStatus::BuildFieldOpStatus(const kprC_PropagatingContainer<kpfC_Field>& fields,
                                           const cow_List<cow_String>& steps) {
  InitializeSteps(steps, kCategoryCount);
  for (std::size_t index = 1; index < steps.Length(); ++index) {
    for (const auto& entry : fields.ConstGetMap()) {
      const kpfC_Field& field = *entry.second;
      if (field.Inactive() != 0 || FieldOpStatusIgnored(field.DynTypeId())) continue;
      if (!aif_IsPredefFieldRemoved(field.Status(steps[index]))) continue;
      bool flag = false;
      MarkCategory(StatusKey(field.DynTypeId(), flag), static_cast<int>(index));
    }
  }
}
