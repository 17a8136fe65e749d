#include "aif/impl/optimization/aif_DesignResponseBuilder.h"

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/optimization/aif_Dresp.h"
#include "aif/impl/optimization/aif_KestComment.h"
#include "aif/impl/optimization/aif_KestResponseOrder.h"

namespace {

constexpr char kDesignResponseBuilderFile[] =
    "module/aif/impl/optimization/aif_DesignResponseBuilder.cpp";

}  // namespace

void aif_DesignResponseBuilder::Build() {
  const kopC_Task* task = Task();
  if (!task) return;
  // A combined response on one without a block is refused before anything
  // is filed.
  aif_KestRequireCombinedOperands(*task);
  const auto& responses = task->DesignResponses();
  for (const auto& [name, object] : responses.ConstGetMap()) {
    if (object->Suppressed()) continue;
    const auto& response = nex_canDynamicCastRef<const kopC_DesignResponse>(
        *object, kDesignResponseBuilderFile, __LINE__);
    const unsigned kind = response.DynTypeId();
    if (kind == kopC_CombinedTermDesignResponse::kTypeId) continue;
    if (kind != kopC_SingleTermDesignResponse::kTypeId)
      nex_Exception::Throw(
          aif_Exception(atr_TranslateWithArg(
              "Unimplemented design response input file writing method for %s", name)),
          kDesignResponseBuilderFile, __LINE__);
    AddSingleTermDefinition(aif_KestComment::Banner("Design Response: ", name));
    AddSingleTermDefinition(aif_Dresp(Info(), response, name));
  }
  // Combined responses after the responses they combine.
  for (const cow_String& name : aif_KestCombinedResponseOrder(*task)) {
    AddCombinedTermDefinition(aif_KestComment::Banner("Design Response: ", name));
    AddCombinedTermDefinition(aif_Dresp(Info(), responses.ConstGet(name), name));
  }
}
