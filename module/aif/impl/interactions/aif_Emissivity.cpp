#include "aif/impl/interactions/aif_Emissivity.h"

#include "OdbAttrEO/kinC_CavityRadiationProp.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_FilmProperty.h"

namespace {

constexpr char kEmissivityFile[] = "module/aif/impl/interactions/aif_Emissivity.cpp";

}  // namespace

aif_Emissivity::aif_Emissivity(const kinC_InteractionProperty& property) : property_(property) {}

void aif_Emissivity::Write(utl_Stream& stream) const {
  const auto& cavity =
      nex_canDynamicCastRef<const kinC_CavityRadiationProp>(*property_, kEmissivityFile, __LINE__);
  stream << "*Emissivity";
  if (cavity.Dependencies() != 0) stream << ", dependencies=" << cavity.Dependencies();
  stream.LineBreak();
  aif_WriteFilmTableRows(stream, cavity.Table(), cavity.SecondColumn());
}
