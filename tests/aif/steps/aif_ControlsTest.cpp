#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_CTDControls.h"
#include "aif/impl/steps/aif_CTEControls.h"
#include "aif/impl/steps/aif_DirectCyclicControls.h"
#include "aif/impl/steps/aif_ElectricalControls.h"
#include "aif/impl/steps/aif_HeatTransferControls.h"
#include "aif/impl/steps/aif_MassDiffusionControls.h"
#include "aif/impl/steps/aif_PoreControls.h"
#include "aif/impl/steps/aif_TypicalControls.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;

constexpr char kControlsReset[] = "*Controls, reset\n";

// `list` with entry `index` set to `value`.
cow_List<double> ControlsWith(cow_List<double> list, std::size_t index, double value) {
  list.Modify(index) = value;
  return list;
}

// The typical controls with a time incrementation list that differs from
// the default in entry `index`.
std::string TimeIncrementationLines(std::size_t index, double value) {
  kprC_TypicalControls controls;
  controls.SetTimeIncrementation(
      ControlsWith(kprC_PrimaryControls::timeIncrementationDef(false), index, value));
  return KeywordText(aif_TypicalControls(controls, false));
}

// The typical controls with line search `lineSearch`.
std::string LineSearchLines(const cow_List<double>& lineSearch, bool quasiNewton) {
  kprC_TypicalControls controls;
  controls.SetLineSearch(lineSearch);
  return KeywordText(aif_TypicalControls(controls, quasiNewton));
}

TEST(ControlsTest, LeaveOutDefaultsAndReset) {
  kprC_TypicalControls controls;
  // Every list at its default: the reset line alone.
  EXPECT_EQ(KeywordText(aif_TypicalControls(controls, false)), kControlsReset);
  EXPECT_EQ(KeywordText(aif_TypicalControls(controls, true)), kControlsReset);

  controls.SetConstraints(ControlsWith(controls.Constraints(), 0, 0.5));
  controls.SetDefaults(true);
  EXPECT_EQ(KeywordText(aif_TypicalControls(controls, false)), kControlsReset);
  controls.SetLeaveOut(true);
  EXPECT_EQ(KeywordText(aif_TypicalControls(controls, false)), "");
  controls.SetDefaults(false);
  EXPECT_EQ(KeywordText(aif_TypicalControls(controls, false)), "");

  // A derived kind's own flags decide.
  kprC_CTDControls coupled;
  coupled.SetTemperature(ControlsWith(coupled.Temperature(), 0, 0.5));
  coupled.SetDefaults(true);
  EXPECT_EQ(KeywordText(aif_CTDControls(coupled, false)), kControlsReset);
  coupled.SetLeaveOut(true);
  EXPECT_EQ(KeywordText(aif_CTDControls(coupled, false)), "");
}

TEST(ControlsTest, TimeIncrementationLines) {
  // A count: one line of eleven places, no ratio lines.
  EXPECT_EQ(TimeIncrementationLines(3, 20),
            "*Controls, reset\n*Controls, parameters=time incrementation\n"
            ", , , 20, , , , , , , \n");
  // Counts are compared and written as ints.
  EXPECT_EQ(TimeIncrementationLines(0, 6.7),
            "*Controls, reset\n*Controls, parameters=time incrementation\n"
            "6, , , , , , , , , , \n");
  EXPECT_EQ(TimeIncrementationLines(10, 50.5),
            "*Controls, reset\n*Controls, parameters=time incrementation\n"
            ", , , , , , , , , , \n");
  // A ratio of the first eight: their line follows the counts.
  EXPECT_EQ(TimeIncrementationLines(12, 0.6),
            "*Controls, reset\n*Controls, parameters=time incrementation\n"
            ", , , , , , , , , , \n, 0.6, , , , , , \n");
  // A ratio of the second eight: the first eight stay blank on their line.
  EXPECT_EQ(TimeIncrementationLines(26, 2),
            "*Controls, reset\n*Controls, parameters=time incrementation\n"
            ", , , , , , , , , , \n, , , , , , , \n, , , , , , , 2.\n");
  // The last ratio: on a line of its own after two blank lines.
  EXPECT_EQ(TimeIncrementationLines(27, 0.25),
            "*Controls, reset\n*Controls, parameters=time incrementation\n"
            ", , , , , , , , , , \n, , , , , , , \n, , , , , , , \n0.25\n");

  // A discontinuous analysis compares with its own defaults.
  kprC_TypicalControls discontinuous;
  discontinuous.SetDiscontinuous(true);
  discontinuous.SetTimeIncrementation(kprC_PrimaryControls::timeIncrementationDef(true));
  EXPECT_EQ(KeywordText(aif_TypicalControls(discontinuous, false)),
            "*Controls, reset\n*Controls, analysis=discontinuous\n");
  // The flag alone leaves the ordinary counts, which differ from those
  // defaults.
  discontinuous.SetTimeIncrementation(kprC_PrimaryControls::timeIncrementationDef(false));
  EXPECT_EQ(KeywordText(aif_TypicalControls(discontinuous, false)),
            "*Controls, reset\n*Controls, analysis=discontinuous\n"
            "*Controls, parameters=time incrementation\n4, 8, , , , , , 5, , , \n");
}

TEST(ControlsTest, ConstraintsAndLineSearch) {
  kprC_TypicalControls controls;
  controls.SetConstraints(ControlsWith(controls.Constraints(), 1, 0.01));
  EXPECT_EQ(KeywordText(aif_TypicalControls(controls, false)),
            "*Controls, reset\n*Controls, parameters=constraints\n, 0.01, , \n");

  const cow_List<double> defaults = kprC_PrimaryControls::lineSearchDef();
  const cow_List<double> five = ControlsWith(defaults, 0, 5);
  // With the quasi-Newton technique 5 searches are the default.
  EXPECT_EQ(LineSearchLines(five, true), kControlsReset);
  EXPECT_EQ(LineSearchLines(five, false),
            "*Controls, reset\n*Controls, parameters=line search\n5, , , , \n");
  EXPECT_EQ(LineSearchLines(ControlsWith(five, 2, 0.5), true),
            "*Controls, reset\n*Controls, parameters=line search\n5, , 0.5, , \n");
  // The count is left blank when it is the ordinary default, even where the
  // technique asks for searches.
  EXPECT_EQ(LineSearchLines(ControlsWith(defaults, 4, 0.2), true),
            "*Controls, reset\n*Controls, parameters=line search\n, , , , 0.2\n");
  EXPECT_EQ(LineSearchLines(defaults, true), kControlsReset);
  EXPECT_EQ(LineSearchLines(cow_List<double>(), false), kControlsReset);
}

TEST(ControlsTest, FieldBlocks) {
  kprC_TypicalControls controls;
  controls.SetDisplacement(ControlsWith(controls.Displacement(), 0, 0.01));
  EXPECT_EQ(KeywordText(aif_TypicalControls(controls, false)),
            "*Controls, reset\n*Controls, parameters=field, field=displacement\n"
            "0.01, , , , , , , \n");
  // The values after the eighth go on a second line when they differ.
  controls.SetDisplacement(ControlsWith(controls.Displacement(), 9, 0.5));
  EXPECT_EQ(KeywordText(aif_TypicalControls(controls, false)),
            "*Controls, reset\n*Controls, parameters=field, field=displacement\n"
            "0.01, , , , , , , \n, 0.5\n");

  // Hydrostatic fluid pressure and rotation both compare with the defaults
  // of the fields other than displacement: the displacement defaults differ
  // from them.
  kprC_TypicalControls others;
  others.SetHydrostaticFluidPressure(kprC_PrimaryControls::fieldDef(true));
  others.SetRotation(kprC_PrimaryControls::fieldDef(true));
  EXPECT_EQ(KeywordText(aif_TypicalControls(others, false)),
            "*Controls, reset\n"
            "*Controls, parameters=field, field=hydrostatic fluid pressure\n"
            ", , , , , , , \n, 1.e-05\n"
            "*Controls, parameters=field, field=rotation\n"
            ", , , , , , , \n, 1.e-05\n");
}

// Every field list of a kind changed in its first entry: the blocks in
// writing order.
template <class Keyword, class Controls>
std::string AllFieldsLines(Controls controls) {
  const cow_List<double> changed = ControlsWith(kprC_PrimaryControls::fieldDef(false), 0, 0.5);
  if constexpr (requires { controls.SetDisplacement(changed); }) {
    controls.SetDisplacement(ControlsWith(kprC_PrimaryControls::fieldDef(true), 0, 0.5));
    controls.SetRotation(changed);
  }
  if constexpr (requires { controls.SetHydrostaticFluidPressure(changed); })
    controls.SetHydrostaticFluidPressure(changed);
  if constexpr (requires { controls.SetTemperature(changed); }) controls.SetTemperature(changed);
  if constexpr (requires { controls.SetPoreFluidPressure(changed); })
    controls.SetPoreFluidPressure(changed);
  if constexpr (requires { controls.SetElectricalPotential(changed); })
    controls.SetElectricalPotential(changed);
  if constexpr (requires { controls.SetConcentration(changed); })
    controls.SetConcentration(changed);
  const Keyword keyword(controls, false);
  std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  EXPECT_EQ(KeywordText(*copy), KeywordText(keyword));
  return KeywordText(keyword);
}

std::string ControlsBlock(const std::string& field) {
  return "*Controls, parameters=field, field=" + field + "\n0.5, , , , , , , \n";
}

TEST(ControlsTest, EachKindWritesItsFieldsInOrder) {
  const std::string typical = std::string(kControlsReset) + ControlsBlock("displacement") +
                              ControlsBlock("hydrostatic fluid pressure") +
                              ControlsBlock("rotation");
  EXPECT_EQ((AllFieldsLines<aif_TypicalControls>(kprC_TypicalControls())), typical);
  EXPECT_EQ((AllFieldsLines<aif_CTDControls>(kprC_CTDControls())),
            typical + ControlsBlock("temperature"));
  EXPECT_EQ((AllFieldsLines<aif_PoreControls>(kprC_PoreControls())),
            typical + ControlsBlock("pore fluid pressure"));
  EXPECT_EQ((AllFieldsLines<aif_ElectricalControls>(kprC_ElectricalControls())),
            typical + ControlsBlock("electrical potential"));
  EXPECT_EQ((AllFieldsLines<aif_HeatTransferControls>(kprC_HeatTransferControls())),
            kControlsReset + ControlsBlock("temperature"));
  EXPECT_EQ((AllFieldsLines<aif_CTEControls>(kprC_CTEControls())),
            kControlsReset + ControlsBlock("temperature") + ControlsBlock("electrical potential"));
  EXPECT_EQ((AllFieldsLines<aif_MassDiffusionControls>(kprC_MassDiffusionControls())),
            kControlsReset + ControlsBlock("concentration"));

  // Direct cyclic: displacement and rotation, then its own parameters; the
  // common part comes before every field.
  kprC_DirectCyclicControls cyclic;
  cyclic.SetConstraints(ControlsWith(cyclic.Constraints(), 3, 0.5));
  cyclic.SetDirectCyclic(ControlsWith(cyclic.DirectCyclic(), 4, 3));
  EXPECT_EQ((AllFieldsLines<aif_DirectCyclicControls>(cyclic)),
            kControlsReset + std::string("*Controls, parameters=constraints\n, , , 0.5\n") +
                ControlsBlock("displacement") + ControlsBlock("rotation") +
                "*Controls, type=direct cyclic\n, , , , 3.\n");
}

TEST(ControlsTest, ListsThatCannotBeWrittenThrowBeforeWriting) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  kprC_TypicalControls shortIncrements;
  shortIncrements.SetTimeIncrementation({4, 8, 9});
  EXPECT_EQ(ThrownText(aif_TypicalControls(shortIncrements, false)),
            "The time incrementation controls do not hold as many values as their defaults");

  // Counts are converted to int: a count beyond the int range or not a
  // number cannot be.
  kprC_TypicalControls hugeCount;
  hugeCount.SetTimeIncrementation(
      ControlsWith(kprC_PrimaryControls::timeIncrementationDef(false), 2, 3e9));
  EXPECT_EQ(ThrownText(aif_TypicalControls(hugeCount, false)),
            "The time incrementation controls hold a count outside the integer range");
  kprC_TypicalControls nanCount;
  nanCount.SetTimeIncrementation(
      ControlsWith(kprC_PrimaryControls::timeIncrementationDef(false), 0, nan));
  EXPECT_EQ(ThrownText(aif_TypicalControls(nanCount, false)),
            "The time incrementation controls hold a value that is not a number");
  kprC_TypicalControls negativeCount;
  negativeCount.SetLineSearch(ControlsWith(kprC_PrimaryControls::lineSearchDef(), 0, -1e12));
  EXPECT_EQ(ThrownText(aif_TypicalControls(negativeCount, true)),
            "The line search controls hold a count outside the integer range");
  // The largest counts an int holds are written.
  kprC_TypicalControls largest;
  largest.SetLineSearch(ControlsWith(kprC_PrimaryControls::lineSearchDef(), 0, 2147483647.0));
  EXPECT_EQ(KeywordText(aif_TypicalControls(largest, false)),
            "*Controls, reset\n*Controls, parameters=line search\n2147483647, , , , \n");

  kprC_TypicalControls infiniteRatio;
  infiniteRatio.SetConstraints(ControlsWith(infiniteRatio.Constraints(), 0, INFINITY));
  EXPECT_EQ(ThrownText(aif_TypicalControls(infiniteRatio, false)),
            "The constraints controls hold a value that is not a number");

  kprC_TypicalControls shortSearch;
  shortSearch.SetLineSearch({5, 4});
  EXPECT_EQ(ThrownText(aif_TypicalControls(shortSearch, false)),
            "The line search controls do not hold as many values as their defaults");

  kprC_PoreControls shortField;
  shortField.SetPoreFluidPressure({0.005, 0.01, 0.01, 1.0});
  EXPECT_EQ(ThrownText(aif_PoreControls(shortField, false)),
            "The pore fluid pressure controls do not hold as many values as their defaults");
  kprC_CTEControls emptyField;
  emptyField.SetElectricalPotential(cow_List<double>());
  EXPECT_EQ(ThrownText(aif_CTEControls(emptyField, false)),
            "The electrical potential controls do not hold as many values as their defaults");

  kprC_DirectCyclicControls longCyclic;
  longCyclic.SetDirectCyclic({1, 2, 3, 4, 5, 6});
  EXPECT_EQ(ThrownText(aif_DirectCyclicControls(longCyclic, false)),
            "The direct cyclic controls do not hold as many values as their defaults");

  // Lists that are not written are not checked.
  shortIncrements.SetDefaults(true);
  EXPECT_EQ(KeywordText(aif_TypicalControls(shortIncrements, false)), kControlsReset);
  nanCount.SetLeaveOut(true);
  EXPECT_EQ(KeywordText(aif_TypicalControls(nanCount, false)), "");
}

}  // namespace
