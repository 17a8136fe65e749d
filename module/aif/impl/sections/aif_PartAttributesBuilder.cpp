#include "aif/impl/sections/aif_PartAttributesBuilder.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_set>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "AttributesIntObj/asoK_InstanceNames.h"
#include "MSVCR90/rt_Runtime.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_RebarOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnF_IndexLabels.h"
#include "ModKerLow/rgnK_ElementCentroids.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionIds.h"
#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseK_DiscreteOrientation.h"
#include "OdbAttrEO/kseK_SectionAssignmentsFromLayup.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivGeom/gsl_Vector.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/model/aif_Elset.h"
#include "aif/impl/model/aif_Orientation.h"
#include "aif/impl/model/aif_Surface.h"
#include "aif/impl/model/aif_SurfaceFromElements.h"
#include "aif/impl/sections/aif_BeamGeneralSection.h"
#include "aif/impl/sections/aif_BeamSection.h"
#include "aif/impl/sections/aif_CohesiveSection.h"
#include "aif/impl/sections/aif_Distribution.h"
#include "aif/impl/sections/aif_DistributionTable.h"
#include "aif/impl/sections/aif_EulerianSection.h"
#include "aif/impl/sections/aif_GasketSection.h"
#include "aif/impl/sections/aif_HourglassStiffness.h"
#include "aif/impl/sections/aif_InterfaceSection.h"
#include "aif/impl/sections/aif_MembraneSection.h"
#include "aif/impl/sections/aif_NodalThickness.h"
#include "aif/impl/sections/aif_RefPointSection.h"
#include "aif/impl/sections/aif_SectionControls.h"
#include "aif/impl/sections/aif_ShellGeneralSection.h"
#include "aif/impl/sections/aif_ShellSection.h"
#include "aif/impl/sections/aif_SolidSection.h"
#include "aif/impl/sections/aif_SurfaceSection.h"
#include "aif/impl/sections/aif_TransverseShear.h"

namespace {

constexpr char kFile[] = "module/aif/impl/aif_PartAttributesBuilder";

// Attribute kinds, in the order they are read.
constexpr unsigned kBeamOrientations = ptoC_BeamOrientation::kTypeId;
constexpr unsigned kMaterialOrientations = ptoC_MaterialOrientation::kTypeId;
constexpr unsigned kRebarOrientations = ptoC_RebarOrientation::kTypeId;

// Section type ids the steps tell apart.
constexpr unsigned kHomogeneousSolid = 0x2600003;
constexpr unsigned kCompositeSolid = 0x2600004;
constexpr unsigned kFluid = 0x260004C;
constexpr unsigned kHomogeneousShell = 0x260000B;
constexpr unsigned kCompositeShell = 0x260000C;
constexpr unsigned kGeneralShell = 0x260000D;
constexpr unsigned kUserShell = 0x260000E;
constexpr unsigned kBeam = 0x260000F;
constexpr unsigned kTruss = 0x2600011;
constexpr unsigned kMembrane = 0x2600012;
constexpr unsigned kGasket = 0x2600018;
constexpr unsigned kNoComment = 0x2600019;
constexpr unsigned kPeg = 0x260001A;
constexpr unsigned kSurface = 0x2600039;
constexpr unsigned kCohesive = 0x2600041;
constexpr unsigned kAcousticInfinite = 0x2600043;
constexpr unsigned kInterface = 0x2600044;
constexpr unsigned kGeneralStiffness = 0x2600048;
constexpr unsigned kEulerian = 0x2600049;

// The element library of an analysis product: 0, 1, 2 give 1, 2, 3.
int Library(int product) {
  return product >= 0 && product <= 2 ? product + 1 : 0;
}

// Equal parameter sets (the identifier aside).
bool SameControls(const bme_ElemCtrlParams& a, const bme_ElemCtrlParams& b) {
  return a.ElementConversion() == b.ElementConversion() &&
         a.HourglassStiffness() == b.HourglassStiffness() &&
         a.KinematicSplit() == b.KinematicSplit() && a.HourglassControl() == b.HourglassControl() &&
         a.WeightFactor() == b.WeightFactor() && a.StressRate() == b.StressRate() &&
         a.SecondOrderAccuracy() == b.SecondOrderAccuracy() &&
         a.HourglassScaling() == b.HourglassScaling() &&
         a.DistortionControl() == b.DistortionControl() && a.LengthRatio() == b.LengthRatio() &&
         a.ElementDeletion() == b.ElementDeletion() && a.MaxDegradation() == b.MaxDegradation() &&
         a.Viscosity() == b.Viscosity() && a.ScalingFactor4() == b.ScalingFactor4() &&
         a.ScalingFactor5() == b.ScalingFactor5();
}

cow_String Numbered(const char* text, int number) {
  return cow_String(std::string(text) + std::to_string(number));
}

// The region text of a comment: "Picked" for a picked region, else its name.
cow_String RegionText(const rgnC_Region& region) {
  return region.IsPicked() ? cow_String("Picked") : region.Name();
}

// The attributes of `kind` of the part, in the part's order.
cow_List<const kern_Object*> AttributesOf(const ptoK_Part& part, unsigned kind) {
  cow_List<const kern_Object*> list;
  for (const cow_COW<kern_Object>& attribute : part.Attributes())
    if (attribute->DynTypeId() == kind) list.Append(&*attribute);
  return list;
}

bool IsGeometryShell(unsigned type) {
  return type == kHomogeneousShell || type == kCompositeShell;
}
bool IsSolidType(unsigned type) {
  return type >= 0x2600002 && type <= kCompositeSolid;
}
bool IsShellType(unsigned type) {
  return (type >= 0x260000A && type <= kUserShell) || type == kGeneralStiffness;
}

// The names of the orientations a section names itself (plies that name an
// orientation rather than a datum), in ply order.
void AddUserOrientations(const kseC_Section& section, cow_List<cow_String>& names) {
  const cow_List<kseC_Layer>* layers = nullptr;
  if (section.DynTypeId() == kCompositeSolid)
    layers = &static_cast<const kseC_CompositeSolidSection&>(section).layers;
  else if (section.DynTypeId() == kCompositeShell)
    layers = &static_cast<const kseC_CompositeShellSection&>(section).layers;
  if (!layers) return;
  for (const kseC_Layer& layer : *layers)
    if (layer.datum.IsNullRef() && layer.additionalRotationKind != 2 &&
        !layer.orientation.IsEmpty())
      names.Append(layer.orientation);
}

// Whether the section's rebar takes a rebar orientation.
bool UsesRebarOrientation(const kseC_Section& section) {
  if (!IsGeometryShell(section.DynTypeId())) return false;
  return static_cast<const kseC_GeometryShellSection&>(section).Rebar() != nullptr;
}

}  // namespace

aif_ModelInfo& aif_PartAttributesBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_PartAttributesBuilder::File(const asoF_PartInstance& instance, bool partLevel,
                                     const akw_Keyword& keyword) {
  if (partLevel)
    AddPartDefinition(instance.GetPartName(), keyword);
  else
    AddInstanceDefinition(instance.Name(), keyword);
}

void aif_PartAttributesBuilder::Build() {
  aif_ModelInfo& info = Info();
  const asoK_Assembly* assembly = info.Assembly();
  partSurfaces_.clear();
  geometryDistributions_ = 0;
  if (!assembly) return;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  cow_List<cow_String> done;
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || !instance->MeshExists()) continue;
    const cow_String& part = instance->GetPartName();
    if (info.IsLightweightInstance(*instance) && done.IndexOf(part) >= 0) {
      // The part's keywords are written: the instance shares them.
      info.LayupData().CloneLayupData(instance->Name(), part);
      for (std::size_t i = 0; i < info.DiscreteFieldUses().Length(); ++i) {
        if (info.DiscreteFieldUses()[i].owner != part) continue;
        akw_DiscreteField& use = info.DiscreteFieldUses().Modify(i);
        if (use.users.IndexOf(instance->Name()) < 0) use.users.Append(instance->Name());
      }
      continue;
    }
    if (features.IsLocked(id, ftr_LOCK_MESH)) continue;
    done.Append(part);
    Reset(*instance);
    ReadAssignments(*instance);
    CollectControls(*instance);
    ReadOrientations(*instance, kBeamOrientations);
    ReadOrientations(*instance, kMaterialOrientations);
    ReadOrientations(*instance, kRebarOrientations);
    AddLayups(*instance);
    GroupAndWrite(*instance);
  }
  AddControls();
}

void aif_PartAttributesBuilder::Reset(const asoF_PartInstance& instance) {
  aif_ModelInfo& info = Info();
  properties_.clear();
  labels_.Clear();
  negativeLabels_.Clear();
  assignmentSizes_.Clear();
  ownAssignments_ = ownOrientations_ = 0;
  assignments_.Clear();
  orientations_.Clear();
  sections_ = mdl_MapString2ObjCow<kseC_Section>();
  for (const auto& [name, section] : info.ModelAdapter().Sections().ConstGetMap())
    sections_.Set(name, *section);
  stackDirections_.Clear();
  distributionNames_.Clear();
  usedSections_.Clear();

  const bme_Mesh& mesh = *instance.ConstGetMesh();
  const std::size_t count = mesh.NumElements();
  properties_.reserve(count);
  labels_.Reserve(count + 1);
  const bool usable = info.ElementLabelsUsable();
  int position = 0;
  for (const bme_ElementClass& elementClass : mesh.ElementClasses()) {
    const std::size_t n = elementClass.NumElements();
    const bool stored = elementClass.HasLabelTable();
    for (std::size_t e = 0; e < n; ++e, ++position) {
      bme_Property property;
      property.label = !usable  ? position
                       : stored ? elementClass.UserLabels()[e]
                                : static_cast<int>(elementClass.FirstElementIndex() + e + 1);
      if (property.label >= 0)
        labels_.Set(static_cast<unsigned>(property.label), position);
      else
        negativeLabels_.Set(0u - static_cast<unsigned>(property.label), position);
      properties_.push_back(property);
    }
  }
}

const int* aif_PartAttributesBuilder::Position(int label) const {
  return label >= 0 ? labels_.Find(static_cast<unsigned>(label))
                    : negativeLabels_.Find(0u - static_cast<unsigned>(label));
}

void aif_PartAttributesBuilder::ReadAssignments(const asoF_PartInstance& instance) {
  const ptoK_Part& part = asoK_Assembly::GetOriginalPart(instance);
  for (const cow_COW<kern_Object>& attribute : part.Attributes())
    if (attribute->DynTypeId() == ptoC_SectionAssignment::TypeId()) assignments_.Append(attribute);
  ownAssignments_ = static_cast<int>(assignments_.Length());
  ReadOrientations(instance, ptoC_SectionAssignment::TypeId());
}

void aif_PartAttributesBuilder::ReadOrientations(const asoF_PartInstance& instance, unsigned kind) {
  aif_ModelInfo& info = Info();
  const ptoK_Part& part = asoK_Assembly::GetOriginalPart(instance);
  cow_List<const kern_Object*> entries;
  if (kind == ptoC_SectionAssignment::TypeId()) {
    for (const cow_COW<kern_Object>& assignment : assignments_)
      entries.Append(&*assignment);
  } else if (kind == kMaterialOrientations) {
    for (const kern_Object* attribute : AttributesOf(part, kind)) {
      const auto& orientation =
          nex_canDynamicCastRef<const ptoC_MaterialOrientation>(*attribute, kFile, __LINE__);
      if (orientation.IsSuppressed()) continue;
      orientations_.Append(cow_COW<kern_Object>(orientation));
      entries.Append(&orientation);
    }
    ownOrientations_ = static_cast<int>(orientations_.Length());
  } else {
    entries = AttributesOf(part, kind);
  }

  const int instanceId = static_cast<int>(instance.Id());
  const cow_String& modelName = info.Model().Name();
  for (std::size_t i = 0; i < entries.Length(); ++i) {
    const rgnC_Region* region = nullptr;
    if (kind == ptoC_SectionAssignment::TypeId())
      region = &nex_canDynamicCastRef<const ptoC_SectionAssignment>(*entries[i], kFile, __LINE__)
                    .RegionRef();
    else if (kind == kBeamOrientations)
      region =
          &nex_canDynamicCastRef<const ptoC_BeamOrientation>(*entries[i], kFile, __LINE__).Region();
    else
      region = &nex_canDynamicCastRef<const ptoC_MaterialOrientation>(*entries[i], kFile, __LINE__)
                    .Region();
    const rgnK_Region kernelRegion(info.Assembly(), modelName, *region);
    if (!kernelRegion.IsValid(true)) continue;
    cow_Map<int, cow_List<int>> ids;
    kernelRegion.GetElementIds(ids, nullptr, instanceId, info.ElementLabelsUsable(), true);
    const cow_List<int>* members = ids.Find(instanceId);
    if (!members) continue;
    const int index = static_cast<int>(i);
    int covered = 0;
    for (int label : *members) {
      const int* position = Position(label);
      if (!position) continue;  // not an element of this mesh
      ++covered;
      bme_Property& property = properties_[static_cast<std::size_t>(*position)];
      if (kind == ptoC_SectionAssignment::TypeId())
        property.section = index;  // a later entry overwrites an earlier one
      else if (kind == kBeamOrientations)
        property.beamOri = index;
      else if (kind == kMaterialOrientations)
        property.matOri = index;
      else
        property.rebarOri = index;
    }
    if (kind == ptoC_SectionAssignment::TypeId())
      assignmentSizes_.Set(static_cast<unsigned>(index), covered);
  }
}

void aif_PartAttributesBuilder::AddLayups(const asoF_PartInstance& instance) {
  aif_ModelInfo& info = Info();
  const ptoK_Part& part = asoK_Assembly::GetOriginalPart(instance);
  if (part.CompositeLayups().IsEmpty()) return;
  const cow_String& model = info.Model().Name();
  const bme_Mesh& mesh = *instance.ConstGetMesh();
  const bool usable = info.ElementLabelsUsable();

  std::vector<const ptoK_CompositeLayup*> layups;
  for (const ptoK_CompositeLayup& layup : part.CompositeLayups())
    if (!layup.suppressed) layups.push_back(&layup);
  std::stable_sort(layups.begin(), layups.end(),
                   [](const ptoK_CompositeLayup* a, const ptoK_CompositeLayup* b) {
                     return a->name.Str() < b->name.Str();
                   });

  for (const ptoK_CompositeLayup* layup : layups) {
    mdl_MapString2ObjCow<kseC_Section> generated;
    cow_Map<cow_String, gdy_CompositeHitSet> hits;
    cow_List<cow_COW<kern_Object>> newAssignments, newOrientations;
    kseK_SectionAssignmentsFromLayup(*layup, model, info.Assembly(), instance.Name(), generated,
                                     hits, newAssignments, newOrientations);

    // The elements of each generated set, as the property table knows them.
    cow_Map<cow_String, cow_List<int>> members;
    for (const auto& [set, hitSet] : hits) {
      cow_List<int> ids;
      gme_GetElementIdsFromHits(hitSet, mesh, ids);
      if (usable) rgnF_Utils::ConvertElemIndicesToLabels(mesh, ids);
      members.Set(set, std::move(ids));
    }

    // The regions of the plies in use, each named region once.
    const bool fromGeometry =
        layup->thicknessAssignment == ptoC_SectionAssignment::kThicknessFromGeometry;
    const bool thicknessField =
        layup->thicknessKind == 1 || layup->thicknessKind == 3 || layup->thicknessKind == 4;
    cow_List<rgnC_Region> regions;
    if (thicknessField || layup->orientationKind == 4 || fromGeometry || layup->offsetKind == 6) {
      std::unordered_set<std::string> named;
      for (const ptoK_CompositePly& ply : layup->plyRegions) {
        if (ply.suppressed) continue;
        if (!ply.region.IsPicked() && !ply.region.Name().IsEmpty() &&
            !named.insert(ply.region.Name().Str()).second)
          continue;
        rgnC_Region region = ply.region;
        region.AddOwnerName(instance.Name());
        regions.Append(region);
      }
    }

    cow_String thickness;
    cow_String offset;
    if (!fromGeometry) {
      if (layup->thicknessKind == 1)
        thickness = AddThicknessFieldDistribution(instance, layup->analyticalField, regions,
                                                  kfdC_DiscreteField::kElements, "length");
      else if (layup->thicknessKind == 3)
        thickness = AddThicknessFieldDistribution(instance, layup->discreteField, regions,
                                                  kfdC_DiscreteField::kNodes, "length");
      else if (layup->thicknessKind == 4)
        thickness = AddNodalThicknessFromDiscreteField(instance, regions, layup->discreteField);
    }
    if ((fromGeometry || layup->offsetKind == 6) && !regions.IsEmpty()) {
      mgt_ThicknessDataEvaluator data(true);
      mgt_ComputeThicknessAndOffset(info.Assembly(), instance, model, regions, data);
      if (layup->offsetKind == 6) offset = AddOffsetFromGeometry(instance, regions, data);
      if (fromGeometry) thickness = AddNodalThicknessFromGeometry(instance, regions, data);
    }
    // The section keyword adds the instance's name back in a flat file.
    const std::string prefix = instance.Name().Str() + "_";
    if (thickness.Str().rfind(prefix, 0) == 0)
      thickness = cow_String(thickness.Str().substr(prefix.size()));
    if (!thickness.IsEmpty() && !(thickness == layup->analyticalField)) {
      cow_List<cow_String> shells;
      for (const auto& [name, section] : generated.ConstGetMap())
        if (IsGeometryShell(section->DynTypeId())) shells.Append(name);
      for (const cow_String& name : shells)
        nex_canDynamicCastRef<kseC_GeometryShellSection>(generated.Modify(name), kFile, __LINE__)
            .thicknessField = thickness;
    }

    // The generated assignments and orientations behind those held so far
    // (behind the part's own ones and those of earlier layups).
    const int firstOrientation = static_cast<int>(orientations_.Length());
    for (std::size_t k = 0; k < newAssignments.Length(); ++k) {
      ptoC_SectionAssignment assignment =
          nex_canDynamicCastRef<const ptoC_SectionAssignment>(*newAssignments[k], kFile, __LINE__);
      if (layup->offsetKind == 6) assignment.SetOffset(6, 0.0, offset);
      const cow_String sectionName = assignment.SectionName();
      if (generated.Contains(sectionName))
        sections_.Set(sectionName, generated.ConstGet(sectionName));
      const int index = static_cast<int>(assignments_.Length());
      assignments_.Append(cow_COW<kern_Object>(assignment));
      int orientationIndex = -1;
      if (k < newOrientations.Length()) {
        orientationIndex = static_cast<int>(orientations_.Length());
        orientations_.Append(newOrientations[k]);
      }

      const cow_String set = assignment.RegionRef().Name();
      int covered = 0;
      if (const cow_List<int>* ids = members.Find(set)) {
        for (int label : *ids) {
          const int* position = Position(label);
          if (!position) continue;  // not an element of this mesh
          ++covered;
          bme_Property& property = properties_[static_cast<std::size_t>(*position)];
          property.section = index;
          property.matOri = orientationIndex;
        }
      }
      assignmentSizes_.Set(static_cast<unsigned>(index), covered);

      // Section points per layer through the thickness; a symmetric section
      // repeats its layers in reverse.
      if (generated.Contains(sectionName)) {
        const kseC_Section& section = generated.ConstGet(sectionName);
        const cow_List<kseC_Layer>* layers = nullptr;
        bool symmetric = false;
        if (section.DynTypeId() == kCompositeSolid) {
          const auto& solid =
              nex_canDynamicCastRef<const kseC_CompositeSolidSection>(section, kFile, __LINE__);
          layers = &solid.layers;
          symmetric = solid.symmetric;
        } else {
          const auto& shell =
              nex_canDynamicCastRef<const kseC_CompositeShellSection>(section, kFile, __LINE__);
          layers = &shell.layers;
          symmetric = shell.symmetric;
        }
        cow_List<int> points;
        points.Reserve(layers->Length() * (symmetric ? 2 : 1));
        for (const kseC_Layer& layer : *layers)
          points.Append(layer.numIntPoints);
        if (symmetric)
          for (std::size_t l = layers->Length(); l-- > 0;)
            points.Append((*layers)[l].numIntPoints);
        info.LayupData().AddSection(instance.Name(), set, sectionName, points);
      }

      // The section keyword reads the stack direction by the group's
      // material orientation: record it under the generated orientation.
      if ((layup->layupKind == 1 || layup->layupKind == 2) && orientationIndex >= 0 &&
          layup->stackDirection >= 0 && layup->stackDirection <= 3) {
        static const char* const kStack[] = {"1", "2", "3", "ORIENTATION"};
        stackDirections_.Set(orientationIndex, kStack[layup->stackDirection]);
      }
    }

    // A discrete orientation: one distribution over the plies, named by
    // every orientation of the layup.
    const int lastOrientation = static_cast<int>(orientations_.Length());
    if (layup->orientationKind == 4 && layup->orientation && lastOrientation > firstOrientation) {
      const cow_String distribution = AddDiscreteOrientationDistribution(
          *layup->orientation, Numbered("Ori-", firstOrientation + 1), regions, instance);
      for (int o = firstOrientation; o < lastOrientation; ++o)
        distributionNames_.Set(o, distribution);
    }
  }
}

int aif_PartAttributesBuilder::ControlIndex(const bme_ElemCtrlParams& params) {
  for (const auto& [index, entry] : controls_)
    if (SameControls(entry, params)) return index;
  return controlCount_;
}

void aif_PartAttributesBuilder::CollectControls(const asoF_PartInstance& instance) {
  for (const bme_ElementClass& elementClass : instance.ConstGetMesh()->ElementClasses()) {
    const auto& params = elementClass.ElemCtrlParams();
    if (!params || params->IsDefault()) continue;
    const int index = ControlIndex(*params);
    const std::size_t first = elementClass.FirstElementIndex();
    for (std::size_t e = 0; e < elementClass.NumElements(); ++e)
      properties_[first + e].elemCtrl = index;
    if (!controls_.Contains(index)) {
      controls_.Set(index, *params);
      ++controlCount_;
    }
  }
}

void aif_PartAttributesBuilder::GroupAndWrite(const asoF_PartInstance& instance) {
  if (properties_.empty()) return;
  bme_MapPropertyArray groups;
  for (const bme_Property& property : properties_)
    groups.Add(property);
  properties_.clear();
  properties_.shrink_to_fit();
  labels_.Clear();
  negativeLabels_.Clear();
  WriteGroups(instance, groups);

  // The orientations the sections name themselves (composite plies).
  cow_List<cow_String> names;
  for (const cow_String& name : usedSections_)
    if (sections_.Contains(name)) AddUserOrientations(sections_.ConstGet(name), names);
  // Each name once for the instance, also when several sections name it.
  cow_List<cow_String> added;
  for (const cow_String& name : names) {
    if (added.IndexOf(name) >= 0) continue;
    added.Append(name);
    AddInstanceDefinition(instance.Name(), aif_Orientation(aif_PrintableName(name)));
  }
}

void aif_PartAttributesBuilder::AddOrientationOnce(const asoF_PartInstance& instance,
                                                   bool partLevel,
                                                   const ptoC_MaterialOrientation& orientation,
                                                   const cow_String& name,
                                                   const cow_String& distribution) {
  if (orientation.IsSuppressed() || writtenOrientations_.IndexOf(name) >= 0) return;
  writtenOrientations_.Append(name);
  const aif_ModelInfo& info = Info();
  const bool flat = !info.IsPartBased();
  const gsl_Matrix transform = flat ? instance.GetTransform() : gsl_Matrix();
  const ptoK_Part& part = asoK_Assembly::GetOriginalPart(instance);
  File(instance, partLevel,
       aif_Orientation(&part, orientation, info.Model().Name(), name, transform, 0, !flat,
                       instance.Name(), distribution));
}

void aif_PartAttributesBuilder::WriteGroups(const asoF_PartInstance& instance,
                                            const bme_MapPropertyArray& groups) {
  aif_ModelInfo& info = Info();
  const bool partLevel = info.IsLightweightInstance(instance);
  const bool flat = !info.IsPartBased();
  const ptoK_Part& part = asoK_Assembly::GetOriginalPart(instance);
  const cow_List<const kern_Object*> beamOrientations = AttributesOf(part, kBeamOrientations);
  const cow_List<const kern_Object*> rebarOrientations = AttributesOf(part, kRebarOrientations);
  const cow_String owner = partLevel ? instance.GetPartName() : instance.Name();
  const cow_String registryScope = aif_SurfaceFromElements::InternalSetScope(instance, info);
  writtenOrientations_.Clear();

  // The thickness data of the regions whose thickness or offset comes from
  // the geometry, computed once for the instance.
  std::optional<mgt_ThicknessDataEvaluator> geometry;
  {
    cow_List<rgnC_Region> regions;
    std::unordered_set<int> taken;
    for (std::size_t p = 0; p < groups.Length(); ++p) {
      const int s = groups.SectionIndex(p);
      if (s < 0 || !taken.insert(s).second) continue;
      const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
          *assignments_[static_cast<std::size_t>(s)], kFile, __LINE__);
      if (assignment.ThicknessAssignment() == ptoC_SectionAssignment::kThicknessFromGeometry ||
          (assignment.OffsetKind() == 6 && s < ownAssignments_))
        regions.Append(assignment.RegionRef());
    }
    if (!regions.IsEmpty()) {
      geometry.emplace(true);
      mgt_ComputeThicknessAndOffset(info.Assembly(), instance, info.Model().Name(), regions,
                                    *geometry);
    }
  }

  for (std::size_t p = 0; p < groups.Length(); ++p) {
    const int s = groups.SectionIndex(p);
    if (s < 0) continue;
    const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
        *assignments_[static_cast<std::size_t>(s)], kFile, __LINE__);
    const rgnC_Region& region = assignment.RegionRef();
    const bool generated = s >= ownAssignments_;
    const std::vector<int>& members = groups.ElementIds(p);
    const int* size = assignmentSizes_.Find(static_cast<unsigned>(s));
    const bool complete = size && static_cast<std::size_t>(*size) == members.size();

    // The region as the instance's: {part, instance}.
    rgnC_Region scoped(region.Name(), {part.GetName(), instance.Name()}, region.Flags());
    scoped.SetPicked(region.IsPicked());
    const aif_RegionName regionName(scoped, info);
    Group group;
    bool madeHere = true;
    if (generated) {
      group.setName = region.Name();
      if (!complete) group.setName += Numbered("-", static_cast<int>(p) + 1);
      if (flat) group.setName += "_" + instance.Name();
      group.setName = aif_PrintableName(group.setName);
    } else if (complete) {
      group.setName = regionName.QualifiedName(1);
      madeHere = false;
    } else {
      group.setName = regionName.ScopedName(Numbered("_I", static_cast<int>(p) + 1), 1);
    }

    group.sectionName = assignment.SectionName();
    if (!sections_.Contains(group.sectionName)) continue;
    const kseC_Section& section = sections_.ConstGet(group.sectionName);
    const unsigned type = section.DynTypeId();
    if (assignment.ThicknessAssignment() != ptoC_SectionAssignment::kThicknessFromGeometry) {
      if (IsGeometryShell(type) && !generated) {
        const auto& shell =
            nex_canDynamicCastRef<const kseC_GeometryShellSection>(section, kFile, __LINE__);
        if (shell.thicknessType == 1)
          group.thicknessDistribution = AddThicknessFieldDistribution(
              instance, shell.thicknessField, {region}, kfdC_DiscreteField::kElements, "length");
        else if (shell.thicknessType == 3)
          group.thicknessDistribution = AddThicknessFieldDistribution(
              instance, shell.thicknessField, {region}, kfdC_DiscreteField::kNodes, "length");
        else if (shell.thicknessType == 4)
          group.thicknessDistribution =
              AddNodalThicknessFromDiscreteField(instance, {region}, shell.thicknessField);
      } else if (type == kMembrane) {
        const auto& membrane =
            nex_canDynamicCastRef<const kseC_MembraneSection>(section, kFile, __LINE__);
        if (membrane.thicknessType == 1)
          group.thicknessDistribution = AddThicknessFieldDistribution(
              instance, membrane.thicknessField, {region}, kfdC_DiscreteField::kElements, "length");
      }
    } else {
      group.nodalThickness = true;
      group.thicknessDistribution = AddNodalThicknessFromGeometry(instance, {region}, *geometry);
    }
    if (flat && !group.thicknessDistribution.IsEmpty())
      group.thicknessDistribution = instance.Name() + "_" + group.thicknessDistribution;

    const int c = groups.ElemCtrlIndex(p);
    bool defaultControls = false;
    if (c >= 0) {
      group.params = controls_.Get(c);
      group.controls = Numbered("EC-", c + 1);
    } else {
      defaultControls = !controls_.IsEmpty();
    }

    cow_String beamText;
    group.beamOrientation = groups.BeamOriIndex(p);
    if (group.beamOrientation >= 0)
      beamText = RegionText(
          nex_canDynamicCastRef<const ptoC_BeamOrientation>(
              *beamOrientations[static_cast<std::size_t>(group.beamOrientation)], kFile, __LINE__)
              .Region());

    cow_String materialText;
    const int m = groups.MatOriIndex(p);
    group.materialOrientation = m;
    if (m >= 0) {
      const auto& orientation = nex_canDynamicCastRef<const ptoC_MaterialOrientation>(
          *orientations_[static_cast<std::size_t>(m)], kFile, __LINE__);
      materialText = RegionText(orientation.Region());
      bool write = true;
      cow_String name;
      cow_String distribution;
      switch (orientation.DefinitionKind()) {
        case ptoC_MaterialOrientation::kDiscrete:
          name = Numbered("Ori-", m + 1);
          if (!generated) {
            distribution = AddDiscreteOrientationDistribution(orientation, name,
                                                              {orientation.Region()}, instance);
            distributionNames_.Set(m, distribution);
          } else if (const cow_String* found = distributionNames_.Find(m)) {
            distribution = *found;
          }
          // Without a distribution the orientation has no axes: neither it
          // nor the section's reference to it is written.
          write = !distribution.IsEmpty();
          break;
        case ptoC_MaterialOrientation::kField:
          name = "Ori-" + aif_PrintableName(orientation.FieldName());
          RegisterDiscreteField(instance, orientation.FieldName(), {"coord3d", "coord3d"});
          break;
        case ptoC_MaterialOrientation::kDatum:
          if (!orientation.DatumRef().IsNullRef()) {
            name = Numbered("Ori-", m + 1);
            break;
          }
          [[fallthrough]];
        case ptoC_MaterialOrientation::kGlobal:
          if (generated && IsGeometryShell(type)) {
            write = false;
          } else if (!generated && part.GetSpace() == ptoK_SPACE_3D &&
                     rgnK_Region(&part, info.Model().Name(), orientation.Region()).IsValid(true) &&
                     (orientation.Region().Flags() & (1 << 2)) != 0) {
            write = false;
          } else {
            name = Numbered("Ori-", m + 1);
          }
          break;
        default:
          name = Numbered("Ori-", m + 1);
          break;
      }
      if (flat && !name.IsEmpty()) name = aif_PrintableName(instance.Name() + "-" + name);
      if (orientation.DefinitionKind() == ptoC_MaterialOrientation::kUser) {
        // Once per scope, however many groups it covers.
        if (writtenOrientations_.IndexOf(name) < 0) {
          writtenOrientations_.Append(name);
          File(instance, partLevel, aif_Orientation(name));
        }
      } else if (write) {
        if (orientation.AdditionalRotationType() == ptoC_MaterialOrientation::kRotationField)
          RegisterDiscreteField(instance, orientation.AngleFieldName(), {"angle"});
        AddOrientationOnce(instance, partLevel, orientation, name, distribution);
      }
      group.orientationName = write ? name : cow_String();
      const int code = orientation.StackDirection();
      if (m >= ownOrientations_ && stackDirections_.Contains(m)) {
        // The layup that generated the orientation gave the stack direction.
      } else if (IsSolidType(type)) {
        if (code == 0) stackDirections_.Set(m, "1");
        if (code == 1) stackDirections_.Set(m, "2");
        if (code == 3) stackDirections_.Set(m, "ORIENTATION");
      } else if (IsShellType(type)) {
        if (code == 0) stackDirections_.Set(m, "1");
        if (code == 1) stackDirections_.Set(m, "2");
      }
    }

    const int r = groups.RebarOriIndex(p);
    if (r >= 0 && UsesRebarOrientation(section)) {
      const auto& rebar = nex_canDynamicCastRef<const ptoC_MaterialOrientation>(
          *rebarOrientations[static_cast<std::size_t>(r)], kFile, __LINE__);
      if (!rebar.DatumRef().IsNullRef()) {
        cow_String name = Numbered("RebarOri-", r + 1);
        if (flat) name = instance.Name() + "-" + name;
        group.rebarOrientationName = aif_PrintableName(name);
        AddOrientationOnce(instance, partLevel, rebar, group.rebarOrientationName);
      }
    }

    cow_String comment =
        "(" + group.sectionName + ":" +
        (region.Name().IsEmpty() ? cow_String(" Generated From Layup") : RegionText(region)) + ")";
    if (!group.controls.IsEmpty())
      comment += ", (Controls:" + group.controls + ")";
    else if (defaultControls)
      comment += ", (Controls:Default)";
    if (group.beamOrientation >= 0) comment += ", (Beam Orientation:" + beamText + ")";
    if (m >= 0) comment += ", (Material Orientation:" + materialText + ")";

    // A picked region is written here unless a set of its name is written
    // already (the registry knows the sets of the instance's scope).
    if (!madeHere && region.IsPicked()) {
      const cow_String registered =
          registryScope.IsEmpty() ? group.setName : registryScope + "." + group.setName;
      madeHere = !aif_SetNameRegistry::Instance().IsElset(registered);
    }
    if (madeHere) {
      File(instance, partLevel, aif_Comment("Region: " + comment));
      aif_Elset::LabelsById labels;
      cow_List<int>& list = labels.Modify(static_cast<int>(instance.Id()));
      list.Reserve(members.size());
      for (int label : members)
        list.Append(label);
      File(instance, partLevel, aif_Elset(group.setName, labels, false, info));
    }
    (void)owner;

    switch (assignment.OffsetKind()) {
      case 1:
        group.offsetText = "SPOS";
        break;
      case 2:
        group.offsetText = "SNEG";
        break;
      case 3:
        group.offsetValue = assignment.OffsetValue();
        break;
      case 5:
        group.offsetText = assignment.OffsetField();
        RegisterDiscreteField(instance, assignment.OffsetField(), {"ratio"});
        break;
      case 6:
        group.offsetText = generated ? assignment.OffsetField()
                                     : AddOffsetFromGeometry(instance, {region}, *geometry);
        break;
      default:
        break;
    }
    AddSection(instance, group);
  }
}

void aif_PartAttributesBuilder::RegisterDiscreteField(const asoF_PartInstance& instance,
                                                      const cow_String& field,
                                                      const cow_List<cow_String>& components) {
  aif_ModelInfo& info = Info();
  akw_DiscreteField use;
  use.field = field;
  const bool partLevel = info.IsLightweightInstance(instance);
  use.ownerKind = partLevel ? akw_DiscreteField::kPart : akw_DiscreteField::kInstance;
  use.owner = partLevel ? instance.GetPartName() : instance.Name();
  use.users.Append(instance.Name());
  use.components = components;
  cow_List<akw_DiscreteField>& uses = info.DiscreteFieldUses();
  for (std::size_t i = 0; i < uses.Length(); ++i) {
    if (!(uses[i] == use)) continue;
    if (uses[i].owner != use.owner) break;
    akw_DiscreteField& found = uses.Modify(i);
    ++found.useCount;
    if (found.users.IndexOf(instance.Name()) < 0) found.users.Append(instance.Name());
    return;
  }
  use.useCount = 1;
  uses.Append(use);
}

akw_DiscreteField aif_PartAttributesBuilder::DistributionRecord(
    const asoF_PartInstance& instance, bool partLevel, const cow_String& name,
    cow_List<cow_String> users, const cow_List<cow_String>& components) const {
  akw_DiscreteField record;
  record.field = name;
  record.ownerKind = partLevel ? akw_DiscreteField::kPart : akw_DiscreteField::kInstance;
  record.owner = partLevel ? instance.GetPartName() : instance.Name();
  if (partLevel) {
    record.users = std::move(users);
  } else {
    record.users.Append(instance.Name());
  }
  record.components = components;
  record.useCount = 1;
  return record;
}

void aif_PartAttributesBuilder::FileDistribution(const kfdC_DiscreteField& field,
                                                 const akw_DiscreteField& record, bool nodal) {
  aif_ModelInfo& info = Info();
  if (!nodal) {
    cow_List<akw_DiscreteField>& uses = info.DiscreteFieldUses();
    bool held = false;
    for (const akw_DiscreteField& use : uses)
      if (use == record) {
        held = true;
        break;
      }
    if (!held) {
      AddModelDefinition(aif_DistributionTable(field, record, info.IsPartBased()));
      uses.Append(record);
    }
  }
  const akw_KeywordHandle keyword = nodal
                                        ? akw_KeywordHandle(aif_NodalThickness(field, record))
                                        : akw_KeywordHandle(aif_Distribution(field, record, &info));
  if (record.ownerKind == akw_DiscreteField::kPart) {
    AddPartDefinition(record.owner, keyword);
  } else {
    for (const cow_String& user : record.users)
      AddInstanceDefinition(user, keyword);
  }
}

cow_String aif_PartAttributesBuilder::UniqueFieldName(const cow_String& base) const {
  const cow_List<akw_DiscreteField>& uses = Info().DiscreteFieldUses();
  std::unordered_set<std::string> names;
  names.reserve(uses.Length());
  for (const akw_DiscreteField& use : uses)
    names.insert(use.field.Str());
  cow_String name = base;
  for (int counter = 1; names.count(name.Str()) != 0; ++counter)
    name = base + "-" + std::to_string(counter);
  return name;
}

namespace {

// A data table being filled from several regions: the rows it holds, so that
// a node or element met again keeps its first value.
struct MergedTable {
  kfdC_DataTable table;
  std::unordered_set<int> labels;
};

void AddRows(MergedTable& merged, const cow_List<int>& ids, const cow_List<double>& values,
             int shift) {
  const std::size_t rows = ids.Length() < values.Length() ? ids.Length() : values.Length();
  merged.labels.reserve(merged.labels.size() + rows);
  for (std::size_t i = 0; i < rows; ++i) {
    const int label = ids[i] + shift;
    if (merged.labels.insert(label).second) merged.table.AddDomainValue(label, values[i]);
  }
}

// Drops the repeated node ids of `ids` with their coordinate rows, so that
// ids and rows stay in step.
void UniqueWithRows(cow_List<int>& ids, cow_2DArray<double>& rows) {
  std::unordered_set<int> seen;
  seen.reserve(ids.Length());
  cow_List<int> uniqueIds;
  std::vector<std::size_t> kept;
  for (std::size_t i = 0; i < ids.Length(); ++i)
    if (seen.insert(ids[i]).second) {
      uniqueIds.Append(ids[i]);
      kept.push_back(i);
    }
  if (kept.size() == ids.Length()) return;
  cow_2DArray<double> uniqueRows(kept.size(), 3, 0.0);
  for (std::size_t r = 0; r < kept.size(); ++r)
    for (std::size_t c = 0; c < 3; ++c)
      uniqueRows.Modify(r, c) = kept[r] < rows.Rows() ? rows(kept[r], c) : 0.0;
  ids = uniqueIds;
  rows = uniqueRows;
}

}  // namespace

cow_String aif_PartAttributesBuilder::AddThicknessFieldDistribution(
    const asoF_PartInstance& instance, const cow_String& fieldName,
    const cow_List<rgnC_Region>& regions, int location, const cow_String& columnType) {
  aif_ModelInfo& info = Info();
  const aif_Model& adapter = info.ModelAdapter();
  const cow_String& model = info.Model().Name();
  auto drop = [&](const cow_String& reason) {
    ajbC_CheckingMessages::Instance().Messages().Append(atr_TranslateWithArg(
        reason + "\nDue to the failure of evaluating the shell thickness\nfrom analytical field "
                 "\"%s\",\nthis thickness definition will be missing in the input file.",
        fieldName));
    return cow_String();
  };
  if (!adapter.AnalyticalFields().Contains(fieldName)) {
    // A discrete field of the name is written as such, from its record.
    if (adapter.DiscreteFields().Contains(fieldName)) return cow_String();
    return drop("The analytical field is not defined in the model.");
  }
  const kfdC_AnalyticalField& source = adapter.AnalyticalFields().ConstGet(fieldName);
  const bool expression = source.DynTypeId() == kfdC_ExpressionField::TypeId();
  if (!expression && source.DynTypeId() != kfdC_MappedField::TypeId())
    return drop("The analytical field is of a kind that cannot be evaluated.");

  const cow_String name = UniqueFieldName(fieldName);
  const bool partLevel = info.IsLightweightInstance(instance);
  const bool nodes = location == kfdC_DiscreteField::kNodes;
  const bool usable = nodes ? info.NodeLabelsUsable() : info.ElementLabelsUsable();
  // Element rows hold the label (usable labels) or the index + 1, which the
  // distribution turns into the written label; node rows hold the label as
  // the mesh block writes it, since the nodal thickness writes them as held.
  const int nodeOffset = info.NodeOffset(instance.Name());
  const int instanceId = static_cast<int>(instance.Id());
  const bme_Mesh& mesh = *instance.ConstGetMesh();
  std::vector<MergedTable> tables;
  for (const rgnC_Region& region : regions) {
    const rgnK_Region kernel(info.Assembly(), model, region);
    cow_Map<int, cow_List<int>> idMap;
    // Expression fields are evaluated at labelled points; mapped fields map
    // onto indices, turned into labels afterwards.
    const bool asLabels = expression && usable;
    if (nodes)
      kernel.GetNodeIds(idMap, instanceId, asLabels, false, true);
    else
      kernel.GetElementIds(idMap, nullptr, instanceId, asLabels, true);
    const cow_List<int>* found = idMap.Find(instanceId);
    if (!found || found->IsEmpty()) continue;  // unmeshed for this instance
    cow_List<int> ids = *found;
    cow_List<double> values;
    if (expression) {
      cow_2DArray<double> points;
      if (nodes) {
        rgnK_GetNodalCoords(region, instanceId, mesh, points);
        UniqueWithRows(ids, points);
      } else {
        rgnK_GetElementCentroids(region, instanceId, mesh, points);
      }
      if (points.Rows() == 0) continue;
      values = kfdK_EvaluateField(static_cast<const kfdC_ExpressionField&>(source), points, model);
    } else {
      if (nodes) {
        rgnK_GetUniqueIds(idMap);
        ids = *idMap.Find(instanceId);
      }
      cow_Map<int, cow_List<int>> mapped;
      mapped.Set(instanceId, ids);
      const kfdK_Mapping mapping(static_cast<const kfdC_MappedField&>(source), mapped, model);
      cow_String failure, note;
      mapping.mapping(instanceId, values, failure, note);
      if (!failure.IsEmpty()) return drop(failure);
      if (!note.IsEmpty()) ajbC_CheckingMessages::Instance().Messages().Append(note);
      if (usable) {
        if (nodes)
          rgnF_Utils::ConvertNodeIndicesToLabels(mesh, ids);
        else
          rgnF_Utils::ConvertElemIndicesToLabels(mesh, ids);
      }
    }
    const int shift = nodes ? nodeOffset : (usable ? 0 : 1);
    const cow_String tableName =
        partLevel ? cow_String() : info.FeatureName(static_cast<unsigned>(instanceId));
    MergedTable* merged = nullptr;
    for (MergedTable& table : tables)
      if (table.table.Name() == tableName) merged = &table;
    if (!merged) {
      tables.push_back(MergedTable{kfdC_DataTable(tableName), {}});
      merged = &tables.back();
    }
    AddRows(*merged, ids, values, shift);
  }

  kfdC_DiscreteField field;
  field.SetLocation(location);
  field.SetComponentCount(1);
  field.SetDefaultValues({1.0});
  field.SetDescription(source.Description() + " From Analytical Field " + fieldName);
  for (const MergedTable& merged : tables)
    field.AddDataTable(merged.table);
  FileDistribution(
      field, DistributionRecord(instance, partLevel, name, {instance.Name()}, {columnType}), nodes);
  return name;
}

cow_String aif_PartAttributesBuilder::AddNodalThicknessFromGeometry(
    const asoF_PartInstance& instance, const cow_List<rgnC_Region>& regions,
    const mgt_ThicknessDataEvaluator& data) {
  return AddThicknessFromGeometry(instance, regions, 0, ++geometryDistributions_, data);
}

cow_String aif_PartAttributesBuilder::AddOffsetFromGeometry(
    const asoF_PartInstance& instance, const cow_List<rgnC_Region>& regions,
    const mgt_ThicknessDataEvaluator& data) {
  return AddThicknessFromGeometry(instance, regions, 1, ++geometryDistributions_, data);
}

cow_String aif_PartAttributesBuilder::AddThicknessFromGeometry(
    const asoF_PartInstance& instance, const cow_List<rgnC_Region>& regions, int kind, int number,
    const mgt_ThicknessDataEvaluator& data) {
  aif_ModelInfo& info = Info();
  const bool offsets = kind == 1;
  const bool partLevel = info.IsLightweightInstance(instance);
  const cow_String& model = info.Model().Name();
  const cow_String name = cow_String(offsets ? "Offset_" : "Thickness_") + instance.GetPartName() +
                          "_" + std::to_string(number);
  kfdC_DiscreteField field;
  field.SetLocation(offsets ? kfdC_DiscreteField::kElements : kfdC_DiscreteField::kNodes);
  field.SetComponentCount(1);
  field.SetDefaultValues({offsets ? 0.0 : 1.0});
  field.SetDescription(offsets ? "Offset determined from geometry"
                               : "Nodal thickness determined from geometry");
  const bool debug = rt_getenv("MVX_DEBUG_DISTRIBUTION") != nullptr;

  // The mesh services answer mesh indices with one value each; the region
  // queries give the instances the rows belong to.
  const int instanceId = static_cast<int>(instance.Id());
  const bool usable = offsets ? info.ElementLabelsUsable() : info.NodeLabelsUsable();
  const ptoK_Part& part = instance.ConstGetPart();
  cow_List<int> ids;
  cow_List<double> values;
  cow_Map<int, cow_List<int>> owners;
  for (const rgnC_Region& region : regions) {
    const rgnK_Region kernel(info.Assembly(), model, region);
    cow_Map<int, cow_List<int>> regionIds;
    if (offsets) {
      kernel.GetElementIds(regionIds, nullptr, instanceId, usable, true);
      if (instance.IsLightweight())
        mgt_GetElemOffset(part, cow_String(), model, region, data, ids, values);
      else
        mgt_GetElemOffset(info.Assembly(), instance, model, {region}, data, ids, values);
    } else {
      if (instance.IsLightweight())
        mgt_GetNodalThickness(part, cow_String(), model, region, data, ids, values);
      else
        mgt_GetNodalThickness(info.Assembly(), instance, model, {region}, data, ids, values);
      kernel.GetNodeIds(regionIds, instanceId, usable, false, true);
    }
    for (const auto& [id, members] : regionIds)
      owners.Modify(id).Append(members);
  }
  rgnK_GetUniqueIds(owners);

  // Rows hold what the keywords expect: an element's label when element
  // labels are usable, else its index + 1 (the distribution adds the
  // instance's offset); a node's label as the mesh block writes it.
  const bme_Mesh& mesh = *instance.ConstGetMesh();
  if (usable) {
    if (offsets)
      rgnF_Utils::ConvertElemIndicesToLabels(mesh, ids);
    else
      rgnF_Utils::ConvertNodeIndicesToLabels(mesh, ids);
  }
  const int shift = offsets ? (usable ? 0 : 1) : info.NodeOffset(instance.Name());
  const std::size_t rows = ids.Length() < values.Length() ? ids.Length() : values.Length();
  for (const auto& entry : owners) {
    kfdC_DataTable table(partLevel ? cow_String()
                                   : info.FeatureName(static_cast<unsigned>(entry.first)));
    std::unordered_set<int> added;
    added.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
      const int label = ids[i] + shift;
      if (!added.insert(label).second) continue;  // the first region's value stands
      const double value = values[i];
      if (offsets && !debug && !(value > 1e-6 || value < -1e-6)) continue;
      table.AddDomainValue(label, value);
    }
    field.AddDataTable(table);
  }

  cow_List<cow_String> targets;
  if (partLevel) targets = asoK_GetInstanceNames(*info.Assembly(), instance.GetPartName(), model);
  const akw_DiscreteField record = DistributionRecord(instance, partLevel, name, targets,
                                                      {cow_String(offsets ? "ratio" : "length")});
  FileDistribution(field, record, !offsets);
  return name;
}

void aif_PartAttributesBuilder::RegisterLayerFields(const asoF_PartInstance& instance,
                                                    const cow_List<kseC_Layer>& layers) {
  for (const kseC_Layer& layer : layers) {
    if (layer.thicknessFlag == 1)
      RegisterDiscreteField(instance, layer.thicknessDistribution, {"length"});
    if (layer.additionalRotationKind == 2)
      RegisterDiscreteField(instance, layer.rotationDistribution, {"angle"});
  }
}

void aif_PartAttributesBuilder::AddLayerOrientations(const asoF_PartInstance& instance,
                                                     bool partLevel, const cow_String& sectionName,
                                                     const cow_List<kseC_Layer>& layers,
                                                     cow_String& prefix) {
  const aif_ModelInfo& info = Info();
  prefix = "Ori-" + sectionName + "-L";
  if (!info.IsPartBased()) prefix = instance.Name() + "-" + prefix;
  const ptoK_Part& part = asoK_Assembly::GetOriginalPart(instance);
  for (std::size_t i = 0; i < layers.Length(); ++i) {
    const kseC_Layer& layer = layers[i];
    if (layer.datum.IsNullRef()) continue;
    if (layer.additionalRotationKind == 2)
      RegisterDiscreteField(instance, layer.rotationDistribution, {"angle"});
    // Named as the ply line writes it: the whole composed name made printable.
    const cow_String name = akw_MorvexName(prefix + std::to_string(i + 1), false).Printable();
    File(instance, partLevel,
         aif_Orientation(
             &part, layer.datum, info.Model().Name(), name, layer.additionalRotationKind != 0,
             layer.additionalRotationAngle, ptoC_MaterialOrientation::AXIS_3,
             layer.additionalRotationKind == 2 ? layer.rotationDistribution : cow_String()));
  }
}

void aif_PartAttributesBuilder::AddSection(const asoF_PartInstance& instance, const Group& group) {
  aif_ModelInfo& info = Info();
  if (!sections_.Contains(group.sectionName)) return;
  const kseC_Section& section = sections_.ConstGet(group.sectionName);
  usedSections_.Append(group.sectionName);
  const bool partLevel = info.IsLightweightInstance(instance);
  const unsigned type = section.DynTypeId();
  if (type != kBeam && type != kNoComment)
    File(instance, partLevel, aif_Comment("Section: " + group.sectionName));

  const int product = info.AnalysisProduct();
  const cow_String controls =
      group.params.HasDefaultSectionControls(Library(product)) ? cow_String() : group.controls;
  const cow_String* stack = stackDirections_.Find(group.materialOrientation);
  const cow_String stackDirection = stack ? *stack : cow_String();
  const bool hourglass = product == 0;
  const cow_String& set = group.setName;

  switch (type) {
    case kCompositeSolid:
    case kHomogeneousSolid:
    case kFluid: {
      cow_String prefix;
      if (type == kCompositeSolid) {
        const auto& composite =
            nex_canDynamicCastRef<const kseC_CompositeSolidSection>(section, kFile, __LINE__);
        RegisterLayerFields(instance, composite.layers);
        AddLayerOrientations(instance, partLevel, group.sectionName, composite.layers, prefix);
      }
      File(instance, partLevel,
           aif_SolidSection(set, section, group.orientationName, controls, stackDirection, prefix));
      if (hourglass) File(instance, partLevel, aif_HourglassStiffness(group.params));
      break;
    }
    case kHomogeneousShell:
    case kCompositeShell:
    case kGeneralShell:
    case kUserShell:
    case kGeneralStiffness: {
      const auto& shell = nex_canDynamicCastRef<const kseC_ShellSection>(section, kFile, __LINE__);
      cow_String prefix;
      if (IsGeometryShell(type)) {
        const auto& geometry = static_cast<const kseC_GeometryShellSection&>(shell);
        if (geometry.thicknessType == 2)
          RegisterDiscreteField(instance, geometry.thicknessField, {"length"});
      }
      if (type == kCompositeShell) {
        const auto& composite = static_cast<const kseC_CompositeShellSection&>(shell);
        RegisterLayerFields(instance, composite.layers);
        AddLayerOrientations(instance, partLevel, group.sectionName, composite.layers, prefix);
      }
      if (type == kUserShell || type == kGeneralStiffness) {
        File(instance, partLevel,
             aif_ShellGeneralSection(set, section, group.orientationName, controls,
                                     group.offsetValue, stackDirection));
      } else {
        File(instance, partLevel,
             aif_ShellSection(set, section, group.orientationName, group.rebarOrientationName,
                              controls, group.offsetValue, info, stackDirection, prefix,
                              group.offsetText, instance.Name(), group.thicknessDistribution,
                              group.nodalThickness));
      }
      if (shell.transverseShear)
        File(instance, partLevel, aif_TransverseShear(*shell.transverseShear));
      if (hourglass) File(instance, partLevel, aif_HourglassStiffness(group.params));
      break;
    }
    case kBeam:
      AddBeamSection(instance, group.sectionName, set, section, group.beamOrientation, partLevel);
      break;
    case kTruss:
      AddSolidSection(instance, set, section, controls);
      break;
    case kMembrane: {
      const auto& membrane =
          nex_canDynamicCastRef<const kseC_MembraneSection>(section, kFile, __LINE__);
      if (membrane.thicknessType == 2)
        RegisterDiscreteField(instance, membrane.thicknessField, {"length"});
      aif_MembraneSection keyword(set, section, group.orientationName, group.rebarOrientationName,
                                  controls, group.thicknessDistribution, &info);
      // A flat file names the thickness field's distribution after the instance.
      if (!info.IsPartBased()) keyword.SetNamePrefix(instance.Name());
      File(instance, partLevel, keyword);
      if (hourglass) File(instance, partLevel, aif_HourglassStiffness(group.params));
      break;
    }
    case kGasket: {
      const auto& gasket =
          nex_canDynamicCastRef<const kseC_GasketSection>(section, kFile, __LINE__);
      // The material's gasket behaviours are not modelled yet: none is set.
      (void)gasket;
      File(instance, partLevel, aif_GasketSection(set, section, false, group.orientationName));
      if (hourglass) File(instance, partLevel, aif_HourglassStiffness(group.params));
      break;
    }
    case kPeg:
    case kAcousticInfinite: {
      const cow_String owner = partLevel ? instance.GetPartName() : instance.Name();
      File(instance, partLevel,
           aif_RefPointSection(set, section, group.orientationName, controls,
                               aif_PrintableName(owner + akw_ModelInfo::RefPtSuffix())));
      if (hourglass) File(instance, partLevel, aif_HourglassStiffness(group.params));
      break;
    }
    case kSurface:
      nex_canDynamicCastRef<const kseC_SurfaceSection>(section, kFile, __LINE__);
      File(instance, partLevel, aif_SurfaceSection(set, section, group.rebarOrientationName));
      break;
    case kCohesive:
      File(instance, partLevel, aif_CohesiveSection(set, section, group.orientationName, controls));
      if (hourglass) File(instance, partLevel, aif_HourglassStiffness(group.params));
      break;
    case kInterface:
      File(instance, partLevel, aif_InterfaceSection(set, cow_String(), section));
      break;
    case kEulerian:
      AddEulerianSection(instance, set, section, controls, stackDirection, group.params, partLevel);
      break;
    default:
      break;
  }
  info.LayupData().AddSectionElset(set);
}

void aif_PartAttributesBuilder::AddSolidSection(const asoF_PartInstance& instance,
                                                const cow_String& setName,
                                                const kseC_Section& section,
                                                const cow_String& controls) {
  File(instance, Info().IsLightweightInstance(instance),
       aif_SolidSection(setName, section, cow_String(), controls, cow_String(), cow_String()));
}

void aif_PartAttributesBuilder::AddBeamSection(const asoF_PartInstance& instance,
                                               const cow_String& sectionName,
                                               const cow_String& setName,
                                               const kseC_Section& section, int beamOrientation,
                                               bool partLevel) {
  const aif_ModelInfo& info = Info();
  const auto& beam = nex_canDynamicCastRef<const kseC_BeamSection>(section, kFile, __LINE__);
  const auto& profiles = info.ModelAdapter().Profiles();
  // A missing profile raises the repository's range error.
  const kbpC_BeamProfile& profile = profiles.ConstGet(beam.profileName);
  const kbpC_BeamProfile* endProfile = nullptr;
  cow_String comment = "Section: " + sectionName;
  if (beam.integration == 1 || beam.taper == 0) {
    comment += "  Profile: " + beam.profileName;
  } else if (beam.taper == 1) {
    comment += "  Start Profile: " + beam.profileName + "  End Profile: " + beam.endProfileName;
    if (profiles.Contains(beam.endProfileName))
      endProfile = &profiles.ConstGet(beam.endProfileName);
  }
  File(instance, partLevel, aif_Comment(comment));

  gsl_Vector n1(0.0, 0.0, -1.0);
  if (beamOrientation >= 0) {
    const cow_List<const kern_Object*> orientations =
        AttributesOf(asoK_Assembly::GetOriginalPart(instance), kBeamOrientations);
    const auto& orientation = nex_canDynamicCastRef<const ptoC_BeamOrientation>(
        *orientations[static_cast<std::size_t>(beamOrientation)], kFile, __LINE__);
    const auto& d = orientation.FirstDirection();
    n1 = gsl_Vector(d[0], d[1], d[2]);
  }
  if (!info.IsPartBased()) n1 = instance.GetTransform().Rotate(n1);
  if (beam.integration == 0) {
    File(instance, partLevel,
         aif_BeamGeneralSection(setName, section, n1.x, n1.y, n1.z, -1.0, &profile, endProfile));
  } else {
    File(instance, partLevel,
         aif_BeamSection(setName, section, n1.x, n1.y, n1.z, -1.0, &profile, endProfile));
    File(instance, partLevel, aif_TransverseShear(beam.transverseShear));
  }
}

void aif_PartAttributesBuilder::AddEulerianSection(
    const asoF_PartInstance& instance, const cow_String& setName, const kseC_Section& section,
    const cow_String& controls, const cow_String& stackDirection, const bme_ElemCtrlParams& params,
    bool partLevel) {
  (void)stackDirection;  // the Eulerian keyword takes no orientation
  const aif_ModelInfo& info = Info();
  const auto& eulerian =
      nex_canDynamicCastRef<const kseC_EulerianSection>(section, kFile, __LINE__);
  File(instance, partLevel,
       aif_EulerianSection(setName, section, cow_String(), controls, instance.Name(), &info));
  File(instance, partLevel, aif_HourglassStiffness(params));
  for (const auto& entry : eulerian.materialInstances) {
    if (info.IsPartBased()) {
      if (partSurfaces_.insert((instance.GetPartName() + "\n" + entry.first).Str()).second)
        AddPartDefinition(instance.GetPartName(), aif_Surface(aif_PrintableName(entry.first)));
    } else {
      std::string name = (instance.Name() + "." + entry.first).Str();
      for (char& c : name)
        if (c == '.') c = '_';
      AddInstanceDefinition(instance.Name(), aif_Surface(aif_PrintableName(cow_String(name))));
    }
  }
}

void aif_PartAttributesBuilder::AddControls() {
  const aif_ModelInfo& info = Info();
  const int product = info.AnalysisProduct();
  // The defaults of the product's library are a default-made parameter set.
  const bme_ElemCtrlParams defaults;
  if (!controls_.IsEmpty()) controls_.Set(-1, defaults);
  bool commented = false;
  for (const auto& [index, params] : controls_) {
    const aif_SectionControls keyword(params, Numbered("EC-", index + 1), product);
    if (!keyword.IsEmpty() && !commented) {
      AddModelDefinition(aif_Comment("\nELEMENT CONTROLS\n"));
      commented = true;
    }
    AddModelDefinition(keyword);
  }
}

cow_String aif_PartAttributesBuilder::AddDiscreteOrientationDistribution(
    const ptoC_MaterialOrientation& orientation, const cow_String& name,
    const cow_List<rgnC_Region>& regions, const asoF_PartInstance& instance) {
  aif_ModelInfo& info = Info();
  const cow_String& model = info.Model().Name();
  const int instanceId = static_cast<int>(instance.Id());

  // The copy the kernel evaluates: its direction geometry and datums as the
  // instance's.
  ptoC_MaterialOrientation local(orientation);
  for (int d = 0; d < 2; ++d) {
    if (rgnC_Region* region = local.MutableDirectionRegion(d))
      region->AddOwnerName(instance.Name());
    if (!local.DirectionDatum(d).IsNullRef()) {
      dtmC_DatumRef datum = local.DirectionDatum(d);
      datum.owners = {instance.Name()};
      local.SetDirectionDatum(d, datum);
    }
  }

  const cow_String distributionName = UniqueFieldName(name + "-DiscOrient");
  const bool partLevel = info.IsLightweightInstance(instance);
  const bool usable = info.ElementLabelsUsable();
  const ptoK_Part& part = asoK_Assembly::GetOriginalPart(instance);
  const bme_Mesh& mesh = *instance.ConstGetMesh();

  // The element centroids, each element once in the order first met.
  kfdC_DataTable table(cow_String(), 6);
  cow_List<int> elements;
  cow_List<gsl_Vector> points;
  std::unordered_set<int> met;
  bool solidFlag = false;
  for (const rgnC_Region& region : regions) {
    const rgnK_Region kernel(info.Assembly(), model, region);
    solidFlag = (kernel.Flags() & 2) != 0 && part.GetSpace() == ptoK_SPACE_3D;
    cow_2DArray<double> centroids;
    rgnK_GetElementCentroids(region, instanceId, mesh, centroids);
    cow_Map<int, cow_List<int>> ids;
    kernel.GetElementIds(ids, nullptr, instanceId, usable, true);
    if (centroids.Rows() == 0 || ids.IsEmpty()) return cow_String();
    const int first = ids.begin()->first;
    if (!partLevel) table.SetName(info.FeatureName(static_cast<unsigned>(first)));
    if (first != instanceId) continue;  // the centroids are the instance's
    const cow_List<int>& members = ids.begin()->second;
    met.reserve(met.size() + members.Length());
    for (std::size_t i = 0; i < members.Length() && i < centroids.Rows(); ++i) {
      if (!met.insert(members[i]).second) continue;
      elements.Append(members[i]);
      points.Append(gsl_Vector(centroids(i, 0), centroids(i, 1), centroids(i, 2)));
    }
  }

  cow_List<gdy_HitRecord> hits[2];
  for (int d = 0; d < 2; ++d)
    if (local.DirectionKind(d) == 0 && local.DirectionRegion(d))
      rgnK_Region(info.Assembly(), model, *local.DirectionRegion(d)).GetAllGeomComponents(hits[d]);
  cow_List<gsl_Vector> directions[4];
  if (!kseK_EvaluateDiscreteOrientation(local, info.Assembly(), hits[0], hits[1], model, points,
                                        solidFlag, directions, 0.0, false))
    return cow_String();

  // Rows hold the element's label (usable labels) or its index + 1; the
  // distribution adds the instance's offset.
  const int shift = usable ? 0 : 1;
  const cow_List<gsl_Vector>& axis1 = directions[solidFlag ? 1 : 0];
  const cow_List<gsl_Vector>& axis2 = directions[solidFlag ? 2 : 1];
  const bool flat = !info.IsPartBased();
  const gsl_Matrix transform = flat ? instance.GetTransform() : gsl_Matrix();
  for (std::size_t i = 0; i < elements.Length(); ++i) {
    gsl_Vector a = axis1[i], b = axis2[i];
    if (flat) {
      a = transform.Rotate(a);
      b = transform.Rotate(b);
    }
    const double row[6] = {a.x, a.y, a.z, b.x, b.y, b.z};
    table.AddDomainValue(elements[i] + shift, row);
  }

  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kElements);
  field.SetDataKind(kfdC_DiscreteField::kOrientations);
  field.SetComponentCount(6);
  field.SetDefaultValues({1.0, 0.0, 0.0, 0.0, 1.0, 0.0});
  field.SetDescription("Distribution generated from Discrete Orientation");
  field.AddDataTable(table);
  cow_List<cow_String> targets;
  if (partLevel) targets = asoK_GetInstanceNames(*info.Assembly(), instance.GetPartName(), model);
  FileDistribution(field,
                   DistributionRecord(instance, partLevel, distributionName, targets,
                                      {cow_String("coord3D"), cow_String("coord3D")}),
                   false);
  return distributionName;
}

cow_String aif_PartAttributesBuilder::AddNodalThicknessFromDiscreteField(
    const asoF_PartInstance& instance, const cow_List<rgnC_Region>& regions,
    const cow_String& fieldName) {
  aif_ModelInfo& info = Info();
  const mdl_MapString2ObjCow<kfdC_DiscreteField>& fields = info.ModelAdapter().DiscreteFields();
  if (!fields.Contains(fieldName)) return cow_String();
  const kfdC_DiscreteField& source = fields.ConstGet(fieldName);
  const cow_String& model = info.Model().Name();
  const bool partLevel = info.IsLightweightInstance(instance);
  const cow_String name =
      UniqueFieldName(partLevel ? fieldName : instance.Name() + "_" + fieldName);

  // The source's rows of this instance: its table named by the instance,
  // else its unnamed one. They hold labels (usable labels) or indices + 1.
  const kfdC_DataTable* values = nullptr;
  for (const kfdC_DataTable& table : source.DataTables())
    if (table.Name() == instance.Name() || (!values && table.Name().IsEmpty())) values = &table;
  const double fallback = source.DefaultValues().IsEmpty() ? 1.0 : source.DefaultValues()[0];

  const bool usable = info.NodeLabelsUsable();
  const int offset = info.NodeOffset(instance.Name());
  const int instanceId = static_cast<int>(instance.Id());
  kfdC_DataTable table;
  std::unordered_set<int> added;
  for (const rgnC_Region& region : regions) {
    const rgnK_Region kernel(info.Assembly(), model, region);
    cow_Map<int, cow_List<int>> labels, indices;
    kernel.GetNodeIds(labels, instanceId, true, false, true);
    kernel.GetNodeIds(indices, instanceId, false, false, true);
    rgnK_GetUniqueIds(labels);
    rgnK_GetUniqueIds(indices);
    for (const auto& [id, ids] : labels) {
      const cow_List<int>* index = indices.Find(id);
      if (ids.IsEmpty() || !index || index->Length() != ids.Length()) continue;
      if (!partLevel) table.SetName(info.FeatureName(static_cast<unsigned>(id)));
      added.reserve(added.size() + ids.Length());
      for (std::size_t i = 0; i < ids.Length(); ++i) {
        const int node = (usable ? ids[i] : (*index)[i]) + offset;
        if (!added.insert(node).second) continue;
        const int key = usable ? ids[i] : (*index)[i] + 1;
        const long long at = values ? values->GetDomainPos(key) : -1;
        // A short value list counts as not holding the node.
        const std::size_t slot =
            at < 0 ? 0
                   : static_cast<std::size_t>(at) *
                         static_cast<std::size_t>(std::max(values->ComponentCount(), 1));
        const double value =
            at >= 0 && slot < values->Values().Length() ? values->Values()[slot] : fallback;
        table.AddDomainValue(node, value);
      }
    }
  }
  table.SortTables();

  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kNodes);
  field.SetComponentCount(1);
  field.SetDefaultValues({1.0});
  field.AddDataTable(table);
  cow_List<cow_String> targets;
  if (partLevel) targets = asoK_GetInstanceNames(*info.Assembly(), instance.GetPartName(), model);
  FileDistribution(
      field, DistributionRecord(instance, partLevel, name, targets, {cow_String("length")}), true);
  return name;
}
