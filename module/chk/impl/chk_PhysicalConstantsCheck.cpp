#include "chk/impl/chk_PhysicalConstantsCheck.h"

chk_PhysicalConstantsCheck::chk_PhysicalConstantsCheck(const bas_NewModel& model,
                                                       const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_PhysicalConstantsCheck::chk_PhysicalConstantsCheck(const chk_PhysicalConstantsCheck& other) =
    default;

chk_PhysicalConstantsCheck::~chk_PhysicalConstantsCheck() = default;

chk_PhysicalConstantsCheck* chk_PhysicalConstantsCheck::Clone() const {
  return new chk_PhysicalConstantsCheck(*this);
}

void chk_PhysicalConstantsCheck::Run() {}
