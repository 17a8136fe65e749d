// The member lists of node and element sets: every keyword that lists node or
// element labels ("*Elset", "*Nset", the internal element sets of surfaces,
// the member lines of loads and interactions) writes them through this one
// writer. It owns the format: a block per instance opened by the caller's
// keyword line, the ", instance=" option, the ", generate" form for labels in
// arithmetic progression, 16 labels a line in a field as wide as the largest
// label needs, and the shift of a flat file's labels by their instance's
// offset. Callers build it on the stack.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "QivBasicUtils/omi_BlkBitVect.h"

class aif_ModelInfo;
class utl_Stream;

class aif_SetLabelWriter {
 public:
  using LabelsById = cow_Map<int, cow_List<int>>;
  using LabelsByName = cow_Map<cow_String, cow_List<int>>;
  using FacesById = cow_Map<int, cow_List<cow_String>>;
  using NameMap = cow_Map<cow_String, cow_String>;
  // The kind of labels a block lists: it selects the instance offset.
  enum Kind { kNodes = 0, kElements = 1 };

  aif_SetLabelWriter() = default;

  // When set, a block of an instance's members gets ", instance=" in a
  // part-based file. Callers copy their keyword's flag in.
  bool InstanceOption() const { return instanceOption_; }
  void SetInstanceOption(bool set) { instanceOption_ = set; }

  // One block per instance id (ascending) with a non-empty list, its labels
  // shifted by the instance's node or element offset (`kind`). The
  // assembly's own members (ftr_kAssemblyId) never get an instance option.
  void WriteInstanceBlocks(utl_Stream& stream, const LabelsById& labels, const cow_String& keyword,
                           const aif_ModelInfo& info, int kind) const;
  // One block per instance name (map order) with a non-empty list, no
  // offset; the name "ASSY" (the assembly's own members) gets no option.
  void WriteNamedInstanceBlocks(utl_Stream& stream, const LabelsByName& labels,
                                const cow_String& keyword, const aif_ModelInfo& info) const;
  // One block of `labels` without option or offset; nothing when empty.
  void WriteBlock(utl_Stream& stream, const cow_List<int>& labels, const cow_String& keyword,
                  const aif_ModelInfo& info) const;
  // The member lines alone: each member + `offset`, ascending, 16 a line
  // joined by ","; a last line of a single label ends in ",". Nothing for an
  // empty set.
  static void WriteLabelLines(utl_Stream& stream, const omi_BlkBitVect& members, int offset);

  // The internal element sets of an element-based surface named `surface`:
  // one "*Elset" per distinct face identifier (first appearance over the
  // instance ids ascending), named `scope`.[prefix]_[last]_[face], registered
  // in the set-name registry with "_1", "_2", ... appended while the name is
  // taken. `faces` holds one identifier per element, at the index of its label
  // in `labels`. Returns, per face identifier, the printable name the set's
  // "*Elset" line carries, counter included: the name the surface's data
  // lines must give, so that they refer to the set written here.
  NameMap WriteInternalFaceSets(utl_Stream& stream, const FacesById& faces,
                                const LabelsById& labels, const cow_String& surface,
                                const cow_String& scope, const aif_ModelInfo& info) const;
  // The printable names [prefix]_[last]_[member] of `base`, per distinct member
  // name; registers and writes nothing.
  static NameMap MapMemberNames(const FacesById& members, const cow_String& base);

  // The common difference of the members when there are at least 3 of them
  // in arithmetic progression; otherwise 0.
  static int ConstantStride(const omi_BlkBitVect& members);
  // The print width of the members: the digits of the largest (before any
  // offset) + 1, at most 7.
  static int FieldWidth(const omi_BlkBitVect& members);
  // Sets the bit of each label of `labels`.
  static void FillBits(const cow_List<int>& labels, omi_BlkBitVect& members);

 private:
  void WriteMembers(utl_Stream& stream, const omi_BlkBitVect& members, const cow_String& keyword,
                    const cow_String& option, int offset, const aif_ModelInfo& info) const;

  bool instanceOption_ = true;
};
