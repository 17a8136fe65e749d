// The LINK_TOPO block of a symmetry of a topology task: rotational,
// cyclic, planar or point symmetry of the design variables. Made by the
// geometric restriction builder after the symmetry's DVCON_TOPO block,
// whose CHECK_LINK names it.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kopC_GeometricRestriction;

class aif_LinkTopo : public akw_Keyword {
 public:
  // `name`: the block's ID_NAME, written as given.
  aif_LinkTopo(aif_ModelInfo& info, const kopC_GeometricRestriction& restriction, cow_String name)
      : info_(info), restriction_(restriction), name_(std::move(name)) {}
  aif_LinkTopo(const aif_LinkTopo&) = default;
  akw_Keyword* Clone() const override { return new aif_LinkTopo(*this); }

  // "LINK_TOPO", "  ID_NAME = " the name, TYPE (ROTATION_SYM, CYCLIC_SYM or
  // PLANE_SYM with the axis AXIS_1 to AXIS_3; POINT_SYM), CS,
  // IGNORE_FROZEN (TRUE or FALSE), ANGLE of a rotational or TRANSLATION of
  // a cyclic symmetry, "END_". Throws before anything is written:
  // nex_TextException "Unimplemented LinkTopo command" for a restriction of
  // another kind, aif_Exception "The symmetry axis of the topology
  // restriction NAME is unknown." for an axis outside 0 to 2.
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo& info_;
  const kopC_GeometricRestriction& restriction_;
  cow_String name_;
};
