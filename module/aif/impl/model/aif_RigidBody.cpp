#include "aif/impl/model/aif_RigidBody.h"

#include "QivBasicUtils/utl_Stream.h"

aif_RigidBody::aif_RigidBody(cow_String refNode, cow_String elementSet,
                             cow_String analyticalSurface, bool isothermal)
    : refNode_(std::move(refNode)),
      elementSet_(std::move(elementSet)),
      analyticalSurface_(std::move(analyticalSurface)),
      isothermal_(isothermal) {}

aif_RigidBody::aif_RigidBody(cow_String refNode, cow_String elementSet, cow_String pinNodeSet,
                             cow_String tieNodeSet, cow_String analyticalSurface, bool centerOfMass,
                             bool isothermal)
    : refNode_(std::move(refNode)),
      elementSet_(std::move(elementSet)),
      pinNodeSet_(std::move(pinNodeSet)),
      tieNodeSet_(std::move(tieNodeSet)),
      analyticalSurface_(std::move(analyticalSurface)),
      isothermal_(isothermal),
      centerOfMass_(centerOfMass) {}

void aif_RigidBody::Write(utl_Stream& stream) const {
  stream << "*Rigid Body, ref node=" << refNode_;
  if (!elementSet_.IsEmpty()) stream << ", elset=" << elementSet_;
  auto option = [&stream]() -> utl_Stream& { return (stream << ", ").OptionalLineBreak(); };
  if (!pinNodeSet_.IsEmpty()) option() << "pin nset=" << pinNodeSet_;
  if (!tieNodeSet_.IsEmpty()) option() << "tie nset=" << tieNodeSet_;
  if (!analyticalSurface_.IsEmpty()) option() << "analytical surface=" << analyticalSurface_;
  if (centerOfMass_) option() << "position=CENTER OF MASS";
  if (isothermal_) option() << "isothermal=YES";
  stream << endl;
}
