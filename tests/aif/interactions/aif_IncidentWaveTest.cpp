// "*Incident Wave Interaction" by definition and step procedure, and the
// property keywords made from one incident wave property: "*Incident Wave
// Interaction Property", "*CONWEP Charge Property" and "*UNDEX Charge
// Property".
#include "aif/impl/interactions/aif_IncidentWave.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_IncidentWaveProperty.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/interactions/aif_CONWEPChargeProperty.h"
#include "aif/impl/interactions/aif_IncidentWaveProperty.h"
#include "aif/impl/interactions/aif_UNDEXChargeProperty.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;

// A wave of `definition` created in "Step-1" (a step of `procedure`) and
// carried over into "Step-2".
kinC_IncidentWave MakeIncidentWave(int definition, unsigned procedure = 0) {
  kinC_IncidentWave wave;
  wave.SetDefinition(definition);
  wave.SetPropertyName("Wave prop");
  wave.SetMagnitude(2.5);
  wave.SetRealAmplitude("Amp-1");
  wave.SetConwepFirstValue(0.001);
  wave.SetConwepSecondValue(1.0);
  wave.SetStatus("Step-1", 1);
  wave.SetStatus("Step-2", 2);
  wave.SetProcedureType("Step-1", procedure);
  wave.SetProcedureType("Step-2", procedure);
  return wave;
}

// What the wave writes in `step`; its regions are named after their places.
std::string IncidentWaveText(const kinC_IncidentWave& wave, const char* step = "Step-1") {
  return KeywordText(aif_IncidentWave(wave, step, "I.Surf", "I.Source", "I.Standoff"));
}

cow_COW<kinC_InteractionProperty> WavePropertyHandle(const kinC_IncidentWaveProperty& property) {
  return cow_COW<kinC_InteractionProperty>(property);
}

// A property whose values tell their places: value k of the kernel's order
// holds k (the flag is set, the integers are 18, 22 and 26 unless changed).
kinC_IncidentWaveProperty NumberedWaveProperty(int type, int source) {
  kinC_IncidentWaveProperty p;
  p.SetFluidDensity(1);
  p.SetWaveType(type);
  p.SetChargeDensity(3);
  p.SetSoundSpeed(4);
  p.SetBubbleGasConstant(5);
  p.SetBubbleGasRatio(6);
  p.SetBubbleDrag(true);
  p.SetBubbleDragFactor(8);
  p.SetBubbleDragExponent(9);
  p.SetBubbleFirstValue(10);
  p.SetBubbleSecondValue(11);
  p.SetChargeK(12);
  p.SetChargeA(13);
  p.SetChargeKappa(14);
  p.SetChargeB(15);
  p.SetChargeC(16);
  p.SetIntegrationDuration(17);
  p.SetIntegrationSteps(18);
  p.SetIntegrationTolerance(19);
  p.SetIntegrationFirstFactor(20);
  p.SetIntegrationSecondFactor(21);
  p.SetSourceDefinition(source);
  p.SetSourceFirstValue(23);
  p.SetSourceSecondValue(24);
  p.SetSourceThirdValue(25);
  p.SetDiffuseSeeds(26);
  p.SetBlastEquivalentMass(27);
  p.SetBlastMassFactor(28);
  p.SetBlastLengthFactor(29);
  p.SetBlastTimeFactor(30);
  p.SetBlastPressureFactor(0.5);
  return p;
}

// The three property keywords in the order the property pass files them.
std::string WavePropertyKeywordsText(const kinC_IncidentWaveProperty& property) {
  const cow_COW<kinC_InteractionProperty> handle = WavePropertyHandle(property);
  aif_UNDEXChargeProperty undex(handle);
  undex.SetWaveData(-40.0, gsl_ModelSegment({1, 1, 1}, {1, 1, 3}));
  return KeywordText(aif_IncidentWaveProperty("IWP-1", handle)) +
         KeywordText(aif_CONWEPChargeProperty(handle)) + KeywordText(undex);
}

const char kNumberedUndexLines[] =
    "*UNDEX Charge Property\n"
    "12., 13., 14., 15., 16., 3.\n"
    "10., 11., 5., 6., 1.0, 8., 9.\n"
    "17., 18, 19., 20., 21.\n"
    "-40., 0., 0., 2.\n";

TEST(aif_IncidentWaveTest, WritesOnlyInItsCreatingStep) {
  const kinC_IncidentWave wave = MakeIncidentWave(kinC_IncidentWave::kPressureAmplitude);
  EXPECT_EQ(IncidentWaveText(wave),
            "*Incident Wave Interaction, pressure amplitude=Amp-1, property=\"Wave prop\"\n"
            "I.Standoff, I.Surf, I.Source, 2.5\n");
  // Carried over or deactivated: nothing.
  EXPECT_EQ(IncidentWaveText(wave, "Step-2"), "");
  kinC_IncidentWave deactivated = wave;
  deactivated.SetStatus("Step-2", 4);
  EXPECT_EQ(IncidentWaveText(deactivated, "Step-2"), "");
}

// Three region names too long for one data line are refused before
// anything is written; names that fit are written as they are.
TEST(aif_IncidentWaveTest, RegionNamesTooLongForTheLine) {
  kinC_IncidentWave wave = MakeIncidentWave(kinC_IncidentWave::kPressureAmplitude);
  wave.SetName("Blast 1");
  const std::string long80(80, 'a');
  EXPECT_EQ(
      ThrownText(aif_IncidentWave(wave, "Step-1", long80.c_str(), long80.c_str(), long80.c_str())),
      "The region names of the incident wave interaction Blast 1 are too long: its data "
      "line would run past 256 characters.");
  const std::string long75(75, 'b');
  EXPECT_EQ(
      KeywordText(aif_IncidentWave(wave, "Step-1", long75.c_str(), long75.c_str(), long75.c_str())),
      "*Incident Wave Interaction, pressure amplitude=Amp-1, property=\"Wave prop\"\n" + long75 +
          ", " + long75 + ", " + long75 + ", 2.5\n");
}

TEST(aif_IncidentWaveTest, DefinitionsOutsideSteadyState) {
  kinC_IncidentWave wave = MakeIncidentWave(kinC_IncidentWave::kAccelerationAmplitude);
  wave.SetRealAmplitude("Pulse 1");
  // An imaginary amplitude counts only in steady-state dynamics.
  wave.SetImaginaryAmplitude("Imag");
  EXPECT_EQ(IncidentWaveText(wave),
            "*Incident Wave Interaction, acceleration amplitude=\"Pulse 1\", "
            "property=\"Wave prop\"\n"
            "I.Standoff, I.Surf, I.Source, 2.5\n");

  wave.SetDefinition(kinC_IncidentWave::kUndex);
  EXPECT_EQ(IncidentWaveText(wave),
            "*Incident Wave Interaction, UNDEX, property=\"Wave prop\"\n"
            "I.Standoff, I.Surf, I.Source, 2.5\n");

  // The air blast leaves the second region's field blank and writes its two
  // values in place of the magnitude.
  wave.SetDefinition(kinC_IncidentWave::kConwep);
  wave.SetPropertyName("Blast");
  EXPECT_EQ(IncidentWaveText(wave),
            "*Incident Wave Interaction, CONWEP, property=Blast\n"
            "I.Standoff, I.Surf,   , 0.001, 1.\n");

  // A modal steady-state step is none of the two that split the amplitudes.
  wave.SetDefinition(kinC_IncidentWave::kPressureAmplitude);
  wave.SetProcedureType("Step-1", kprC_SteadyStateModalStep::TypeId());
  EXPECT_EQ(IncidentWaveText(wave),
            "*Incident Wave Interaction, pressure amplitude=\"Pulse 1\", property=Blast\n"
            "I.Standoff, I.Surf, I.Source, 2.5\n");
}

TEST(aif_IncidentWaveTest, SteadyStateRealAndImaginaryAmplitudes) {
  // Both amplitudes: the real one first, then a second keyword with load
  // case 2 and the imaginary one.
  kinC_IncidentWave wave =
      MakeIncidentWave(kinC_IncidentWave::kPressureAmplitude, kprC_SteadyStateDirectStep::TypeId());
  wave.SetImaginaryAmplitude("Amp-2");
  EXPECT_EQ(IncidentWaveText(wave),
            "*Incident Wave Interaction, real, pressure amplitude=Amp-1, property=\"Wave prop\"\n"
            "I.Standoff, I.Surf, I.Source, 2.5\n"
            "*Incident Wave Interaction, load case=2, pressure amplitude=Amp-2, "
            "property=\"Wave prop\"\n"
            "I.Standoff, I.Surf, I.Source, 2.5\n");

  wave.SetDefinition(kinC_IncidentWave::kAccelerationAmplitude);
  wave.SetProcedureType("Step-1", kprC_SteadyStateSubspaceStep::TypeId());
  EXPECT_EQ(
      IncidentWaveText(wave),
      "*Incident Wave Interaction, real, acceleration amplitude=Amp-1, property=\"Wave prop\"\n"
      "I.Standoff, I.Surf, I.Source, 2.5\n"
      "*Incident Wave Interaction, load case=2, acceleration amplitude=Amp-2, "
      "property=\"Wave prop\"\n"
      "I.Standoff, I.Surf, I.Source, 2.5\n");

  // An UNDEX source names no amplitude in the second keyword.
  wave.SetDefinition(kinC_IncidentWave::kUndex);
  EXPECT_EQ(IncidentWaveText(wave),
            "*Incident Wave Interaction, real, UNDEX, property=\"Wave prop\"\n"
            "I.Standoff, I.Surf, I.Source, 2.5\n"
            "*Incident Wave Interaction, load case=2, property=\"Wave prop\"\n"
            "I.Standoff, I.Surf, I.Source, 2.5\n");

  // Only the imaginary amplitude: one keyword.
  wave.SetDefinition(kinC_IncidentWave::kPressureAmplitude);
  wave.SetRealAmplitude("");
  EXPECT_EQ(
      IncidentWaveText(wave),
      "*Incident Wave Interaction, imaginary, pressure amplitude=Amp-2, property=\"Wave prop\"\n"
      "I.Standoff, I.Surf, I.Source, 2.5\n");

  // Only the real amplitude: one keyword.
  wave.SetRealAmplitude("Amp-1");
  wave.SetImaginaryAmplitude("");
  EXPECT_EQ(IncidentWaveText(wave),
            "*Incident Wave Interaction, real, pressure amplitude=Amp-1, property=\"Wave prop\"\n"
            "I.Standoff, I.Surf, I.Source, 2.5\n");
}

TEST(aif_IncidentWaveTest, PropertyKeywordsByWaveType) {
  const std::string sphereLine = "*Incident Wave Interaction Property, name=IWP-1, type=SPHERE\n";
  // A sphere with an UNDEX charge: two values, then the charge; no CONWEP.
  EXPECT_EQ(WavePropertyKeywordsText(NumberedWaveProperty(kinC_IncidentWaveProperty::kSphere,
                                                          kinC_IncidentWaveProperty::kUndexCharge)),
            sphereLine + "1., 4.\n" + kNumberedUndexLines);

  // A source given by values: those three values, no charge.
  EXPECT_EQ(WavePropertyKeywordsText(NumberedWaveProperty(
                kinC_IncidentWaveProperty::kSphere, kinC_IncidentWaveProperty::kSourceValues)),
            sphereLine + "1., 4., 23., 24., 25.\n");

  // A diffuse wave writes its count whatever the source; the charge follows
  // for an UNDEX source.
  EXPECT_EQ(WavePropertyKeywordsText(NumberedWaveProperty(
                kinC_IncidentWaveProperty::kDiffuse, kinC_IncidentWaveProperty::kSourceValues)),
            "*Incident Wave Interaction Property, name=IWP-1, type=DIFFUSE\n1., 4., 26\n");
  EXPECT_EQ(WavePropertyKeywordsText(NumberedWaveProperty(kinC_IncidentWaveProperty::kDiffuse,
                                                          kinC_IncidentWaveProperty::kUndexCharge)),
            std::string("*Incident Wave Interaction Property, name=IWP-1, type=DIFFUSE\n"
                        "1., 4., 26\n") +
                kNumberedUndexLines);

  // Blasts: the keyword line alone, then the CONWEP charge; no UNDEX charge
  // even with an UNDEX source.
  const std::string conwepLines = "*CONWEP Charge Property\n27., 28.\n29., 30., 0.5\n";
  EXPECT_EQ(WavePropertyKeywordsText(NumberedWaveProperty(kinC_IncidentWaveProperty::kAirBlast,
                                                          kinC_IncidentWaveProperty::kUndexCharge)),
            "*Incident Wave Interaction Property, name=IWP-1, type=AIR BLAST\n" + conwepLines);
  EXPECT_EQ(
      WavePropertyKeywordsText(NumberedWaveProperty(kinC_IncidentWaveProperty::kSurfaceBlast,
                                                    kinC_IncidentWaveProperty::kSourceValues)),
      "*Incident Wave Interaction Property, name=IWP-1, type=SURFACE BLAST\n" + conwepLines);

  // An unknown type code names no type and writes the data line.
  EXPECT_EQ(WavePropertyKeywordsText(NumberedWaveProperty(0, 3)),
            "*Incident Wave Interaction Property, name=IWP-1\n1., 4.\n");

  // A quoted name.
  EXPECT_EQ(KeywordText(aif_IncidentWaveProperty(
                "Wave prop",
                WavePropertyHandle(NumberedWaveProperty(kinC_IncidentWaveProperty::kAirBlast, 1)))),
            "*Incident Wave Interaction Property, name=\"Wave prop\", type=AIR BLAST\n");
}

TEST(aif_IncidentWaveTest, UndexChargeWaveData) {
  kinC_IncidentWaveProperty property = NumberedWaveProperty(
      kinC_IncidentWaveProperty::kSphere, kinC_IncidentWaveProperty::kUndexCharge);
  property.SetBubbleDrag(false);
  aif_UNDEXChargeProperty undex(WavePropertyHandle(property));
  const std::string firstLines =
      "*UNDEX Charge Property\n"
      "12., 13., 14., 15., 16., 3.\n"
      "10., 11., 5., 6., 0.0, 8., 9.\n"
      "17., 18, 19., 20., 21.\n";
  // Before SetWaveData: the value 0 and a segment of no length.
  EXPECT_EQ(KeywordText(undex), firstLines + "0., 0., 0., 0.\n");

  // The direction runs from the segment's start to its end; a clone keeps
  // the wave's data.
  undex.SetWaveData(12.5, gsl_ModelSegment({1, 2, 3}, {0.5, 2, 4}));
  const std::string withWave = firstLines + "12.5, -0.5, 0., 1.\n";
  EXPECT_EQ(KeywordText(undex), withWave);
  const std::unique_ptr<akw_Keyword> clone(undex.Clone());
  EXPECT_EQ(KeywordText(*clone), withWave);
}

TEST(aif_IncidentWaveTest, PropertyKeywordsTypeTestTheProperty) {
  const cow_COW<kinC_InteractionProperty> contact{kinC_ContactProperty()};
  for (const std::string& error : {ThrownText(aif_IncidentWaveProperty("P", contact)),
                                   ThrownText(aif_CONWEPChargeProperty(contact)),
                                   ThrownText(aif_UNDEXChargeProperty(contact))})
    EXPECT_NE(error.find("kinC_IncidentWaveProperty"), std::string::npos) << error;
}

}  // namespace
