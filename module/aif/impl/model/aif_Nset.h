// "*Nset": one node set definition. The region builder makes it from sets and
// regions of instances and the assembly, other builders from ready label maps,
// member names or fastener templates; the node-based surface derives from it.
// Members are gathered at construction and written through
// aif_SetLabelWriter: the member names, then one block per instance (each
// block repeats the keyword line), the plain labels and the members named per
// instance.
#pragma once

#include <string>
#include <unordered_map>

#include <unordered_set>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class asoF_PartInstance;
class asoK_Assembly;
class ftr_PrimaryObject;
class rgnC_Region;
class rgnK_Region;
struct rgnC_Dot;

class aif_Nset : public akw_Keyword {
 public:
  using LabelsById = cow_Map<int, cow_List<int>>;
  using LabelsByName = cow_Map<cow_String, cow_List<int>>;
  // An old node label of a fastener template and the label it gets in the
  // first copy; kind 2 numbers the copies consecutively (n, n + 1, ...), any
  // other kind steps by the template's label stride.
  struct LabelPair {
    int oldLabel = 0;
    int newLabel = 0;
    int kind = 0;
  };
  using PairsByKey = cow_Map<cow_String, cow_List<LabelPair>>;

  // The nodes of `region`, a region of the part of `instance`, under the
  // instance's id, and the attachment nodes of its attachment points.
  aif_Nset(const asoF_PartInstance& instance, const rgnC_Region& region, const cow_String& name,
           aif_ModelInfo& info);
  // The nodes of `region` of `object` (the assembly; null for none) under
  // the ids of their instances, with the end nodes of the assembly's wires
  // and the attachment nodes of its attachment lines and points. `kind` 1
  // takes only the attachment lines, 2 leaves them out. A wire ends the scan
  // of the components when `edges` is clear and the name is internal.
  aif_Nset(const ftr_PrimaryObject* object, const rgnC_Region& region, const cow_String& name,
           bool edges, int kind, aif_ModelInfo& info);
  // Member names, each written on a line of its own.
  aif_Nset(const cow_String& name, const cow_List<cow_String>& members, aif_ModelInfo& info);
  aif_Nset(const cow_String& name, const LabelsById& labels, bool instanceOption,
           aif_ModelInfo& info);
  // `copies` copies of the nodes of a fastener template instance
  // (`instanceId` in `region`): node index i of copy c becomes the new label
  // paired with old label i + 1, plus c times the number of pairs. Throws
  // aif_Exception "Cannot create nset NAME from region: a template node has
  // no label" when a node has no pair (or its label would be below 1).
  aif_Nset(const rgnK_Region& region, const cow_String& name, int instanceId,
           const cow_List<LabelPair>& pairs, int copies, aif_ModelInfo& info);
  // `copies` copies of the nodes of `region` of a fastener template's
  // assembly, and of the end nodes of its wires: each node keyed by
  // `keyPrefix` (the fastener's name prefix, given: a prefix holding "_"
  // cannot be cut from the set name) + its instance's name ("ASSY" for the
  // assembly's own) and looked up in that key's pairs (the first pair of a
  // label wins; each key's pairs are indexed once, not scanned per label);
  // a node without a pair adds nothing. Throws like the form above for a new
  // label below 1.
  aif_Nset(const asoK_Assembly& templateModel, const rgnC_Region& region, const cow_String& name,
           const cow_String& keyPrefix, const cow_List<cow_String>& members, int copies, int stride,
           const PairsByKey& pairs, aif_ModelInfo& info);

  aif_Nset* Clone() const override { return new aif_Nset(*this); }
  // A name that cannot be written throws aif_Exception before anything is
  // written (aif_CheckWritableName).
  void Write(utl_Stream& stream) const override;
  // True when there are neither labels per instance id nor member names.
  bool IsEmpty() const override;
  // Writes the member names under `keyword`, one a line followed by ", ".
  virtual void WriteStringMembers(utl_Stream& stream, const cow_String& keyword) const;

  const cow_String& Name() const { return name_; }
  // Drops the members of the instances `ids` (labels per instance id).
  void LeaveOutInstances(const std::unordered_set<unsigned>& ids);
  void SetPlainLabels(const cow_List<int>& labels) { plainLabels_ = labels; }
  void SetNamedLabels(const LabelsByName& labels) { namedLabels_ = labels; }
  const LabelsById& Labels() const { return labels_; }
  const cow_List<int>& PlainLabels() const { return plainLabels_; }
  const LabelsByName& NamedLabels() const { return namedLabels_; }
  const cow_List<cow_String>& StringMembers() const { return stringMembers_; }

 protected:
  aif_Nset(const aif_Nset&) = default;
  aif_ModelInfo& Info() const { return *info_; }

 private:
  void AddAttachmentPoint(int vertex, int id);
  void AddAttachmentLine(int edge, int id);
  void AddNode(int id, int label);
  // Per key, old label to its (first) pair.
  using PairIndex = std::unordered_map<std::string, std::unordered_map<int, LabelPair>>;
  void AddTemplateNode(const cow_String& key, int label, int copies, int stride,
                       const PairsByKey& pairs, PairIndex& index);

  bool instanceOption_ = false;
  cow_String name_;
  LabelsById labels_;
  cow_List<cow_String> stringMembers_;
  cow_List<int> plainLabels_;
  LabelsByName namedLabels_;
  aif_ModelInfo* info_;
};
