#include "aif/impl/optimization/aif_CsDef.h"

#include "QivBasicUtils/utl_Stream.h"
#include "QivGeom/gsl_Matrix.h"

aif_CsDef::aif_CsDef(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
                     const cow_String& modelName, cow_String blockName)
    : csys_(new aif_DatumCsys(object, modelName, datum, gsl_Matrix())),
      blockName_(std::move(blockName)) {}

void aif_CsDef::Write(utl_Stream& stream) const {
  if (blockName_.IsEmpty()) return;
  if (csys_->WriteCsDef(stream, "CS_DEF\n  ID_NAME = " + blockName_ + "\n"))
    stream << "END_" << endl;
}
