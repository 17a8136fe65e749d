// The assembled-fastener builder's connector step: the template assembly's
// wires with a connector section, once per placement, with their connector
// sections and behaviours.
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "AttributesIntObj/asoK_AttributeUtils.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/constraints/aif_AsmbldFastenerBuilder.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_AssemblyElement.h"
#include "aif/impl/sections/aif_AddConnectorBehaviorKeywords.h"
#include "aif/impl/sections/aif_DistributionTable.h"
#include "aif/impl/sections/aif_NewConnectorSection.h"

namespace {
constexpr char kAsmbldConnectorsFile[] =
    "module/aif/impl/constraints/aif_AsmbldFastenerBuilderConnectors.cpp";
}  // namespace

std::string aif_AsmbldFastenerBuilder::WireEnd(const rgnC_Dot& dot, int copy) const {
  if (!dot.resolved || dot.missing) return std::string();
  const ftr_FeatureList& features = templateAssembly_->ConstGetFeatureList();
  const bool assembly = dot.instanceId == ftr_kAssemblyId;
  const asoF_PartInstance* instance =
      assembly ? nullptr : asoF_Utils::ConstGetPartInstance(features, dot.instanceId);
  if (!assembly && !instance) return std::string();
  const cow_String scope =
      assembly ? cow_String(kAssemblyScope) : cow_String(prefix_.Str() + NoDots(instance->Name()));
  const CopyLabels* labels = Labels(scope);
  if (!labels) return std::string();  // not copied: the end stays open
  int label = 0;
  const auto point = labels->referenceNodes.find(dot.label);
  if (dot.referenceDot || assembly) {
    if (point == labels->referenceNodes.end()) return std::string();
    label = point->second + copy;
  } else {
    if (dot.label < 1 || dot.label > labels->meshNodes) return std::string();
    label = labels->firstNode + copy * labels->meshNodes + dot.label - 1;
  }
  // Part-based the nodes of a generated instance are named through it.
  if (assembly || !Info().IsPartBased()) return std::to_string(label);
  return aif_PrintableName(scope).Str() + "." + std::to_string(label);
}

bool aif_AsmbldFastenerBuilder::AddConnectors(bool& distributionFiled) {
  const asoK_Assembly& assembly = *templateAssembly_;
  const mdl_MapString2ObjCow<kseC_Section>& sections = Info().ModelAdapter().Sections();
  const asoK_AttributeUtils::Attributes& orientations = assembly.ConnectorOrientations();
  const cow_Map<cow_String, int> byName = asoK_AttributeUtils::GetConnectorMap(orientations);
  bool first = true;
  int counter = 1;  // names this fastener's connector orientations
  for (const cow_COW<kern_Object>& attribute : assembly.SectionAssignments()) {
    if (attribute->DynTypeId() != ptoC_SectionAssignment::TypeId()) continue;
    const auto& assignment = static_cast<const ptoC_SectionAssignment&>(*attribute);
    if (assignment.IsSuppressed()) continue;
    const cow_String sectionName(sectionPrefix_.Str() + assignment.SectionName().Str());
    if (!sections.Contains(sectionName)) continue;
    const kseC_Section& section = sections.ConstGet(sectionName);
    if (section.DynTypeId() != kseC_ConnectorSection::TypeId()) continue;

    // The orientation the assignment names, or else the one of its wires.
    ptoC_ConnectorOrientation orientation;
    bool oriented = false;
    if (assignment.OrientationName().IsEmpty()) {
      int index = -10;
      oriented = asoK_AttributeUtils::FindOrientation(orientations, assignment.RegionRef(),
                                                      templateModelName_, index, orientation);
    } else if (const int* index = byName.Find(assignment.OrientationName());
               index && *index >= 0 && static_cast<std::size_t>(*index) < orientations.Length()) {
      orientation = nex_canDynamicCastRef<const ptoC_ConnectorOrientation>(
          *orientations[static_cast<std::size_t>(*index)], kAsmbldConnectorsFile, __LINE__);
      oriented = true;
    }

    if (first) {
      AddAssemblyDefinition(
          aif_Comment("Connectors from assembled fastener: " + fastenerName_.Str()));
      first = false;
    }
    const cow_String elementSet =
        aif_PrintableName(cow_String(prefix_.Str() + NoDots(assignment.RegionRef().Name())));
    // One element per wire and placement, the copies of one wire together.
    const cow_List<rgnC_GeomComponent>& wires = assignment.RegionRef().KernelComponents();
    int count = 0;
    for (const rgnC_GeomComponent& wire : wires)
      if (wire.kind == rgnC_GeomComponent::kEdge) count += static_cast<int>(placements_.Length());
    if (count == 0) continue;
    const cow_String scope =
        Info().IsPartBased() ? Info().FeatureName(ftr_kAssemblyId) : cow_String();
    const int firstLabel = Info().ReserveElementLabels(scope, count) - count + 1;
    int label = firstLabel;
    cow_List<gsl_Matrix> rotations;  // one per element, in label order
    std::string text = std::string("*Element, type=") +
                       aif_AssemblyElement::ElementType(&assembly) + ", elset=" + elementSet.Str() +
                       "\n";
    for (const rgnC_GeomComponent& wire : wires) {
      if (wire.kind != rgnC_GeomComponent::kEdge) continue;
      for (int c = 0; c < static_cast<int>(placements_.Length()); ++c) {
        const std::string end1 = WireEnd(wire.ends[0], c);
        const std::string end2 = WireEnd(wire.ends[1], c);
        // A missing first end leaves its field blank; a missing second end
        // ends the line after the first (no comma would carry it on).
        text += std::to_string(label++) + ", " + (end1.empty() ? " " : end1);
        if (!end2.empty()) text += ", " + end2;
        text += "\n";
        rotations.Append(placements_[static_cast<std::size_t>(c)]);
      }
    }
    AddAssemblyDefinition(aif_RawKeyword(cow_String(text)));
    // The connector's axes turn with each placement: an "*Orientation" and a
    // "*Distribution" per end, named prefix + "Orient-1-" + counter and so on
    // (the fastener's prefix keeps two fasteners' names apart), over the one
    // distribution table of the file. A connector without an orientation of
    // its own turns the global axes: its copies on a turned surface act
    // along the turned template, as their mesh does.
    if (!distributionFiled) {
      akw_DiscreteField record;
      record.field = "_TM_Dist";
      record.ownerKind = akw_DiscreteField::kModel;
      record.components = {"COORD3D", "COORD3D"};
      AddModelDefinition(aif_DistributionTable(kfdC_DiscreteField(), record, Info().IsPartBased()));
      distributionFiled = true;
    }
    AddAssemblyDefinition(aif_NewConnectorSection(
        sectionName, elementSet, &section, oriented ? orientation : ptoC_ConnectorOrientation(),
        rotations, &assembly, templateModelName_, &Info(), aif_InstanceLabelLists(), prefix_,
        counter, firstLabel, *this));
    ++counter;
    // A section's behaviour once per file, whichever fastener uses it first.
    if (!filedElsewhere_.count(sectionName.Str()) &&
        writtenBehaviors_.insert(sectionName.Str()).second)
      aif_AddConnectorBehaviorKeywords(*this, sectionName,
                                       static_cast<const kseC_ConnectorSection&>(section));
  }
  return true;
}
