// "*Connector Load": the components a real load writes, the complex ", real"
// and ", imaginary" blocks and where their zeros are kept, the scale factor,
// inactive loads and the refused load kind.
#include <string>

#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/omi_complex.h"
#include "aif/impl/loads/aif_ConnectorLoad.h"
#include "support/aif_TestSupport.h"

namespace {

template <class Load>
Load ConnectorTestLoad(int status, std::initializer_list<double> values) {
  Load load;
  load.SetState("Step-1", status, kloC_LoadState(status, values));
  return load;
}

std::string ConnectorTestText(const kloC_Load& load, bool opFlag = true, double scale = 1.0) {
  return aif_test::KeywordText(aif_ConnectorLoad(load, "Wire-1", "Step-1", opFlag, scale));
}

TEST(aif_ConnectorLoadTest, RealLoadsWriteTheirNewNonZeroComponents) {
  auto force = ConnectorTestLoad<kloC_ConnectorForce>(1, {10.0, 0.0, 5.0});
  EXPECT_EQ(ConnectorTestText(force), "*Connector Load\nWire-1, 1, 10.\nWire-1, 3, 5.\n");
  EXPECT_EQ(ConnectorTestText(force, false, 0.5),
            "*Connector Load, op=NEW\nWire-1, 1, 5.\nWire-1, 3, 2.5\n");
  // Modified: only the component set in the step, unless restated.
  kloC_LoadState state(3, {});
  state.SetValue(0, 1.5, 2);
  state.SetValue(1, -2.0, 1);
  state.SetValue(2, 3.0, 2);
  state.SetAmplitude("Amp-1", 2);
  kloC_ConnectorMoment moment;
  moment.SetState("Step-1", 3, state);
  EXPECT_EQ(ConnectorTestText(moment), "*Connector Load, amplitude=Amp-1\nWire-1, 5, -2.\n");
  EXPECT_EQ(ConnectorTestText(moment, false),
            "*Connector Load, op=NEW, amplitude=Amp-1\n"
            "Wire-1, 4, 1.5\nWire-1, 5, -2.\nWire-1, 6, 3.\n");
  for (int status : {4, 11}) {
    moment.SetStatus("Step-1", status);
    EXPECT_EQ(ConnectorTestText(moment), "*Connector Load\n") << status;
    EXPECT_EQ(ConnectorTestText(moment, false), "*Connector Load, op=NEW\n") << status;
  }
  const auto other = ConnectorTestLoad<kloC_ConcentratedForce>(1, {10.0});
  EXPECT_EQ(aif_test::ThrownText(aif_ConnectorLoad(other, "Wire-1", "Step-1", true, 1.0)),
            "Invalid load type for *Connector Load");
}

TEST(aif_ConnectorLoadTest, ComplexBlocksKeepTheirZerosUnlessNewOrRestated) {
  // Created in the step: zeros and an all-zero block are left out.
  auto moment = ConnectorTestLoad<kloC_ConnectorMoment>(1, {});
  moment.SetComplex({omi_complex(3, 0), omi_complex(0, 0), omi_complex(1, 0)});
  EXPECT_EQ(ConnectorTestText(moment), "*Connector Load, real\nWire-1, 4, 3.\nWire-1, 6, 1.\n");
  // Halved; converted parts read where held.
  auto force = ConnectorTestLoad<kloC_ConnectorForce>(1, {});
  omi_complex converted(100, 100);
  converted.SetConverted(0, 4);
  force.SetComplex({omi_complex(2, 0), converted, omi_complex(0, -6)});
  EXPECT_EQ(ConnectorTestText(force, true, 0.5),
            "*Connector Load, real\nWire-1, 1, 1.\n"
            "*Connector Load, imaginary\nWire-1, 2, 2.\nWire-1, 3, -3.\n");
  // Modified without ", op=NEW": every zero is written, so that no value of
  // an earlier step remains; under ", op=NEW" they are left out.
  moment.SetStatus("Step-1", 3);
  EXPECT_EQ(ConnectorTestText(moment),
            "*Connector Load, real\nWire-1, 4, 3.\nWire-1, 5, 0.\nWire-1, 6, 1.\n"
            "*Connector Load, imaginary\nWire-1, 4, 0.\nWire-1, 5, 0.\nWire-1, 6, 0.\n");
  EXPECT_EQ(ConnectorTestText(moment, false),
            "*Connector Load, op=NEW, real\nWire-1, 4, 3.\nWire-1, 6, 1.\n");
}

}  // namespace
