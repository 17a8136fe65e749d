#include "OdbCore/ddr_Root.h"

#include "BasShared/cow_Error.h"
#include "OdbCore/ddb_DdbContainer.h"

ddr_Root::ddr_Root() = default;
ddr_Root::~ddr_Root() = default;

ddr_Root& ddr_Root::Get() {
  thread_local ddr_Root root;
  return root;
}

ddb_DdbContainer* ddr_Root::FindDdb(const cow_String& path) const {
  auto it = open_.find(path.Str());
  return it == open_.end() ? nullptr : it->second.get();
}

ddb_DdbContainer& ddr_Root::Hold(std::unique_ptr<ddb_DdbContainer> ddb) {
  auto [it, inserted] = open_.try_emplace(ddb->Path().Str(), nullptr);
  if (!inserted) cow_ThrowOutOfRange("ddr_Root (already open)", 0, 0);
  it->second = std::move(ddb);
  ++opened_;
  return *it->second;
}

void ddr_Root::Drop(const cow_String& path) {
  if (open_.erase(path.Str()) != 0) ++closed_;
}
