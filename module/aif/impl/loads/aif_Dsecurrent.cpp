#include "aif/impl/loads/aif_Dsecurrent.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDsecurrentFile[] = "module/aif/impl/loads/aif_Dsecurrent.cpp";

}  // namespace

aif_Dsecurrent::aif_Dsecurrent(const kloC_SurfaceCurrent& load, const cow_String& stepName,
                               bool opFlag, const cow_String& surfaceName, double scaleFactor)
    : aif_FluxLoadFrame(
          aif_SurfaceElectricTable("*Dsecurrent", ",CS,", aif_ComplexMarker::kLoadCase), load,
          stepName, opFlag, surfaceName, nullptr, scaleFactor, kDsecurrentFile, __LINE__) {}
