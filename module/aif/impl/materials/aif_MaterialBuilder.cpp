#include "aif/impl/materials/aif_MaterialBuilder.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnF_IndexLabels.h"
#include "ModKerLow/rgnK_ElementCentroids.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kmaC_Material.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbAttrEO/kseC_Utils.h"
#include "OdbAttrEO/kseK_SectionAssignmentsFromLayup.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/materials/aif_GasketBehavior.h"
#include "aif/impl/materials/aif_Material.h"
#include "aif/impl/sections/aif_Distribution.h"
#include "aif/impl/sections/aif_DistributionNames.h"
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
  aif_ModelInfo& info = static_cast<aif_ModelInfo&>(ModelInfo());
  const aif_Model& model = info.ModelAdapter();
  const mdl_MapString2ObjCow<kmaC_Material>& materials = model.Materials();
  if (materials.Length() == 0) return;
  CheckNames();
  for (const auto& [name, handle] : materials.ConstGetMap()) {
    const int kind = MaterialDensityKind(*handle);
    if (kind == kAnalyticalDensity || kind == kDiscreteDensity) CheckDensityField(name, *handle);
  }

  // The densities' distributions first, so that each "*Density" knows
  // whether the deck defines the one it names.
  std::unordered_map<std::string, cow_String> densityNames;
  std::vector<akw_KeywordHandle> distributions;
  for (const auto& [name, handle] : materials.ConstGetMap()) {
    const int kind = MaterialDensityKind(*handle);
    if (kind == kDiscreteDensity)
      densityNames[name.Str()] = RecordDiscreteDensity(handle->density->fieldName);
    else if (kind == kAnalyticalDensity)
      densityNames[name.Str()] = FileAnalyticalDensity(name, *handle, distributions);
  }

  AddModelDefinition(aif_Comment("\nMATERIALS\n"));
  for (const auto& [name, handle] : materials.ConstGetMap()) {
    const kmaC_Material& material = *handle;
    if (MaterialHasGasketOption(material) && UsedByGasketSection(name)) {
      AddModelDefinition(aif_GasketBehavior(name, material));
    } else {
      const auto density = densityNames.find(name.Str());
      AddModelDefinition(
          aif_Material(name, material, model.SpecificHeatSetting(), info.IsPartBased(),
                       density == densityNames.end() ? cow_String() : density->second));
    }
  }
  for (const akw_KeywordHandle& keyword : distributions)
    AddModelDefinition(keyword);
}

void aif_MaterialBuilder::CheckNames() const {
  const aif_Model& model = static_cast<const aif_ModelInfo&>(ModelInfo()).ModelAdapter();
  std::unordered_map<std::string, cow_String> seen;
  for (const auto& [name, handle] : model.Materials().ConstGetMap()) {
    const auto [held, added] = seen.emplace(aif_UpperCaseName(name).Str(), name);
    if (!added)
      throw aif_Exception("The materials " + held->second + " and " + name +
                          " differ only in letter case, which the solver does not tell apart.");
  }
}

void aif_MaterialBuilder::CheckDensityField(const cow_String& name,
                                            const kmaC_Material& material) const {
  const aif_Model& model = static_cast<const aif_ModelInfo&>(ModelInfo()).ModelAdapter();
  const cow_String& field = material.density->fieldName;
  const bool discrete = MaterialDensityKind(material) == kDiscreteDensity;
  const char* kind = discrete ? "discrete" : "analytical";
  if (field.IsEmpty())
    throw aif_Exception("The density of material " + name + " is given by " +
                        (discrete ? "a discrete" : "an analytical") + " field but names none.");
  const bool held =
      discrete ? model.DiscreteFields().Contains(field) : model.AnalyticalFields().Contains(field);
  if (!held)
    throw aif_Exception("The density of material " + name + " names the " + kind + " field " +
                        field + ", which the model does not define.");
  if (!discrete) return;
  for (const kfdC_DataTable& table : model.DiscreteFields().ConstGet(field).DataTables())
    if (table.Name().IsEmpty())
      throw aif_Exception("The density of material " + name + " takes the discrete field " + field +
                          ", which holds a table naming no instance.");
}
bool aif_MaterialBuilder::UsedByGasketSection(const cow_String& name) const {
  const aif_Model& model = static_cast<const aif_ModelInfo&>(ModelInfo()).ModelAdapter();
  for (const auto& [sectionName, section] : model.Sections().ConstGetMap()) {
    if (section->DynTypeId() != kseC_GasketSection::TypeId()) continue;
    if (static_cast<const kseC_GasketSection&>(*section).material == name) return true;
  }
  return false;
}

cow_String aif_MaterialBuilder::RecordDiscreteDensity(const cow_String& field) {
  aif_ModelInfo& info = static_cast<aif_ModelInfo&>(ModelInfo());
  akw_DiscreteField record;
  record.field = field;
  record.ownerKind = akw_DiscreteField::kModel;
  record.components.Append("DENSITY");
  const cow_String name = info.DistributionNames().FieldUseName(record);
  cow_List<akw_DiscreteField>& uses = info.DiscreteFieldUses();
  for (std::size_t i = 0; i < uses.Length(); ++i)
    if (uses[i] == record) {
      ++uses.Modify(i).useCount;
      return name;
    }
  record.useCount = 1;
  uses.Append(record);
  return name;
}

namespace {

// The elements of one instance that take a material: the regions of the
// part's own assignments and the element indices of the sets its composite
// layups generate.
struct MaterialBuilderUses {
  cow_List<rgnC_Region> regions;
  std::vector<cow_List<int>> generated;
  bool IsEmpty() const { return regions.IsEmpty() && generated.empty(); }
};

MaterialBuilderUses MaterialBuilderUsesOf(const aif_ModelInfo& info,
                                          const asoF_PartInstance& instance,
                                          const cow_String& material) {
  const aif_Model& model = info.ModelAdapter();
  const ptoK_Part& part = instance.ConstGetPart();
  MaterialBuilderUses uses;
  for (const cow_COW<kern_Object>& attribute : part.Attributes()) {
    if (attribute->DynTypeId() != ptoC_SectionAssignment::TypeId()) continue;
    const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
        *attribute, kMaterialBuilderFile, __LINE__);
    if (assignment.IsSuppressed()) continue;
    if (!model.Sections().Contains(assignment.SectionName())) continue;
    if (MaterialBuilderSectionUses(model.Sections().ConstGet(assignment.SectionName()), material))
      uses.regions.Append(assignment.RegionRef());
  }
  const bme_Mesh& mesh = *part.ConstGetMesh();
  for (const ptoK_CompositeLayup& layup : part.CompositeLayups()) {
    if (layup.suppressed) continue;
    mdl_MapString2ObjCow<kseC_Section> sections;
    cow_Map<cow_String, gdy_CompositeHitSet> hits;
    cow_List<cow_COW<kern_Object>> assignments, orientations;
    kseK_SectionAssignmentsFromLayup(layup, model.Name(), info.Assembly(), instance.Name(),
                                     sections, hits, assignments, orientations);
    for (const cow_COW<kern_Object>& attribute : assignments) {
      const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
          *attribute, kMaterialBuilderFile, __LINE__);
      const gdy_CompositeHitSet* set = hits.Find(assignment.RegionRef().Name());
      if (!set || !sections.Contains(assignment.SectionName())) continue;
      if (!MaterialBuilderSectionUses(sections.ConstGet(assignment.SectionName()), material))
        continue;
      cow_List<int> indices;
      gme_GetElementIdsFromHits(*set, mesh, indices);
      if (!indices.IsEmpty()) uses.generated.push_back(indices);
    }
  }
  return uses;
}

// The rows of one distribution table: an element met again keeps its first
// row.
void MaterialBuilderAddRows(kfdC_DataTable& table, const cow_List<int>& labels, int offset,
                            const cow_List<double>& values, double rho) {
  const std::size_t count = std::min(labels.Length(), values.Length());
  for (std::size_t i = 0; i < count; ++i)
    if (table.GetDomainPos(labels[i] + offset) < 0)
      table.AddDomainValue(labels[i] + offset, rho * values[i]);
}

}  // namespace

namespace {

// What evaluating one analytical density needs.
struct MaterialBuilderDensity {
  const kfdC_AnalyticalField& field;
  bool expression;  // an expression field, else a mapped one
  double rho;
  cow_String evaluated;  // the evaluators' name for the work
  bool labelsUsable;
};

// The field's values at `indices` (element indices of instance `id`, those
// of `region` when it is given, else of a set a layup generated); false when
// a mapping fails. A mapping's note goes to the checking warnings.
bool MaterialBuilderValuesAt(const MaterialBuilderDensity& density, int id, const bme_Mesh& mesh,
                             const rgnC_Region* region, const cow_List<int>& indices,
                             cow_List<double>& values) {
  if (density.expression) {
    // The elements of a set a layup generated stand in a region of their own.
    rgnC_Region generated;
    if (!region) generated.SetKernelElementIndices(id, indices);
    cow_2DArray<double> centroids;
    rgnK_GetElementCentroids(region ? *region : generated, id, mesh, centroids);
    values = kfdK_EvaluateField(static_cast<const kfdC_ExpressionField&>(density.field), centroids,
                                density.evaluated);
    return true;
  }
  cow_Map<int, cow_List<int>> ids;
  ids.Set(id, indices);
  cow_String failure, note;
  kfdK_Mapping(static_cast<const kfdC_MappedField&>(density.field), ids, density.evaluated)
      .mapping(id, values, failure, note);
  if (!note.IsEmpty()) ajbC_CheckingMessages::Instance().Warnings().Append(note);
  return failure.IsEmpty();
}

// Fills `table` with the rows of the elements of instance `id` that `uses`
// holds; false when a mapping fails. The table holds the mesh labels when
// they are usable, else the element's index + 1 (the distribution adds the
// instance's offset); an element met again keeps its first row.
bool MaterialBuilderInstanceRows(const MaterialBuilderDensity& density, const cow_String& model,
                                 unsigned id, const bme_Mesh& mesh, const MaterialBuilderUses& uses,
                                 kfdC_DataTable& table) {
  const int offset = density.labelsUsable ? 0 : 1;
  const auto add = [&](const rgnC_Region* region, const cow_List<int>& indices) {
    cow_List<double> values;
    if (!MaterialBuilderValuesAt(density, static_cast<int>(id), mesh, region, indices, values))
      return false;
    cow_List<int> labels = indices;
    if (density.labelsUsable) rgnF_Utils::ConvertElemIndicesToLabels(mesh, labels);
    MaterialBuilderAddRows(table, labels, offset, values, density.rho);
    return true;
  };
  for (const rgnC_Region& region : uses.regions) {
    if (!density.expression && region.KernelElementIndices().IsEmpty() &&
        region.KernelNodeIndices().IsEmpty())
      continue;  // unmeshed: nothing to map onto
    cow_Map<int, cow_List<int>> ids;
    rgnK_Region(nullptr, model, region)
        .GetElementIds(ids, nullptr, static_cast<int>(id), false, false);
    const cow_List<int>* indices = ids.Find(static_cast<int>(id));
    if (indices && !add(&region, *indices)) return false;
  }
  for (const cow_List<int>& indices : uses.generated)
    if (!add(nullptr, indices)) return false;
  return true;
}

}  // namespace

cow_String aif_MaterialBuilder::FileAnalyticalDensity(const cow_String& name,
                                                      const kmaC_Material& material,
                                                      std::vector<akw_KeywordHandle>& keywords) {
  aif_ModelInfo& info = static_cast<aif_ModelInfo&>(ModelInfo());
  const aif_Model& model = info.ModelAdapter();
  const cow_String& fieldName = material.density->fieldName;
  const kfdC_AnalyticalField& field = model.AnalyticalFields().ConstGet(fieldName);
  const bool expression = field.DynTypeId() == kfdC_ExpressionField::TypeId();
  if (!expression && field.DynTypeId() != kfdC_MappedField::TypeId()) return cow_String();
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly) return cow_String();
  const kmaC_MaterialTable& densities = material.density->table;
  const MaterialBuilderDensity density{
      field, expression, densities.Rows() > 0 && densities.Columns() > 0 ? densities(0, 0) : 0.0,
      name + "_" + fieldName, info.ElementLabelsUsable()};

  kfdC_DiscreteField values;
  values.SetLocation(kfdC_DiscreteField::kElements);
  values.SetComponentCount(1);
  values.SetDefaultValues({density.rho});
  values.SetDescription(field.Description() + " From Analytical Field " + fieldName);
  akw_DiscreteField record;
  record.ownerKind = akw_DiscreteField::kModel;
  record.components.Append("DENSITY");
  record.useCount = 1;

  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || !instance->MeshExists()) continue;
    if (features.IsLocked(id, ftr_LOCK_MESH)) continue;  // its elements are not written
    const MaterialBuilderUses uses = MaterialBuilderUsesOf(info, *instance, name);
    if (uses.IsEmpty()) continue;
    // Named by its instance even for a lightweight one: the distribution
    // lives outside the parts, where only "Inst.label" names an element.
    const cow_String instanceName = info.FeatureName(id);
    kfdC_DataTable table(instanceName, 1);
    if (!MaterialBuilderInstanceRows(density, model.Name(), id,
                                     *instance->ConstGetPart().ConstGetMesh(), uses, table)) {
      ajbC_CheckingMessages::Instance().Messages().Append(atr_TranslateWithArg(
          atr_TranslateWithArg(
              "\nDue to the failure of evaluating the density of\nmaterial \"%s\" from "
              "analytical field \"%s\",\nthis density will be missing in the input file.",
              name),
          fieldName));
      return cow_String();
    }
    if (table.Labels().IsEmpty()) continue;
    record.users.Append(instanceName);
    values.AddDataTable(table);
  }
  if (values.DataTables().IsEmpty()) return cow_String();
  record.field =
      info.DistributionNames().NameOf(aif_DistributionNames::DensityKey(name), density.evaluated);
  keywords.push_back(akw_KeywordHandle(aif_DistributionTable(values, record, info.IsPartBased())));
  keywords.push_back(akw_KeywordHandle(aif_Distribution(values, record, &info)));
  return record.field;
}
