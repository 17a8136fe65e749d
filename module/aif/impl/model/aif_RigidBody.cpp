#include "aif/impl/model/aif_RigidBody.h"

#include <string_view>

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
  // Every option after the first may start a continuation line (the stream
  // is told each option's length), so that a line with long set and surface
  // names stays within what the solver reads.
  auto option = [&stream](std::string_view name, std::string_view value = "") {
    (stream << ", ").OptionalLineBreak(name.size() + value.size());
    stream.Write(name.data(), name.size()).Write(value.data(), value.size());
  };
  stream << "*Rigid Body, ref node=" << refNode_;
  if (!elementSet_.IsEmpty()) option("elset=", elementSet_.View());
  if (!pinNodeSet_.IsEmpty()) option("pin nset=", pinNodeSet_.View());
  if (!tieNodeSet_.IsEmpty()) option("tie nset=", tieNodeSet_.View());
  if (!analyticalSurface_.IsEmpty()) option("analytical surface=", analyticalSurface_.View());
  if (centerOfMass_) option("position=CENTER OF MASS");
  if (isothermal_) option("isothermal=YES");
  stream << endl;
}
