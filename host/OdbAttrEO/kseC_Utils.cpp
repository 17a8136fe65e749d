#include "OdbAttrEO/kseC_Utils.h"

#include <cfloat>
#include <string>

#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"

namespace {

template <class Section>
bool Named(const kseC_Section& section, cow_String& material) {
  const auto* s = dynamic_cast<const Section*>(&section);
  if (s) material = s->material;
  return s != nullptr;
}

void Plies(const cow_List<kseC_Layer>& layers, cow_String& material) {
  std::string text;
  for (const kseC_Layer& layer : layers)
    text += (text.empty() ? "" : ", ") + layer.material.Str();
  material = cow_String(std::move(text));
}

}  // namespace

void kseC_Utils::GetMaterialName(const kseC_Section& section, cow_String& material) {
  material = cow_String();
  if (const auto* composite = dynamic_cast<const kseC_CompositeSolidSection*>(&section))
    return Plies(composite->layers, material);
  if (const auto* composite = dynamic_cast<const kseC_CompositeShellSection*>(&section))
    return Plies(composite->layers, material);
  if (const auto* beam = dynamic_cast<const kseC_BeamSection*>(&section)) {
    material = beam->materialName;
    return;
  }
  (void)(Named<kseC_HomogenousSolidSection>(section, material) ||
         Named<kseC_HomogenousShellSection>(section, material) ||
         Named<kseC_TrussSection>(section, material) ||
         Named<kseC_HomogenousFluidSection>(section, material) ||
         Named<kseC_MembraneSection>(section, material) ||
         Named<kseC_CohesiveSection>(section, material) ||
         Named<kseC_GasketSection>(section, material) ||
         Named<kseC_PEGSection>(section, material) ||
         Named<kseC_AcousticInfiniteSection>(section, material));
}

bool kseC_Utils::IsConnectorSectionEmpty(const kseC_ConnectorSection& section) {
  return section.BehaviorOptions().IsEmpty() && IsConnectorConstitutiveReferencesSetDefault(section);
}

bool kseC_Utils::IsConnectorConstitutiveReferencesSetDefault(const kseC_ConnectorSection& section) {
  for (double value : section.ConstitutiveReferences())
    if (value != DBL_MAX) return false;
  return true;
}
