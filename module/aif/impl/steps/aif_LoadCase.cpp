#include "aif/impl/steps/aif_LoadCase.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"

void aif_LoadCase::Write(utl_Stream& stream) const {
  stream << (substructure_ != 0 ? "*Substructure Load Case, name=" : "*Load Case, name=")
         << akw_MorvexName(name_, false);
  stream.LineBreak();
}
