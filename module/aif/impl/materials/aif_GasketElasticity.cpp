#include "aif/impl/materials/aif_GasketElasticity.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_GasketElasticity::Write(utl_Stream& stream) const {
  // The table is written as it stands, whatever the option's dependency count.
  stream << "*Gasket Elasticity";
  if (!membrane_.IsNull()) {
    if (membrane_->dependencies != 0)
      aif_WriteOption(stream, "dependencies=", membrane_->dependencies);
    aif_WriteOption(stream, "component=MEMBRANE");
    stream.LineBreak();
    aif_WritePlainTable(stream, membrane_->table);
  } else if (!transverseShear_.IsNull()) {
    if (transverseShear_->dependencies != 0)
      aif_WriteOption(stream, "dependencies=", transverseShear_->dependencies);
    if (transverseShear_->variable == 1) aif_WriteOption(stream, "variable=FORCE");
    stream.LineBreak();
    aif_WritePlainTable(stream, transverseShear_->table);
  }
}
