#include "aif/impl/interactions/aif_Cyclic.h"

#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_CavitySymmetryRoutines.h"

namespace {

constexpr char kCyclicFile[] = "module/aif/impl/interactions/aif_Cyclic.cpp";

}  // namespace

aif_Cyclic::aif_Cyclic(const cow_String& name, const kinC_CavityRadiation& interaction,
                       const aif_ModelInfo& info, int space)
    : name_(name), interaction_(&interaction), space_(space), info_(&info) {}

void aif_Cyclic::Write(utl_Stream& stream) const {
  const kinC_CavityRadiation& cavity = *interaction_;
  if (!cavity.CyclicSymmetry()) return;
  // Only the three-dimensional and the planar forms exist: in another space
  // the keyword would stay without a type, so nothing is written.
  if (space_ != 3 && space_ != 2) return;
  stream << "*Cyclic, nc=" << cavity.CyclicSectors() << ", type=";
  if (cavity.RotationPoint().IsNull())
    aif_ThrowCavitySymmetryError("Interaction %s is missing the required cyclic rotation point.",
                                 name_, kCyclicFile, __LINE__);
  if (cavity.SymmetryPoint().IsNull())
    aif_ThrowCavitySymmetryError("Interaction %s is missing the required cyclic symmetry point.",
                                 name_, kCyclicFile, __LINE__);
  const ftr_FeatureList& features = aif_CavityFeatureList(*info_);
  const gsl_Point r = aif_RegeneratedGeometry(cavity.RotationPoint(), features)->GetPoint();
  const gsl_Point s = aif_RegeneratedGeometry(cavity.SymmetryPoint(), features)->GetPoint();
  if (space_ == 3) {
    stream << "AXIS";
    stream.LineBreak();
    if (cavity.RotationEndPoint().IsNull())
      aif_ThrowCavitySymmetryError("Interaction %s is missing the required rotation end point.",
                                   name_, kCyclicFile, __LINE__);
    const gsl_Point e = aif_RegeneratedGeometry(cavity.RotationEndPoint(), features)->GetPoint();
    aif_WriteCavityValues(stream, {r.x, r.y, r.z, e.x, e.y, e.z});
    aif_WriteCavityValues(stream, {s.x, s.y, s.z});
  } else {
    stream << "POINT";
    stream.LineBreak();
    aif_WriteCavityValues(stream, {r.x, r.y, s.x, s.y});
  }
}
