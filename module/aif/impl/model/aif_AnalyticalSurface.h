// "*Surface" of an analytical rigid part: a cylinder, a surface of revolution
// or a set of profile segments, with the profile lines START, LINE, CIRCL and
// PARAB. The region builder makes it through aif_Surface's analytical
// constructor for the surface of an instance of an analytic rigid part; the
// profile comes from the geometry kernel. In a flat file the surface is placed
// by the instance's transform.
#pragma once

#include <cstddef>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/gml_GeometricModel.h"
#include "QivGeom/gsl_BBox.h"
#include "QivGeom/gsl_Matrix.h"
#include "QivGeom/gsl_Point.h"

class aif_ModelInfo;
class asoF_PartInstance;
class ftr_FeatureList;
class ptoK_Part;
class rgnF_Set;

class aif_AnalyticalSurface : public akw_Keyword {
 public:
  // The profile of `part` as the kernel gives it for the surface `set` of the
  // part (profiled as revolved when the set's first geometric component lies
  // on a surface of revolution), the bounding box of the part's geometry and
  // the transform of `instance`. `partFeatures` is the part's feature list
  // the set belongs to.
  aif_AnalyticalSurface(const ftr_FeatureList& partFeatures, const asoF_PartInstance& instance,
                        const ptoK_Part& part, const rgnF_Set& set, const aif_ModelInfo& info,
                        cow_String name);
  aif_AnalyticalSurface(const aif_AnalyticalSurface&) = default;

  akw_Keyword* Clone() const override { return new aif_AnalyticalSurface(*this); }
  // The keyword line by surface type (47 CYLINDER, 48 REVOLUTION, 49 and 50
  // SEGMENTS; any other type writes nothing), the axis lines of a cylinder
  // or revolution in a flat file, then one profile line per segment. Reals
  // below the geometry's resolution print as 0. Throws aif_Exception, before
  // writing anything, when the segments need more points than the profile
  // holds.
  void Write(utl_Stream& stream) const override;

  ftr_FeatureType Type() const { return type_; }
  bool Revolved() const { return revolved_; }

 private:
  // The number of profile points the segments consume, the start point
  // included; 0 without segments.
  std::size_t PointsNeeded() const;

  ftr_FeatureType type_ = 0;
  cow_List<gsl_Point> points_;
  cow_List<cow_String> kinds_;
  cow_String name_;
  gsl_Matrix transform_;
  gsl_BBox bbox_;
  const aif_ModelInfo* info_;
  bool revolved_ = false;
};
