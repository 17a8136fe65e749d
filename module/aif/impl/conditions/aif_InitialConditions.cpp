#include "aif/impl/conditions/aif_InitialConditions.h"

#include "aif/impl/conditions/aif_PredefFieldUtils.h"
#include "aif/impl/core/aif_ModelInfo.h"

aif_InitialConditions::aif_InitialConditions(const kpfC_Field& field,
                                             const cow_String& stateStepName,
                                             const cow_String& evaluationStepName,
                                             unsigned char flag, const cow_String& regionName,
                                             int temperatureValueCount, int fieldValueCount,
                                             const akw_ModelInfo* info, double scale)
    : field_(cow_COW<kpfC_Field>(field)),
      stateStepName_(stateStepName),
      evaluationStepName_(evaluationStepName),
      regionName_(regionName),
      flag_(flag),
      temperatureValueCount_(temperatureValueCount),
      fieldValueCount_(fieldValueCount),
      evaluator_(std::make_shared<const aif_PredefFieldUtils>(field, evaluationStepName, *info,
                                                              temperatureValueCount)),
      modelInfo_(info),
      scale_(scale) {}

aif_InitialConditions::aif_InitialConditions(const kefC_XFEMCrack& crack,
                                             const cow_String& crackName, const akw_ModelInfo* info,
                                             unsigned kind)
    : crackName_(crackName), crack_(crack), modelInfo_(info), kind_(kind) {}

aif_InitialConditions::aif_InitialConditions(const kinC_ActuatorSensor& actuatorSensor,
                                             const cow_String& regionName, int solutionValueCount,
                                             const akw_ModelInfo* info, unsigned kind)
    : regionName_(regionName),
      actuatorSensor_(actuatorSensor),
      solutionValueCount_(solutionValueCount),
      modelInfo_(info),
      kind_(kind) {}

aif_InitialConditions::aif_InitialConditions(const kinC_SurfaceToSurfaceContactStd& contact,
                                             const akw_ModelInfo* info, unsigned kind)
    : contact_(contact), modelInfo_(info), kind_(kind) {}

const aif_ModelInfo& aif_InitialConditions::Info() const {
  return static_cast<const aif_ModelInfo&>(*modelInfo_);
}

void aif_InitialConditions::Write(utl_Stream& stream) const {
  // Filled in with the dispatch over the forms and field kinds.
  (void)stream;
}

void aif_InitialConditions::WriteHeader(utl_Stream& stream) const {
  (void)stream;
}
