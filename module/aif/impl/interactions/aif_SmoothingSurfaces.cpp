#include "aif/impl/interactions/aif_SmoothingSurfaces.h"

#include <memory>
#include <utility>

#include "AttributesIntObj/asoK_ModelAssembly.h"
#include "AttributesIntObj/asoK_RotationalAxis.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/gml_GeometricModel.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionToSet.h"
#include "ModelDatabase/bas_Mdb.h"
#include "QivBasicUtils/omu_MorvexName.h"
#include "QivGeom/gsl_Util.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_Surface.h"

namespace {

// A temporary set in a feature list: appended when made, deleted when the
// guard goes, on the normal path and when an error leaves the scope.
class SmoothingSetGuard {
 public:
  SmoothingSetGuard(ftr_FeatureList& features, ftr_Feature& set)
      : features_(features),
        appended_(features.RegenerateFeatureAndAppend(set)),
        id_(set.GetID()) {}
  SmoothingSetGuard(const SmoothingSetGuard&) = delete;
  SmoothingSetGuard& operator=(const SmoothingSetGuard&) = delete;
  ~SmoothingSetGuard() {
    if (appended_) features_.Delete(id_);
  }
  bool Appended() const { return appended_; }

 private:
  ftr_FeatureList& features_;
  bool appended_;
  unsigned id_;
};

}  // namespace

aif_SmoothingSurfaces::aif_SmoothingSurfaces(const aif_ModelInfo& info,
                                             std::function<void(const akw_Keyword&)> fileSurface)
    : info_(info), fileSurface_(std::move(fileSurface)) {}

gdy_CompositeHitSet aif_SmoothingSurfaces::RegionFaces(const rgnC_Region& region) const {
  gdy_CompositeHitSet faces;
  if (!info_.Assembly()) return faces;
  rgnK_Region(info_.Assembly(), info_.ModelName(), region)
      .GetCompositeHits(faces, false, false, false, true, false);
  return faces;
}

gdy_CompositeHitSet aif_SmoothingSurfaces::WholeModelFaces() const {
  gdy_CompositeHitSet faces;
  const asoK_Assembly* assembly = info_.Assembly();
  if (!assembly) return faces;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || instance->IsExcluded() || !ptoK_ConstGetGM(instance->ConstGetPart())) continue;
    faces.bodies.Append(static_cast<int>(id));
  }
  return faces;
}

cow_List<aif_SmoothingPiece> aif_SmoothingSurfaces::Find(const gdy_CompositeHitSet& faces,
                                                         const cow_String& prefix,
                                                         bool pairSurface) const {
  cow_List<aif_SmoothingPiece> pieces;
  const asoK_Assembly* assembly = info_.Assembly();
  if (!assembly) return pieces;
  cow_List<asoK_RotationalAxisData> axes;
  const bool found = (pairSurface || assembly->IsSpace(ptoK_SPACE_3D))
                         ? asoK_GetRotationalAxisData(faces, assembly, axes, 0)
                         : asoK_Get2DRotationalAxisData(faces, assembly, axes, 0);
  if (!found) return pieces;
  // The temporary sets go in the model itself, reached through the model
  // database; the assembly the model info holds is a copy.
  asoK_Assembly* model = asoK_GetAssembly(bas_Basis::Instance().Fetch(), info_.ModelName());
  if (!model) return pieces;

  const double tolerance = gsl_Util::Instance().LengthTolerance();
  for (std::size_t i = 0; i < axes.Length(); ++i) {
    const asoK_RotationalAxisData& axis = axes[i];
    if (!axis.hits.HasFaces()) continue;
    const cow_String name = prefix + aif_NumberText(static_cast<int>(i + 1));
    rgnK_RegionToSet toSet(model->ConstGetFeatureList(), true);
    toSet.AppendGeometryHits(axis.hits);
    const std::unique_ptr<rgnF_Set> set = toSet.GetNewSet(name, true);
    if (!set) continue;
    if (pairSurface &&
        rgnK_Region(assembly, info_.ModelName(), set->Region()).ContainsAnalRigidSurf())
      continue;
    const SmoothingSetGuard guard(model->FeatureList(), *set);
    if (!guard.Appended()) continue;
    const cow_String printable = omu_MorvexName::QuoteIfNeeded(name);
    const aif_Surface surface(*set, info_, printable, cow_String());
    if (surface.IsEmpty()) continue;
    fileSurface_(surface);

    aif_SmoothingPiece piece;
    piece.surface = printable;
    piece.spherical = axis.direction.Magnitude() < tolerance;
    piece.x1 = axis.point[0];
    piece.y1 = axis.point[1];
    piece.z1 = axis.point[2];
    piece.x2 = axis.point[0] + axis.direction.x;
    piece.y2 = axis.point[1] + axis.direction.y;
    piece.z2 = axis.point[2] + axis.direction.z;
    pieces.Append(piece);
  }
  return pieces;
}
