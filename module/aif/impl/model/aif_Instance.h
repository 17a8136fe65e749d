// "*Instance" of the assembly section: a part instance with its placement (a
// translation line and a rotation line about an axis), or, for an instance
// whose state is imported from an earlier job, the line that names that job's
// results file instead of the part. Made by the instance builder and the
// assembled-fastener builder.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "AFCInputFileWriter/akw_Model.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "OdbAttrEO/kpfC_InitialState.h"
#include "QivGeom/gsl_Matrix.h"

class aif_Instance : public akw_Keyword {
 public:
  // The instance's name, its part's name and its transform.
  aif_Instance(const akw_Model& model, const asoF_PartInstance& instance);
  aif_Instance(const akw_Model& model, const cow_String& partName, const cow_String& instanceName,
               const gsl_Matrix& transform);
  // With `fromInitialState`, the instance is read from the results file of
  // the job that `field` (an initial-state field) names at the model's
  // initial step; otherwise as the first form.
  aif_Instance(const akw_Model& model, const asoF_PartInstance& instance, bool fromInitialState,
               const kpfC_Field& field);
  aif_Instance(const aif_Instance&) = default;
  ~aif_Instance() override = default;

  akw_Keyword* Clone() const override { return new aif_Instance(*this); }
  // Imported: "*Instance, library=<job>.odb, instance=<name>" and nothing
  // else; the field failing its type test as kpfC_InitialState throws.
  // Otherwise "*Instance, name=<name>, part=<part>" (printable names), then
  // the translation "tx, ty, tz" when the transform moves or turns, and the
  // rotation "px, py, pz, px+ax, py+ay, pz+az, degrees" about the axis
  // through p when it turns (gsl_Matrix::GetAxisRotation; p is the translated
  // origin, so the solver's translate-then-rotate gives the transform back).
  // Below the geometry library's tolerances there is no placement.
  // An instance or part name that cannot be written throws aif_Exception
  // before anything is written (aif_CheckWritableName).
  void Write(utl_Stream& stream) const override;

 private:
  cow_String instanceName_;
  cow_String partName_;
  gsl_Matrix transform_;
  bool fromInitialState_ = false;
  cow_ArrayCOW<kpfC_Field> field_;
  cow_COW<akw_Model> model_;
};
