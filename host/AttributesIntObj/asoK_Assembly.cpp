#include "AttributesIntObj/asoK_Assembly.h"

#include <unordered_set>

#include "ModKerLow/asoF_PartInstance.h"
#include "OdbCoreGeom/bme_Mesh.h"

namespace {

long g_attachmentQueries = 0;

// Adds `label` to the labels of this feature and to `used`; true when another
// feature used it already.
bool Use(int label, std::unordered_set<int>& own, omi_BlkBitVect& used) {
  if (!own.insert(label).second) return false;  // repeated within one feature
  bool taken = used.Test(label);
  used.Set(label);
  return taken;
}

template <class Labels>
bool Conflict(const asoK_Assembly& assembly, const cow_List<unsigned>& ids, omi_BlkBitVect& used,
              Labels&& labels) {
  bool conflict = false;
  for (unsigned id : ids) {
    const bme_Mesh* mesh = assembly.ConstGetFeatureList().ConstGetMesh(id);
    if (!mesh) continue;
    std::unordered_set<int> own;
    labels(*mesh, [&](int label) { conflict |= Use(label, own, used); });
  }
  return conflict;
}

}  // namespace

bool asoK_V5NodeLabelsConflict(const asoK_Assembly& assembly, const cow_List<unsigned>& ids,
                               omi_BlkBitVect& used) {
  return Conflict(assembly, ids, used, [](const bme_Mesh& mesh, auto&& use) {
    const bme_NodeData& nodes = mesh.NodeData();
    if (nodes.HasLabelTable()) {
      for (int label : nodes.GetUserNodeLabels())
        use(label);
    } else {
      for (std::size_t i = 0; i < nodes.NumNodes(); ++i)
        use(static_cast<int>(i + 1));
    }
  });
}

bool asoK_V5ElemLabelsConflict(const asoK_Assembly& assembly, const cow_List<unsigned>& ids,
                               omi_BlkBitVect& used) {
  return Conflict(assembly, ids, used, [](const bme_Mesh& mesh, auto&& use) {
    for (const bme_ElementClass& c : mesh.ElementClasses()) {
      if (c.HasLabelTable()) {
        for (int label : c.UserLabels())
          use(label);
      } else {
        for (std::size_t i = 0; i < c.NumElements(); ++i)
          use(static_cast<int>(c.FirstElementIndex() + i + 1));
      }
    }
  });
}

int asoK_NumberAttachmentNodes(const ftr_FeatureList& features, unsigned id) {
  const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
  return instance ? instance->AttachmentPoints() + instance->AttachmentLines() : 0;
}

bool asoK_GetAttachmentNodeNumbers(const ftr_FeatureList& features, unsigned id,
                                   asoK_AttachmentTree& points, asoK_AttachmentTree& lines,
                                   int base) {
  ++g_attachmentQueries;
  const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
  if (!instance) return false;
  int label = base;
  for (int i = 0; i < instance->AttachmentPoints(); ++i)
    points.Set(i, ++label);
  for (int i = 0; i < instance->AttachmentLines(); ++i)
    lines.Set(i, ++label);
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
