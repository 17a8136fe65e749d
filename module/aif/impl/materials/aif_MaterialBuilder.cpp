#include "aif/impl/materials/aif_MaterialBuilder.h"

#include <algorithm>
#include <string>

#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_IndexLabels.h"
#include "ModKerLow/rgnK_ElementCentroids.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kmaC_Material.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbAttrEO/kseC_Utils.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/materials/aif_GasketBehavior.h"
#include "aif/impl/materials/aif_Material.h"
#include "aif/impl/sections/aif_Distribution.h"
#include "aif/impl/sections/aif_DistributionTable.h"

namespace {

constexpr char kMaterialBuilderFile[] = "module/aif/impl/materials/aif_MaterialBuilder.cpp";
constexpr int kAnalyticalDensity = 1;
constexpr int kDiscreteDensity = 2;

int MaterialDensityKind(const kmaC_Material& material) {
  return material.density.IsNull() ? 0 : material.density->densityKind;
}

bool MaterialHasGasketOption(const kmaC_Material& material) {
  return !material.transShearElastic.IsNull() || !material.membraneElastic.IsNull() ||
         !material.thicknessBehavior.IsNull();
}

// The names of a composite section's material text, each trimmed of commas
// and blanks at both ends.
bool MaterialBuilderTextNames(const std::string& text, const cow_String& material) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    std::size_t b = start, e = end;
    while (b < e && (text[b] == ' ' || text[b] == ','))
      ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == ','))
      --e;
    if (text.compare(b, e - b, material.Str()) == 0) return true;
    start = end + 1;
  }
  return false;
}

// Whether `section` uses `material`.
bool MaterialBuilderSectionUses(const kseC_Section& section, const cow_String& material) {
  cow_String text;
  kseC_Utils::GetMaterialName(section, text);
  const unsigned type = section.DynTypeId();
  if (type == kseC_CompositeSolidSection::TypeId() || type == kseC_CompositeShellSection::TypeId())
    return MaterialBuilderTextNames(text.Str(), material);
  return text == material;
}

}  // namespace

void aif_MaterialBuilder::Build() {
  const aif_ModelInfo& info = static_cast<const aif_ModelInfo&>(ModelInfo());
  const aif_Model& model = info.ModelAdapter();
  const mdl_MapString2ObjCow<kmaC_Material>& materials = model.Materials();
  if (materials.Length() == 0) return;
  AddModelDefinition(aif_Comment("\nMATERIALS\n"));

  cow_List<cow_String> fieldDensities;
  for (const auto& [name, handle] : materials.ConstGetMap()) {
    const kmaC_Material& material = *handle;
    const int kind = MaterialDensityKind(material);
    if (kind == kAnalyticalDensity || kind == kDiscreteDensity) fieldDensities.Append(name);
    if (MaterialHasGasketOption(material) && UsedByGasketSection(name))
      AddModelDefinition(aif_GasketBehavior(name, material));
    else
      AddModelDefinition(
          aif_Material(name, material, model.SpecificHeatSetting(), info.IsPartBased()));
  }

  for (const cow_String& name : fieldDensities) {
    const kmaC_Material& material = materials.ConstGet(name);
    if (MaterialDensityKind(material) == kDiscreteDensity)
      RecordDiscreteDensity(material.density->fieldName);
    else
      FileAnalyticalDensity(name, material);
  }
}

bool aif_MaterialBuilder::UsedByGasketSection(const cow_String& name) const {
  const aif_Model& model = static_cast<const aif_ModelInfo&>(ModelInfo()).ModelAdapter();
  for (const auto& [sectionName, section] : model.Sections().ConstGetMap()) {
    if (section->DynTypeId() != kseC_GasketSection::TypeId()) continue;
    if (static_cast<const kseC_GasketSection&>(*section).material == name) return true;
  }
  return false;
}

void aif_MaterialBuilder::RecordDiscreteDensity(const cow_String& field) {
  akw_DiscreteField record;
  record.field = field;
  record.ownerKind = akw_DiscreteField::kModel;
  record.components.Append("DENSITY");
  cow_List<akw_DiscreteField>& uses = static_cast<aif_ModelInfo&>(ModelInfo()).DiscreteFieldUses();
  for (std::size_t i = 0; i < uses.Length(); ++i)
    if (uses[i] == record) {
      ++uses.Modify(i).useCount;
      return;
    }
  record.useCount = 1;
  uses.Append(record);
}

void aif_MaterialBuilder::FileAnalyticalDensity(const cow_String& name,
                                                const kmaC_Material& material) {
  aif_ModelInfo& info = static_cast<aif_ModelInfo&>(ModelInfo());
  const aif_Model& model = info.ModelAdapter();
  const cow_String& fieldName = material.density->fieldName;
  if (!model.AnalyticalFields().Contains(fieldName))
    throw aif_Exception("The density of material " + name + " names the analytical field " +
                        fieldName + ", which the model does not define.");
  const kfdC_AnalyticalField& field = model.AnalyticalFields().ConstGet(fieldName);
  const bool expression = field.DynTypeId() == kfdC_ExpressionField::TypeId();
  const bool mapped = field.DynTypeId() == kfdC_MappedField::TypeId();
  const kmaC_MaterialTable& densities = material.density->table;
  const double rho = densities.Rows() > 0 && densities.Columns() > 0 ? densities(0, 0) : 0.0;
  const cow_String distribution = name + "_" + fieldName;
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly) return;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  const bool labelsUsable = info.ElementLabelsUsable();

  kfdC_DiscreteField values;
  values.SetLocation(kfdC_DiscreteField::kElements);
  values.SetComponentCount(1);
  cow_List<double> defaults;
  defaults.Append(rho);
  values.SetDefaultValues(defaults);
  values.SetDescription(field.Description() + " From Analytical Field " + fieldName);
  akw_DiscreteField record;
  record.field = distribution;
  record.ownerKind = akw_DiscreteField::kModel;
  record.components.Append("DENSITY");
  record.useCount = 1;
  bool anyTable = false;

  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || !instance->MeshExists()) continue;
    if (features.IsLocked(id, ftr_LOCK_MESH)) continue;  // its elements are not written
    const ptoK_Part& part = instance->ConstGetPart();
    const bme_Mesh& mesh = *part.ConstGetMesh();
    cow_List<rgnC_Region> regions;
    for (const cow_COW<kern_Object>& attribute : part.Attributes()) {
      if (attribute->DynTypeId() != ptoC_SectionAssignment::TypeId()) continue;
      const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
          *attribute, kMaterialBuilderFile, __LINE__);
      if (assignment.IsSuppressed()) continue;
      if (!model.Sections().Contains(assignment.SectionName())) continue;
      if (MaterialBuilderSectionUses(model.Sections().ConstGet(assignment.SectionName()), name))
        regions.Append(assignment.RegionRef());
    }
    if (regions.IsEmpty()) continue;

    kfdC_DataTable table(cow_String(), 1);
    for (const rgnC_Region& region : regions) {
      const rgnK_Region kernel(nullptr, model.Name(), region);
      cow_Map<int, cow_List<int>> ids;
      cow_List<double> evaluated;
      if (expression) {
        kernel.GetElementIds(ids, nullptr, static_cast<int>(id), labelsUsable, false);
      } else if (mapped) {
        if (region.KernelElementIndices().IsEmpty() && region.KernelNodeIndices().IsEmpty())
          continue;
        kernel.GetElementIds(ids, nullptr, static_cast<int>(id), false, false);
      } else {
        continue;
      }
      for (const auto& [instanceId, elements] : ids) {
        const cow_String instanceName = info.FeatureName(static_cast<unsigned>(instanceId));
        bool named = false;
        for (const cow_String& user : record.users)
          named = named || user == instanceName;
        if (!named) record.users.Append(instanceName);
        // Named by its instance even for a lightweight one: the distribution
        // lives outside the parts, where only "Inst.label" names an element.
        table.SetName(instanceName);
        // The table holds the mesh labels when they are usable, else the
        // element's index + 1; the distribution adds the instance's offset.
        const int offset = labelsUsable ? 0 : 1;
        cow_List<int> labels = elements;
        if (expression) {
          cow_2DArray<double> centroids;
          rgnK_GetElementCentroids(region, instanceId, mesh, centroids);
          evaluated = kfdK_EvaluateField(static_cast<const kfdC_ExpressionField&>(field), centroids,
                                         distribution);
        } else {
          cow_String failure, note;
          kfdK_Mapping(static_cast<const kfdC_MappedField&>(field), ids, distribution)
              .mapping(instanceId, evaluated, failure, note);
          if (!failure.IsEmpty()) {
            ajbC_CheckingMessages::Instance().Messages().Append(atr_TranslateWithArg(
                atr_TranslateWithArg(
                    "\nDue to the failure of evaluating the density of\nmaterial \"%s\" from "
                    "analytical field \"%s\",\nthis density will be missing in the input file.",
                    name),
                fieldName));
            return;
          }
          if (!note.IsEmpty()) ajbC_CheckingMessages::Instance().Messages().Append(note);
          if (labelsUsable) rgnF_Utils::ConvertElemIndicesToLabels(mesh, labels);
        }
        const std::size_t count = std::min(labels.Length(), evaluated.Length());
        // An element of two regions naming the material keeps its first row.
        for (std::size_t i = 0; i < count; ++i)
          if (table.GetDomainPos(labels[i] + offset) < 0)
            table.AddDomainValue(labels[i] + offset, rho * evaluated[i]);
      }
    }
    values.AddDataTable(table);
    anyTable = true;
  }
  if (!anyTable) return;
  AddModelDefinition(aif_DistributionTable(values, record, info.IsPartBased()));
  AddModelDefinition(aif_Distribution(values, record, &info));
}
