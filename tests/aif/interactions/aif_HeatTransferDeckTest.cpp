// A heat-transfer model in whole decks, part-based and flat, and no partial
// file whatever call fails: a plate of two bricks placed once, with the
// part's surfaces Top and Bottom; over two heat-transfer steps a film on
// Top, a radiation to ambient on Bottom that the second step deactivates,
// a radiation cavity on Top defined at the start and changed in the second
// step, and an elastic foundation on an assembly surface of both bricks'
// lower faces, naming the element set that surface wrote.
#include <gtest/gtest.h>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Utils.h"
#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "OdbAttrEO/kinC_CavityRadiationProp.h"
#include "OdbAttrEO/kinC_FilmCondition.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kinC_RadiationCondition.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif_PartSurface.h"
#include "support/aif_FaultLoops.h"

namespace {

rgnC_Region HeatDeckSurface(const char* name, int element, const char* face) {
  rgnC_Region region(name, {"Assembly", "Plate-1"});
  region.SetKernelElementIndices(1, {element}, {cow_String(face)});
  region.SetKernelInstanceIds({1});
  return region;
}

hst_ModelBuilder HeatTransferDeckModel() {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Plate", hst_GridMesh(2, 1, 1));
  aif_AddPartSurface(b, "Plate", "Top", 40, 1, "S2", {1});
  aif_AddPartSurface(b, "Plate", "Bottom", 41, 0, "S1", {1});
  b.AddInstance("Plate-1", "Plate");
  b.AddStep("Heat-1", kprC_HeatTransferStep());
  b.AddStep("Heat-2", kprC_HeatTransferStep());
  b.MutableModel().SetPhysicalConstants(-273.15, 5.67e-08, 8.314);

  kinC_FilmCondition film;
  film.SetRegion(HeatDeckSurface("Top", 1, "S2"));
  kinC_FilmConditionState filmState;
  filmState.SetFilmCoefficient({12.5, 1});
  filmState.SetSinkTemperature({20.0, 1});
  film.SetState("Heat-1", 1, filmState);
  filmState.SetFilmCoefficient({12.5, 2});
  filmState.SetSinkTemperature({20.0, 2});
  film.SetState("Heat-2", 2, filmState);
  b.AddInteraction("Film-1", film);

  kinC_RadiationToAmbient radiation;
  radiation.SetRegion(HeatDeckSurface("Bottom", 0, "S1"));
  kinC_RadiationToAmbientState radiationState;
  radiationState.SetEmissivity({0.8, 1});
  radiationState.SetSinkTemperature({25.0, 1});
  radiation.SetState("Heat-1", 1, radiationState);
  radiation.SetState("Heat-2", 4, radiationState);
  b.AddInteraction("Radiation-1", radiation);

  kinC_CavityRadiationProp emissivity;
  emissivity.SetTable({{0.9}});
  b.AddInteractionProperty("Emis", emissivity);
  kinC_CavityRadiation cavity;
  cavity.SetSurfaces({HeatDeckSurface("Top", 1, "S2")});
  cavity.SetSurfacePropertyNames({"Emis"});
  cavity.SetAmbientTemperature(15.0);
  kinC_CavityRadiationState cavityState;
  cavity.SetState("Initial", 1, cavityState);
  cavity.SetState("Heat-1", 2, cavityState);
  cavityState.SetViewfactorTolerance({0.1, 1});
  cavity.SetState("Heat-2", 3, cavityState);
  b.AddInteraction("Cavity-1", cavity);

  // The foundation stands on an assembly surface of both bricks' lower
  // faces.
  rgnC_Region base("Base", {});
  base.SetKernelElementIndices(1, {0, 1}, {cow_String("S1"), cow_String("S1")});
  rgnF_Surface baseSurface(base);
  baseSurface.SetId(50);
  baseSurface.SetName("Base");
  b.Assembly().FeatureList().Add(baseSurface);
  rgnC_Region foundationRegion("Base", {"Assembly"});
  foundationRegion.SetKernelElementIndices(1, {0, 1}, {cow_String("S1"), cow_String("S1")});
  foundationRegion.SetKernelInstanceIds({1});
  kinC_ElasticFoundation foundation;
  foundation.SetRegion(foundationRegion);
  foundation.SetStepStiffness("Initial", 1, 300.0);
  b.AddInteraction("Foundation-1", foundation);
  return b;
}

class HeatTransferDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return HeatTransferDeckModel(); }
};

TEST_F(HeatTransferDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/interactions/golden/heat_transfer_part_based.inp",
                    "aif/interactions/golden/heat_transfer_flat.inp");
}

TEST_F(HeatTransferDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}

}  // namespace
