// "*Orientation": a named local coordinate system that sections, connectors,
// springs and rigid bodies refer to. Made by the part, part-attributes,
// transform and instance builders from a datum coordinate system, a material
// orientation of a part, a distribution, or as a user orientation.
//
// Written forms (the name and every name in a line in printable form):
//   distribution   "*Orientation, definition=COORDINATES, name=N", the
//                  distribution name, "1, 0.";
//   user           "*Orientation, name=N, system=user";
//   named system   "*Orientation, name=N[, system=...]", the system name,
//                  then the rotation line;
//   global axes    "*Orientation, name=N[, system=...]", "1., 0., 0., 0., 1., 0.",
//                  then the rotation line;
//   datum          the datum's definition (aif_DatumCsys::WriteDefinition),
//                  then the rotation line; nothing at all when the datum could
//                  not be evaluated.
// The rotation line, when an additional rotation is set, is the local axis
// (1 to 3), ", " and the angle field name or else the angle.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "QivGeom/gsl_Matrix.h"
#include "aif/impl/model/aif_DatumCsys.h"

class ftr_PrimaryObject;

class aif_Orientation : public akw_Keyword {
 public:
  // Definition kinds: the line that follows the header.
  static constexpr int kGlobal = 0;
  static constexpr int kDatum = 1;
  static constexpr int kField = 2;
  static constexpr int kUser = 3;
  static constexpr int kNamedSystem = 4;

  // From a datum system with an additional rotation (`angleFieldName`, made
  // printable, replaces the angle when not empty). Global axes when the
  // reference is null. Throws aif_Exception when the reference names a datum
  // that is not a coordinate system (so do the other datum forms).
  aif_Orientation(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
                  const cow_String& modelName, const cow_String& name, bool additionalRotation,
                  double angle, ptoC_MaterialOrientation::axisEnm axis,
                  const cow_String& angleFieldName);
  aif_Orientation(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
                  const cow_String& modelName, const cow_String& name, bool additionalRotation,
                  double angle, ptoC_MaterialOrientation::axisEnm axis);
  // A user orientation: the header line alone.
  explicit aif_Orientation(const cow_String& name);
  // From a datum system moved by `transform`, with a rotation line of angle 0
  // about axis 1.
  aif_Orientation(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
                  const cow_String& modelName, const cow_String& name, const gsl_Matrix& transform);
  // The coordinates definition that names a distribution.
  aif_Orientation(const cow_String& name, const cow_String& distributionName);
  // The distributions a material orientation's fields are defined under (the
  // names the write's distribution-name registry gave their uses); an empty
  // one stands for the field's own name.
  struct FieldDistributions {
    cow_String angle;  // of the angle field (rotation type 2)
    cow_String axes;   // of the orientation field (kind 2)
  };
  // From a material orientation of a part: its kind selects the definition
  // line, its axis and angle (or angle field) the rotation line, which is
  // always written. The angle field's distribution (rotation type 2), the
  // orientation field's (kind 2) and `systemName` (kind 4, then rectangular)
  // are prefixed with `prefix` and "_" unless `namesAreLocal`. Other kinds
  // take the datum system, moved by `transform`, when the orientation names
  // one.
  aif_Orientation(const ftr_PrimaryObject* object, const ptoC_MaterialOrientation& orientation,
                  const cow_String& modelName, const cow_String& name, const gsl_Matrix& transform,
                  int system, bool namesAreLocal, const cow_String& prefix,
                  const cow_String& systemName, const FieldDistributions& distributions = {});
  aif_Orientation(const aif_Orientation&) = default;
  ~aif_Orientation() override = default;

  // The copy shares the datum system.
  akw_Keyword* Clone() const override { return new aif_Orientation(*this); }
  // Nothing for an empty name (unless it is a distribution orientation).
  // Throws nex_TextException for a name holding a control character.
  void Write(utl_Stream& stream) const override;

  // Whether Write writes the keyword: false for an empty name (outside the
  // distribution form), for a datum that did not resolve or is of a kind
  // this writer does not know, and for an unknown definition kind. A keyword
  // that refers to the orientation names it only when this is true.
  bool Defines() const;
  // The name as the keyword line writes it (its printable form): the text a
  // referring keyword writes after "orientation=". Throws like Write.
  cow_String WrittenName() const;

 private:
  void SetAxis(ptoC_MaterialOrientation::axisEnm axis);
  void SetDatum(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
                const cow_String& modelName, const gsl_Matrix& transform);
  void WriteRotation(utl_Stream& stream) const;

  cow_COW<aif_DatumCsys> datum_;
  cow_String name_;
  cow_String angleFieldName_;
  cow_String systemName_;
  cow_String distributionName_;
  int localAxis_ = 1;
  double angle_ = 0.0;
  bool additionalRotation_ = false;
  int system_ = 1;
  int kind_ = kGlobal;
};
