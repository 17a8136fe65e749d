#include "aif/impl/materials/aif_Density.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Density::Write(utl_Stream& stream) const {
  const int kind = option_.densityKind;
  if (kind == 1 || kind == 2) {
    if (distribution_.IsEmpty()) return;
    stream << "*Density";
    // The whole name is composed first and made printable once, so a name
    // that needs quotes stays one quoted token.
    const cow_String name = partBased_ ? "ASSEMBLY_" + distribution_ : distribution_;
    stream.LineBreak();
    stream << akw_MorvexName(name, false).Printable();
    stream.LineBreak();
    return;
  }
  stream << "*Density";
  aif_WriteDependencies(stream, option_.dependencies);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
