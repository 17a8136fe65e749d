#include "aif/impl/materials/aif_GasketBehavior.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_Creep.h"
#include "aif/impl/materials/aif_Depvar.h"
#include "aif/impl/materials/aif_Expansion.h"
#include "aif/impl/materials/aif_GasketElasticity.h"
#include "aif/impl/materials/aif_GasketThicknessBehavior.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"
#include "aif/impl/materials/aif_UserOutputVariables.h"
#include "aif/impl/materials/aif_Viscoelastic.h"

void aif_GasketBehavior::Write(utl_Stream& stream) const {
  const kmaC_Material& m = material_;
  stream << "*Gasket Behavior, name=" << akw_MorvexName(name_, false) << endl;
  aif_WriteSubOption<aif_Creep>(stream, m.creep);
  aif_WriteSubOption<aif_Depvar>(stream, m.depvar);
  aif_WriteSubOption<aif_Expansion>(stream, m.expansion);
  aif_WriteSubOption<aif_GasketElasticity>(stream, m.membraneElastic);
  aif_WriteSubOption<aif_GasketThicknessBehavior>(stream, m.thicknessBehavior);
  aif_WriteSubOption<aif_Viscoelastic>(stream, m.viscoelastic);
  aif_WriteSubOption<aif_GasketElasticity>(stream, m.transShearElastic);
  aif_WriteSubOption<aif_UserOutputVariables>(stream, m.userOutputVariables);
}
