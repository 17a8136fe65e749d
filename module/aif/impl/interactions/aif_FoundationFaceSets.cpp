#include "aif/impl/interactions/aif_FoundationFaceSets.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ModKerLow/rgnK_Region.h"
#include "VwrModKer/ftr_FeatureList.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/model/aif_SetLabelWriter.h"

aif_FoundationFaceSets::aif_FoundationFaceSets(const aif_ModelInfo& info, const rgnC_Region& region,
                                               cow_String surfaceName, cow_String name)
    : info_(&info), region_(region), surfaceName_(std::move(surfaceName)), name_(std::move(name)) {}

cow_String aif_FoundationFaceSets::AssemblyName(const rgnC_Region& region) {
  const cow_List<cow_String>& owners = region.OwnerNames();
  std::string composed = region.Name().Str();
  if (owners.Length() >= 2) composed = owners[owners.Length() - 1].Str() + "_" + composed;
  // The set names are made from it component by component: a "." would
  // split it.
  std::replace(composed.begin(), composed.end(), '.', '_');
  return aif_PrintableName(cow_String(composed));
}

void aif_FoundationFaceSets::Write(utl_Stream& stream) const {
  aif_SetLabelWriter::LabelsById labels;
  aif_SetLabelWriter::FacesById faces;
  const rgnK_Region region(info_->Assembly(), info_->ModelName(), region_);
  region.GetElementIds(labels, &faces, static_cast<int>(ftr_kAssemblyId),
                       info_->ElementLabelsUsable(), true);

  // The faces the instance's surface wrote sets for, when it wrote any.
  aif_SetNameRegistry& registry = aif_SetNameRegistry::Instance();
  if (const cow_Map<cow_String, cow_String>* written = registry.SurfaceFaceSets(surfaceName_)) {
    aif_SetLabelWriter::LabelsById keptLabels;
    aif_SetLabelWriter::FacesById keptFaces;
    for (const auto& [id, list] : faces) {
      const cow_List<int>* members = labels.Find(id);
      const std::size_t n = members ? std::min(list.Length(), members->Length()) : 0;
      for (std::size_t i = 0; i < n; ++i) {
        if (!written->Find(list[i])) continue;
        keptFaces.Modify(id).Append(list[i]);
        keptLabels.Modify(id).Append((*members)[i]);
      }
    }
    labels = std::move(keptLabels);
    faces = std::move(keptFaces);
  }
  aif_SetLabelWriter writer;
  writer.SetInstanceOption(true);
  registry.RecordSurfaceFaceSets(
      name_, writer.WriteInternalFaceSets(stream, faces, labels, name_, cow_String(), *info_));
}
