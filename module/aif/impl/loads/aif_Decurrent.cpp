#include "aif/impl/loads/aif_Decurrent.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDecurrentFile[] = "module/aif/impl/loads/aif_Decurrent.cpp";

}  // namespace

aif_Decurrent::aif_Decurrent(const kloC_SurfaceCurrent& load, const cow_String& stepName,
                             const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                             double scaleFactor)
    : aif_FluxLoadFrame(aif_ElementElectricTable("*Decurrent", "CS", true, "surface current",
                                                 aif_ComplexMarker::kLoadCase),
                        load, stepName, opFlag, setName, &info, scaleFactor, kDecurrentFile,
                        __LINE__) {}

aif_Decurrent::aif_Decurrent(const kloC_BodyCurrent& load, const cow_String& stepName,
                             const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                             double scaleFactor)
    : aif_FluxLoadFrame(aif_ElementElectricTable("*Decurrent", "CBF", false, "body current",
                                                 aif_ComplexMarker::kLoadCase),
                        load, stepName, opFlag, setName, &info, scaleFactor, kDecurrentFile,
                        __LINE__) {}
