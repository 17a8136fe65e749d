#include "aif/impl/model/aif_Part.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_NameRoutines.h"

void aif_Part::Write(utl_Stream& stream) const {
  aif_CheckWritableName(name_, "part");
  stream << "*Part, name=" << aif_PrintableName(name_) << endl;
}
