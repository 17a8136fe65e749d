#include "aif/impl/interactions/aif_ChangeFriction.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_NameRoutines.h"

aif_ChangeFriction::aif_ChangeFriction(const cow_String& propertyName)
    : propertyName_(propertyName) {}

void aif_ChangeFriction::Write(utl_Stream& stream) const {
  aif_CheckWritableName(propertyName_, "interaction property");
  stream << "*Change Friction, interaction=" << akw_MorvexName(propertyName_, false);
  stream.LineBreak();
}
