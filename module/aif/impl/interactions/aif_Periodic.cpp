#include "aif/impl/interactions/aif_Periodic.h"

#include <algorithm>
#include <cfloat>

#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_CavitySymmetryRoutines.h"

namespace {

constexpr char kPeriodicFile[] = "module/aif/impl/interactions/aif_Periodic.cpp";
constexpr int kPeriodicDefaultRepetitions = 2;

}  // namespace

aif_Periodic::aif_Periodic(const cow_String& name, const kinC_CavityRadiation& interaction,
                           const aif_ModelInfo& info, int space)
    : name_(name), interaction_(&interaction), space_(space), info_(&info) {}

void aif_Periodic::WriteHead(utl_Stream& stream, const char* type, int repetitions) const {
  stream << "*Periodic, type=" << type;
  if (repetitions != kPeriodicDefaultRepetitions) stream << ", nr=" << repetitions;
  stream.LineBreak();
}

void aif_Periodic::Write2D(utl_Stream& stream, const kinC_CavityPeriodicSymmetry& symmetry) const {
  WriteHead(stream, "2D", symmetry.repetitions);
  if (symmetry.axis.IsNull())
    aif_ThrowCavitySymmetryError("Interaction %s is missing the required periodic symmetry axis.",
                                 name_, kPeriodicFile, __LINE__);
  if (symmetry.distance.IsNull())
    aif_ThrowCavitySymmetryError(
        "Interaction %s is missing the required periodic symmetry distance.", name_, kPeriodicFile,
        __LINE__);
  const ftr_FeatureList& features = aif_CavityFeatureList(*info_);
  const cow_COW<gsl_StLine> axis = aif_RegeneratedGeometry(symmetry.axis, features);
  const cow_COW<gsl_ModelSegment> distance = aif_RegeneratedGeometry(symmetry.distance, features);
  const gsl_Point& p = axis->PointOn();
  const gsl_Vector& dir = axis->Direction();
  const gsl_Vector d = distance->Point2().GetPoint() - distance->Point1().GetPoint();
  aif_WriteCavityValues(stream, {p.x, p.y, p.x + dir.x, p.y + dir.y, d.x, d.y});
}

void aif_Periodic::Write3D(utl_Stream& stream, const kinC_CavityPeriodicSymmetry& symmetry) const {
  WriteHead(stream, "3D", symmetry.repetitions);
  if (symmetry.plane.IsNull())
    aif_ThrowCavitySymmetryError("Interaction %s is missing the required periodic symmetry plane.",
                                 name_, kPeriodicFile, __LINE__);
  if (symmetry.distance.IsNull())
    aif_ThrowCavitySymmetryError(
        "Interaction %s is missing the required periodic symmetry distance.", name_, kPeriodicFile,
        __LINE__);
  const ftr_FeatureList& features = aif_CavityFeatureList(*info_);
  const cow_COW<gsl_Plane> plane = aif_RegeneratedGeometry(symmetry.plane, features);
  const cow_COW<gsl_ModelSegment> distance = aif_RegeneratedGeometry(symmetry.distance, features);
  const gsl_Point& p = plane->PointOn();
  const gsl_Vector u = plane->Direction().AnyOrthogonalUnit();
  const gsl_Point a = p + u;
  const gsl_Point b = p + u.CrossProduct(plane->Direction());
  const gsl_Vector d = distance->Point2().GetPoint() - distance->Point1().GetPoint();
  aif_WriteCavityValues(stream, {p.x, p.y, p.z, a.x, a.y, a.z});
  aif_WriteCavityValues(stream, {b.x, b.y, b.z, d.x, d.y, d.z});
}

void aif_Periodic::Write(utl_Stream& stream) const {
  const kinC_CavityRadiation& cavity = *interaction_;
  const int count = cavity.PeriodicCount();
  if (count <= 0) return;
  if (space_ == 1) {
    WriteHead(stream, "ZDIR", cavity.Periodic(0).repetitions);
    if (cavity.PeriodicSymmetryZ() == DBL_MAX)
      aif_ThrowCavitySymmetryError(
          "Interaction %s is missing the required periodic symmetry Z value.", name_, kPeriodicFile,
          __LINE__);
    if (cavity.PeriodicDistanceZ() == DBL_MAX)
      aif_ThrowCavitySymmetryError(
          "Interaction %s is missing the required periodic distance Z value.", name_, kPeriodicFile,
          __LINE__);
    aif_WriteCavityValues(stream, {cavity.PeriodicSymmetryZ(), cavity.PeriodicDistanceZ()});
  } else if (space_ == 2) {
    for (int i = 0; i < std::min(count, 2); ++i)
      Write2D(stream, cavity.Periodic(i));
  } else if (space_ == 3) {
    for (int i = 0; i < std::min(count, kinC_CavityRadiation::kMaxSymmetries); ++i)
      Write3D(stream, cavity.Periodic(i));
  }
}
