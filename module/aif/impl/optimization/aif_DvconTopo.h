// The DVCON_TOPO block of a topology restriction of the task: a frozen
// area, a member size, a demold control, or a symmetry (whose LINK_TOPO
// block CHECK_LINK names). Made by the geometric restriction builder;
// OPTIMIZE names it on a "  DVCON = " line.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kopC_GeometricRestriction;

class aif_DvconTopo : public akw_Keyword {
 public:
  // `linkName`: the ID_NAME of the symmetry's LINK_TOPO block.
  aif_DvconTopo(aif_ModelInfo& info, const kopC_GeometricRestriction& restriction, cow_String name,
                cow_String linkName)
      : info_(info),
        restriction_(restriction),
        name_(std::move(name)),
        linkName_(std::move(linkName)) {}
  aif_DvconTopo(const aif_DvconTopo&) = default;
  akw_Keyword* Clone() const override { return new aif_DvconTopo(*this); }

  // "DVCON_TOPO", the restriction's ID_NAME, its EL_GROUP line, the kind's
  // lines, "END_":
  //   frozen area: CHECK_TYPE = FROZEN;
  //   member size: CHECK_TYPE = MIN_MEMBER or MAX_MEMBER with THICKNESS,
  //   kind 2 also MIN_THICKNESS and DISTANCE (no line for another kind);
  //   demold control: CHECK_TYPE = CAST, PULL_DIR (unit components), ANGLE,
  //   CHECK_GROUP (the restriction's region when the check region is
  //   empty), MID_PLANE (NONE, AUTO, AUTO_TIGHT, SURFACE, STAMP or
  //   "POINT, x, y, z" of the one point of the point region; empty
  //   otherwise), PULL_CS, CREATE_PULL_GROUP; a surface mid plane
  //   (technique 3) writes no PULL_DIR and no PULL_CS;
  //   symmetry: CHECK_TYPE = LINK_TOPO, CHECK_LINK = the link name.
  // A restriction of another kind throws aif_Exception "Unimplemented
  // dvcontopo input file writer for NAME" before anything is written.
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo& info_;
  const kopC_GeometricRestriction& restriction_;
  cow_String name_;
  cow_String linkName_;
};
