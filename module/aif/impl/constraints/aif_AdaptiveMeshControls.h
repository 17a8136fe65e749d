// "*Adaptive Mesh Controls": one named set of adaptive mesh controls with its
// data line of smoothing weights. The adaptive mesh builder files it in the
// first analysis step's definition.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kadC_AdptMesh.h"

class aif_AdaptiveMeshControls : public akw_Keyword {
 public:
  // `explicitStep`: the step the controls are written in runs the explicit
  // solver, which knows more options and reads other weights.
  aif_AdaptiveMeshControls(cow_String name, const kadC_AdptMeshCtrl& controls, bool explicitStep);
  aif_AdaptiveMeshControls(const aif_AdaptiveMeshControls&) = default;

  akw_Keyword* Clone() const override { return new aif_AdaptiveMeshControls(*this); }
  // The keyword line ("name=" the printable name, then every option that
  // differs from its default and that the step's solver knows), then the
  // data line: weights 1, 3 and 4 for an explicit step, 5 and 2 otherwise.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteExplicitOptions(utl_Stream& stream) const;

  cow_String name_;
  cow_ArrayCOW<kadC_AdptMeshCtrl> controls_;
  bool explicit_;
};
