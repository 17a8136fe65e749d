#include "aif/impl/interactions/aif_ChangeFriction.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"

aif_ChangeFriction::aif_ChangeFriction(const cow_String& propertyName)
    : propertyName_(propertyName) {}

void aif_ChangeFriction::Write(utl_Stream& stream) const {
  stream << "*Change Friction, interaction=" << akw_MorvexName(propertyName_, false);
  stream.LineBreak();
}
