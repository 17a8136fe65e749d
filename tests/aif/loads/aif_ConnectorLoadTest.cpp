// "*Connector Load": the keyword line, which components a real load writes,
// the complex ", real" and ", imaginary" blocks and where their zeros are
// kept, the scale factor, and the refused load kind.
#include <string>

#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/omi_complex.h"
#include "aif/impl/loads/aif_ConnectorLoad.h"
#include "support/aif_TestSupport.h"

namespace {

constexpr char kConnectorLoadTestStep[] = "Step-1";

// A load of kind `Load` whose state in the step has `status` and `values`,
// each value with that status.
template <class Load>
Load ConnectorLoadTestLoad(int status, std::initializer_list<double> values) {
  Load load;
  load.SetState(kConnectorLoadTestStep, status, kloC_LoadState(status, values));
  return load;
}

std::string ConnectorLoadText(const kloC_Load& load, bool opFlag = true, double scale = 1.0) {
  return aif_test::KeywordText(
      aif_ConnectorLoad(load, "Wire-1", kConnectorLoadTestStep, opFlag, scale));
}

TEST(aif_ConnectorLoadTest, RealLoadsWriteTheirNewNonZeroComponents) {
  auto force = ConnectorLoadTestLoad<kloC_ConnectorForce>(1, {10.0, 0.0, 5.0});
  EXPECT_EQ(ConnectorLoadText(force), "*Connector Load\nWire-1, 1, 10.\nWire-1, 3, 5.\n");
  EXPECT_EQ(ConnectorLoadText(force, false, 0.5),
            "*Connector Load, op=NEW\nWire-1, 1, 5.\nWire-1, 3, 2.5\n");
  // A moment's components are 4 to 6; the amplitude follows the op.
  kloC_LoadState state(3, {});
  state.SetValue(0, 1.5, 2);
  state.SetValue(1, -2.0, 1);
  state.SetValue(2, 3.0, 2);
  state.SetAmplitude("Amp-1", 2);
  kloC_ConnectorMoment moment;
  moment.SetState(kConnectorLoadTestStep, 3, state);
  // Modified: only the component set in the step, unless the line restates.
  EXPECT_EQ(ConnectorLoadText(moment), "*Connector Load, amplitude=Amp-1\nWire-1, 5, -2.\n");
  EXPECT_EQ(ConnectorLoadText(moment, false),
            "*Connector Load, op=NEW, amplitude=Amp-1\n"
            "Wire-1, 4, 1.5\nWire-1, 5, -2.\nWire-1, 6, 3.\n");
  // A state new in the step restates its propagated components too.
  state.SetStatus(1);
  moment.SetState(kConnectorLoadTestStep, 1, state);
  EXPECT_EQ(ConnectorLoadText(moment),
            "*Connector Load, amplitude=Amp-1\nWire-1, 4, 1.5\nWire-1, 5, -2.\nWire-1, 6, 3.\n");
}

TEST(aif_ConnectorLoadTest, InactiveLoadsAndRefusedKinds) {
  for (int status : {4, 11}) {
    auto force = ConnectorLoadTestLoad<kloC_ConnectorForce>(status, {10.0, 20.0, 30.0});
    force.SetComplex({omi_complex(1, 2)});
    EXPECT_EQ(ConnectorLoadText(force), "*Connector Load\n") << status;
    EXPECT_EQ(ConnectorLoadText(force, false), "*Connector Load, op=NEW\n") << status;
  }
  auto other = ConnectorLoadTestLoad<kloC_ConcentratedForce>(1, {10.0});
  EXPECT_EQ(
      aif_test::ThrownText(aif_ConnectorLoad(other, "Wire-1", kConnectorLoadTestStep, false, 1.0)),
      "Invalid load type for *Connector Load");
  // Inactive, the kind is not asked.
  other.SetStatus(kConnectorLoadTestStep, 4);
  EXPECT_EQ(ConnectorLoadText(other, false), "*Connector Load, op=NEW\n");
}

TEST(aif_ConnectorLoadTest, ComplexBlocksKeepTheirZerosUnlessNewOrRestated) {
  // Created in the step: zeros and an all-zero block are left out.
  auto moment = ConnectorLoadTestLoad<kloC_ConnectorMoment>(1, {});
  moment.SetComplex({omi_complex(3, 0), omi_complex(0, 0), omi_complex(1, 0)});
  EXPECT_EQ(ConnectorLoadText(moment), "*Connector Load, real\nWire-1, 4, 3.\nWire-1, 6, 1.\n");
  // Halved, converted parts read where held.
  auto force = ConnectorLoadTestLoad<kloC_ConnectorForce>(1, {});
  omi_complex converted(100, 100);
  converted.SetConverted(0, 4);
  force.SetComplex({omi_complex(2, 0), converted, omi_complex(0, -6)});
  EXPECT_EQ(ConnectorLoadText(force, true, 0.5),
            "*Connector Load, real\nWire-1, 1, 1.\n"
            "*Connector Load, imaginary\nWire-1, 2, 2.\nWire-1, 3, -3.\n");
  // Modified to 0 without ", op=NEW": every zero is written, so that no value
  // of an earlier step remains.
  moment.SetStatus(kConnectorLoadTestStep, 3);
  EXPECT_EQ(ConnectorLoadText(moment),
            "*Connector Load, real\nWire-1, 4, 3.\nWire-1, 5, 0.\nWire-1, 6, 1.\n"
            "*Connector Load, imaginary\nWire-1, 4, 0.\nWire-1, 5, 0.\nWire-1, 6, 0.\n");
  // Under ", op=NEW" the loads of the kind are restated: zeros left out.
  EXPECT_EQ(ConnectorLoadText(moment, false),
            "*Connector Load, op=NEW, real\nWire-1, 4, 3.\nWire-1, 6, 1.\n");
}

}  // namespace
