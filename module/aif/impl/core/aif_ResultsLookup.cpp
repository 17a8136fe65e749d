#include "aif/impl/core/aif_ResultsLookup.h"

#include "OdbCore/ddb_DdbContainer.h"
#include "OdbCore/ddr_Root.h"
#include "OdbCore/rds_RfmFile.h"

aif_ResultsLookup::aif_ResultsLookup(const cow_String& path) : ddb_(ddr_Root::Get().FindDdb(path)) {
  if (ddb_) return;
  ddb_ = &ddb_DdbContainer::OpenDdb(rds_RfmFile::Open(path, 0, true), cow_String());
  opened_ = true;
}

aif_ResultsLookup::~aif_ResultsLookup() {
  if (opened_) ddb_->CloseDdb();
}
