#include "aif/impl/interactions/aif_Cosimulation.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kinC_Cosimulation.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_CosimulationControls.h"

aif_Cosimulation::aif_Cosimulation(const cow_COW<kinC_Interaction>& interaction,
                                   const cow_String& name)
    : interaction_(interaction), name_(name) {}

void aif_Cosimulation::Write(utl_Stream& stream) const {
  if (interaction_.IsNull()) return;
  const unsigned typeId = interaction_->DynTypeId();
  stream << "*Co-simulation, name=" << akw_MorvexName(name_, false);
  stream.OptionalLineBreak();
  stream << ", controls=" << akw_MorvexName(aif_CosimulationControls::ControlsName(name_), false);
  stream.OptionalLineBreak();
  if (typeId == kinC_StdXplCosimulation::TypeId())
    stream << ", program=MORVEX";
  else if (typeId == kinC_FSICosimulation::TypeId())
    stream << ", program=MULTIPHYSICS";
  stream.LineBreak();
}
