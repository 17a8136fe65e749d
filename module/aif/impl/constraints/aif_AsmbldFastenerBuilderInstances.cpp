// The assembled-fastener builder's template-instance step: generated parts
// and instances with the copied mesh and reference points.
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/ref_Utils.h"
#include "aif/impl/constraints/aif_AsmbldFastenerBuilder.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/model/aif_ElementFromMesh.h"
#include "aif/impl/model/aif_Instance.h"
#include "aif/impl/model/aif_Node.h"
#include "aif/impl/model/aif_Part.h"
#include "aif/impl/model/aif_RawNode.h"
#include "aif/impl/model/aif_System.h"

namespace {

// The template instances that are copied: those with a mesh or reference
// points, except an instance carrying a template region without reference
// points (the model's surface stands in for it).
bool AsmbldFastenerCopies(const asoF_PartInstance& instance, bool attached, bool hasPoints) {
  if (!instance.ConstGetMesh() && !hasPoints) return false;
  return !(attached && !hasPoints);
}

}  // namespace

const aif_AsmbldFastenerBuilder::CopyLabels* aif_AsmbldFastenerBuilder::Labels(
    const cow_String& name) const {
  auto found = copyLabels_.find(name.Str());
  return found == copyLabels_.end() ? nullptr : &found->second;
}

bool aif_AsmbldFastenerBuilder::GeneratedNamesAreFree() const {
  const ftr_FeatureList& features = templateAssembly_->ConstGetFeatureList();
  const aif_Model& model = Info().ModelAdapter();
  const ftr_FeatureList& own = Info().Assembly()->ConstGetFeatureList();
  const cow_List<cow_String> ownInstances =
      ftr_Accessor<asoF_PartInstance>::GetActiveNamesForSimulation(own);
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance& instance = *asoF_Utils::ConstGetPartInstance(features, id);
    const cow_String name(prefix_.Str() + NoDots(instance.Name()));
    if (IndexOfName(name) < 0 && !model.Parts().Contains(name) && !ownInstances.IsMember(name))
      continue;
    ajbC_CheckingMessages::Instance().Messages().Append(atr_TranslateFormat(
        "Assembled fastener \"%s\" would generate the part and instance \"%s\", a name that the "
        "model or an earlier assembled fastener uses already. The assembled fastener is not "
        "written.",
        fastenerName_, name));
    return false;
  }
  return true;
}

bool aif_AsmbldFastenerBuilder::AddTemplateInstances(cow_List<cow_String>& extraPartNames,
                                                     cow_List<cow_String>& extraInstanceNames) {
  if (!GeneratedNamesAreFree()) return false;
  const ftr_FeatureList& features = templateAssembly_->ConstGetFeatureList();
  const bool partBased = Info().IsPartBased();
  const int copies = static_cast<int>(placements_.Length());
  const cow_String from(cow_String("  from assembled fastener: ").Str() + fastenerName_.Str());
  cow_List<cow_String> generatedParts;

  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance& instance = *asoF_Utils::ConstGetPartInstance(features, id);
    const bool attached = attachedInstances_.Contains(instance.Name());
    // Each generated part numbers its nodes and elements from 1.
    if (partBased) {
      nodeCounter_ = 0;
      elementCounter_ = 0;
    }
    const cow_List<ref_RefNode> points = ref_Utils::GetRefNodes(features, id, true);
    if (!AsmbldFastenerCopies(instance, attached, !points.IsEmpty())) continue;

    const cow_String name(prefix_.Str() + NoDots(instance.Name()));
    AppendUniqueName(name);
    extraInstanceNames.Append(name);
    if (partBased) {
      AddInstanceDefinition(name, aif_Comment(" "));
      AddInstanceDefinition(name, aif_Instance(Info().ModelAdapter(), name, name, gsl_Matrix()));
      AddPartDefinition(name, aif_Comment("Part: " + name.Str() + from.Str()));
      AddPartDefinition(name, aif_Part(name));
    } else {
      AddInstanceDefinition(name, aif_Comment("Part instance: " + name.Str() + from.Str()));
      AddInstanceDefinition(name, aif_System(gsl_Matrix()));
    }
    generatedParts.Append(name);
    CopyLabels& labels = copyLabels_[name.Str()];

    const bme_Mesh* mesh = instance.ConstGetMesh();
    if (mesh && !attached && copies > 0) {
      const std::size_t nodes = mesh->NumNodes();
      labels.firstNode = nodeCounter_ + 1;
      labels.meshNodes = static_cast<int>(nodes);
      AddOwnerDefinition(name, aif_Node(instance, Info(), placements_, labels.firstNode));
      nodeCounter_ += static_cast<int>(nodes) * copies;

      // The template's node labels as the element rows number them, each
      // paired with its label in the first copy.
      const aif_Node::Numbering numbering(
          0, Info().NodeLabelsUsable(),
          Info().NodeLabelsUsable() && mesh->NodeData().HasLabelTable(), &mesh->NodeData());
      cow_List<int> pairs;
      pairs.Reserve(2 * nodes);
      for (std::size_t i = 0; i < nodes; ++i) {
        pairs.Append(static_cast<int>(numbering.Label(i)));
        pairs.Append(labels.firstNode + static_cast<int>(i));
      }
      const int elements = static_cast<int>(mesh->NumElements());
      labels.meshElements = elements;
      if (partBased) {
        labels.elementOffset = elementCounter_;
        elementCounter_ += elements * copies;
        labels.nextElement = elementCounter_ + 1;
      } else {
        // Flat: the elements run on after the model's last element.
        const int last = Info().ReserveElementLabels(cow_String(), elements * copies);
        labels.elementOffset = last - elements * copies;
        elementCounter_ = last;
      }
      // Without usable element labels the rows count from the offset itself.
      const int rowOffset = labels.elementOffset + (Info().ElementLabelsUsable() ? 0 : 1);
      AddOwnerDefinition(name, aif_ElementFromMesh(Info(), instance.ConstGetPart().MeshHandle(),
                                                   copies, pairs, rowOffset));
    }

    // Reference points: the copies of one point carry consecutive labels.
    const gsl_Matrix& own = instance.GetTransform();
    for (const ref_RefNode& point : points) {
      cow_List<int> numbers;
      cow_List<float> x, y, z;
      const gsl_Point at = own.Transform(gsl_Point(point.x, point.y, point.z));
      labels.referenceNodes[point.label] = nodeCounter_ + 1;
      for (const gsl_Matrix& placement : placements_) {
        const gsl_Point placed = placement.Transform(at);
        numbers.Append(++nodeCounter_);
        x.Append(static_cast<float>(placed.x));
        y.Append(static_cast<float>(placed.y));
        z.Append(static_cast<float>(placed.z));
      }
      AddOwnerDefinition(name, aif_RawNode(numbers, x, y, z, false));
    }
    writtenSets_.clear();
    AddPartSets(name, instance, labels);
    AddSections(name, instance, labels);
  }

  if (!partBased) {
    nextNodeLabel_ = nodeCounter_ + 1;
    nextElementLabel_ = elementCounter_ + 1;
  }
  extraPartNames.Append(generatedParts);
  return true;
}
