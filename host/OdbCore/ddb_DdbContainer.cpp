#include "OdbCore/ddb_DdbContainer.h"

#include <memory>

#include "OdbCore/ddr_Root.h"
#include "OdbCore/rds_RfmFile.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

// Registered results by absolute file path: models by name.
cow_Map<cow_String, cow_Map<cow_String, ddb_Model>>& Registry() {
  static cow_Map<cow_String, cow_Map<cow_String, ddb_Model>> registry;
  return registry;
}

}  // namespace

ddb_DdbContainer& ddb_DdbContainer::OpenDdb(const rds_RfmFile& file, const cow_String&) {
  const auto* models = Registry().Find(file.Path());
  if (!models) throw nex_TextException("No results database in " + file.Path() + ".");
  return ddr_Root::Get().Hold(
      std::unique_ptr<ddb_DdbContainer>(new ddb_DdbContainer(file.Path(), *models)));
}

void ddb_DdbContainer::CloseDdb() {
  const cow_String path = path_;
  ddr_Root::Get().Drop(path);  // destroys this
}

void ddb_DdbContainer::AddResultsModel(const cow_String& path, const ddb_Model& model) {
  Registry().Modify(path).Set(model.Name(), model);
}

void ddb_DdbContainer::ClearResults() {
  Registry().Clear();
}
