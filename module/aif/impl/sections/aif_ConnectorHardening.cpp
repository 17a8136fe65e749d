#include "aif/impl/sections/aif_ConnectorHardening.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/sections/aif_ConnectorOptionFrame.h"

namespace {

void WriteHardening(utl_Stream& stream, const char* line, const char* definition,
                    const kbeC_ConnectorTableData& data) {
  stream << line << definition;
  aif_WriteDependencies(stream, data.dependencies);
  aif_WriteTableOptions(stream, data.TableOptions(), true);
  stream.LineBreak();
  stream << aif_ConnectorTable(data);
}

}  // namespace

void aif_ConnectorHardening::Write(utl_Stream& stream) const {
  if (option_.isotropic)
    WriteHardening(stream, "*Connector Hardening, definition=",
                   option_.isotropicDefinition == 0 ? "TABULAR" : "EXPONENTIAL LAW",
                   option_.isotropicData);
  if (option_.kinematic) {
    const int definition = option_.kinematicDefinition;
    WriteHardening(stream, "*Connector Hardening, type=KINEMATIC, definition=",
                   definition == 0   ? "HALF CYCLE"
                   : definition == 2 ? "PARAMETERS"
                                     : "STABILIZED",
                   option_.kinematicData);
  }
}
