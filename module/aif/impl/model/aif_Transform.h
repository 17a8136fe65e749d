// "*Transform": the degrees of freedom of a node set expressed in a local
// coordinate system taken from a datum coordinate system. The transform
// builder makes one per transform of the model and files it with the node
// set ("_T-" set) that carries it.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "aif/impl/model/aif_DatumCsys.h"

class ftr_PrimaryObject;
class utl_Stream;

class aif_Transform : public akw_Keyword {
 public:
  // Evaluates `datum` in `object` (unmoved). Throws aif_Exception "Wrong
  // datum type. Expected CSYS." when the reference names a datum that is
  // not a coordinate system; a reference that resolves to nothing leaves a
  // keyword that writes nothing. `nsetName` is written as it is given: the
  // builder passes the set's name as its "*Nset" line writes it.
  aif_Transform(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
                const cow_String& modelName, const cow_String& nsetName);
  aif_Transform(const aif_Transform&) = default;
  ~aif_Transform() override = default;

  akw_Keyword* Clone() const override { return new aif_Transform(*this); }
  // "*Transform, nset=NAME", with ", type=C" or ", type=S" for a cylindrical
  // or spherical system, then one line of six values: the first and second
  // axis (rectangular) or the origin and the origin plus the third axis.
  // Nothing at all when the datum did not resolve or is of another kind.
  void Write(utl_Stream& stream) const override;

  // Whether Write writes the keyword; the builder files the node set only
  // for a transform that is written.
  bool Defines() const;

 private:
  cow_String nsetName_;
  aif_DatumCsys csys_;
};
