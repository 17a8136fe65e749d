// The line rules every block of the optimization parameter file shares:
// identifiers (one text per name and kind within a file), element and node
// groups, coordinate-system references, the block frame (block line, key
// lines "  KEY = value", "END_") and the names made from the task name.
#pragma once

#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivBasicUtils/utl_Stream.h"

class aif_ModelInfo;

// Identifier kinds: the type ids of the kinds of object a block stands for.
// An identifier taken by one kind is given to another kind with that kind's
// suffix.
enum aif_KestKind : unsigned {
  aif_kKestTask = 0x30F0001,
  aif_kKestObjectiveFunction = 0x3A40010,
  aif_kKestConstraint = 0x3A40020,
  aif_kKestGeometricRestriction = 0x3A40040,
  aif_kKestStopCondition = 0x3A40030,
  aif_kKestDesignResponse = 0x3A40001,
  aif_kKestCsys = 0x0B00002,
};

// The identifier of the object `name` of `kind`: the name itself when the
// name is new to the file (it is then recorded for `kind`) or already
// belongs to `kind`; otherwise the name followed by the kind's suffix
// ("_TASK_", "_OBJFUNC_", "_CONSTRAINT_", "_GEOMREST_", "_STOPCOND_",
// "_DRESP_", "_CSYS_", "_UNKNOWN_" for any other kind), which is not
// recorded. With `printable`, the printable form of that text (refused with
// nex_TextException for a name with a line break).
cow_String aif_KestIdName(aif_ModelInfo& info, const cow_String& name, unsigned kind,
                          bool printable = true);

// The group that stands for `region`: "ALL_ELEMENTS" or "ALL_NODES" for the
// empty region (the whole model), otherwise the region's instance-qualified
// name with blanks as "_", followed by "_ELEM" or "_NODE" when the region
// holds more than one kind of member. `isElement` tells which kind the group
// is. Empty when the region gives no group of an allowed kind.
cow_String aif_KestGroupName(bool& isElement, const rgnC_Region& region, aif_ModelInfo& info,
                             bool noElements, bool noNodes);
// Writes "  KEY = group" when the region gives a group; KEY is `key`, or
// "EL_GROUP"/"ND_GROUP" by the group's kind when `key` is empty. Returns
// whether a line was written.
bool aif_KestGroupLine(const rgnC_Region& region, aif_ModelInfo& info, utl_Stream& stream,
                       bool noElements, bool noNodes, const cow_String& key);
bool aif_KestElementGroupLine(const rgnC_Region& region, aif_ModelInfo& info, utl_Stream& stream,
                              const cow_String& key = cow_String());
bool aif_KestNodeGroupLine(const rgnC_Region& region, aif_ModelInfo& info, utl_Stream& stream,
                           const cow_String& key = cow_String());
// Whether the region can be written as an element group (never a surface)
// or as a node group.
bool aif_KestCanElementGroup(const rgnC_Region& region, aif_ModelInfo& info);
bool aif_KestCanNodeGroup(const rgnC_Region& region, aif_ModelInfo& info);

// The name under which the datum coordinate system `datum` is defined by
// its CS_DEF block (its identifier, coordinate-system kind), or "CS_0" for
// a null reference or a reference that names no datum (which gets no
// CS_DEF block).
cow_String aif_KestCsysName(dtmC_DatumRef datum, aif_ModelInfo& info);
// Writes "  KEY = " and aif_KestCsysName, always.
void aif_KestCsysLine(dtmC_DatumRef datum, aif_ModelInfo& info, utl_Stream& stream,
                      const cow_String& key);

// Whether a geometric restriction of kind `typeId` is a shape link (stamp,
// drill, turn, demold, symmetry, vector, direction, length, slide check):
// its only block is LINK_SHAPE, which OPTIMIZE does not name.
bool aif_KestIsShapeLink(unsigned typeId);

// The name of a shape task's boundary-condition check block.
cow_String aif_KestCheckBCName(cow_String name);

// The printable form of the task name followed by `suffix`: the identifiers
// that blocks make from the task name ("_DESIGN_AREA_", "_OPT_PARAM_", ...),
// which pass no registry.
cow_String aif_KestTaskName(const aif_ModelInfo& info, const char* suffix);

// The frame of one block: the constructor writes the block line, Key starts
// a key line "  KEY = " (the caller writes the value and ends the line with
// endl), Line writes a whole key line, End writes "END_".
class aif_KestBlock {
 public:
  aif_KestBlock(utl_Stream& stream, const char* name) : stream_(stream) { stream_ << name << endl; }
  // The frame of a block whose block line is already written (for the
  // helpers that write part of a block).
  static aif_KestBlock Continue(utl_Stream& stream) { return aif_KestBlock(stream); }
  utl_Stream& Key(const char* key) { return stream_ << "  " << key << " = "; }
  template <class Value>
  void Line(const char* key, const Value& value) {
    Key(key) << value << endl;
  }
  void End() { stream_ << "END_" << endl; }
  utl_Stream& Stream() { return stream_; }

 private:
  explicit aif_KestBlock(utl_Stream& stream) : stream_(stream) {}

  utl_Stream& stream_;
};
