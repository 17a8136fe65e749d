#include "aif/impl/materials/aif_PorousFailureCriteria.h"

#include "QivBasicUtils/utl_Stream.h"

// One data line: the fracture and failure fractions, six significant digits
// right-aligned in twelve.
void aif_PorousFailureCriteria::Write(utl_Stream& stream) const {
  stream << "*Porous Failure Criteria";
  stream.LineBreak();
  stream.Print(option_.fractureFraction, 12, 6) << ", ";
  stream.Print(option_.failureFraction, 12, 6);
  stream.LineBreak();
}
