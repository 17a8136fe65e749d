#include "aif/impl/sections/aif_ConnectorStop.h"

#include <cfloat>

#include "QivBasicUtils/utl_Stream.h"

void aif_ConnectorStop::Write(utl_Stream& stream) const {
  const double lower = option_.lower;
  const double upper = option_.upper;
  if (lower == DBL_MAX && upper == DBL_MAX) return;
  for (int component : option_.components) {
    stream << "*Connector Stop, component=" << component;
    stream.LineBreak();
    if (lower != DBL_MAX) stream << lower;
    stream << ", ";
    if (upper != DBL_MAX) stream << upper;
    stream.LineBreak();
  }
}
