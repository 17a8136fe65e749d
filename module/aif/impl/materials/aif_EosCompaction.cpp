#include "aif/impl/materials/aif_EosCompaction.h"

#include "QivBasicUtils/utl_Stream.h"

// One data line: the four values, each followed by ",".
void aif_EosCompaction::Write(utl_Stream& stream) const {
  stream << "*Eos Compaction";
  stream.LineBreak();
  stream << option_.value1 << "," << option_.value2 << "," << option_.value3 << ","
         << option_.value4 << ",";
  stream.LineBreak();
}
