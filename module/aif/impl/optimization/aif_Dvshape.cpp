#include "aif/impl/optimization/aif_Dvshape.h"

#include "aif/impl/optimization/aif_KestLines.h"

void aif_Dvshape::Write(utl_Stream& stream) const {
  aif_KestBlock block(stream, "DV_SHAPE");
  block.Line("ID_NAME", aif_KestTaskName(info_, "_DESIGN_AREA_"));
  aif_KestNodeGroupLine(region_, info_, stream);
  block.End();
}
