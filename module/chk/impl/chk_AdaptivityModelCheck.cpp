#include "chk/impl/chk_AdaptivityModelCheck.h"

#include "aif/impl/core/aif_PartBasedOutput.h"

chk_AdaptivityModelCheck::chk_AdaptivityModelCheck(const bas_NewModel& model,
                                                   const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_AdaptivityModelCheck::chk_AdaptivityModelCheck(const chk_AdaptivityModelCheck& other) = default;

chk_AdaptivityModelCheck::~chk_AdaptivityModelCheck() = default;

chk_AdaptivityModelCheck* chk_AdaptivityModelCheck::Clone() const {
  return new chk_AdaptivityModelCheck(*this);
}

void chk_AdaptivityModelCheck::Run() {
  // The same decision the writer takes, over the same model: the environment
  // key or the model's version tag, the root assembly's query and the steps.
  if (aif_PartBasedOutput(Model())) return;
  ErrorList().Append(atr_Translate(
      "Adaptivity processes cannot be run on input files without parts\nand assemblies. Please "
      "remove the environment variable or change\nthe setting of cae_no_parts_input_file on the "
      "model to run an\nadaptivity process on this model."));
}
