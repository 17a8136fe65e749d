#include "aif/impl/optimization/aif_KestResponseOrder.h"

#include <vector>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kKestResponseOrderFile[] = "module/aif/impl/optimization/aif_KestResponseOrder.cpp";

// Throws the refusal of `format` (the object's name, then the response's)
// unless the task holds `response` unsuppressed.
void KestRequireResponse(const kopC_Task& task, const char* format, const cow_String& name,
                         const cow_String& response) {
  if (aif_KestResponseHeld(task, response)) return;
  nex_Exception::Throw(aif_Exception(atr_TranslateFormat(format, name, response)),
                       kKestResponseOrderFile, __LINE__);
}

}  // namespace

bool aif_KestResponseHeld(const kopC_Task& task, const cow_String& name) {
  const auto& responses = task.DesignResponses();
  return responses.Contains(name) && !responses.ConstGet(name).Suppressed();
}

void aif_KestRequireCombinedOperands(const kopC_Task& task) {
  for (const auto& [name, response] : task.DesignResponses().ConstGetMap()) {
    if (response->Suppressed()) continue;
    if (const auto* combined = dynamic_cast<const kopC_CombinedTermDesignResponse*>(response.Get()))
      for (const cow_String& variable : combined->Variables())
        KestRequireResponse(task,
                            "The combined design response %s combines the design response %s, "
                            "which the task does not hold or holds suppressed.",
                            name, variable);
  }
}

void aif_KestRequireObjectiveResponses(const kopC_Task& task, const cow_String& name,
                                       const kopC_KestObjectiveFunction& objective) {
  for (const kopC_Objective& term : objective.Terms())
    if (!term.Excluded())
      KestRequireResponse(task,
                          "The objective function %s names the design response %s, which the "
                          "task does not hold or holds suppressed.",
                          name, term.DesignResponse());
}

void aif_KestRequireConstraintResponse(const kopC_Task& task, const cow_String& name,
                                       const kopC_KestConstraint& constraint) {
  KestRequireResponse(task,
                      "The constraint %s bounds the design response %s, which the task does "
                      "not hold or holds suppressed.",
                      name, constraint.DesignResponse());
}

cow_List<cow_String> aif_KestCombinedResponseOrder(const kopC_Task& task) {
  struct Pending {
    cow_String name;
    const kopC_CombinedTermDesignResponse* response;
  };
  std::vector<Pending> pending;  // in name order
  for (const auto& [name, response] : task.DesignResponses().ConstGetMap())
    if (const auto* combined = dynamic_cast<const kopC_CombinedTermDesignResponse*>(response.Get()))
      if (!combined->Suppressed()) pending.push_back({name, combined});
  const auto waits = [&pending](const Pending& p) {
    for (const cow_String& variable : p.response->Variables())
      for (const Pending& other : pending)
        if (&other != &p && other.name == variable) return true;
    return false;
  };
  cow_List<cow_String> order;
  while (!pending.empty()) {
    // The first in name order whose operands are all placed; in a cycle
    // none is, and the first in name order goes next.
    auto next = pending.begin();
    for (auto it = pending.begin(); it != pending.end(); ++it)
      if (!waits(*it)) {
        next = it;
        break;
      }
    order.Append(next->name);
    pending.erase(next);
  }
  return order;
}
