#include "aif/impl/model/aif_RegionBuilder.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ref_Utils.h"
#include "ModKerLow/rgnF_Utils.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_Step.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "OdbCoreGeom/msh_Interfaces.h"
#include "QivBasicUtils/nex_Exception.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/constraints/aif_RigidBodyRegions.h"
#include "aif/impl/core/aif_AnalyticRigidSurfaceMap.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/model/aif_Elset.h"
#include "aif/impl/model/aif_Nset.h"
#include "aif/impl/model/aif_RigidBody.h"
#include "aif/impl/model/aif_ShellSolidCoupling.h"
#include "aif/impl/model/aif_Surface.h"
#include "aif/impl/model/aif_SurfaceFromElements.h"
#include "aif/impl/model/aif_SurfaceFromNodes.h"
#include "aif/impl/model/aif_Tie.h"

namespace {

constexpr char kRegionBuilderFile[] = "module/aif/impl/aif_RegionBuilder";
constexpr char kAssembly[] = "Assembly";

// Whether a set feature is written as a node set, as an element set.
bool AsNodeSet(const rgnF_Set& set) {
  return (set.typeMask & (rgnF_Set::kNodeSet | rgnF_Set::kGeometrySet)) != 0;
}
bool AsElementSet(const rgnF_Set& set) {
  return (set.typeMask & (rgnF_Set::kElementSet | rgnF_Set::kGeometrySet)) != 0;
}

// The instances active for simulation, in the host's order, with their ids.
template <class Visit>
void ForActiveInstances(const asoK_Assembly& assembly, Visit&& visit) {
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features))
    if (const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id))
      visit(*instance, id);
}

// The instance's mesh when the mesh kernel can look for seams in it.
const bme_Mesh* UsableMesh(const asoF_PartInstance& instance) {
  const bme_Mesh* mesh = instance.ConstGetMesh();
  return mesh && msh_Mesh(*mesh).IsValid() ? mesh : nullptr;
}

// `text` followed by `number` in decimal.
cow_String Piece(const char* text, int number) {
  std::string piece(text);
  piece += std::to_string(number);
  return cow_String(std::move(piece));
}

// "_" + word + index + "_" + instance: the base of a generated name.
cow_String GeneratedBase(const char* word, int index, const cow_String& instance) {
  return cow_String("_") + Piece(word, index) + "_" + instance;
}

}  // namespace

aif_ModelInfo& aif_RegionBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_RegionBuilder::FileForInstance(const asoF_PartInstance& instance, const cow_String& name,
                                        int kind, const akw_Keyword& keyword) {
  if (restart_) {
    if (IsNew(name, kind)) AddModelDefinition(keyword);
  } else if (Info().IsLightweightInstance(instance)) {
    AddPartDefinition(instance.GetPartName(), keyword);
  } else {
    AddInstanceDefinition(instance.Name(), keyword);
  }
}

void aif_RegionBuilder::FileForAssembly(const cow_String& name, int kind,
                                        const akw_Keyword& keyword) {
  if (restart_) {
    if (IsNew(name, kind)) AddModelDefinition(keyword);
  } else {
    AddAssemblyDefinition(keyword);
  }
}

void aif_RegionBuilder::FindUnwrittenMeshes() {
  unwritten_.clear();
  inactive_.clear();
  leftOutNodeSets_.clear();
  emptyNodeSets_.clear();
  aif_ModelInfo& info = Info();
  const asoK_Assembly* assembly = info.Assembly();
  if (restart_ || !assembly) return;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  // A part's mesh is written in the part from the first of its instances
  // that is not locked, when that one is lightweight; an instance that is not
  // lightweight writes its own mesh unless it is locked.
  std::unordered_set<std::string> decided, partMeshes;
  ForActiveInstances(*assembly, [&](const asoF_PartInstance& instance, unsigned id) {
    if (features.IsLocked(id, ftr_LOCK_MESH)) return;
    if (!decided.insert(instance.GetPartName().Str()).second) return;
    if (info.IsLightweightInstance(instance)) partMeshes.insert(instance.GetPartName().Str());
  });
  ForActiveInstances(*assembly, [&](const asoF_PartInstance& instance, unsigned id) {
    const bool written = info.IsLightweightInstance(instance)
                             ? partMeshes.count(instance.GetPartName().Str()) != 0
                             : !features.IsLocked(id, ftr_LOCK_MESH);
    if (!written) unwritten_.insert(id);
  });
  // An instance that is not active for simulation is not written at all.
  for (unsigned id : features.ConstEvaluatedRep().GetIds()) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (instance && !instance->ActiveForSimulation()) {
      unwritten_.insert(id);
      inactive_.insert(instance->Name().Str());
    }
  }
}

template <class Keyword>
bool aif_RegionBuilder::KeepWrittenMembers(Keyword& keyword) const {
  if (unwritten_.empty() || keyword.IsEmpty()) return true;
  keyword.LeaveOutInstances(unwritten_);
  return !keyword.IsEmpty();
}

bool aif_RegionBuilder::HasReferencePoint(const asoF_PartInstance& instance) const {
  // The instance builder writes no points for a display body.
  if (kcoK_IsDisplayInstance(instance)) return false;
  const aif_ModelInfo& info = Info();
  return !ref_Utils::GetRefNodes(info.Assembly()->ConstGetFeatureList(), instance.Id(),
                                 info.NodeLabelsUsable())
              .IsEmpty();
}

void aif_RegionBuilder::Build() {
  aif_ModelInfo& info = Info();
  restart_ = info.IsRestart();
  if (restart_) catalogue_.Configure(info.ModelAdapter().RestartJobName(), info.IsPartBased());
  const asoK_Assembly* assembly = info.Assembly();
  FindUnwrittenMeshes();
  if (!assembly) return;

  // A part whose instances are all written once in their part gets its sets
  // and surfaces once.
  cow_List<cow_String> handledParts;
  ForActiveInstances(*assembly, [&](const asoF_PartInstance& instance, unsigned id) {
    if (!MeshWritten(id)) return;
    const cow_String& part = instance.GetPartName();
    const bool handled = handledParts.IndexOf(part) >= 0;
    if (!(info.IsLightweightInstance(instance) && handled)) {
      InstanceSets(instance);
      InstanceSurfaces(instance);
    }
    if (!handled) handledParts.Append(part);
  });
  AssemblySets();
  AssemblySurfaces();
  ContactNodeSetSurfaces();
  if (restart_) return;
  RigidBodies();
  IncompatibleFaces();
  MixedOrderInterfaces();
  ShellSolidInterfaces();
}

void aif_RegionBuilder::InstanceSets(const asoF_PartInstance& instance) {
  aif_ModelInfo& info = Info();
  const ptoK_Part& part = instance.ConstGetPart();
  cow_List<cow_String> plies;
  for (const ptoK_CompositeLayup& layup : part.CompositeLayups())
    for (const cow_String& ply : layup.plies)
      if (plies.IndexOf(ply) < 0) plies.Append(ply);
  // Element sets are known to the registry under the scope of the surfaces'
  // internal sets, so that those take a counter rather than a set's name.
  const cow_String scope = aif_SurfaceFromElements::InternalSetScope(instance, info);
  const cow_String scopeText = scope.IsEmpty() ? cow_String() : scope + ".";

  const ftr_FeatureList& features = part.ConstGetFeatureList();
  for (unsigned id : rgnF_Utils::GetRegionIds(features, true, false)) {
    const rgnF_Set& set = *rgnF_Utils::GetRegion(features, id);
    if (!set.outputMark) continue;
    if (!rgnK_Region(&part, part.GetName(), set.Region()).IsValid(true)) continue;
    if (set.internalMark && plies.IndexOf(set.Name()) >= 0) continue;
    const rgnC_Region region(set.Name(), {part.GetName(), instance.Name()}, set.Region().Flags());
    const cow_String name = aif_RegionName(region, info).QualifiedName(Scope(1));
    if (AsNodeSet(set)) {
      const int kind = set.typeMask & rgnF_Set::kNodeSet ? rgnC_NODE_SET : rgnC_GEOMETRY_SET;
      const aif_Nset nodes(instance, set.Region(), name, info);
      if (nodes.IsEmpty()) emptyNodeSets_.insert(part.GetName().Str() + "\n" + set.Name().Str());
      FileForInstance(instance, name, kind, nodes);
    }
    if (AsElementSet(set)) {
      aif_SetNameRegistry::Instance().AddElset(scopeText + name, true);
      const int kind = set.typeMask & rgnF_Set::kElementSet ? rgnC_ELEMENT_SET : rgnC_GEOMETRY_SET;
      FileForInstance(instance, name, kind, aif_Elset(instance, set, name, info));
    }
  }
}

void aif_RegionBuilder::InstanceSurfaces(const asoF_PartInstance& instance) {
  aif_ModelInfo& info = Info();
  const ptoK_Part& part = instance.ConstGetPart();
  const ftr_FeatureList& features = part.ConstGetFeatureList();
  for (unsigned id : rgnF_Utils::GetRegionIds(features, false, true)) {
    const rgnF_Set& surface = *rgnF_Utils::GetRegion(features, id);
    if (!rgnK_Region(&part, part.GetName(), surface.Region()).IsValid(true)) continue;
    const rgnC_Region region(surface.Name(), {part.GetName(), instance.Name()});
    const cow_String name = aif_RegionName(region, info).QualifiedName(Scope(1));
    FileForInstance(instance, name, rgnC_SURFACE, aif_Surface(surface, instance, info, name, ""));
  }
}

void aif_RegionBuilder::AssemblySets() {
  aif_ModelInfo& info = Info();
  const asoK_Assembly& assembly = *info.Assembly();

  // Sets the kernel makes for springs, dashpots and point inertias are
  // written by their own keywords.
  cow_List<cow_String> skip;
  const auto& engineering = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      assembly.ConstGetEngineeringFeatures(), kRegionBuilderFile, __LINE__);
  for (const auto& spring : engineering.Springs())
    for (const rgnC_Region& region : spring->Regions())
      skip.Append(region.Name());
  for (const auto& inertia : engineering.Inertias()) {
    const unsigned type = inertia->DynTypeId();
    if (type != kefC_PointMassInertia::TypeId() && type != kefC_HeatCapacitance::TypeId()) continue;
    for (const rgnC_Region& region : inertia->Regions())
      skip.Append(region.Name());
  }

  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  for (unsigned id : rgnF_Utils::GetRegionIds(features, true, false)) {
    const rgnF_Set& set = *rgnF_Utils::GetRegion(features, id);
    if (!set.outputMark) continue;
    if (!rgnK_Region(&assembly, kAssembly, set.Region()).IsValid(true)) continue;
    if (set.internalMark && skip.IndexOf(set.Name()) >= 0) continue;
    const rgnC_Region region(set.Name(), {kAssembly}, set.Region().Flags());
    const cow_String name = aif_RegionName(region, info).QualifiedName(Scope(2));
    if (AsNodeSet(set)) {
      aif_SetNameRegistry::Instance().AddNset(name, true);
      const int kind = set.typeMask & rgnF_Set::kNodeSet ? rgnC_NODE_SET : rgnC_GEOMETRY_SET;
      aif_Nset nodes(&assembly, set.Region(), name, false, 0, info);
      // A set without members writes nothing: no surface may name it.
      if (KeepWrittenMembers(nodes) && !nodes.IsEmpty())
        FileForAssembly(name, kind, nodes);
      else
        leftOutNodeSets_.insert(name.Str());
    }
    if (AsElementSet(set)) {
      aif_SetNameRegistry::Instance().AddElset(name, true);
      const int kind = set.typeMask & rgnF_Set::kElementSet ? rgnC_ELEMENT_SET : rgnC_GEOMETRY_SET;
      aif_Elset elements(name, set, info);
      // Its wire and attachment-line edges keep a set that has them.
      if (KeepWrittenMembers(elements) || !elements.EdgeIndices().IsEmpty())
        FileForAssembly(name, kind, elements);
    }
  }
}

void aif_RegionBuilder::AssemblySurfaces() {
  aif_ModelInfo& info = Info();
  const asoK_Assembly& assembly = *info.Assembly();
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  for (unsigned id : rgnF_Utils::GetRegionIds(features, false, true)) {
    const rgnF_Set& surface = *rgnF_Utils::GetRegion(features, id);
    if (!rgnK_Region(&assembly, kAssembly, surface.Region()).IsValid(true)) continue;
    const rgnC_Region region(surface.Name(), {kAssembly});
    const cow_String name = aif_RegionName(region, info).QualifiedName(Scope(2));
    aif_Surface faces(surface, info, name, "");
    if (KeepWrittenMembers(faces)) FileForAssembly(name, rgnC_SURFACE, faces);
  }
}

void aif_RegionBuilder::ContactNodeSetSurfaces() {
  aif_ModelInfo& info = Info();
  const aif_Model& model = info.ModelAdapter();
  cow_List<rgnC_Region> regions;
  for (const auto& entry : model.Interactions().ConstGetMap())
    if (!entry.second->Suppressed()) regions.Append(entry.second->ConstGetContactNodeSets());
  for (const auto& entry : model.Constraints().ConstGetMap())
    if (!entry.second->Suppressed()) regions.Append(entry.second->ConstGetContactNodeSets());

  // Instances whose sets are not written: a surface standing for one of
  // their sets would name nothing.
  std::unordered_set<std::string> setless = inactive_;
  if (!unwritten_.empty())
    ForActiveInstances(*info.Assembly(), [&](const asoF_PartInstance& instance, unsigned id) {
      if (!MeshWritten(id)) setless.insert(instance.Name().Str());
    });

  // The part of each instance, for the instance sets without members.
  std::unordered_map<std::string, std::string> partOf;
  ForActiveInstances(*info.Assembly(), [&](const asoF_PartInstance& instance, unsigned) {
    partOf[instance.Name().Str()] = instance.GetPartName().Str();
  });

  cow_List<cow_String> written;
  for (const rgnC_Region& region : regions) {
    const cow_List<cow_String>& owners = region.OwnerNames();
    if (owners.Length() >= 2 && setless.count(owners[1].Str())) continue;
    if (owners.Length() >= 2 &&
        emptyNodeSets_.count(partOf[owners[1].Str()] + "\n" + region.Name().Str()))
      continue;
    const aif_RegionName regionName(region, info);
    const cow_String setName = regionName.SetName(Scope(2));
    if (leftOutNodeSets_.count(setName.Str())) continue;
    const cow_String name = regionName.QualifiedName(Scope(2));
    if (written.IndexOf(name) >= 0) continue;
    written.Append(name);
    FileForAssembly(name, rgnC_NODE_SET, aif_Surface(info, name, setName));
  }
}

bool aif_RegionBuilder::Isothermal() const {
  const aif_ModelInfo& info = Info();
  if (info.AnalysisProduct() == 0) return false;
  const kprC_StepContainer& steps = info.ModelAdapter().Steps();
  const cow_List<cow_String>& names = steps.Keys();
  for (std::size_t i = 1; i < names.Length(); ++i) {
    const auto& step = nex_canDynamicCastRef<const kprC_AnalysisStep>(steps.ConstGet(names[i]),
                                                                      kRegionBuilderFile, __LINE__);
    if (step.Suppressed()) continue;
    if (step.DynTypeId() == kprC_TempDisplacementDynamicsStep::TypeId()) return true;
  }
  return false;
}

void aif_RegionBuilder::RigidBodies() {
  aif_ModelInfo& info = Info();
  const asoK_Assembly& assembly = *info.Assembly();
  const bool partBased = info.IsPartBased();

  // Instances the user made rigid bodies of get none generated.
  cow_List<unsigned> covered;
  for (const auto& entry : info.ModelAdapter().Constraints().ConstGetMap()) {
    if (entry.second->DynTypeId() != kcoC_RigidBody::TypeId() || entry.second->Suppressed())
      continue;
    const auto& body =
        nex_canDynamicCastRef<const kcoC_RigidBody>(*entry.second, kRegionBuilderFile, __LINE__);
    for (const rgnC_Region& bodyRegion : aif_RigidBodyRegions(body)) {
      const rgnK_Region region(&assembly, info.Model().Name(), bodyRegion);
      if (region.IsValid(true)) covered.Append(region.InstanceIds(true));
    }
  }

  const bool isothermal = Isothermal();
  const aif_AnalyticRigidSurfaceMap surfaceNames(assembly);
  cow_List<cow_String> partsMet;
  // A rigid body refers to its instance's reference-point set; none is made
  // where that set is not written.
  auto refers = [&](const asoF_PartInstance& instance, unsigned id) {
    if (!MeshWritten(id)) return false;
    if (HasReferencePoint(instance)) return true;
    cmdC_WIP::Warning(atr_TranslateWithArg(
        "No rigid body is written for the rigid part instance %s: its part has no reference "
        "point.",
        instance.Name()));
    return false;
  };
  ForActiveInstances(assembly, [&](const asoF_PartInstance& instance, unsigned id) {
    const ptoK_Part& part = instance.ConstGetPart();
    const int analysis = part.GetAnalysis();
    if (!instance.MeshExists() && analysis != ptoK_ANALYTIC_RIGID) return;
    const bool lightweight = info.IsLightweightInstance(instance);
    const bool isCovered = covered.IndexOf(id) >= 0;
    const cow_String& owner =
        lightweight && analysis != ptoK_ANALYTIC_RIGID ? part.GetName() : instance.Name();
    cow_String refPoint = aif_PrintableName(owner + akw_ModelInfo::RefPtSuffix());

    if (analysis == ptoK_DISCRETE_RIGID) {
      // The element set serves the rigid body alone.
      if (isCovered || !refers(instance, id)) return;
      cow_String elset = aif_PrintableName(lightweight ? part.GetName() : instance.Name());
      const aif_Elset elements(false, elset, instance, info);
      if (elements.IsEmpty()) return;
      if (!lightweight)
        AddInstanceDefinition(instance.Name(), elements);
      else if (partsMet.IndexOf(part.GetName()) < 0)
        AddPartDefinition(part.GetName(), elements);
      if (partBased) {
        const cow_String& set = lightweight ? part.GetName() : instance.Name();
        elset = aif_QualifiedName({instance.Name(), set});
        refPoint = aif_QualifiedName({instance.Name(), owner + akw_ModelInfo::RefPtSuffix()});
      }
      AddAssemblyDefinition(aif_RigidBody(refPoint, elset, "", isothermal));
      if (partsMet.IndexOf(part.GetName()) < 0) partsMet.Append(part.GetName());
      return;
    }
    if (analysis != ptoK_ANALYTIC_RIGID) return;

    // The analytical surface: the part's first geometric surface, or else
    // the first of the assembly's that lies on this instance first.
    auto file = [&](const ftr_FeatureList& features, const rgnF_Set& set) {
      cow_String name = surfaceNames.SurfaceName(id);
      if (!partBased) name = info.FeatureName(id) + "_" + name;
      name = aif_PrintableName(name);
      AddInstanceDefinition(instance.Name(),
                            aif_Surface(features, instance, part, set, info, name));
      if (!isCovered && refers(instance, id))
        AddInstanceDefinition(instance.Name(), aif_RigidBody(refPoint, "", name, isothermal));
    };
    const ftr_FeatureList& partFeatures = part.ConstGetFeatureList();
    const cow_List<unsigned> partSurfaces = rgnF_Utils::GetGeomSurfaceIds(partFeatures);
    if (!partSurfaces.IsEmpty()) {
      if (const rgnF_Set* set = rgnF_Utils::GetRegion(partFeatures, partSurfaces[0]))
        file(partFeatures, *set);
      return;
    }
    const ftr_FeatureList& features = assembly.ConstGetFeatureList();
    for (unsigned surface : rgnF_Utils::GetGeomSurfaceIds(features)) {
      const rgnF_Set* set = rgnF_Utils::GetRegion(features, surface);
      const cow_List<unsigned>& on = set->Region().KernelInstanceIds();
      if (on.IsEmpty() || on[0] != id) continue;
      file(features, *set);
      break;
    }
  });
}

void aif_RegionBuilder::IncompatibleFaces() {
  aif_ModelInfo& info = Info();
  ForActiveInstances(*info.Assembly(), [&](const asoF_PartInstance& instance, unsigned id) {
    const bme_Mesh* mesh = MeshWritten(id) ? UsableMesh(instance) : nullptr;
    if (!mesh) return;
    const msh_Mesh seams(*mesh);
    for (int i = 0; i < seams.NumIncompatibleFaces(); ++i) {
      const msh_Interface& seam = seams.GetIncompatibleFace(i);
      const msh_DiscreteFace* master = nullptr;
      const msh_DiscreteFace* slave = nullptr;
      seam.GetInterfaceData(master, slave);
      if (slave->NumNodes() < master->NumNodes()) std::swap(master, slave);
      const cow_String base = GeneratedBase("T", i, instance.Name());
      const cow_String masterName = base + "_M";
      const cow_String slaveName = base + "_S";

      std::vector<int> elements, faces, nodes;
      msh_GetTieSlaveData(*mesh, *master, *slave, elements, faces, nodes);
      if (elements.empty() && nodes.empty()) continue;
      const double tolerance = seam.PositionTolerance();
      AddAssemblyDefinition(aif_Surface(info, masterName, static_cast<int>(id), "S", &master, 1));
      if (!elements.empty()) {
        cow_List<int> slaveElements;
        cow_List<cow_String> slaveFaces;
        for (std::size_t k = 0; k < elements.size() && k < faces.size(); ++k) {
          slaveElements.Append(elements[k]);
          slaveFaces.Append(Piece("S", faces[k] + 1));
        }
        AddAssemblyDefinition(aif_SurfaceFromElements(info, slaveName, slaveElements, slaveFaces,
                                                      static_cast<int>(id), true));
        AddAssemblyDefinition(aif_Tie(base, masterName, slaveName, tolerance, info));
      }
      if (!nodes.empty()) {
        cow_List<int> slaveNodes;
        for (int node : nodes)
          slaveNodes.Append(node);
        cow_Map<int, cow_List<int>> byInstance;
        byInstance.Set(static_cast<int>(id), slaveNodes);
        AddAssemblyDefinition(aif_SurfaceFromNodes(slaveName + "N", byInstance, true, info));
        AddAssemblyDefinition(
            aif_Tie(base + "-Nodes", masterName, slaveName + "N", tolerance, info));
      }
    }
  });
}

void aif_RegionBuilder::MixedOrderInterfaces() {
  aif_ModelInfo& info = Info();
  ForActiveInstances(*info.Assembly(), [&](const asoF_PartInstance& instance, unsigned id) {
    const bme_Mesh* mesh = MeshWritten(id) ? UsableMesh(instance) : nullptr;
    if (!mesh) return;
    // Face and edge seams share one numbering, so that no two of them
    // define surfaces or ties of the same name.
    int index = 0;
    auto write = [&](const std::vector<msh_DiscreteEntInterface>& seams, const char* piece) {
      for (const msh_DiscreteEntInterface& seam : seams) {
        const cow_String base = GeneratedBase("MixOrder", index++, instance.Name());
        const msh_DiscreteFace* master = &seam.GetMaster();
        const msh_DiscreteFace* slave = &seam.GetSlave();
        AddAssemblyDefinition(
            aif_Surface(info, base + "_M", static_cast<int>(id), piece, &master, 1));
        AddAssemblyDefinition(
            aif_Surface(info, base + "_S", static_cast<int>(id), piece, &slave, 1));
        AddAssemblyDefinition(
            aif_Tie(base, base + "_M", base + "_S", seam.PositionTolerance(), info));
      }
    };
    std::vector<msh_DiscreteEntInterface> seams;
    msh_BuildMixOrderFaceInterfaces(*mesh, seams);
    write(seams, "S");
    msh_CleanDiscreteEntInterfaceArray(seams);
    msh_BuildMixOrderEdgeInterfaces(*mesh, seams);
    write(seams, "E");
    msh_CleanDiscreteEntInterfaceArray(seams);
  });
}

void aif_RegionBuilder::ShellSolidInterfaces() {
  aif_ModelInfo& info = Info();
  ForActiveInstances(*info.Assembly(), [&](const asoF_PartInstance& instance, unsigned id) {
    const bme_Mesh* mesh = MeshWritten(id) ? UsableMesh(instance) : nullptr;
    if (!mesh) return;
    std::vector<msh_ShellSolidInterface> seams;
    msh_BuildShellSolidInterfaces(*mesh, seams);
    for (std::size_t i = 0; i < seams.size(); ++i) {
      const cow_String base = GeneratedBase("Shll2Sld", static_cast<int>(i), instance.Name());
      const msh_DiscreteFace* shell = &seams[i].GetShellInterface();
      const msh_DiscreteFace* solid[2] = {nullptr, nullptr};
      seams[i].GetSolidInterface(solid[0], solid[1]);
      AddAssemblyDefinition(aif_Surface(info, base + "_E", static_cast<int>(id), "E", &shell, 1));
      AddAssemblyDefinition(aif_Surface(info, base + "_F", static_cast<int>(id), "S", solid, 2));
      // The coupling's data line names the second surface first: the shell
      // edges, then the solid faces.
      AddAssemblyDefinition(aif_ShellSolidCoupling(base, base + "_F", base + "_E", info));
    }
    msh_CleanShelLSolidInterfaceArray(seams);
  });
}
