#include "aif/impl/sections/aif_SpringProperty.h"

#include "QivBasicUtils/utl_Stream.h"

aif_SpringProperty::aif_SpringProperty(cow_String keyword, cow_String elementSet, int firstDof,
                                       int secondDof, double value, cow_String orientation)
    : keyword_(std::move(keyword)),
      elementSet_(std::move(elementSet)),
      firstDof_(firstDof),
      secondDof_(secondDof),
      value_(value),
      orientation_(std::move(orientation)) {}

void aif_SpringProperty::Write(utl_Stream& stream) const {
  stream << keyword_ << ", ";
  stream.OptionalLineBreak(6 + elementSet_.Length()) << "elset=" << elementSet_;
  if (!orientation_.IsEmpty())
    (stream << ", ").OptionalLineBreak(12 + orientation_.Length())
        << "orientation=" << orientation_;
  stream << endl;
  if (firstDof_ != 0) stream << firstDof_;
  if (secondDof_ != 0) stream << ", " << secondDof_;
  stream << endl << value_ << endl;
}
