// "*Element" of the two-node connector elements of assembly-level wires. The
// instance builder makes one per connector-section assignment of the
// assembly: one element per wire of the region, its ends named across
// instances, then the elements of discrete fasteners whose attachment lines
// the host resolved to node pairs. The assembled-fastener builder makes the
// ready-list form: a fastener template's wires repeated once per copy of the
// template, on the nodes renumbered for the copies, under an element set.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "aif/impl/model/aif_InstanceLabelLists.h"

class aif_ModelInfo;

class aif_AssemblyElement : public akw_Keyword {
 public:
  using KeyedLists = cow_Map<cow_String, cow_List<int>>;

  // Instance-builder form: the wires of `region`, an assembly region, whose
  // element set is `elementSet`.
  aif_AssemblyElement(const rgnC_Region& region, const cow_String& elementSet, aif_ModelInfo& info);

  // Ready-list form. Resolves each end of every wire of the template's
  // `region` to its template node, and the node through its pair in
  // `renumbering` under `keyPrefix` (the fastener's name prefix, given) +
  // its template instance's name, or "ASSY" (a flat file looks up the node
  // number + 1), to its label in the first copy; copy c adds c times the
  // key's step, or c for a label `consecutive` lists under the key
  // (aif_FastenerCopyLabels). An end without a dot, without a node or
  // without a pair is -1 in every copy; once an end finds no node the ends
  // after it are not resolved. Adds one element per wire and copy to
  // `counter`; `labels` receives the lists (and the region's component
  // count). An invalid region makes no lists and leaves `labels` and
  // `counter` untouched.
  aif_AssemblyElement(const rgnC_Region& region, const cow_String& elementSet,
                      const cow_String& keyPrefix, int copies,
                      const asoK_Assembly& templateAssembly, const cow_String& modelName,
                      const KeyedLists& renumbering, const KeyedLists& copySteps,
                      const KeyedLists& consecutive, aif_ModelInfo& info,
                      aif_InstanceLabelLists& labels, int& counter);
  aif_AssemblyElement(const aif_AssemblyElement&) = default;

  akw_Keyword* Clone() const override { return new aif_AssemblyElement(*this); }

  // Instance-builder form: "*Element, type=CONN3D2" (CONN2D2 in a
  // two-dimensional assembly with active instances), then per wire
  // "label, end1, end2" with a fresh assembly element label. An end is the
  // offset label (flat) or "Inst.label" (part-based); a wire without a first
  // end leaves its field blank ("label,  , end2"), one without a second end
  // stops after the first end ("label, end1"): no line ends with a comma,
  // which would carry the element on into the next line. Then, after the tag comment "@DODOVE,
  // object=discrete fastener" and a header of their own, one element per attachment line of the
  // region that the assembly's attachment table holds: "label, n1, n2". Each element's label is
  // recorded under its component's index in the context's wire element labels. Nothing without
  // wires or lines. Throws aif_Exception, before writing anything, when a wire's end has a dot that
  // resolves to no node.
  //
  // Ready-list form: "*Element, type=TYPE, elset=SET", then per entry
  // "label, end1, end2" with a fresh assembly element label; end 1 -1 is a
  // blank field, end 2 -1 is not written (nor the comma before it).
  // Nothing without entries.
  void Write(utl_Stream& stream) const override;

  // CONN3D2, or CONN2D2 for `assembly` with active instances that is not
  // three-dimensional.
  static const char* ElementType(const asoK_Assembly* assembly);

 private:
  void WriteWires(utl_Stream& stream) const;
  void WriteReadyLists(utl_Stream& stream) const;

  rgnC_Region region_;
  cow_String elementSet_;
  aif_ModelInfo* info_;
  cow_COW<asoK_Assembly> templateAssembly_;  // set in the ready-list form only
  aif_InstanceLabelLists lists_;
};
