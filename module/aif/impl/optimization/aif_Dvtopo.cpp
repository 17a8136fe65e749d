#include "aif/impl/optimization/aif_Dvtopo.h"

#include "aif/impl/optimization/aif_KestLines.h"

void aif_Dvtopo::Write(utl_Stream& stream) const {
  aif_KestBlock block(stream, "DV_TOPO");
  block.Line("ID_NAME", aif_KestTaskName(info_, "_DESIGN_AREA_"));
  aif_KestElementGroupLine(region_, info_, stream);
  block.End();
}
