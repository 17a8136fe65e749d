#include "aif/impl/interactions/aif_InteractionOpStatus.h"

#include <cstddef>

#include "OdbAttrEO/kinC_AcousticImpedance.h"
#include "OdbAttrEO/kinC_FilmCondition.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kinC_IncidentWave.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kinC_PressurePenetration.h"
#include "OdbAttrEO/kinC_RadiationCondition.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

constexpr char kInteractionOpStatusFile[] =
    "module/aif/impl/interactions/aif_InteractionOpStatus.cpp";

}  // namespace

int aif_InteractionOpStatus::StatusKey(unsigned typeId, bool& flag) const {
  if (typeId == kinC_FilmCondition::TypeId()) return flag ? 7 : 0;
  if (typeId == kinC_RadiationToAmbient::TypeId()) return 1;
  if (typeId == kinC_ContactExp::TypeId()) return 2;
  if (typeId == kinC_ConcFilmCondition::TypeId()) return 3;
  if (typeId == kinC_ConcRadiationToAmbient::TypeId()) return 4;
  if (typeId == kinC_AcousticImpedance::TypeId()) return 5;
  if (typeId == kinC_IncidentWave::TypeId()) return 6;
  if (typeId == kinC_PressurePenetration::TypeId()) return 8;
  nex_Exception::Throw(
      nex_AssertException("\"Unimplemented interaction->statusKey conversion\" == 0"),
      kInteractionOpStatusFile, __LINE__);
}

bool aif_InteractionOpStatus::IsStepDependent(unsigned typeId) {
  return typeId == kinC_FilmCondition::TypeId() || typeId == kinC_RadiationToAmbient::TypeId() ||
         typeId == kinC_ContactExp::TypeId() || typeId == kinC_ConcFilmCondition::TypeId() ||
         typeId == kinC_ConcRadiationToAmbient::TypeId() ||
         typeId == kinC_AcousticImpedance::TypeId() || typeId == kinC_IncidentWave::TypeId() ||
         typeId == kinC_PressurePenetration::TypeId();
}

bool aif_InteractionOpStatus::UsesAnalyticalFilm(const kinC_Interaction& interaction) {
  const auto* film = dynamic_cast<const kinC_FilmCondition*>(&interaction);
  return film && film->FilmCoefficientDefinition() == 3;
}

void aif_InteractionOpStatus::Build(const kprC_PropagatingContainer<kinC_Interaction>& interactions,
                                    const cow_List<cow_String>& steps) {
  InitializeSteps(steps, kCategoryCount);
  for (std::size_t index = 0; index < steps.Length(); ++index) {
    for (const auto& entry : interactions.ConstGetMap()) {
      const kinC_Interaction& interaction = *entry.second;
      const unsigned typeId = interaction.DynTypeId();
      if (interaction.Suppressed() || !IsStepDependent(typeId)) continue;
      if (interaction.GetPropStatus(steps[index]) != 4) continue;
      if (typeId == kinC_AcousticImpedance::TypeId() && index == 0) continue;
      bool flag = UsesAnalyticalFilm(interaction);
      MarkCategory(StatusKey(typeId, flag), static_cast<int>(index));
    }
  }
}

bool aif_InteractionOpStatus::NeedsNewOp(const kinC_Interaction& interaction,
                                         const cow_String& step) const {
  bool flag = UsesAnalyticalFilm(interaction);
  return CategoryNeedsNewOp(StatusKey(interaction.DynTypeId(), flag), step);
}
