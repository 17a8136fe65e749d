#include "aif/impl/interactions/aif_SurfaceProperty.h"

#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"

aif_SurfaceProperty::aif_SurfaceProperty(cow_String name) : name_(std::move(name)) {}

void aif_SurfaceProperty::Write(utl_Stream& stream) const {
  stream << "*Surface Property, name=" << akw_MorvexName(name_, false);
  stream.LineBreak();
}
