#include "aif/impl/loads/aif_Dsecharge.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDsechargeFile[] = "module/aif/impl/loads/aif_Dsecharge.cpp";

}  // namespace

aif_Dsecharge::aif_Dsecharge(const kloC_SurfaceCharge& load, const cow_String& stepName,
                             bool opFlag, const cow_String& surfaceName, double scaleFactor)
    : aif_FluxLoadFrame(
          aif_SurfaceElectricTable("*Dsecharge", ",ES,", aif_ComplexMarker::kRealImaginary), load,
          stepName, opFlag, surfaceName, nullptr, scaleFactor, kDsechargeFile, __LINE__) {}
