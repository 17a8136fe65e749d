// "*Hourglass Stiffness": the hourglass stiffness factors of a section
// assignment's element control parameters, written right after the section
// keyword. The part-attributes and assembled-fastener builders make it when
// the analysis product is 0.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"

class aif_HourglassStiffness : public akw_Keyword {
 public:
  explicit aif_HourglassStiffness(const bme_ElemCtrlParams& params) : params_(params) {}
  aif_HourglassStiffness(const aif_HourglassStiffness&) = default;

  akw_Keyword* Clone() const override { return new aif_HourglassStiffness(*this); }
  // "*Hourglass Stiffness" and the data line "h1, , h2, h3" (the second
  // column empty); nothing when all three factors are below 1e-6 in
  // magnitude.
  void Write(utl_Stream& stream) const override;

 private:
  bme_ElemCtrlParams params_;
};
