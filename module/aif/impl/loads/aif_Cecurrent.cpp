#include "aif/impl/loads/aif_Cecurrent.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kCecurrentFile[] = "module/aif/impl/loads/aif_Cecurrent.cpp";

}  // namespace

aif_Cecurrent::aif_Cecurrent(const kloC_ConcentratedCurrent& load, const cow_String& stepName,
                             const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                             double scaleFactor)
    : aif_FluxLoadFrame(aif_ConcentratedElectricTable("*Cecurrent", "concentrated current",
                                                      aif_ComplexMarker::kLoadCase),
                        load, stepName, opFlag, setName, &info, scaleFactor, kCecurrentFile,
                        __LINE__) {}
