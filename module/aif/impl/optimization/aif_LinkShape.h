// The LINK_SHAPE block of a shape restriction that ties client nodes to a
// master: stamp, drill, turn and demold controls, symmetries, vector,
// direction and length links and the slide check. Made by the geometric
// restriction builder; it is the restriction's only block, and OPTIMIZE
// does not name it.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kopC_GeometricRestriction;
class gsl_ModelSegment;
class rgnC_Region;
class utl_Stream;

class aif_LinkShape : public akw_Keyword {
 public:
  // `name`: the block's ID_NAME, written as given.
  aif_LinkShape(aif_ModelInfo& info, const kopC_GeometricRestriction& restriction, cow_String name)
      : info_(info), restriction_(restriction), name_(std::move(name)) {}
  aif_LinkShape(const aif_LinkShape&) = default;
  akw_Keyword* Clone() const override { return new aif_LinkShape(*this); }

  // "LINK_SHAPE", "  ID_NAME = " the name, then MASTER (CRIT_1, CRIT_2 or
  // "NDGR, " the node group of the master region), the kind's CLIENT line,
  // its direction line (CLIENT_DIR, or DEMOLD_DIR left out when shorter
  // than the length tolerance), CS, TOL and the kind's further lines
  // (ANGLE, UNDERCUT_TOL, CHECK_GROUP), "END_". A slide check writes its
  // slide master (mode 0, as a turn control) or its free-form region.
  // Throws aif_Exception before anything is written for a restriction of
  // another kind ("Unimplemented LinkShape input file writing command for
  // NAME"), for a master kind outside 0 to 2 ("The master of the shape
  // restriction NAME is of an unknown kind.") and for a node-group master
  // (kind 2, the slide master, the free-form region) whose region gives no
  // node group, an element set or a surface ("The master region of the
  // shape restriction NAME gives no node group.").
  void Write(utl_Stream& stream) const override;

 private:
  void WriteMaster(utl_Stream& stream, int kind, const rgnC_Region& region) const;
  void WriteDirection(utl_Stream& stream, const char* key, const gsl_ModelSegment& segment,
                      bool skipShort) const;

  aif_ModelInfo& info_;
  const kopC_GeometricRestriction& restriction_;
  cow_String name_;
};
