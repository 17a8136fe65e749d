// The engineering-features check: springs, dashpots and inertias whose
// points are suppressed, deleted or excluded are left out of the input file
// (warnings under their qualified names, gathered over the whole run);
// springs, inertias and cracks on regions without a mesh cannot carry
// elements, and an XFEM crack growth interaction on a crack that may not
// grow contradicts itself (errors, per part or assembly). Last, every
// assembled fastener of the assembly is checked against what its expansion
// needs of its template model (warnings, one per condition).
#pragma once

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kut_Check.h"

class chk_EngineeringFeaturesCheck : public kut_Check {
 public:
  chk_EngineeringFeaturesCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_EngineeringFeaturesCheck(const chk_EngineeringFeaturesCheck& other);
  ~chk_EngineeringFeaturesCheck() override;

  chk_EngineeringFeaturesCheck* Clone() const override;
  // Gathers into the three name lists and reports them at its end; the lists
  // are not emptied first (the framework runs a check once).
  void Run() override;

 private:
  // The springs, inertias and cracks of `object` (a part, examined under the
  // name of its first active instance `instanceName`, or the assembly).
  void CheckObjectFeatures(const ftr_PrimaryObject& object, const cow_String& instanceName);
  // The assembled fasteners of `assembly` (chk_EngineeringFeaturesCheckFasteners.cpp).
  void CheckAssembledFasteners(const asoK_Assembly& assembly);

  cow_List<cow_String> partlyCutSprings_;
  cow_List<cow_String> whollyCutSprings_;
  cow_List<cow_String> cutInertias_;
};
