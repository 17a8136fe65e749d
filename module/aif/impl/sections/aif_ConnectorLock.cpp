#include "aif/impl/sections/aif_ConnectorLock.h"

#include <cfloat>
#include <climits>

#include "QivBasicUtils/utl_Stream.h"

void aif_WriteConnectorLimits(utl_Stream& stream, const char* keyword, const char* option, int code,
                              const std::array<double, 4>& values,
                              const cow_List<int>& components) {
  bool anySet = false;
  for (double value : values)
    anySet = anySet || value != DBL_MAX;
  if (!anySet) return;
  for (int component : components) {
    stream << keyword << component;
    if (code != INT_MAX) stream << option << code;
    stream.LineBreak();
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (i > 0) stream << ", ";
      if (values[i] != DBL_MAX) stream << values[i];
    }
    stream.LineBreak();
  }
}

void aif_ConnectorLock::Write(utl_Stream& stream) const {
  aif_WriteConnectorLimits(stream, "*Connector Lock, component=", ", lock=", option_.lock,
                           option_.values, option_.components);
}
