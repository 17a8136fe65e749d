// Predefined fields and initial conditions in whole decks, part-based and
// flat: an initial temperature from an expression field, a field variable
// and a velocity in the initial step, a temperature prescribed in Step-1 and
// removed in Step-2; and no partial file whatever call fails.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "BasMem/mem_Allocator.h"
#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif_ColumnDeckModel.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

namespace fs = std::filesystem;

kpfC_GeneralFieldBaseState FieldDeckValues(std::initializer_list<double> values) {
  kpfC_GeneralFieldBaseState state;
  state.SetValues(values);
  return state;
}

// A column of two bricks placed twice; Step-1 and Step-2. Warm gives
// Block-2's top 20 + 10 z from the field Gradient at the start; Var sets
// field variable 1 on Block-1's base to 0.5; Spin moves Block-1's base
// along x; Heat holds Block-1's top at 100 in Step-1 and is removed in
// Step-2.
hst_ModelBuilder FieldDeckModel() {
  hst_ModelBuilder b = ColumnDeckModel();

  kpfC_Temperature warm;
  warm.SetRegion(ColumnDeckRegion("Top", 2, {8, 9, 10, 11}));
  warm.SetDistribution(6);
  warm.SetDistributionFieldName("Gradient");
  warm.SetState("Initial", 1, FieldDeckValues({1.0}));
  b.AddField("Warm", warm);

  kpfC_GeneralField variable;
  variable.SetRegion(ColumnDeckRegion("Base", 1, {0, 1, 2, 3}));
  variable.SetState("Initial", 1, FieldDeckValues({0.5}));
  b.AddField("Var", variable);

  kpfC_Velocity spin;
  spin.SetRegion(ColumnDeckRegion("Base", 1, {0, 1, 2, 3}));
  spin.SetComponents({2.0, 0.0, 0.0});
  spin.SetStatus("Initial", 1);
  b.AddField("Spin", spin);

  kpfC_Temperature heat;
  heat.SetRegion(ColumnDeckRegion("Top", 1, {8, 9, 10, 11}));
  heat.SetState("Step-1", 1, FieldDeckValues({100.0}));
  heat.SetState("Step-2", 4, kpfC_GeneralFieldBaseState());
  b.AddField("Heat", heat);
  return b;
}

class FieldDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return FieldDeckModel(); }
};

TEST_F(FieldDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/conditions/golden/fields_part_based.inp",
                    "aif/conditions/golden/fields_flat.inp");
}

TEST_F(FieldDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}

}  // namespace
