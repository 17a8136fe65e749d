// "*Surface Smoothing, name=": the smoothed pieces of a Standard contact
// pair's surfaces, one line each, with the axis they turn about. The
// interaction builder files one in the model definition for a pair whose
// surfaces have rotationally symmetric pieces; the pair names it after
// "geometric correction=".
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class aif_SurfaceSmoothing : public akw_Keyword {
 public:
  // Every list has one entry per piece, in the same order. `name` is written
  // as given (the builder passes it printable already). A piece holds its
  // name in one of `masterNames` and `slaveNames` and an empty text in the
  // other; (x1, y1, z1) is a point of its axis, (x2, y2, z2) a second one.
  aif_SurfaceSmoothing(cow_String name, cow_List<cow_String> masterNames,
                       cow_List<cow_String> slaveNames, cow_List<double> x1, cow_List<double> y1,
                       cow_List<double> z1, cow_List<double> x2, cow_List<double> y2,
                       cow_List<double> z2, cow_List<bool> circumferential,
                       cow_List<bool> spherical);
  aif_SurfaceSmoothing(const aif_SurfaceSmoothing&) = default;

  akw_Keyword* Clone() const override { return new aif_SurfaceSmoothing(*this); }
  // Nothing without pieces. Otherwise the keyword line and per piece
  // "SLAVE, MASTER, SPHERICAL, x1, y1, z1" (or "CIRCUMFERENTIAL, ..."),
  // followed by ", x2, y2, z2" for a circumferential piece.
  void Write(utl_Stream& stream) const override;

 private:
  cow_List<cow_String> masterNames_;
  cow_List<cow_String> slaveNames_;
  cow_List<double> x1_, y1_, z1_, x2_, y2_, z2_;
  cow_List<bool> circumferential_;
  cow_List<bool> spherical_;
  cow_String name_;
};
