// Boundary conditions in whole decks, part-based and flat: a fixed base, a
// lift driven by an amplitude and removed in the second step, a temperature
// from an analytical field; and no partial file whatever call fails.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "BasMem/mem_Allocator.h"
#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kamC_Amplitude.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif_ColumnDeckModel.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

namespace fs = std::filesystem;

// A column of two bricks placed twice; Step-1 and Step-2. Fixed holds
// Block-1's base from the initial step on; Lift raises Block-1's top by
// the amplitude Ramp in Step-1 and is removed in Step-2 (which restates the
// others); Heat gives Block-2's top 20 + 10 z from the field Gradient.
hst_ModelBuilder BcDeckModel() {
  hst_ModelBuilder b = ColumnDeckModel();
  kamC_Tabular ramp;
  ramp.SetData({{0.0, 0.0}, {1.0, 1.0}});
  b.AddAmplitude("Ramp", ramp);

  kbcC_DisplacementBC fixed;
  fixed.SetRegion(ColumnDeckRegion("Base", 1, {0, 1, 2, 3}));
  kbcC_DisplacementBCState held, carried;
  for (std::size_t i = 0; i < 3; ++i) {
    held.SetComponent(i, 0.0, 1);
    carried.SetComponent(i, 0.0, 2);
  }
  fixed.SetState("Initial", 1, held);
  fixed.SetState("Step-1", 2, carried);
  fixed.SetState("Step-2", 2, carried);
  b.AddBoundaryCondition("Fixed", fixed);

  kbcC_DisplacementBC lift;
  lift.SetRegion(ColumnDeckRegion("Top", 1, {8, 9, 10, 11}));
  kbcC_DisplacementBCState raised;
  raised.SetComponent(2, 0.2, 1);
  raised.SetAmplitude("Ramp", 1);
  lift.SetState("Step-1", 1, raised);
  lift.SetState("Step-2", 4, kbcC_DisplacementBCState());
  b.AddBoundaryCondition("Lift", lift);

  kbcC_TemperatureBC heat;
  heat.SetRegion(ColumnDeckRegion("Top", 2, {8, 9, 10, 11}));
  heat.SetDistribution(kbcC_BC::kAnalyticalField, "Gradient");
  kbcC_DistributedBCState hot, kept;
  hot.SetMagnitude(1.0, 1);
  kept.SetMagnitude(1.0, 2);
  heat.SetState("Step-1", 1, hot);
  heat.SetState("Step-2", 2, kept);
  b.AddBoundaryCondition("Heat", heat);
  return b;
}

class BoundaryConditionDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return BcDeckModel(); }
};

TEST_F(BoundaryConditionDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/conditions/golden/boundary_conditions_part_based.inp",
                    "aif/conditions/golden/boundary_conditions_flat.inp");
}

TEST_F(BoundaryConditionDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}

}  // namespace
