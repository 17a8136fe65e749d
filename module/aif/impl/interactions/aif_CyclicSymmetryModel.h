// "*Cyclic Symmetry Model": the number of sectors of a cyclic symmetry and the
// two points of its axis. The interaction builder files it once, with the
// keywords of the initial step.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;
class gsl_Point;
class rgnC_Region;
class utl_Stream;

class aif_CyclicSymmetryModel : public akw_Keyword {
 public:
  // `interaction` must be a kinC_CyclicSymmetry (tested in Write); `info`
  // resolves the axis points and must outlive the keyword.
  aif_CyclicSymmetryModel(const cow_COW<kinC_Interaction>& interaction, const aif_ModelInfo& info);
  aif_CyclicSymmetryModel(const aif_CyclicSymmetryModel&) = default;

  akw_Keyword* Clone() const override { return new aif_CyclicSymmetryModel(*this); }
  // The keyword line with the sector count, then one data line with the
  // coordinates of both axis points. An axis point the model cannot give
  // (not valid, not a single point, an edge or face, a mesh node outside
  // every instance, a reference point without a record) is not reported: a
  // missing first point leaves the data line out, a missing second point
  // leaves the first point's three numbers alone on it. Fails the type test,
  // writing nothing, for another kind of interaction.
  void Write(utl_Stream& stream) const override;

  // The coordinates of the single point `region` stands for, in assembly
  // coordinates; false when it stands for none.
  static bool AxisPoint(const rgnC_Region& region, const aif_ModelInfo& info, gsl_Point& point);
  // The position tolerance the symmetry's tie is given: the symmetry's own
  // when its tolerance kind is 1, else the unset value DBL_MAX.
  static double TiePositionTolerance(const kinC_CyclicSymmetry& cyclic);

 private:
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* info_;
};
