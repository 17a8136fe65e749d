#include "OdbCore/rds_RfmFile.h"

#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/nex_Exception.h"

rds_RfmFile rds_RfmFile::Open(const cow_String& path, int access, bool shared) {
  if (rt_access(path.CStr(), 4) != 0)
    throw nex_TextException("Cannot open the results file " + path + ".");
  return rds_RfmFile(path, access, shared);
}
