// "*Node" and one data line per node of a mesh: a part instance's mesh or the
// assembly's own mesh, labels renumbered by the context's node offset of the
// instance. Made by the part builder (lightweight instances) and the instance
// builder; aif_RawNode writes nodes given as plain lists.
//
// A data line is the label in 7 columns, then x, y and (three-dimensional
// only) z, each with 9 significant digits in 12 columns, ", " between them:
//   "     12,          1.5,           0.,          -2."
// Coordinates smaller than 1e-12 times the diagonal of the mesh's bounding box
// print as 0.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "QivGeom/gsl_Matrix.h"

class aif_ModelInfo;
class asoF_PartInstance;
class asoK_Assembly;

class aif_Node : public akw_Keyword {
 public:
  // The label rule of a mesh's nodes, shared with the element connectivity:
  //  - labels usable and every node carries a user label: offset + that label;
  //  - labels usable otherwise: offset + index + 1;
  //  - labels not usable: offset + index. The context then gives each
  //    instance the first label of its range as its offset (1 for the first
  //    instance). An offset of 0 (an instance the numbering never saw) counts
  //    from 1 instead, so that no label below 1 and no label twice is written.
  // Labels are 64-bit here; the writers refuse those outside 1 to INT_MAX.
  class Numbering {
   public:
    Numbering(int offset, bool labelsUsable, bool labelTable, const bme_NodeData* nodes);
    // The label of node index `index` (no range check).
    long long Label(std::size_t index) const {
      return table_ ? offset_ + table_[index] : base_ + static_cast<long long>(index);
    }
    // The user labels, or null when labels follow from the index.
    const int* Table() const { return table_; }
    long long Offset() const { return offset_; }
    // The label of index 0 when labels follow from the index.
    long long Base() const { return base_; }

   private:
    long long offset_;
    long long base_;
    const int* table_ = nullptr;
  };

  // The nodes of `instance`'s mesh (or of its display mesh when it is a
  // display instance whose mesh has no elements). Writes nothing when the
  // instance's mesh is locked (ftr_LOCK_MESH) or it has no mesh.
  aif_Node(const asoF_PartInstance& instance, const aif_ModelInfo& info);
  // The nodes of the assembly's own mesh (feature ftr_kAssemblyId); nothing
  // when it has none. Three-dimensional unless the assembly has active
  // instances and none of them is three-dimensional.
  aif_Node(const asoK_Assembly& assembly, const aif_ModelInfo& info);
  // The nodes of a fastener template instance once per copy: node index i
  // of copy c gets label `firstLabel` + c * (node count) + i and is placed by
  // the instance's transform, then by `copies[c]`. The template mesh is
  // shared, not copied; the placed coordinates are computed as the lines are
  // written. Nothing for a locked mesh or an instance without a mesh.
  aif_Node(const asoF_PartInstance& instance, const aif_ModelInfo& info,
           const cow_List<gsl_Matrix>& copies, int firstLabel);
  aif_Node(const aif_Node&) = default;

  akw_Keyword* Clone() const override { return new aif_Node(*this); }
  // Nothing without nodes (or with an empty subset). Throws aif_Exception,
  // before writing anything, when a label would fall outside 1 to INT_MAX or
  // the node subset names an index the mesh does not have. Flushes the stream
  // at the end.
  void Write(utl_Stream& stream) const override;

  // The label written for node index `index`.
  long long NodeLabel(std::size_t index) const;
  // The node data written; null without nodes.
  const bme_NodeData* NodeData() const { return nodes_.get(); }

 protected:
  // No nodes: for aif_RawNode.
  aif_Node() = default;
  bool ThreeDimensional() const { return threeDimensional_; }
  // One data line.
  void WriteLine(utl_Stream& stream, int label, float x, float y, float z) const;

 private:
  void TakeMesh(const bme_Mesh* mesh);
  void WriteCopies(utl_Stream& stream) const;
  Numbering Labels() const;
  // The magnitude below which a coordinate prints as 0, from the mesh's
  // bounding box: worked out when the lines are written, so that a node
  // block made only for its numbering (aif_NodeReferences) does not walk
  // the coordinates.
  double SmallestReal() const;

  int offset_ = 0;
  bool labelsUsable_ = false;
  bool labelTable_ = false;
  bool threeDimensional_ = true;
  std::shared_ptr<const bme_NodeData> nodes_;
  std::shared_ptr<const std::vector<int>> subset_;
  cow_String owner_;  // the instance's name, for error reports
  // Template copies only: the placements, each after the instance's own.
  cow_List<gsl_Matrix> copies_;
  int firstCopyLabel_ = 0;
};
