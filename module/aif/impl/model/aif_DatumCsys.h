// A datum coordinate system of the model, evaluated once when the keyword
// that needs it is built (orientations, nodal transforms, the optimization
// file's coordinate-system blocks): its kind, origin and axes. It writes the
// two-point definition of "*Orientation" and "*Transform" and the "CS_TYPE"
// lines of a CS_DEF block. Keywords hold it by value or share it through a
// cow_COW handle.
#pragma once

#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "QivGeom/gsl_Matrix.h"
#include "QivGeom/gsl_Point.h"
#include "QivGeom/gsl_Vector.h"

class ftr_PrimaryObject;
class utl_Stream;

class aif_DatumCsys {
 public:
  // Resolves `reference` in `object` and moves the datum by `transform` unless
  // that is the identity. A reference that resolves to nothing leaves the
  // object invalid (it then writes nothing); one that names a datum of another
  // kind than a coordinate system throws aif_Exception "Wrong datum type.
  // Expected CSYS.". Values below 1e-15 times the size of the object's
  // features' bounding box are written as zero.
  aif_DatumCsys(const ftr_PrimaryObject* object, const cow_String& modelName,
                const dtmC_DatumRef& reference, const gsl_Matrix& transform);
  aif_DatumCsys(const aif_DatumCsys&) = default;
  aif_DatumCsys& operator=(const aif_DatumCsys&) = default;
  aif_DatumCsys* Clone() const { return new aif_DatumCsys(*this); }

  bool IsValid() const { return valid_; }
  // 1 rectangular, 2 cylindrical, 3 spherical: the datum's own kind code.
  int Kind() const { return kind_; }

  // `header`, then for a cylindrical or spherical system ", " and
  // "type=C"/"type=S" (transform style) or "system=CYLINDRICAL"/
  // "system=SPHERICAL", ending the line; then one data line of six values
  // joined by ", ": the first and second axis (rectangular) or the origin and
  // the origin plus the third axis (cylindrical, spherical). Returns false,
  // having written nothing, when the system is invalid or of another kind.
  bool WriteDefinition(utl_Stream& stream, const cow_String& header, bool transformStyle) const;
  // `header`, then the lines "  CS_TYPE = RECTANGULAR|CYLINDRICAL|SPHERICAL",
  // "  DEF_TYPE = LOCAL", "  CS_REF = CS_0", "  ORIGIN_123 = x, y, z" and
  // "  ROTATION_321 = " with the Z-Y-X angles of the axes (degrees, about z
  // first). Returns false, having written nothing, when the system is invalid
  // or of another kind.
  bool WriteCsDef(utl_Stream& stream, const cow_String& header) const;

 private:
  bool valid_ = false;
  gsl_Point origin_;
  gsl_Vector axes_[3];
  int kind_ = 0;
  double smallestReal_ = 0.0;
};
