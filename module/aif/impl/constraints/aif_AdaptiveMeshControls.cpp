#include "aif/impl/constraints/aif_AdaptiveMeshControls.h"

#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

aif_AdaptiveMeshControls::aif_AdaptiveMeshControls(cow_String name,
                                                   const kadC_AdptMeshCtrl& controls,
                                                   bool explicitStep)
    : name_(std::move(name)), controls_(controls), explicit_(explicitStep) {}

void aif_AdaptiveMeshControls::Write(utl_Stream& stream) const {
  const kadC_AdptMeshCtrl& c = *controls_;
  stream << "*Adaptive Mesh Controls, name=" << akw_MorvexName(name_, false);
  // Second order is the only other advection; it has no word of its own.
  if (explicit_ && c.Advection() != 1) {
    aif_Option(stream) << "advection=";
    if (c.Advection() == 0) stream << "FIRST ORDER";
  }
  if (c.GeometricEnhancement() != 2)
    aif_Option(stream) << "geometric enhancement="
                       << (c.GeometricEnhancement() == 0 ? "NO" : "YES");
  if (c.InitialFeatureAngle() != 30.0)
    aif_Option(stream) << "initial feature angle=" << c.InitialFeatureAngle();
  if (explicit_) WriteExplicitOptions(stream);
  if (c.TransitionFeatureAngle() != 30.0)
    aif_Option(stream) << "transition feature angle=" << c.TransitionFeatureAngle();
  stream << endl;

  if (explicit_)
    stream << c.Data(1) << ", " << c.Data(3) << ", " << c.Data(4);
  else
    stream << c.Data(5) << ", " << c.Data(2);
  stream << endl;
}

void aif_AdaptiveMeshControls::WriteExplicitOptions(utl_Stream& stream) const {
  const kadC_AdptMeshCtrl& c = *controls_;
  if (c.MeshConstraintAngle() != 60.0)
    aif_Option(stream) << "mesh constraint angle=" << c.MeshConstraintAngle();
  if (c.MomentumAdvection() != 0)
    aif_Option(stream) << "momentum advection="
                       << (c.MomentumAdvection() == 1 ? "HALF INDEX SHIFT"
                                                      : "CONSTANT ELEMENT CENTER");
  if (c.MeshingPredictor() != kadC_AdptMeshCtrl::CURRENT)
    aif_Option(stream) << "meshing predictor=PREVIOUS";
  if (c.SmoothingPriority() != kadC_AdptMeshCtrl::UNIFORM)
    aif_Option(stream) << "smoothing objective=GRADED";
  if (c.CurvatureRefinement() != 1.0)
    aif_Option(stream) << "curvature refinement=" << c.CurvatureRefinement();
}
