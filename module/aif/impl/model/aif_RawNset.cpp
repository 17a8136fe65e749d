#include "aif/impl/model/aif_RawNset.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_SetLabelWriter.h"

aif_RawNset::aif_RawNset(int label, const cow_String& name, bool internalAllowed)
    : name_(name), internalAllowed_(internalAllowed) {
  members_.Set(label);
}

void aif_RawNset::Write(utl_Stream& stream) const {
  aif_CheckWritableName(name_, "node set");
  stream << "*Nset, nset=" << name_;
  if (internalAllowed_ && aif_IsInternalName(name_)) stream << ", internal";
  stream << endl;
  aif_SetLabelWriter::WriteLabelLines(stream, members_, 0);
}
