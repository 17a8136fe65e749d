// "*Node" for nodes given as plain lists (reference points, attachment nodes,
// nodes other builders make), written as the mesh nodes are but with their
// labels as given; optionally followed by "*Nset, nset=" naming the first of
// them. Made by the part builder, the instance builder and the load builder.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "aif/impl/model/aif_Node.h"

class aif_RawNode : public aif_Node {
 public:
  // Several nodes, no node set. The four lists must have the same length
  // (aif_Exception otherwise).
  aif_RawNode(cow_List<int> labels, cow_List<float> x, cow_List<float> y, cow_List<float> z,
              bool internalAllowed);
  // One node and a node set `nodeSetName` holding it. With `internalAllowed`
  // (a part-based file) a generated name gets ", internal". Throws
  // aif_Exception for a set name the file cannot carry (aif_CheckWritableName).
  aif_RawNode(int label, float x, float y, float z, bool internalAllowed, cow_String nodeSetName);
  aif_RawNode(const aif_RawNode&) = default;

  akw_Keyword* Clone() const override { return new aif_RawNode(*this); }
  // Nothing for an empty label list. Throws aif_Exception, before writing
  // anything, for a label below 1.
  void Write(utl_Stream& stream) const override;

 private:
  cow_List<int> labels_;
  cow_List<float> x_;
  cow_List<float> y_;
  cow_List<float> z_;
  cow_String nodeSetName_;
  bool internalAllowed_;
};
