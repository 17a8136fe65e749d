#include "aif/impl/interactions/aif_Reflection.h"

#include <algorithm>
#include <cfloat>

#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_CavitySymmetryRoutines.h"

namespace {

constexpr char kReflectionFile[] = "module/aif/impl/interactions/aif_Reflection.cpp";

}  // namespace

aif_Reflection::aif_Reflection(const cow_String& name, const kinC_CavityRadiation& interaction,
                               const aif_ModelInfo& info, int space)
    : name_(name), interaction_(&interaction), info_(&info), space_(space) {}

void aif_Reflection::Write(utl_Stream& stream) const {
  const kinC_CavityRadiation& cavity = *interaction_;
  const int count = cavity.ReflectionCount();
  if (count <= 0) return;
  const ftr_FeatureList& features = aif_CavityFeatureList(*info_);
  if (space_ == 1) {
    stream << "*Reflection, type=ZCONST";
    stream.LineBreak();
    if (cavity.ReflectionZ() == DBL_MAX)
      aif_ThrowCavitySymmetryError(
          "Interaction %s is missing the required reflection symmetry Z value.", name_,
          kReflectionFile, __LINE__);
    aif_WriteCavityValues(stream, {cavity.ReflectionZ()});
  } else if (space_ == 2) {
    for (int i = 0; i < std::min(count, 2); ++i) {
      stream << "*Reflection, type=LINE";
      stream.LineBreak();
      if (cavity.ReflectionLine(i).IsNull())
        aif_ThrowCavitySymmetryError(
            "Interaction %s is missing the required reflection symmetry axis.", name_,
            kReflectionFile, __LINE__);
      const cow_COW<gsl_StLine> line = aif_RegeneratedGeometry(cavity.ReflectionLine(i), features);
      const gsl_Point& p = line->PointOn();
      const gsl_Vector& dir = line->Direction();
      aif_WriteCavityValues(stream, {p.x, p.y, p.x - dir.x, p.y - dir.y});
    }
  } else if (space_ == 3) {
    for (int i = 0; i < std::min(count, kinC_CavityRadiation::kMaxSymmetries); ++i) {
      stream << "*Reflection, type=PLANE";
      stream.LineBreak();
      if (cavity.ReflectionPlane(i).IsNull())
        aif_ThrowCavitySymmetryError(
            "Interaction %s is missing the required reflection symmetry plane.", name_,
            kReflectionFile, __LINE__);
      const cow_COW<gsl_Plane> plane = aif_RegeneratedGeometry(cavity.ReflectionPlane(i), features);
      const gsl_Point& p = plane->PointOn();
      const gsl_Vector u = plane->Direction().AnyOrthogonalUnit();
      const gsl_Point a = p + u;
      const gsl_Point b = p + u.CrossProduct(plane->Direction());
      aif_WriteCavityValues(stream, {p.x, p.y, p.z, a.x, a.y, a.z});
      aif_WriteCavityValues(stream, {b.x, b.y, b.z});
    }
  }
}
