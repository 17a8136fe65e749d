// "*System": the local coordinate system the following node coordinates are
// given in. In a flat file the instance builder puts one before the nodes of
// every displaced instance, and a bare one to return to the global system.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "QivGeom/gsl_Matrix.h"

class aif_System : public akw_Keyword {
 public:
  explicit aif_System(const gsl_Matrix& transform) : transform_(transform) {}
  aif_System(const aif_System&) = default;
  ~aif_System() override = default;

  akw_Keyword* Clone() const override { return new aif_System(*this); }
  // "*System" alone for the identity (translation components that are
  // rounding noise, below epsilon or epsilon times the largest component,
  // count as 0). Otherwise one line "ox,oy,oz,xx,xy,xz": the images of the
  // origin and of (1, 0, 0); and, unless the transform only turns about z,
  // a line "yx,yy,yz" with the image of (0, 1, 0).
  void Write(utl_Stream& stream) const override;

 private:
  gsl_Matrix transform_;
};
