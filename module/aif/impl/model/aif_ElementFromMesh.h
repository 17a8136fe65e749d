// The elements of a part instance's mesh (or of the assembly's own mesh): one
// "*Element, type=" line per element type, in type-name order, followed by the
// rows of every element class of that type in class order. An instance marked
// for elements held in a file writes the mesh's one file element instead.
// Made by the part builder (lightweight instances) and the instance builder.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class aif_ModelInfo;

class aif_ElementFromMesh : public akw_Keyword {
 public:
  // The mesh is looked up at write time in the context's assembly by
  // `instanceId`; the context outlives the keyword.
  aif_ElementFromMesh(aif_ModelInfo& info, int instanceId)
      : info_(&info), instanceId_(instanceId) {}
  aif_ElementFromMesh(const aif_ElementFromMesh&) = default;

  akw_Keyword* Clone() const override { return new aif_ElementFromMesh(*this); }
  // Nothing for a locked mesh (ftr_LOCK_MESH), an instance without a mesh, or
  // element classes without elements. Throws aif_Exception as aif_Element
  // does. Flushes the stream at the end.
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo* info_;
  int instanceId_;
};
