#include "aif/impl/loads/aif_Dsflow.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDsflowFile[] = "module/aif/impl/loads/aif_Dsflow.cpp";

}  // namespace

aif_Dsflow::aif_Dsflow(const kloC_SurfacePoreFluid& load, const cow_String& stepName, bool opFlag,
                       const cow_String& surfaceName, double scaleFactor)
    : aif_FluxLoadFrame(aif_SurfaceFlowTable("*Dsflow"), load, stepName, opFlag, surfaceName,
                        nullptr, scaleFactor, kDsflowFile, __LINE__) {}
