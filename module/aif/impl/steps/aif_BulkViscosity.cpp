#include "aif/impl/steps/aif_BulkViscosity.h"

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kBulkViscosityFile[] = "module/aif/impl/steps/aif_BulkViscosity.cpp";

}  // namespace

void aif_BulkViscosity::Write(utl_Stream& stream) const {
  const kprC_ExplicitControls* controls = nullptr;
  const unsigned type = step_->DynTypeId();
  if (type == kprC_ExplicitDynamicsStep::TypeId())
    controls = &nex_canDynamicCastRef<const kprC_ExplicitDynamicsStep>(*step_, kBulkViscosityFile,
                                                                       __LINE__)
                    .Controls();
  else if (type == kprC_TempDisplacementDynamicsStep::TypeId())
    controls = &nex_canDynamicCastRef<const kprC_TempDisplacementDynamicsStep>(
                    *step_, kBulkViscosityFile, __LINE__)
                    .Controls();
  if (!controls) return;
  stream << "*Bulk Viscosity";
  stream.LineBreak();
  stream << controls->LinearBulkViscosity() << ", " << controls->QuadraticBulkViscosity() << endl;
}
