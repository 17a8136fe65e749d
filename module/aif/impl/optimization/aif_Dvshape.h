// The DV_SHAPE block: the design area of a shape task as a node group.
// Made by the task builder; OPTIMIZE names it on its "  DV = " line.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbCoreGeom/rgnC_Region.h"

class aif_ModelInfo;

class aif_Dvshape : public akw_Keyword {
 public:
  aif_Dvshape(aif_ModelInfo& info, const rgnC_Region& region) : info_(info), region_(region) {}
  aif_Dvshape(const aif_Dvshape&) = default;
  akw_Keyword* Clone() const override { return new aif_Dvshape(*this); }

  // "DV_SHAPE", "  ID_NAME = " the task name + "_DESIGN_AREA_", the region's
  // ND_GROUP line (none for a region without nodes), "END_".
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo& info_;
  rgnC_Region region_;
};
