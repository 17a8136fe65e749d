// The assembled-fastener builder's part-level sets and sections of one copied
// template instance: each set of the template part once over all copies, and
// each section of the part over the elements it covers in all copies.
#include <string>
#include <vector>

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnF_Utils.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "aif/impl/constraints/aif_AsmbldFastenerBuilder.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_Elset.h"
#include "aif/impl/model/aif_Node.h"
#include "aif/impl/model/aif_Normal.h"
#include "aif/impl/model/aif_Nset.h"
#include "aif/impl/sections/aif_BeamGeneralSection.h"
#include "aif/impl/sections/aif_BeamSection.h"
#include "aif/impl/sections/aif_TransverseShear.h"

namespace {

// The mesh indices a region of a template part holds, over every list the
// kernel stored for it, in order.
cow_List<int> AsmbldFastenerIndices(const rgnK_Region& region, bool nodes) {
  cow_Map<int, cow_List<int>> ids;
  if (nodes)
    region.GetNodeIds(ids, ftr_kAssemblyId, false, false, false);
  else
    region.GetElementIds(ids, nullptr, ftr_kAssemblyId, false, false);
  cow_List<int> all;
  for (const auto& entry : ids)
    all.Append(entry.second);
  return all;
}

}  // namespace

cow_String aif_AsmbldFastenerBuilder::CopySetName(const cow_String& instanceName,
                                                  const cow_String& setName) const {
  // Flat: one file-wide scope, so each generated instance's sets carry its
  // name; part-based: the generated part is the scope.
  std::string name = setName.Str();
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
    name = name.substr(1, name.size() - 2);
  name = NoDots(cow_String(name));
  if (!Info().IsPartBased()) name = instanceName.Str() + "_" + name;
  return aif_PrintableName(cow_String(name));
}

// The labels of the members `indices` (of `perCopy` per copy) in every copy:
// member i of copy c is first + c * perCopy + i. Indices outside the copy
// are left out.
cow_List<int> aif_AsmbldFastenerBuilder::CopiedLabels(int first, int perCopy,
                                                      const cow_List<int>& indices) const {
  cow_List<int> out;
  const std::size_t copies = placements_.Length();
  out.Reserve(indices.Length() * copies);
  for (std::size_t c = 0; c < copies; ++c)
    for (int index : indices)
      if (index >= 0 && index < perCopy) out.Append(first + static_cast<int>(c) * perCopy + index);
  return out;
}

cow_List<int> aif_AsmbldFastenerBuilder::CopiedNodeLabels(const CopyLabels& labels,
                                                          const cow_List<int>& indices) const {
  return CopiedLabels(labels.firstNode, labels.meshNodes, indices);
}

cow_List<int> aif_AsmbldFastenerBuilder::CopiedElementLabels(const CopyLabels& labels,
                                                             const cow_List<int>& indices) const {
  return CopiedLabels(labels.elementOffset + 1, labels.meshElements, indices);
}

void aif_AsmbldFastenerBuilder::AddPartSets(const cow_String& name,
                                            const asoF_PartInstance& instance,
                                            const CopyLabels& labels) {
  if (labels.meshNodes == 0) return;  // nothing of the mesh was copied
  const ptoK_Part& part = instance.ConstGetPart();
  const ftr_FeatureList& features = part.ConstGetFeatureList();
  bool first = true;
  for (unsigned id : rgnF_Utils::GetRegionIds(features, true, false)) {
    const rgnF_Set* set = rgnF_Utils::GetRegion(features, id);
    const rgnK_Region region(&part, templateModelName_, set->Region());
    if (!region.IsValid(true)) continue;
    if (first) {
      AddOwnerDefinition(
          name, aif_Comment("Part-level sets from assembled fastener: " + fastenerName_.Str()));
      first = false;
    }
    const cow_String setName = FiledSetName(name, set->Name());
    const cow_List<int> nodes = CopiedNodeLabels(labels, AsmbldFastenerIndices(region, true));
    const cow_List<int> elements =
        CopiedElementLabels(labels, AsmbldFastenerIndices(region, false));
    if (!nodes.IsEmpty() && (set->typeMask & (rgnF_Set::kGeometrySet | rgnF_Set::kNodeSet))) {
      aif_Nset nset(setName, cow_List<cow_String>(), Info());
      nset.SetPlainLabels(nodes);
      AddSetDefinition(name, nset);
    }
    if (!elements.IsEmpty() && (set->typeMask & (rgnF_Set::kGeometrySet | rgnF_Set::kElementSet))) {
      aif_Elset elset(setName, aif_Elset::LabelsById(), false, Info());
      elset.SetPlainLabels(elements);
      AddSetDefinition(name, elset);
    }
    writtenSets_.insert(set->Name().Str());
  }
}

cow_String aif_AsmbldFastenerBuilder::FiledSetName(const cow_String& instanceName,
                                                   const cow_String& setName) const {
  // A restart job files the sets as model definitions: part-based they are
  // named through the assembly and their generated instance.
  const cow_String name = CopySetName(instanceName, setName);
  if (!Info().IsRestart() || !Info().IsPartBased()) return name;
  return cow_String("Assembly." + aif_PrintableName(instanceName).Str() + "." + name.Str());
}

void aif_AsmbldFastenerBuilder::AddBeamSectionKeywords(
    const cow_String& name, const asoF_PartInstance& instance, const CopyLabels& labels,
    const cow_String& elementSet, const kseC_BeamSection& section, const cow_String& sectionName) {
  // The beam normals of a generated part, once: from the part's first beam
  // orientation, over every element of every copy.
  const ptoK_Part& part = instance.ConstGetPart();
  const ptoC_BeamOrientation* orientation = nullptr;
  for (const cow_COW<kern_Object>& attribute : part.Attributes())
    if (attribute->DynTypeId() == ptoC_BeamOrientation::TypeId()) {
      orientation = static_cast<const ptoC_BeamOrientation*>(attribute.Get());
      break;
    }
  if (orientation && !writtenBeamParts_.IsMember(name)) {
    AddOwnerDefinition(name, aif_Comment("Beam orients for Part: " + name.Str() +
                                         "  from assembled fastener: " + fastenerName_.Str()));
    const bme_Mesh& mesh = *part.ConstGetMesh();
    const aif_Node::Numbering numbering(
        0, Info().NodeLabelsUsable(), Info().NodeLabelsUsable() && mesh.NodeData().HasLabelTable(),
        &mesh.NodeData());
    cow_Btree<int, int> nodeLabels;
    for (int i = 0; i < labels.meshNodes; ++i)
      nodeLabels.Set(static_cast<int>(numbering.Label(static_cast<std::size_t>(i))),
                     labels.firstNode + i);
    const std::array<double, 3>& n1 = orientation->FirstDirection();
    AddOwnerDefinition(name, aif_Normal(Info(), instance, placements_, nodeLabels,
                                        gsl_Vector(n1[0], n1[1], n1[2]), labels.elementOffset + 1));
    writtenBeamParts_.Append(name);
  }
  const auto& profiles = Info().ModelAdapter().Profiles();
  const kbpC_BeamProfile* profile =
      profiles.Contains(section.profileName) ? &profiles.ConstGet(section.profileName) : nullptr;
  AddOwnerDefinition(name, aif_Comment("Section: " + sectionName.Str() +
                                       "  Profile: " + section.profileName.Str() +
                                       "  from assembled fastener: " + fastenerName_.Str()));
  if (section.integration == 0)
    AddOwnerDefinition(
        name, aif_BeamGeneralSection(elementSet, section, 0.0, 0.0, -1.0, -1.0, profile, nullptr));
  else
    AddOwnerDefinition(name, aif_BeamSection(elementSet, section, 0.0, 0.0, -1.0, -1.0, profile));
  AddOwnerDefinition(name, aif_TransverseShear(section.transverseShear));
}

void aif_AsmbldFastenerBuilder::AddSetDefinition(const cow_String& owner,
                                                 const akw_Keyword& keyword) {
  if (Info().IsRestart())
    AddModelDefinition(keyword);
  else
    AddOwnerDefinition(owner, keyword);
}

void aif_AsmbldFastenerBuilder::AddSections(const cow_String& name,
                                            const asoF_PartInstance& instance,
                                            const CopyLabels& labels) {
  const ptoK_Part& part = instance.ConstGetPart();
  const bme_Mesh* mesh = part.ConstGetMesh();
  if (!mesh || labels.meshElements == 0) return;
  ResetTemplateTables(*mesh);

  // Element to section assignment: the last assignment covering an element
  // wins, as the kernel's property table has it.
  const cow_List<cow_COW<kern_Object>>& attributes = part.Attributes();
  std::vector<const ptoC_SectionAssignment*> assignments;
  for (const cow_COW<kern_Object>& attribute : attributes)
    if (attribute->DynTypeId() == ptoC_SectionAssignment::TypeId()) {
      const auto* assignment = static_cast<const ptoC_SectionAssignment*>(attribute.Get());
      if (!assignment->IsSuppressed()) assignments.push_back(assignment);
      sectionAssignments_->Append(attribute);
    }
  sectionAssignmentCount_ = static_cast<int>(assignments.size());
  std::vector<int> assigned(static_cast<std::size_t>(labels.meshElements), -1);
  std::vector<cow_List<int>> regionIndices(assignments.size());
  for (std::size_t a = 0; a < assignments.size(); ++a) {
    const rgnK_Region region(&part, templateModelName_, assignments[a]->RegionRef());
    regionIndices[a] = AsmbldFastenerIndices(region, false);
    for (int index : regionIndices[a])
      if (index >= 0 && index < labels.meshElements)
        assigned[static_cast<std::size_t>(index)] = static_cast<int>(a);
  }

  const mdl_MapString2ObjCow<kseC_Section>& sections = Info().ModelAdapter().Sections();
  // The element controls of the class holding element `index` (the
  // libraries' defaults where the class has none).
  const bme_ElemCtrlParams defaults;
  const auto controlsOf = [&](int index) -> const bme_ElemCtrlParams& {
    for (const bme_ElementClass& elements : mesh->ElementClasses()) {
      const std::size_t first = elements.FirstElementIndex();
      if (static_cast<std::size_t>(index) >= first &&
          static_cast<std::size_t>(index) < first + elements.NumElements())
        return elements.ElemCtrlParams() ? *elements.ElemCtrlParams() : defaults;
    }
    return defaults;
  };
  for (std::size_t a = 0; a < assignments.size(); ++a) {
    // The elements this assignment keeps.
    cow_List<int> group;
    for (int index = 0; index < labels.meshElements; ++index)
      if (assigned[static_cast<std::size_t>(index)] == static_cast<int>(a)) group.Append(index);
    if (group.IsEmpty()) continue;
    const cow_String sectionName(sectionPrefix_.Str() + assignments[a]->SectionName().Str());
    if (!sections.Contains(sectionName)) continue;
    const kseC_Section& section = sections.ConstGet(sectionName);
    const unsigned type = section.DynTypeId();
    if (type != kseC_HomogenousSolidSection::TypeId() && type != kseC_CohesiveSection::TypeId() &&
        type != kseC_BeamSection::TypeId())
      continue;

    // A region that is a set of the part, written whole, names the
    // section's elements; any other group (a picked region, or elements
    // another assignment took over) gets an element set of its own.
    const rgnC_Region& region = assignments[a]->RegionRef();
    cow_String elementSet;
    if (group.Length() == regionIndices[a].Length() && writtenSets_.count(region.Name().Str())) {
      elementSet = CopySetName(name, region.Name());
    } else {
      const cow_String own("_" + assignments[a]->SectionName().Str() + "-" + std::to_string(a + 1));
      elementSet = CopySetName(name, own);
      aif_Elset elset(FiledSetName(name, own), aif_Elset::LabelsById(), false, Info());
      elset.SetPlainLabels(CopiedElementLabels(labels, group));
      AddSetDefinition(name, elset);
    }
    usedSections_.Append(sectionName);
    if (type == kseC_BeamSection::TypeId()) {
      AddBeamSectionKeywords(name, instance, labels, elementSet,
                             static_cast<const kseC_BeamSection&>(section), sectionName);
      continue;
    }
    AddOwnerDefinition(name, aif_Comment("Section: " + sectionName.Str() +
                                         "  from assembled fastener: " + fastenerName_.Str()));
    if (type == kseC_HomogenousSolidSection::TypeId())
      AddSolidSectionKeywords(name, sectionName, elementSet, section, controlsOf(group[0]));
    else
      AddCohesiveSectionKeywords(name, sectionName, elementSet, section, controlsOf(group[0]));
  }
}
