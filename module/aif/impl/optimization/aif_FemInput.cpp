#include "aif/impl/optimization/aif_FemInput.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "aif/impl/optimization/aif_KestLines.h"

void aif_FemInput::Write(utl_Stream& stream) const {
  aif_KestBlock block(stream, "FEM_INPUT");
  block.Line("ID_NAME", akw_MorvexName(baseName_ + "_INP_", false));
  block.Line("FILE", baseName_ + ".inp");
  block.End();
}
