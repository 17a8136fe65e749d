#include "aif/impl/optimization/aif_KestResponseOrder.h"

#include <set>
#include <string>
#include <vector>

#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

// `open` holds the combined responses whose operands are being looked at:
// meeting one of them again closes a cycle, which does not make a response
// undefined.
bool KestResponseDefined(const kopC_Task& task, const cow_String& name,
                         std::set<std::string>& open) {
  const auto& responses = task.DesignResponses();
  if (!responses.Contains(name)) return false;
  const kopC_DesignResponse& response = responses.ConstGet(name);
  if (response.Suppressed()) return false;
  const auto* combined = dynamic_cast<const kopC_CombinedTermDesignResponse*>(&response);
  if (!combined) return true;
  if (!open.insert(name.Str()).second) return true;
  bool defined = true;
  for (const cow_String& variable : combined->Variables())
    if (!KestResponseDefined(task, variable, open)) {
      defined = false;
      break;
    }
  open.erase(name.Str());
  return defined;
}

}  // namespace

bool aif_KestResponseWritten(const kopC_Task& task, const cow_String& name) {
  std::set<std::string> open;
  return KestResponseDefined(task, name, open);
}

bool aif_KestResponseWritten(const aif_ModelInfo& info, const cow_String& name) {
  const mdl_MapString2ObjCow<kopC_Task>& tasks = info.ModelAdapter().Tasks();
  const cow_String& taskName = info.Model().OptimizationText();
  return tasks.Contains(taskName) && aif_KestResponseWritten(tasks.ConstGet(taskName), name);
}

cow_List<cow_String> aif_KestCombinedResponseOrder(const kopC_Task& task) {
  struct Pending {
    cow_String name;
    const kopC_CombinedTermDesignResponse* response;
  };
  std::vector<Pending> pending;  // in name order
  for (const auto& [name, response] : task.DesignResponses().ConstGetMap())
    if (const auto* combined = dynamic_cast<const kopC_CombinedTermDesignResponse*>(response.Get()))
      if (aif_KestResponseWritten(task, name)) pending.push_back({name, combined});
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
