#include "chk/impl/chk_FieldOutputCheck.h"

#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/korC_Output.h"
#include "QivBasicUtils/nex_Exception.h"
#include "chk/impl/chk_OutputRequestRules.h"

namespace {

const char* const kFieldOutputCheckFile = "module/chk/impl/chk_FieldOutputCheck.cpp";

}  // namespace

chk_FieldOutputCheck::chk_FieldOutputCheck(const bas_NewModel& model, const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_FieldOutputCheck::chk_FieldOutputCheck(const chk_FieldOutputCheck& other) = default;

chk_FieldOutputCheck::~chk_FieldOutputCheck() = default;

chk_FieldOutputCheck* chk_FieldOutputCheck::Clone() const {
  return new chk_FieldOutputCheck(*this);
}

void chk_FieldOutputCheck::Run() {
  chk_OutputRequestRules rules(Model(), kFieldOutputCheckFile, true);
  // A copy of the repository: the requests stay as they were read.
  const kprC_PropagatingContainer<korC_FieldOutput> requests =
      nex_canDynamicCastRef<const kprC_PropagatingContainer<korC_FieldOutput>>(
          Model().ConstGetExtension(bas_NewModel::fieldOutputRequestCmd), kFieldOutputCheckFile,
          __LINE__);
  for (const cow_String& name : requests.Keys()) {
    const korC_FieldOutput& request = requests.ConstGet(name);
    if (request.Suppressed()) continue;
    if (!request.FastenerName().IsEmpty()) rules.TestFastener(name, request.FastenerName());
    rules.TestSteps(name, request);
  }
  rules.AppendTo(ErrorList(), WarningList());
}
