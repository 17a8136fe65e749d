#include "aif/impl/constraints/aif_CouplingDofLines.h"

#include "OdbAttrEO/kcoC_Coupling.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

void WriteCouplingDofLine(utl_Stream& stream, int dof) {
  stream << dof << ", " << dof << endl;
}

}  // namespace

void aif_WriteCouplingDofLines(utl_Stream& stream, const kcoC_Coupling& coupling,
                               bool twistAllowed) {
  bool all = true;
  for (int dof = 1; dof <= 6; ++dof)
    all = all && coupling.Dof(dof);
  if (all) return;

  for (int dof = 1; dof <= 2; ++dof)
    if (coupling.Dof(dof)) WriteCouplingDofLine(stream, dof);
  const int code = coupling.RegionCode();
  if (code == 0 || code == 1) {
    for (int dof = 3; dof <= 5; ++dof)
      if (coupling.Dof(dof)) WriteCouplingDofLine(stream, dof);
  } else if (twistAllowed && coupling.Dof(5)) {
    WriteCouplingDofLine(stream, 5);
  }
  if (coupling.Dof(6)) WriteCouplingDofLine(stream, 6);
}
