#include "chk/impl/chk_MeshCheck.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "AttributesGuiCommon/mgnC_ElemTypeInference.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "AttributesIntObj/asoK_ReinforcementMgr.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/mgt_MeshPartArray.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kprC_Step.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "OdbCoreGeom/msh_Interfaces.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_PartBasedOutput.h"
#include "chk/impl/chk_Finding.h"
#include "chk/impl/chk_RootAssembly.h"

namespace {

const char* const kMeshCheckFile = "module/chk/impl/chk_MeshCheck.cpp";

constexpr int kMeshCheckEulerian = 4004;
constexpr int kMeshCheckFluidLibrary = 4;

bool MeshCheckStartsWith(const cow_String& text, const char* prefix) {
  return text.Str().rfind(prefix, 0) == 0;
}

// Whether the node labels of `mesh` are user labels (one per node) that
// differ from 1, 2, 3, ...
bool MeshCheckNodeLabelsRenumbered(const bme_Mesh& mesh) {
  const bme_NodeData& nodes = mesh.NodeData();
  if (nodes.NumUserLabels() < 1 || nodes.NumUserLabels() != nodes.NumNodes()) return false;
  const std::vector<int>& labels = nodes.GetUserNodeLabels();
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (labels[i] != static_cast<int>(i + 1)) return true;
  return false;
}

// Whether an element class with user labels numbers its elements other than
// its offset + 1, + 2, ...
bool MeshCheckElementLabelsRenumbered(const bme_Mesh& mesh) {
  for (const bme_ElementClass& elements : mesh.ElementClasses()) {
    if (!elements.HasLabelTable()) continue;
    const std::vector<int>& labels = elements.UserLabels();
    const std::size_t offset = elements.FirstElementIndex();
    for (std::size_t k = 1; k <= labels.size(); ++k)
      if (labels[k - 1] != static_cast<int>(offset + k)) return true;
  }
  return false;
}

// Whether some mesh of `parts` (each mesh object once in a row) passes `test`.
template <class Test>
bool MeshCheckAnyMesh(const mgt_MeshPartArray& parts, Test&& test) {
  const bme_Mesh* last = nullptr;
  for (const mgt_MeshPart& part : parts) {
    const bme_Mesh* mesh = part.ConstGetMesh();
    if (!mesh || mesh == last) continue;
    last = mesh;
    if (test(*mesh)) return true;
  }
  return false;
}

}  // namespace

chk_MeshCheck::chk_MeshCheck(const bas_NewModel& model, const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_MeshCheck::chk_MeshCheck(const chk_MeshCheck& other) = default;

chk_MeshCheck::~chk_MeshCheck() = default;

chk_MeshCheck* chk_MeshCheck::Clone() const {
  return new chk_MeshCheck(*this);
}

void chk_MeshCheck::Run() {
  const asoK_Assembly* root = chk_RootAssembly(Model(), kMeshCheckFile, __LINE__);
  if (!root) {
    ErrorList().Append(atr_Translate("There is no assembly for this model."));
    return;
  }
  const asoK_Assembly& assembly = *root;

  // A database-locked assembly cannot be regenerated here: its state is not
  // held against the model.
  if (!assembly.IsDatabaseLocked()) {
    if (assembly.IsLocked() && assembly.IsOutOfDate()) {
      ErrorList().Append(
          atr_Translate("The assembly is locked and out of date. Assembly needs to be\n"
                        "regenerated. You should unlock the assembly to regenerate it.\n"));
      return;
    }
    if (assembly.IsOutOfDate()) {
      ErrorList().Append(
          atr_Translate("The assembly is out of date and needs to be regenerated.\n"));
      return;
    }
  }

  // Instances with unmeshed regions, by what their own mesh holds.
  gml_ScopedGCBitVect withUnmeshed;
  mgt_GetUnmeshedRegions(assembly, ModelName(), withUnmeshed);
  std::vector<cow_String> notMeshed, boundaryOnly, partlyMeshed;
  gml_ScopedGCBitVect unmeshedIds;
  for (unsigned id : withUnmeshed.Ids()) {
    const mgt_MeshPart part(assembly, id);
    const bme_Mesh* native = part.ConstGetNativeMesh();
    if (!native)
      notMeshed.push_back(part.GetName());
    else if (msh_Mesh(*native).ContainsPreviewElems())
      boundaryOnly.push_back(part.GetName());
    else
      partlyMeshed.push_back(part.GetName());
    unmeshedIds.Set(id);
  }

  const mgt_MeshPartArray parts(assembly, true);
  for (const mgt_MeshPart& part : parts)
    if (!unmeshedIds.Test(part.FeatureId()) && part.Instance())
      CheckReferencePoints(assembly, *part.Instance());

  if (parts.Length() == 0 && !asoK_HasInstanceOrRefPts(assembly))
    WarningList().Append(atr_Translate(
        "The assembly is empty; therefore, an analysis \ncannot be performed on this model."));

  if (!boundaryOnly.empty()) {
    chk_Finding boundary(
        "The following part instances are not completely meshed\nbecause they contain regions "
        "with only boundary elements:\n\n",
        chk_LineForm::kIndented, "\nGo to the Mesh module and completely mesh these regions.");
    for (const cow_String& name : boundaryOnly)
      boundary.Add(name);
    boundary.AppendTo(ErrorList());
    return;
  }

  std::string unmeshed;
  if (!notMeshed.empty()) {
    unmeshed += atr_Translate("The following part instances are not meshed:\n\n").Str();
    for (const cow_String& name : notMeshed)
      unmeshed += atr_TranslateWithArg("    %s\n", name).Str();
    unmeshed += "\n";
  }
  if (!partlyMeshed.empty()) {
    unmeshed += atr_Translate("The following part instances are not meshed completely:\n\n").Str();
    for (const cow_String& name : partlyMeshed)
      unmeshed += atr_TranslateWithArg("    %s\n", name).Str();
    unmeshed += "\n";
  }
  if (!unmeshed.empty()) {
    unmeshed += atr_Translate("Unmeshed regions will be excluded from your analysis.").Str();
    WarningList().Append(atr_String(cow_String(std::move(unmeshed))));
  }

  CheckLabelConflicts(assembly);
  CheckModifiedTriangles(assembly);
  CheckReinforcements(assembly);
  CheckEulerianElements(assembly);
  CheckEulerianElementControls(assembly);
  if (Model().ModelType() == 2) CheckFluidElements(assembly);
  CheckElementSupport(assembly);
}

void chk_MeshCheck::CheckReferencePoints(const asoK_Assembly& assembly,
                                         const asoF_PartInstance& instance) {
  const mgt_MeshPart part(assembly, instance.Id());
  if (part.IsDisplayBody() || part.IsExcludedInstance()) return;
  const bme_Mesh* mesh = instance.ConstGetMesh();
  if (!mesh || mesh->ElementClasses().empty()) return;
  for (const bme_ElementClass& elements : mesh->ElementClasses()) {
    if (!MeshCheckStartsWith(elements.TypeName(), "CPEG")) continue;
    if (instance.NmrRefPoints() < 1)
      ErrorList().Append(atr_TranslateWithArg(
          "The part instance %s is meshed with element type CPEG*,\nbut contains no reference "
          "point.\n\nEither change the element type on the mesh \nor assign a reference point to "
          "the part.",
          instance.Name()));
    return;
  }
}

void chk_MeshCheck::CheckLabelConflicts(const asoK_Assembly& assembly) {
  // A file with parts and assemblies keeps each part's own labels.
  if (aif_PartBasedOutput(Model())) return;

  const mgt_MeshPartArray all(assembly, true);
  cow_List<unsigned> ids;
  for (const mgt_MeshPart& part : all)
    if (!part.IsExcludedInstance()) ids.Append(part.FeatureId());
  const mgt_MeshPartArray kept =
      ids.Length() == all.Length() ? all : mgt_MeshPartArray(assembly, ids);

  omi_BlkBitVect nodeLabels, elementLabels;
  const bool nodeConflict = asoK_V5NodeLabelsConflict(assembly, ids, nodeLabels);
  const bool elementConflict = asoK_V5ElemLabelsConflict(assembly, ids, elementLabels);
  // Meshes numbered 1, 2, 3, ... are renumbered the same way they read: only
  // user labels off that numbering make the renumbering worth a warning.
  if (nodeConflict && MeshCheckAnyMesh(kept, MeshCheckNodeLabelsRenumbered))
    WarningList().Append(
        atr_Translate("Due to node label conflicts between part instances in your\nmodel, all "
                      "nodes will be renumbered in the input file.\n"));
  if (elementConflict && MeshCheckAnyMesh(kept, MeshCheckElementLabelsRenumbered))
    WarningList().Append(
        atr_Translate("Due to element label conflicts between part instances in your\nmodel, all "
                      "elements will be renumbered in the input file.\n"));
}

void chk_MeshCheck::CheckReinforcements(const asoK_Assembly& assembly) {
  const asoK_ReinforcementMgr manager;
  cow_List<cow_String> skinNames, stringerNames;
  cow_List<int> skinIds, stringerIds;
  cow_List<unsigned> skinInstances, stringerInstances;
  manager.GetReinforcementNamesAndIds(assembly, skinNames, skinIds, skinInstances, stringerNames,
                                      stringerIds, stringerInstances, true, ftr_kAssemblyId);
  if (skinNames.IsEmpty() && stringerNames.IsEmpty()) return;

  chk_Finding unmeshedSkins(
      "The following skins reference regions that are\nnot associated with a mesh:\n\n",
      chk_LineForm::kIndented);
  chk_Finding partlySkins(
      "The following skins reference regions that contain\ngeometric entities not associated "
      "with a mesh:\n\n",
      chk_LineForm::kIndented);
  chk_Finding unmeshedStringers(
      "The following stringers reference regions that\nare not associated with a mesh:\n\n",
      chk_LineForm::kIndented);
  chk_Finding partlyStringers(
      "The following stringers reference regions that contain\ngeometric entities not "
      "associated with a mesh:\n\n",
      chk_LineForm::kIndented);

  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  for (std::size_t i = 0; i < skinNames.Length(); ++i) {
    const mgt_MeshPart part(assembly, skinInstances[i]);
    if (part.IsDisplayBody() || part.IsExcludedInstance()) continue;
    cow_List<gml_GeometricComponent> components;
    manager.GetReinforcementComps(assembly, skinIds[i], components, skinInstances[i]);
    bool partly = true;
    if (!chk_IsReinforcementMeshed(features, skinInstances[i], components, partly))
      (partly ? partlySkins : unmeshedSkins).Add(skinNames[i]);
  }
  for (std::size_t i = 0; i < stringerNames.Length(); ++i) {
    cow_List<gml_GeometricComponent> components;
    manager.GetReinforcementComps(assembly, stringerIds[i], components, stringerInstances[i]);
    bool partly = true;
    if (!chk_IsReinforcementMeshed(features, stringerInstances[i], components, partly))
      (partly ? partlyStringers : unmeshedStringers).Add(stringerNames[i]);
  }
  unmeshedSkins.AppendTo(ErrorList());
  partlySkins.AppendTo(ErrorList());
  unmeshedStringers.AppendTo(ErrorList());
  partlyStringers.AppendTo(ErrorList());
}

bool chk_IsReinforcementMeshed(const ftr_FeatureList& features, unsigned instanceId,
                               const cow_List<gml_GeometricComponent>& components,
                               bool& partlyMeshed) {
  partlyMeshed = true;
  const bme_Mesh* mesh = features.ConstGetMesh(instanceId);
  if (!mesh || mesh->NumNodes() == 1) return true;
  const msh_Mesh kernelMesh(*mesh);
  std::size_t meshed = 0;
  for (const gml_GeometricComponent& component : components)
    if (kernelMesh.IsMeshed(component)) ++meshed;
  if (meshed == components.Length()) return true;
  if (meshed == 0) partlyMeshed = false;
  return false;
}

bool chk_MeshCheck::ReportMeshParts(const asoK_Assembly& assembly, const MeshRule& rule) {
  std::unordered_set<std::string> lightweightNames, listed;
  std::vector<cow_String> names;
  const mgt_MeshPartArray parts(assembly, true);
  for (const mgt_MeshPart& part : parts) {
    const bme_Mesh* mesh = part.ConstGetMesh();
    if (!mesh) continue;
    if (!rule.visitHidden && (part.IsDisplayBody() || part.IsExcludedInstance())) continue;
    if (rule.visits && !rule.visits(part)) continue;
    // Lightweight instances of one part share its mesh: examine it once,
    // under the part's name.
    cow_String name = part.GetName();
    if (part.IsLightweightInstance()) {
      const cow_String& partName = part.Instance()->GetPartName();
      if (!partName.IsEmpty()) name = partName;
      if (!lightweightNames.insert(name.Str()).second) continue;
    }
    if (rule.lists(*mesh, name) && listed.insert(name.Str()).second) names.push_back(name);
  }
  if (names.empty()) return false;

  cow_List<atr_String>& list = rule.error ? ErrorList() : WarningList();
  if (rule.headerArg.IsEmpty()) {
    chk_Finding finding(rule.header, chk_LineForm::kIndented, rule.advice);
    for (const cow_String& name : names)
      finding.Add(name);
    return finding.AppendTo(list);
  }
  // A header with the product's name: the lines and advice come after it.
  chk_Finding body(cow_String(), chk_LineForm::kIndented, rule.advice);
  for (const cow_String& name : names)
    body.Add(name);
  cow_List<atr_String> bodyText;
  body.AppendTo(bodyText);
  list.Append(atr_String(
      cow_String(atr_TranslateWithArg(rule.header, rule.headerArg).Str() + bodyText[0].Str())));
  return true;
}

bool chk_MeshCheck::CheckElementSupport(const asoK_Assembly& assembly) {
  const auto& steps = nex_canDynamicCastRef<const kprC_StepContainer>(Model().StepRepository(),
                                                                      kMeshCheckFile, __LINE__);
  const int product = steps.AnalysisProduct();
  if (product == 2 || product == 3) return false;
  const int library = product == 0 ? 1 : product == 1 ? 2 : 0;
  const char* productName = product == 0   ? "Morvex/Standard"
                            : product == 1 ? "Morvex/Explicit"
                                           : "Unknown";

  const mgnC_ElemTypeInference& inference = mgnC_ElemTypeInference::GetInstance();
  std::unordered_set<std::string> examined, unsupported;
  MeshRule rule;
  rule.lists = [&](const bme_Mesh& mesh, const cow_String&) {
    const cow_String* previous = nullptr;
    for (const bme_ElementClass& elements : mesh.ElementClasses()) {
      const cow_String& type = elements.TypeName();
      if (previous && *previous == type) continue;
      previous = &type;
      if (!examined.insert(type.Str()).second) {
        if (unsupported.count(type.Str())) return true;
        continue;
      }
      // Names no library knows are left to the solver.
      if (!inference.ElementInLibrary(type, library) && inference.GetElementLibrary(type) != 0) {
        unsupported.insert(type.Str());
        return true;
      }
    }
    return false;
  };
  rule.header = "The following parts or part instances contain elements\nnot supported by %s.\n\n";
  rule.headerArg = productName;
  rule.advice = "\nPlease review the assigned element types.";
  return ReportMeshParts(assembly, rule);
}

bool chk_MeshCheck::CheckEulerianElements(const asoK_Assembly& assembly) {
  MeshRule rule;
  rule.visitHidden = true;
  rule.visits = [](const mgt_MeshPart& part) {
    return !part.Instance() || part.Instance()->GetAnalysis() != kMeshCheckEulerian;
  };
  rule.lists = [](const bme_Mesh& mesh, const cow_String&) {
    for (const bme_ElementClass& elements : mesh.ElementClasses())
      if (MeshCheckStartsWith(elements.TypeName(), "EC3D")) return true;
    return false;
  };
  rule.header = "The following non-eulerian parts or part instances contain eulerian elements:\n\n";
  rule.advice = "\nPlease review the assigned element types.";
  return ReportMeshParts(assembly, rule);
}

bool chk_MeshCheck::CheckEulerianElementControls(const asoK_Assembly& assembly) {
  MeshRule rule;
  rule.visits = [](const mgt_MeshPart& part) {
    return part.Instance() && part.Instance()->GetAnalysis() == kMeshCheckEulerian;
  };
  rule.lists = [](const bme_Mesh& mesh, const cow_String&) {
    // A class without parameters of its own has the defaults.
    static const bme_ElemCtrlParams kDefaults;
    const std::vector<bme_ElementClass>& classes = mesh.ElementClasses();
    if (classes.empty()) return false;
    const bme_ElemCtrlParams& first =
        classes[0].ElemCtrlParams() ? *classes[0].ElemCtrlParams() : kDefaults;
    for (std::size_t i = 1; i < classes.size(); ++i) {
      const bme_ElemCtrlParams& other =
          classes[i].ElemCtrlParams() ? *classes[i].ElemCtrlParams() : kDefaults;
      if (other != first) return true;
    }
    return false;
  };
  rule.header =
      "The following eulerian parts or part instances contain regions with different\nelement "
      "controls. The element controls should be the same for all regions within\nthe eulerian "
      "part or part instance:\n\n";
  rule.advice = "\nPlease review the assigned element controls.";
  return ReportMeshParts(assembly, rule);
}

bool chk_MeshCheck::CheckModifiedTriangles(const asoK_Assembly& assembly) {
  MeshRule rule;
  rule.lists = [](const bme_Mesh& mesh, const cow_String&) {
    bool modified = false, regular = false;
    for (const bme_ElementClass& elements : mesh.ElementClasses()) {
      const bme_ElementClass::TypeDescriptor& type = elements.GetElemTypeDescriptor();
      if (type.interpolationOrder != 2 || type.geometricOrder != 2) continue;
      if (type.shape == 4) {
        const std::string& name = elements.TypeName().Str();
        (name.size() > 4 && name.find('M', 4) != std::string::npos ? modified : regular) = true;
      } else if (type.shape == 6) {
        regular = true;
      }
      if (modified && regular) return true;
    }
    return false;
  };
  rule.header =
      "The following parts or part instances contain both modified quadratic\ntriangle elements "
      "and regular quadratic elements, which are incompatible:\n\n";
  rule.advice = "\nReview the assigned element types or mesh controls.";
  return ReportMeshParts(assembly, rule);
}

bool chk_MeshCheck::CheckFluidElements(const asoK_Assembly& assembly) {
  const mgnC_ElemTypeInference& inference = mgnC_ElemTypeInference::GetInstance();
  MeshRule rule;
  rule.lists = [&](const bme_Mesh& mesh, const cow_String&) {
    for (const bme_ElementClass& elements : mesh.ElementClasses())
      if (!inference.ElementInLibrary(elements.TypeName(), kMeshCheckFluidLibrary)) return true;
    return false;
  };
  rule.header = "The following parts or part instances contain\nnon-fluid elements:\n\n";
  rule.advice = "\nPlease review the assigned element types.";
  rule.error = true;
  return ReportMeshParts(assembly, rule);
}
