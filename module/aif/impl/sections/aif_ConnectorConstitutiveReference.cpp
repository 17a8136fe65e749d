#include "aif/impl/sections/aif_ConnectorConstitutiveReference.h"

#include <cfloat>

#include "OdbAttrEO/kseC_Utils.h"
#include "QivBasicUtils/utl_Stream.h"

void aif_ConnectorConstitutiveReference::Write(utl_Stream& stream) const {
  if (kseC_Utils::IsConnectorConstitutiveReferencesSetDefault(section_)) return;
  stream << "*Connector Constitutive Reference";
  stream.LineBreak();
  bool first = true;
  for (double value : section_.ConstitutiveReferences()) {
    if (!first) stream << ", ";
    if (value != DBL_MAX) stream << value;
    first = false;
  }
  stream.LineBreak();
}
