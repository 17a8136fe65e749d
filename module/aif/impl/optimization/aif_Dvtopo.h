// The DV_TOPO block: the design area of a topology task as an element
// group. Made by the task builder; OPTIMIZE names it on its "  DV = " line.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbCoreGeom/rgnC_Region.h"

class aif_ModelInfo;

class aif_Dvtopo : public akw_Keyword {
 public:
  aif_Dvtopo(aif_ModelInfo& info, const rgnC_Region& region) : info_(info), region_(region) {}
  aif_Dvtopo(const aif_Dvtopo&) = default;
  akw_Keyword* Clone() const override { return new aif_Dvtopo(*this); }

  // "DV_TOPO", "  ID_NAME = " the task name + "_DESIGN_AREA_", the region's
  // EL_GROUP line (none for a region without elements), "END_".
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo& info_;
  rgnC_Region region_;
};
