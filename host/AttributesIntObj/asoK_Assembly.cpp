#include "AttributesIntObj/asoK_Assembly.h"

#include "ModKerLow/asoF_PartInstance.h"
#include "OdbCoreGeom/bme_Mesh.h"

namespace {

long g_attachmentQueries = 0;

// Adds the labels of each feature's mesh to `used`, one feature after the
// other; true when a feature uses a label an earlier one used. `labels(mesh,
// range, one)` reports consecutive labels through range(first, last) and
// single labels through one(label).
template <class Labels>
bool Conflict(const asoK_Assembly& assembly, const cow_List<unsigned>& ids, omi_BlkBitVect& used,
              Labels&& labels) {
  bool conflict = false;
  for (unsigned id : ids) {
    const bme_Mesh* mesh = assembly.ConstGetFeatureList().ConstGetMesh(id);
    if (!mesh) continue;
    omi_BlkBitVect own;
    labels(
        *mesh,
        [&](int first, int last) {
          conflict = conflict || used.AnyInRange(first, last);
          own.SetRange(first, last);
        },
        [&](int label) {
          conflict = conflict || used.Test(label);
          own.Set(label);
        });
    // Merge after the feature, so that its own repeated labels are no conflict.
    used.Merge(own);
  }
  return conflict;
}

}  // namespace

bool asoK_V5NodeLabelsConflict(const asoK_Assembly& assembly, const cow_List<unsigned>& ids,
                               omi_BlkBitVect& used) {
  return Conflict(assembly, ids, used, [](const bme_Mesh& mesh, auto&& range, auto&& one) {
    const bme_NodeData& nodes = mesh.NodeData();
    if (nodes.HasLabelTable()) {
      for (int label : nodes.GetUserNodeLabels())
        one(label);
    } else if (nodes.NumNodes() > 0) {
      range(1, static_cast<int>(nodes.NumNodes()));
    }
  });
}

bool asoK_V5ElemLabelsConflict(const asoK_Assembly& assembly, const cow_List<unsigned>& ids,
                               omi_BlkBitVect& used) {
  return Conflict(assembly, ids, used, [](const bme_Mesh& mesh, auto&& range, auto&& one) {
    for (const bme_ElementClass& c : mesh.ElementClasses()) {
      if (c.HasLabelTable()) {
        for (int label : c.UserLabels())
          one(label);
      } else if (c.NumElements() > 0) {
        range(static_cast<int>(c.FirstElementIndex() + 1),
              static_cast<int>(c.FirstElementIndex() + c.NumElements()));
      }
    }
  });
}

int asoK_NumberAttachmentNodes(const ftr_FeatureList& features, unsigned id) {
  if (id == ftr_kAssemblyId) return features.AssemblyAttachments().HighestPosition();
  const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
  return instance ? instance->AttachmentPoints() + instance->AttachmentLines() : 0;
}

bool asoK_GetAttachmentNodeNumbers(const ftr_FeatureList& features, unsigned id,
                                   asoK_AttachmentTree& first, asoK_AttachmentTree& second,
                                   int base) {
  ++g_attachmentQueries;
  if (id == ftr_kAssemblyId) {
    const ftr_AssemblyAttachments& stored = features.AssemblyAttachments();
    if (stored.IsEmpty()) return false;
    for (const auto& [index, ends] : stored.lines)
      first.Set(index, asoK_AttachmentRecord{{base + ends.first}, {base + ends.second}});
    for (const auto& [index, position] : stored.points)
      second.Set(index, asoK_AttachmentRecord{{base + position}, {}});
    return true;
  }
  const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
  if (!instance) return false;
  int label = base;
  for (int i = 0; i < instance->AttachmentPoints(); ++i)
    first.Set(i, asoK_AttachmentRecord{{++label}, {}});
  for (int i = 0; i < instance->AttachmentLines(); ++i)
    second.Set(i, asoK_AttachmentRecord{{++label}, {}});
  return true;
}

long asoK_AttachmentQueries() {
  return g_attachmentQueries;
}

bool rgnK_GetVertexSurfaceNamePairs(const ftr_FeatureList& features, const cow_String& surface,
                                    cow_Map<int, cow_String>& pairs) {
  const cow_Map<int, cow_String>* stored = features.VertexSurfacePairs(surface);
  if (!stored) return false;
  pairs = *stored;
  return true;
}

const ptoK_Part& asoK_Assembly::GetOriginalPart(const asoF_PartInstance& instance) {
  return instance.ConstGetPart();
}

bool asoK_HasInstanceOrRefPts(const asoK_Assembly& assembly) {
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  if (features.AssemblyReferencePoints() > 0) return true;
  for (unsigned id : features.ConstEvaluatedRep().GetIds())
    if (asoF_Utils::ConstGetPartInstance(features, id)) return true;
  return false;
}
