// The geometric model of a part: its bounding box and, for an analytic rigid
// part, the profile the geometry kernel derives from it.
//
// The stand-in has no geometry: a test gives a part its model
// (ptoK_Part::SetGeometricModel) and the kernel calls answer what was stored.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "QivBasicUtils/cls_Registry.h"
#include "QivGeom/gsl_BBox.h"
#include "QivGeom/gsl_Point.h"

class ptoK_Part;

// Feature type codes of analytic rigid surfaces: 47 cylinder, 48 revolution,
// 49 and 50 segments (planar and three-dimensional profiles).
using ftr_FeatureType = int;
inline constexpr ftr_FeatureType ftr_ANALYTIC_CYLINDER = 47;
inline constexpr ftr_FeatureType ftr_ANALYTIC_REVOLUTION = 48;
inline constexpr ftr_FeatureType ftr_ANALYTIC_SEGMENTS = 49;
inline constexpr ftr_FeatureType ftr_ANALYTIC_SEGMENTS_3D = 50;

// The profile of an analytic rigid surface: the surface type, one kind of
// segment per segment ("Line", "Arc", "Spline") and the points in profile
// order (the start point, then the points each segment consumes).
struct gml_AnalyticProfile {
  ftr_FeatureType type = 0;
  cow_List<cow_String> kinds;
  cow_List<gsl_Point> points;
};

class gml_GeometricModel : public cls_Object {
 public:
  static constexpr unsigned kTypeId = 0x0C10001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(gml_GeometricModel, cls_Object)

  const gsl_BBox& GetBBox() const { return bbox_; }
  void SetBBox(const gsl_BBox& box) { bbox_ = box; }

  // The profile the kernel gives for the `revolved` flag it is asked with
  // (a revolved surface is profiled as its generating curve); null when
  // none was stored for that flag.
  const gml_AnalyticProfile* AnalyticProfile(bool revolved) const {
    return profiles_.Find(revolved);
  }
  void SetAnalyticProfile(bool revolved, const gml_AnalyticProfile& profile) {
    profiles_.Set(revolved, profile);
  }

 private:
  gsl_BBox bbox_;
  cow_Map<bool, gml_AnalyticProfile> profiles_;
};

// The geometric model of `part`, or null.
const gml_GeometricModel* ptoK_ConstGetGM(const ptoK_Part& part);
