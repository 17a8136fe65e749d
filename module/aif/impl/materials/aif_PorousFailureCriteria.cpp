#include "aif/impl/materials/aif_PorousFailureCriteria.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_DataLineTable.h"

// One data line: the fracture and failure fractions, each the shortest text
// that reads back to it, right-aligned in twelve.
void aif_PorousFailureCriteria::Write(utl_Stream& stream) const {
  stream << "*Porous Failure Criteria";
  stream.LineBreak();
  aif_WriteReal(stream, option_.fractureFraction, 12) << ", ";
  aif_WriteReal(stream, option_.failureFraction, 12);
  stream.LineBreak();
}
