#include "aif/impl/model/aif_AnalyticalSurface.h"

#include <algorithm>
#include <string>
#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/ptsK_AnalyticRigidPoints.h"
#include "ModKerLow/rgnF_Set.h"
#include "ModKerLow/rgnK_Region.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "QivGeom/gdy_HitRecord.h"
#include "QivGeom/gsl_Util.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr const char* kAnalyticalSurfaceFile = "module/aif/impl/model/aif_AnalyticalSurface";
// Distance of the axis reference points from the origin.
constexpr double kAxisLength = 100.0;
// Profile values: width and significant digits.
constexpr int kProfileWidth = 12;
constexpr int kProfilePrecision = 15;

void WritePoint(utl_Stream& stream, const gsl_Point& point) {
  stream << point.x << ", " << point.y << ", " << point.z;
}

void PrintXY(utl_Stream& stream, const gsl_Point& point) {
  stream.Print(point.x, kProfileWidth, kProfilePrecision) << ", ";
  stream.Print(point.y, kProfileWidth, kProfilePrecision);
}

}  // namespace

aif_AnalyticalSurface::aif_AnalyticalSurface(const ftr_FeatureList& partFeatures,
                                             const asoF_PartInstance& instance,
                                             const ptoK_Part& part, const rgnF_Set& set,
                                             const aif_ModelInfo& info, cow_String name)
    : name_(std::move(name)), transform_(instance.GetTransform()), info_(&info) {
  (void)partFeatures;  // the kernel resolves the set in the part itself
  const rgnK_Region region(&part, cow_String(), set.Region());
  cow_List<gdy_HitRecord> components;
  region.GetAllGeomComponents(components);
  revolved_ = !components.IsEmpty() && components[0].GetSurfType() == gdy_kRevolvedSurface;
  ptsK_GetAnalyticRigidPoints(part, kinds_, points_, type_, revolved_);
  if (const gml_GeometricModel* model = ptoK_ConstGetGM(part)) bbox_ = model->GetBBox();
}

std::size_t aif_AnalyticalSurface::PointsNeeded() const {
  if (kinds_.IsEmpty()) return 0;
  std::size_t needed = 1;
  for (const cow_String& kind : kinds_) {
    if (kind == "Line")
      needed += 1;
    else if (kind == "Arc" || kind == "Spline")
      needed += 2;
  }
  return needed;
}

void aif_AnalyticalSurface::Write(utl_Stream& stream) const {
  const char* typeText = nullptr;
  if (type_ == ftr_ANALYTIC_CYLINDER)
    typeText = "CYLINDER";
  else if (type_ == ftr_ANALYTIC_REVOLUTION)
    typeText = "REVOLUTION";
  else if (type_ == ftr_ANALYTIC_SEGMENTS || type_ == ftr_ANALYTIC_SEGMENTS_3D)
    typeText = "SEGMENTS";
  if (!typeText) return;

  // A profile the kernel delivered short would be read past its end: refuse
  // it before anything of the keyword is written.
  const std::size_t needed = PointsNeeded();
  if (needed > points_.Length())
    nex_Exception::Throw(
        aif_Exception("The profile of the analytical surface " + aif_PrintableName(name_).Str() +
                      " has " + std::to_string(points_.Length()) + " points; its " +
                      std::to_string(kinds_.Length()) + " segments need " + std::to_string(needed) +
                      "."),
        kAnalyticalSurfaceFile, __LINE__);

  const bool partBased = info_->IsPartBased();
  gsl_Matrix transform = transform_;
  const gsl_Point origin = transform.Transform({0, 0, 0});
  const gsl_Point xAxis = transform.Transform({kAxisLength, 0, 0});
  const gsl_Point yAxis = transform.Transform({0, kAxisLength, 0});
  const gsl_Point zAxis = transform.Transform({0, 0, -kAxisLength});

  // Values below the resolution of the part's geometry are noise.
  utl_StreamSmallReal smallReal(
      stream, std::max(1e-15 * bbox_.Size(), gsl_Util::Instance().LengthTolerance()));

  stream << "*Surface, type=" << typeText << ", name=" << akw_MorvexName(name_, false).Printable();
  if (partBased && aif_IsInternalName(name_)) stream << ", internal";
  stream << endl;
  if (!partBased && type_ == ftr_ANALYTIC_CYLINDER) {
    WritePoint(stream, origin);
    stream << ", ";
    WritePoint(stream, xAxis);
    stream << endl;
    WritePoint(stream, zAxis);
    stream << endl;
  } else if (!partBased && type_ == ftr_ANALYTIC_REVOLUTION) {
    WritePoint(stream, origin);
    stream << ", ";
    WritePoint(stream, yAxis);
    stream << endl;
  }
  // The axis lines place a cylinder or revolution; its profile stays in the
  // local system. Segments are placed point by point.
  if (type_ == ftr_ANALYTIC_CYLINDER || type_ == ftr_ANALYTIC_REVOLUTION) transform = gsl_Matrix();

  if (kinds_.IsEmpty()) return;
  auto point = [&](std::size_t index) {
    return partBased ? points_[index] : transform.Transform(points_[index]);
  };
  stream << "START, ";
  PrintXY(stream, point(0));
  stream << endl;
  std::size_t j = 1;
  for (const cow_String& kind : kinds_) {
    if (kind == "Line") {
      stream << " LINE, ";
      PrintXY(stream, point(j));
      stream << endl;
      j += 1;
    } else if (kind == "Arc" || kind == "Spline") {
      stream << (kind == "Arc" ? " CIRCL, " : " PARAB, ");
      PrintXY(stream, point(j));
      stream << ", ";
      PrintXY(stream, point(j + 1));
      stream << endl;
      j += 2;
    }
  }
}
