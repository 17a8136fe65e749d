// The data lines of "*Element": one element class of a mesh (written by
// aif_ElementFromMesh under its "*Element, type=" line), or one element with
// its own keyword line (the one-node elements of point masses, rotary
// inertias and heat capacitances; elements whose type is given as text;
// elements held in a file).
//
// A connectivity row is the element label, then the node labels, "," after
// each but the last. The element label takes the width of the largest
// element label, each node label the width of the largest node label plus one
// (at most 7). The first line holds up to 15 node labels, each continuation
// line up to 16 behind an indent of the element label's width plus one:
//   "12,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15,"
//   "    16, 17, 18, 19, 20"
#pragma once

#include <cstddef>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/bme_Mesh.h"

class aif_ModelInfo;

class aif_Element : public akw_Keyword {
 public:
  // Form 1: the elements of `elementClass`, a class of `mesh`, which both
  // outlive the keyword; labels renumbered by the context's offsets of the
  // instance `instanceId` (the element label rule is at ElementLabel). No
  // keyword line.
  aif_Element(aif_ModelInfo& info, const bme_ElementClass& elementClass, const bme_Mesh& mesh,
              int instanceId);
  // Form 1 for one copy of an assembled-fastener template: node labels go
  // through `nodeLabelPairs` (user label, new label, ...) and are shifted by
  // `copyNodeShift`; the copy index is the shift over the number of pairs, and
  // element labels move up by the copy index times the mesh's element count.
  aif_Element(aif_ModelInfo& info, const bme_ElementClass& elementClass, const bme_Mesh& mesh,
              const cow_List<int>& nodeLabelPairs, int copyNodeShift, int nodeOffset,
              int elementOffset);
  // Form 2: one element `elementLabel` on node `nodeLabel`, of the type of
  // `elementClass`, with "*Element, type=..., elset=..." (no elset option for
  // an empty name).
  aif_Element(int elementLabel, int nodeLabel, const bme_ElementClass& elementClass,
              cow_String elementSetName);
  // Form 3: the same with the type given as text; the data line is the two
  // labels, ", " between them.
  aif_Element(int elementLabel, int nodeLabel, cow_String typeText, cow_String elementSetName);
  // Form 4: the element held in file `fileName`, of type `typeText`, on all
  // nodes of `mesh` (which outlives the keyword): "*Element, type=TYPE,
  // file=NAME" and one row. Writing it records the element in the context's
  // label table under `instanceId`, when the context has one.
  aif_Element(aif_ModelInfo& info, cow_String typeText, cow_String fileName, const bme_Mesh& mesh,
              int instanceId);
  aif_Element(const aif_Element&) = default;

  akw_Keyword* Clone() const override { return new aif_Element(*this); }
  // Throws aif_Exception, before writing anything, when an element refers to
  // a node index the mesh does not have, a template node has no pair, or a
  // label would fall outside 1 to INT_MAX. With its own keyword line the
  // stream is flushed at the end.
  void Write(utl_Stream& stream) const override;

  // The type name the keyword writes under.
  const cow_String& TypeName() const { return typeName_; }
  // The label of element `index` of the class (forms 1 and 4), before the
  // copy shift:
  //  - labels usable and the class has user labels: offset + that label;
  //  - labels usable otherwise: offset + the class's first mesh index + i + 1;
  //  - labels not usable: offset + first index + i, the offset being the
  //    instance's first label in the context's numbering; an offset of 0
  //    counts from 1 instead, so that no label is below 1 or written twice.
  // Form 4 has no class: its element is index 0 of a class starting at 0.
  long long ElementLabel(std::size_t index) const;

 private:
  // A mesh class with the given offsets (both mesh-class forms start here).
  aif_Element(aif_ModelInfo& info, const bme_ElementClass& elementClass, const bme_Mesh& mesh,
              int instanceId, int nodeOffset, int elementOffset);

  enum Form { kMeshClass = 1, kOneElement = 2, kTypeText = 3, kFileElement = 4 };

  void WriteClassRows(utl_Stream& stream) const;
  void WriteFileElement(utl_Stream& stream) const;

  int elementOffset_ = 0;
  int nodeOffset_ = 0;
  int instanceId_ = 0;
  int copyNodeShift_ = 0;
  const bme_ElementClass* class_ = nullptr;
  const bme_Mesh* mesh_ = nullptr;
  cow_String elementSetName_;
  bool header_ = false;
  cow_String typeName_;
  bool nodeLabelsUsable_ = false;
  bool elementLabelsUsable_ = false;
  bool nodeLabelTable_ = false;
  bool elementLabelTable_ = false;
  Form form_;
  cow_String fileName_;
  aif_ModelInfo* info_ = nullptr;  // form 4: its label table is asked at write time
  bool copy_ = false;
  int copyIndex_ = 0;
  cow_List<int> nodeLabelPairs_;
  int elementLabel_ = 0;  // forms 2 and 3
  int nodeLabel_ = 0;
};
