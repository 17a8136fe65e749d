// "*Radiation Symmetry, name=": the head of a cavity's symmetries, written
// by aif_RadiationViewfactor right after its own lines and followed by
// aif_Cyclic, aif_Periodic and aif_Reflection.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class utl_Stream;

class aif_RadiationSymmetry : public akw_Keyword {
 public:
  // `symmetryName` is written as it stands (the viewfactor makes it
  // printable).
  explicit aif_RadiationSymmetry(const cow_String& symmetryName);
  aif_RadiationSymmetry(const aif_RadiationSymmetry&) = default;

  akw_Keyword* Clone() const override { return new aif_RadiationSymmetry(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String symmetryName_;
};
