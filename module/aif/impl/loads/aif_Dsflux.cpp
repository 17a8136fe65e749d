#include "aif/impl/loads/aif_Dsflux.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDsfluxFile[] = "module/aif/impl/loads/aif_Dsflux.cpp";

}  // namespace

aif_Dsflux::aif_Dsflux(const kloC_SurfaceHeatFlux& load, const cow_String& stepName, bool opFlag,
                       const cow_String& surfaceName, double scaleFactor)
    : aif_FluxLoadFrame(aif_SurfaceFlowTable("*Dsflux"), load, stepName, opFlag, surfaceName,
                        nullptr, scaleFactor, kDsfluxFile, __LINE__) {}

aif_Dsflux::aif_Dsflux(const kloC_SurfaceConcentrationFlux& load, const cow_String& stepName,
                       bool opFlag, const cow_String& surfaceName, double scaleFactor)
    : aif_FluxLoadFrame(aif_SurfaceFlowTable("*Dsflux"), load, stepName, opFlag, surfaceName,
                        nullptr, scaleFactor, kDsfluxFile, __LINE__) {}
