#include "aif/impl/sections/aif_SpringElement.h"

#include "QivBasicUtils/utl_Stream.h"

aif_SpringElement::aif_SpringElement(std::shared_ptr<const LabelTable> labels,
                                     cow_String elementType, cow_String elementSet)
    : labels_(std::move(labels)),
      elementType_(std::move(elementType)),
      elementSet_(std::move(elementSet)) {}

void aif_SpringElement::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  stream << "*Element, type=" << elementType_ << ", ";
  stream.OptionalLineBreak(6 + elementSet_.Length()) << "elset=" << elementSet_ << endl;
  for (const auto& [label, nodes] : *labels_)
    stream << label << ", " << nodes << endl;
}
