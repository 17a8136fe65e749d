// "*Element" of one-node elements (MASS, ROTARYI, HEATCAP) on existing nodes
// of part instances or of the assembly, one element per node. The part,
// instance and inertia builders make the map form; the assembled-fastener
// builder makes the list form, which repeats a template's point elements once
// per copy of the template on the nodes renumbered for the copies.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "aif/impl/model/aif_InstanceLabelLists.h"

class aif_ModelInfo;
class ftr_FeatureList;

class aif_PointElement : public akw_Keyword {
 public:
  // Instance id to node labels on that instance, in order.
  using NodeMap = cow_Map<int, cow_List<int>>;
  // Per key (a fastener's name prefix and a template instance's name, or
  // "ASSY"): a list of numbers.
  using KeyedLists = cow_Map<cow_String, cow_List<int>>;

  // Map form. Reserves one element label per node listed (duplicates
  // included) from the context's counter of the instance `instanceId`. With
  // `assemblyNodes` the labels are written without an instance name and
  // shifted by the node offset of `instanceId`, else by that of each entry.
  aif_PointElement(const NodeMap& nodes, int instanceId, bool assemblyNodes, cow_String elementType,
                   cow_String elementSet, aif_ModelInfo& info);

  // List form. For each entry of `nodes` (template instance id to template
  // node numbers n) the key is `assemblyKey` with `assemblyNodes`, else
  // `keyPrefix` (the fastener's name prefix, given: one holding "_" cannot be
  // cut from the element set name) and the template instance's name, else
  // "ASSY"; entries whose key has no list in `renumbering` are
  // skipped. `renumbering` holds per key the pairs (template label, label in
  // the first copy) and n is renumbered through its pair for n + 1; copy c
  // adds c times the key's step (from `copySteps`: its second number when
  // positive, else its first; for "ASSY" the assembly node offset), or 1
  // for a template label `consecutive` lists under the key (a reference
  // point, whose copies are numbered one apart). One
  // element per node and copy, the copies of a node together. `counter`: on
  // entry the label the elements count on from (used when `assemblyNodes` in
  // a part-based file), on return the number of elements made.
  // Throws aif_Exception when a node has no pair, or its pair a label below 1:
  // its copies would reference nodes that do not exist.
  aif_PointElement(const KeyedLists& renumbering, const KeyedLists& copySteps,
                   const KeyedLists& consecutive, const cow_String& assemblyKey,
                   const cow_String& keyPrefix, const ftr_FeatureList& templateFeatures,
                   const NodeMap& nodes, bool assemblyNodes, cow_String elementType,
                   cow_String elementSet, aif_ModelInfo& info, int copies, int& counter);
  aif_PointElement(const aif_PointElement&) = default;

  akw_Keyword* Clone() const override { return new aif_PointElement(*this); }
  // "*Element, type=TYPE[, elset=SET]", then one line "label, node" per
  // element. A node is "INSTANCE.label" in a part-based file when it is not
  // an assembly node (nor one of the assembly's own mesh), otherwise the
  // label alone. The map form writes a node
  // listed twice for one instance once (its second label stays unused); the
  // list form takes its labels from the context as it writes.
  void Write(utl_Stream& stream) const override;

 private:
  static constexpr int kListForm = -99;

  void WriteMapForm(utl_Stream& stream) const;
  void WriteListForm(utl_Stream& stream) const;

  NodeMap nodes_;
  int instanceId_;
  bool assemblyNodes_;
  cow_String elementType_;
  cow_List<int> elementLabels_;
  cow_String elementSet_;
  aif_ModelInfo* info_;
  // List form only.
  int runningLabel_ = 0;
  int count_ = 0;
  aif_InstanceLabelLists labels_;
};
