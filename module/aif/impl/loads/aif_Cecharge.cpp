#include "aif/impl/loads/aif_Cecharge.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kCechargeFile[] = "module/aif/impl/loads/aif_Cecharge.cpp";

}  // namespace

aif_Cecharge::aif_Cecharge(const kloC_ConcentratedCharge& load, const cow_String& stepName,
                           const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                           double scaleFactor)
    : aif_FluxLoadFrame(aif_ConcentratedElectricTable("*Cecharge", "concentrated charge",
                                                      aif_ComplexMarker::kRealImaginary),
                        load, stepName, opFlag, setName, &info, scaleFactor, kCechargeFile,
                        __LINE__) {}
