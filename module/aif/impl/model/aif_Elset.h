// "*Elset": one element set definition. The region builder makes it from sets
// of instances and of the assembly, other builders from ready label maps, whole
// meshes or fastener templates. Members are gathered at construction and
// written through aif_SetLabelWriter, one block per instance (each block
// repeats the keyword line), then the members named per instance and the
// plain labels.
#pragma once

#include <unordered_set>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class asoF_PartInstance;
class asoK_Assembly;
class rgnF_Set;
class rgnK_Region;

class aif_Elset : public akw_Keyword {
 public:
  using LabelsById = cow_Map<int, cow_List<int>>;
  using LabelsByName = cow_Map<cow_String, cow_List<int>>;

  // The members of `set`, a set of the part of `instance`, under the
  // instance's id. Throws aif_Exception "Cannot create elset from this
  // region" for a region of the wrong kind (kind bit 2 without bits 0 and 1).
  aif_Elset(const asoF_PartInstance& instance, const rgnF_Set& set, const cow_String& name,
            aif_ModelInfo& info);
  // Every element of the instance's mesh; nothing without a mesh.
  aif_Elset(bool instanceOption, const cow_String& name, const asoF_PartInstance& instance,
            aif_ModelInfo& info);
  // The members of `set`, a set of the assembly, under the instance ids they
  // belong to, and the indices of the assembly's wire and attachment-line
  // edges in it (their connector elements are added when written). Throws
  // like the first form.
  aif_Elset(const cow_String& name, const rgnF_Set& set, aif_ModelInfo& info);
  aif_Elset(const cow_String& name, const LabelsById& labels, bool instanceOption,
            aif_ModelInfo& info);
  // `copies` copies of the elements of a fastener template instance
  // (`instanceId` in `region`): label e of copy c becomes e + c * stride + 1
  // in a part-based file, e + c * stride + baseOffset in a flat one. Throws
  // aif_Exception "Cannot create elset NAME from region" for a region of the
  // wrong kind.
  aif_Elset(const rgnK_Region& region, const cow_String& name, int instanceId, int copies,
            int stride, int baseOffset, aif_ModelInfo& info);
  // `copies` copies of `set`, a set of a fastener template's assembly: the
  // members of each template instance keyed by `keyPrefix` (the fastener's
  // name prefix, given: one holding "_" cannot be cut from the set name) +
  // the instance name ("ASSY" for the assembly's own), from the start label
  // recorded under that key in `startLabels`.
  aif_Elset(const asoK_Assembly& templateModel, const rgnF_Set& set, const cow_String& name,
            const cow_String& keyPrefix, int copies, const LabelsByName& startLabels,
            aif_ModelInfo& info);

  aif_Elset* Clone() const override { return new aif_Elset(*this); }
  // Records in the context's label table (a flat file) replace the labels of
  // their instance by the one element written with a file; the first set of a
  // substructure names the record. A name that cannot be written throws
  // aif_Exception before anything is written (aif_CheckWritableName).
  void Write(utl_Stream& stream) const override;
  // True when there are neither labels per instance id nor string members.
  bool IsEmpty() const override;

  const cow_String& Name() const { return name_; }
  // Drops the members of the instances `ids` (labels per instance id).
  void LeaveOutInstances(const std::unordered_set<unsigned>& ids);
  // Member names written one per line ahead of the labels.
  void SetStringMembers(const cow_List<cow_String>& members) { stringMembers_ = members; }
  void SetPlainLabels(const cow_List<int>& labels) { plainLabels_ = labels; }
  void SetNamedLabels(const LabelsByName& labels) { namedLabels_ = labels; }
  const LabelsById& Labels() const { return labels_; }
  const cow_List<int>& PlainLabels() const { return plainLabels_; }
  const LabelsByName& NamedLabels() const { return namedLabels_; }
  const cow_List<int>& EdgeIndices() const { return edgeIndices_; }

 private:
  void CollectRegion(const rgnK_Region& region, int instanceId, const char* failure);

  cow_String name_;
  LabelsById labels_;
  cow_List<cow_String> stringMembers_;
  cow_List<int> edgeIndices_;
  cow_List<int> plainLabels_;
  LabelsByName namedLabels_;
  aif_ModelInfo* info_;
  bool instanceOption_ = false;
  bool substructure_ = false;
};
