#include "aif/impl/sections/aif_GeometryThicknessStep.h"

#include <string>
#include <unordered_set>

#include "AttributesIntObj/asoK_Assembly.h"
#include "AttributesIntObj/asoK_InstanceNames.h"
#include "MSVCR90/rt_Runtime.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/mgt_Thickness.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnF_IndexLabels.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionIds.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_DiscreteFieldRecords.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_PartAttributesState.h"

namespace {

// The mesh services' answers for `regions`: mesh indices `ids` with one value
// each in `values`, and by the region queries the instances the rows belong
// to (`owners`, unique ids per instance).
void GeometryRows(const aif_ModelInfo& info, const aif_InstanceScope& scope,
                  const cow_List<rgnC_Region>& regions, bool offsets, bool usable,
                  const mgt_ThicknessDataEvaluator& data, cow_List<int>& ids,
                  cow_List<double>& values, cow_Map<int, cow_List<int>>& owners) {
  const cow_String& model = info.Model().Name();
  const asoF_PartInstance& instance = *scope.instance;
  const ptoK_Part& part = instance.ConstGetPart();
  for (const rgnC_Region& region : regions) {
    const rgnK_Region kernel(info.Assembly(), model, region);
    cow_Map<int, cow_List<int>> regionIds;
    if (offsets) {
      kernel.GetElementIds(regionIds, nullptr, scope.id, usable, true);
      if (instance.IsLightweight())
        mgt_GetElemOffset(part, cow_String(), model, region, data, ids, values);
      else
        mgt_GetElemOffset(info.Assembly(), instance, model, {region}, data, ids, values);
    } else {
      if (instance.IsLightweight())
        mgt_GetNodalThickness(part, cow_String(), model, region, data, ids, values);
      else
        mgt_GetNodalThickness(info.Assembly(), instance, model, {region}, data, ids, values);
      kernel.GetNodeIds(regionIds, scope.id, usable, false, true);
    }
    for (const auto& [id, members] : regionIds)
      owners.Modify(id).Append(members);
  }
  rgnK_GetUniqueIds(owners);
}

// The part's name as a distribution name built from it carries it: without
// its double quotes, since a quote can only enclose a whole name (a part
// `Part"1` gives Offset_Part1_2, which every keyword then writes whole).
std::string InName(const cow_String& part) {
  std::string text = part.Str();
  std::erase(text, '"');
  return text;
}

}  // namespace

cow_String aif_GeometryThicknessStep::AddNodalThickness(const aif_InstanceScope& scope,
                                                        const cow_List<rgnC_Region>& regions,
                                                        const mgt_ThicknessDataEvaluator& data) {
  return Add(scope, regions, 0, ++state_.geometryDistributions, data);
}

cow_String aif_GeometryThicknessStep::AddOffset(const aif_InstanceScope& scope,
                                                const cow_List<rgnC_Region>& regions,
                                                const mgt_ThicknessDataEvaluator& data) {
  return Add(scope, regions, 1, ++state_.geometryDistributions, data);
}

cow_String aif_GeometryThicknessStep::Add(const aif_InstanceScope& scope,
                                          const cow_List<rgnC_Region>& regions, int kind,
                                          int number, const mgt_ThicknessDataEvaluator& data) {
  aif_ModelInfo& info = state_.info;
  const bool offsets = kind == 1;
  const cow_String name = aif_DiscreteFieldRecords(state_, filer_)
                              .UniqueName(cow_String(offsets ? "Offset_" : "Thickness_") +
                                          InName(scope.partName) + "_" + std::to_string(number));
  kfdC_DiscreteField field;
  field.SetLocation(offsets ? kfdC_DiscreteField::kElements : kfdC_DiscreteField::kNodes);
  field.SetComponentCount(1);
  field.SetDefaultValues({offsets ? 0.0 : 1.0});
  field.SetDescription(offsets ? "Offset determined from geometry"
                               : "Nodal thickness determined from geometry");
  const bool debug = rt_getenv("MVX_DEBUG_DISTRIBUTION") != nullptr;

  const bool usable = offsets ? info.ElementLabelsUsable() : info.NodeLabelsUsable();
  cow_List<int> ids;
  cow_List<double> values;
  cow_Map<int, cow_List<int>> owners;
  GeometryRows(info, scope, regions, offsets, usable, data, ids, values, owners);

  // Rows hold what the keywords expect: an element's label when element
  // labels are usable, else its index + 1 (the distribution adds the
  // instance's offset); a node's label as the mesh block writes it.
  if (usable) {
    if (offsets)
      rgnF_Utils::ConvertElemIndicesToLabels(*scope.mesh, ids);
    else
      rgnF_Utils::ConvertNodeIndicesToLabels(*scope.mesh, ids);
  }
  const int shift = offsets ? (usable ? 0 : 1) : scope.nodeOffset;
  const std::size_t rows = ids.Length() < values.Length() ? ids.Length() : values.Length();
  for (const auto& entry : owners) {
    kfdC_DataTable table(scope.partLevel ? cow_String()
                                         : info.FeatureName(static_cast<unsigned>(entry.first)));
    std::unordered_set<int> added;
    added.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
      const int label = ids[i] + shift;
      if (!added.insert(label).second) continue;  // the first region's value stands
      const double value = values[i];
      if (offsets && !debug && !(value > 1e-6 || value < -1e-6)) continue;
      // A node an earlier assignment of the scope gave its thickness keeps it.
      if (!offsets && !state_.nodalThicknessNodes.insert(label).second) continue;
      table.AddDomainValue(label, value);
    }
    field.AddDataTable(table);
  }

  cow_List<cow_String> targets;
  if (scope.partLevel)
    targets = asoK_GetInstanceNames(*info.Assembly(), scope.partName, info.Model().Name());
  aif_DiscreteFieldRecords records(state_, filer_);
  records.File(field,
               aif_DiscreteFieldRecords::Record(scope, name, targets,
                                                {cow_String(offsets ? "ratio" : "length")}),
               !offsets);
  return name;
}
