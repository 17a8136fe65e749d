#include "aif/impl/materials/aif_Density.h"

#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Density::Write(utl_Stream& stream) const {
  stream << "*Density";
  const int kind = option_.densityKind;
  if (kind == 1 || kind == 2) {
    // The distribution's whole name is composed first and made printable
    // once, so a name that needs quotes stays one quoted token:
    // [ASSEMBLY_]material_field for an analytical field, [ASSEMBLY_]field for
    // a discrete one.
    std::string name = partBased_ ? "ASSEMBLY_" : "";
    if (kind == 1) name += materialName_.Str() + "_";
    name += option_.fieldName.Str();
    stream.LineBreak();
    stream << akw_MorvexName(cow_String(std::move(name)), false).Printable();
    stream.LineBreak();
    return;
  }
  aif_WriteDependencies(stream, option_.dependencies);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
