#include "aif/impl/optimization/aif_DvconShapeCheckBC.h"

#include "aif/impl/optimization/aif_KestLines.h"

void aif_DvconShapeCheckBC::Write(utl_Stream& stream) const {
  aif_KestBlock block(stream, "DVCON_SHAPE");
  block.Line("ID_NAME", aif_KestIdName(info_, name_, aif_kKestGeometricRestriction));
  aif_KestNodeGroupLine(region_, info_, stream);
  block.Line("CHECK_BC", "YES");
  block.Line("FEASIBLE_START", feasibleStart_ ? "YES" : "NO");
  block.End();
}
