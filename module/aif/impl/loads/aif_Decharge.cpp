#include "aif/impl/loads/aif_Decharge.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDechargeFile[] = "module/aif/impl/loads/aif_Decharge.cpp";

}  // namespace

aif_Decharge::aif_Decharge(const kloC_SurfaceCharge& load, const cow_String& stepName,
                           const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                           double scaleFactor)
    : aif_FluxLoadFrame(aif_ElementElectricTable("*Decharge", "ES", true, "surface charge",
                                                 aif_ComplexMarker::kRealImaginary),
                        load, stepName, opFlag, setName, &info, scaleFactor, kDechargeFile,
                        __LINE__) {}

aif_Decharge::aif_Decharge(const kloC_BodyCharge& load, const cow_String& stepName,
                           const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                           double scaleFactor)
    : aif_FluxLoadFrame(aif_ElementElectricTable("*Decharge", "EBF", false, "body charge",
                                                 aif_ComplexMarker::kRealImaginary),
                        load, stepName, opFlag, setName, &info, scaleFactor, kDechargeFile,
                        __LINE__) {}
