#include "aif/impl/model/aif_Transform.h"

#include "ModKerLow/dtu_DatumCsys.h"
#include "QivGeom/gsl_Matrix.h"

aif_Transform::aif_Transform(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
                             const cow_String& modelName, const cow_String& nsetName)
    : nsetName_(nsetName), csys_(object, modelName, datum, gsl_Matrix()) {}

void aif_Transform::Write(utl_Stream& stream) const {
  csys_.WriteDefinition(stream, cow_String("*Transform, nset=") + nsetName_, true);
}

bool aif_Transform::Defines() const {
  if (!csys_.IsValid()) return false;
  switch (csys_.Kind()) {
    case dtu_DatumCsys::kRectangular:
    case dtu_DatumCsys::kCylindrical:
    case dtu_DatumCsys::kSpherical:
      return true;
    default:
      return false;
  }
}
