// "*Rigid Body": makes the elements of a set, the nodes of pin and tie sets
// or an analytical surface one rigid body with a reference node. The region
// builder makes it for the instances of rigid parts; the constraint builder
// makes it from the model's rigid-body constraints. Names are written as
// given: the callers pass set and surface names already in printable form.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_RigidBody : public akw_Keyword {
 public:
  // A generated rigid body: no pin or tie node set, not at the centre of mass.
  aif_RigidBody(cow_String refNode, cow_String elementSet, cow_String analyticalSurface,
                bool isothermal);
  aif_RigidBody(cow_String refNode, cow_String elementSet, cow_String pinNodeSet,
                cow_String tieNodeSet, cow_String analyticalSurface, bool centerOfMass,
                bool isothermal);
  aif_RigidBody(const aif_RigidBody&) = default;

  akw_Keyword* Clone() const override { return new aif_RigidBody(*this); }
  // "*Rigid Body, ref node=NODE" and, each only when given, ", elset=",
  // "pin nset=", "tie nset=", "analytical surface=", "position=CENTER OF
  // MASS", "isothermal=YES"; no data lines. An option goes on a continuation
  // line (the line ends after ", ") once the line is past the stream's break
  // column, or when the option would make it longer than 256 characters.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String refNode_;
  cow_String elementSet_;
  cow_String pinNodeSet_;
  cow_String tieNodeSet_;
  cow_String analyticalSurface_;
  bool isothermal_ = false;
  bool centerOfMass_ = false;
};
