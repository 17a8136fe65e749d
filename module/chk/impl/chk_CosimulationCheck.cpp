#include "chk/impl/chk_CosimulationCheck.h"

#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kut_KernelChecks.h"

chk_CosimulationCheck::chk_CosimulationCheck(const ajbC_Coexecution& coexecution) {
  AddCosimulationChecks(coexecution);
}

chk_CosimulationCheck::~chk_CosimulationCheck() = default;

void chk_CosimulationCheck::AddCosimulationChecks(const ajbC_Coexecution& coexecution) {
  const bas_Mdb& mdb = bas_Basis::Instance().Fetch();
  const bas_NewModel* master = mdb.ConstGetModel(coexecution.MasterModelName());
  if (master == nullptr) {
    ErrorList().Append(atr_TranslateWithArg(
        "Master model %s referenced in the\nco-execution cannot be found in the database.\n",
        coexecution.MasterModelName()));
    return;
  }
  for (const cow_String& slave : coexecution.SlaveModelNames()) {
    if (mdb.ConstGetModel(slave) == nullptr) {
      ErrorList().Append(atr_TranslateWithArg(
          "Slave model %s referenced in the\nco-execution cannot be found in the database.\n",
          slave));
      return;
    }
  }
  AddCheck(kinK_CosimulationCheck(coexecution, *master, coexecution.MasterModelName()));
}
