// The constraint check: display bodies whose part instance is deleted or
// suppressed are left out of the input file (a warning each); display bodies
// with a suppressed or deleted reference point, and display bodies of
// discrete rigid instances, are errors (one finding listing each kind).
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kut_Check.h"

class ftr_FeatureList;

class chk_ConstraintCheck : public kut_Check {
 public:
  chk_ConstraintCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_ConstraintCheck(const chk_ConstraintCheck& other);
  ~chk_ConstraintCheck() override;

  chk_ConstraintCheck* Clone() const override;
  void Run() override;

  // The ids of the active instances of discrete rigid parts, as collected by
  // the runs so far (a check runs once).
  const cow_List<unsigned>& DiscreteRigidInstances() const { return discreteRigidInstances_; }

 private:
  void CollectDiscreteRigidInstances(const ftr_FeatureList& features);

  cow_List<unsigned> discreteRigidInstances_;
};
