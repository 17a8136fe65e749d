#include "chk/impl/chk_FullTaskCheck.h"

#include "OdbAttrEO/kut_KernelChecks.h"

chk_FullTaskCheck::chk_FullTaskCheck(const bas_NewModel& model, const cow_String& modelName,
                                     const cow_String& taskName) {
  AddTaskChecks(model, modelName, taskName);
}

chk_FullTaskCheck::~chk_FullTaskCheck() = default;

void chk_FullTaskCheck::AddTaskChecks(const bas_NewModel& model, const cow_String& modelName,
                                      const cow_String& taskName) {
  AddCheck(kopK_OptimizationCheck(model, modelName, taskName));
  AddCheck(kopK_DesignResponseCheck(model, modelName, taskName));
  AddCheck(kopK_ObjectiveFunctionCheck(model, modelName, taskName));
  AddCheck(kopK_ConstraintCheck(model, modelName, taskName));
  AddCheck(kopK_GeometricRestrictionCheck(model, modelName, taskName));
}
