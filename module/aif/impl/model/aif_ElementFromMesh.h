// The elements of a part instance's mesh (or of the assembly's own mesh): one
// "*Element, type=" line per element type, in type-name order, followed by the
// rows of every element class of that type in class order. An instance marked
// for elements held in a file writes the mesh's one file element instead.
// Made by the part builder (lightweight instances) and the instance builder.
#pragma once

#include <memory>
#include <utility>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "OdbCoreGeom/bme_Mesh.h"

class aif_ModelInfo;

class aif_ElementFromMesh : public akw_Keyword {
 public:
  // The mesh is looked up at write time in the context's assembly by
  // `instanceId`; the context outlives the keyword.
  aif_ElementFromMesh(aif_ModelInfo& info, int instanceId)
      : info_(&info), instanceId_(instanceId) {}
  // The elements of a fastener template instance's mesh once per copy: the
  // rows of copy c follow those of copy c - 1 class by class, element labels
  // moved up by c times the mesh's element count from `elementOffset`, node
  // labels through `nodeLabelPairs` (the template label as the mesh numbers
  // it, the label in the first copy) moved up by c times the pair count.
  // The template mesh is shared, not copied.
  aif_ElementFromMesh(aif_ModelInfo& info, std::shared_ptr<const bme_Mesh> templateMesh, int copies,
                      cow_List<int> nodeLabelPairs, int elementOffset)
      : info_(&info),
        instanceId_(0),
        templateMesh_(std::move(templateMesh)),
        copies_(copies),
        nodeLabelPairs_(std::move(nodeLabelPairs)),
        elementOffset_(elementOffset) {}
  aif_ElementFromMesh(const aif_ElementFromMesh&) = default;

  akw_Keyword* Clone() const override { return new aif_ElementFromMesh(*this); }
  // Nothing for a locked mesh (ftr_LOCK_MESH), an instance without a mesh, or
  // element classes without elements. Throws aif_Exception as aif_Element
  // does. Flushes the stream at the end.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteTemplateCopies(utl_Stream& stream) const;

  aif_ModelInfo* info_;
  int instanceId_;
  // Template copies only.
  std::shared_ptr<const bme_Mesh> templateMesh_;
  int copies_ = 0;
  cow_List<int> nodeLabelPairs_;
  int elementOffset_ = 0;
};
