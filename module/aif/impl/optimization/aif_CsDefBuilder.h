// Files one CS_DEF block per datum coordinate system the task's blocks name
// (single-term design responses, then geometric restrictions, in name
// order), in the order of first use, into the option definitions.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "aif/impl/optimization/aif_KestComponent.h"

class aif_CsDefBuilder : public aif_KestComponent {
 public:
  explicit aif_CsDefBuilder(akw_ModelInfo& modelInfo) : aif_KestComponent(modelInfo) {}
  aif_CsDefBuilder(const aif_CsDefBuilder&) = default;
  akw_BuilderComponent* Clone() const override { return new aif_CsDefBuilder(*this); }

  // Builds nothing when the model has no task of the task name.
  // A datum that is not a coordinate system stops the build with
  // aif_Exception "Wrong datum type. Expected CSYS.".
  void Build() override;

 private:
  // Files the CS_DEF block of `datum` unless it is null, names no datum or
  // its system is already filed.
  void AddCsys(const dtmC_DatumRef& datum);

  cow_List<cow_String> written_;  // the systems filed, by name
};
