#include "aif/impl/loads/aif_Dflux.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDfluxFile[] = "module/aif/impl/loads/aif_Dflux.cpp";

// "set, BF, value" ("set, BFNU, value" user-defined) and "element, BF, value";
// body fluxes at element centroids, surface fluxes at face centroids.
aif_FluxLoadTable DfluxTable(const cow_String& label, const char* kind) {
  const cow_String separated = ", " + label;
  aif_FluxLoadTable table;
  table.keyword = "*Dflux";
  table.kind = kind;
  table.amplitudeBreak = true;
  table.setText = separated + ", ";
  table.userText = separated + "NU, ";
  table.perElement = true;
  table.category = label == "BF" ? 1003 : 1002;
  table.label = separated;
  table.afterLabel = ", ";
  table.face = aif_FacePolicy::kShellSides;
  return table;
}

}  // namespace

aif_Dflux::aif_Dflux(const kloC_BodyHeatFlux& load, const cow_String& stepName, bool opFlag,
                     const cow_String& setName, const aif_ModelInfo& info, double scaleFactor)
    : aif_FluxLoadFrame(DfluxTable("BF", "body heat flux"), load, stepName, opFlag, setName, &info,
                        scaleFactor, kDfluxFile, __LINE__) {}

aif_Dflux::aif_Dflux(const kloC_BodyConcentrationFlux& load, const cow_String& stepName,
                     bool opFlag, const cow_String& setName, const aif_ModelInfo& info,
                     double scaleFactor)
    : aif_FluxLoadFrame(DfluxTable("BF", "body concentration flux"), load, stepName, opFlag,
                        setName, &info, scaleFactor, kDfluxFile, __LINE__) {}

aif_Dflux::aif_Dflux(const kloC_SurfaceConcentrationFlux& load, const cow_String& stepName,
                     bool opFlag, const cow_String& setName, const cow_String& faceLabel,
                     const aif_ModelInfo& info, double scaleFactor)
    : aif_FluxLoadFrame(DfluxTable(faceLabel, "surface concentration flux"), load, stepName, opFlag,
                        setName, &info, scaleFactor, kDfluxFile, __LINE__) {}

aif_Dflux::aif_Dflux(const kloC_SurfaceHeatFlux& load, const cow_String& stepName, bool opFlag,
                     const cow_String& setName, const aif_ModelInfo& info, double scaleFactor)
    : aif_FluxLoadFrame(DfluxTable("S", "surface heat flux"), load, stepName, opFlag, setName,
                        &info, scaleFactor, kDfluxFile, __LINE__) {}
