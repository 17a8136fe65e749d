// The flux, flow, current and charge load keywords, one table over every
// constructor: the keyword line (inactive, op=NEW, amplitude), the set line
// (uniform and user-defined), the field lines with their centroids and face
// labels, the complex parts, the status rules of the current and charge
// form, the scale factor and the failures.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/loads/aif_Cecharge.h"
#include "aif/impl/loads/aif_Cecurrent.h"
#include "aif/impl/loads/aif_Cflux.h"
#include "aif/impl/loads/aif_Decharge.h"
#include "aif/impl/loads/aif_Decurrent.h"
#include "aif/impl/loads/aif_Dflow.h"
#include "aif/impl/loads/aif_Dflux.h"
#include "aif/impl/loads/aif_Dsecharge.h"
#include "aif/impl/loads/aif_Dsecurrent.h"
#include "aif/impl/loads/aif_Dsflow.h"
#include "aif/impl/loads/aif_Dsflux.h"
#include "aif/impl/loads/aif_FluidFlux.h"
#include "aif_DloadTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

using FluxTestMake = std::function<std::unique_ptr<akw_Keyword>(
    const kloC_Load&, const aif_ModelInfo&, bool opFlag, double scale)>;

// One constructor of the family and what it writes for a magnitude of 2 on
// the set "Set" (", op=NEW" and amplitude aside).
struct FluxTestCase {
  const char* name;
  std::function<std::unique_ptr<kloC_Load>()> load;
  FluxTestMake make;
  std::string keyword;
  std::string setLine;
  // Distribution 1 (user-defined).
  std::string userLine;
  // The field "Z" over FluxTestElements() (element kinds) or FluxTestNodes()
  // (node kinds): the whole text after the keyword line; for kinds without
  // field lines the set line.
  std::string fieldLines;
  // The current and charge form: statuses, parts and zeros.
  bool parts;
  const char* file;
};

template <class Load>
std::function<std::unique_ptr<kloC_Load>()> FluxTestLoad() {
  return [] { return std::make_unique<Load>(); };
}

template <class Keyword, class Load>
FluxTestMake FluxTestConcentrated() {
  return [](const kloC_Load& load, const aif_ModelInfo& info, bool opFlag, double scale) {
    return std::make_unique<Keyword>(static_cast<const Load&>(load), "Step-1", info, opFlag, "Set",
                                     scale);
  };
}

template <class Keyword, class Load>
FluxTestMake FluxTestOnSurface() {
  return [](const kloC_Load& load, const aif_ModelInfo&, bool opFlag, double scale) {
    return std::make_unique<Keyword>(static_cast<const Load&>(load), "Step-1", opFlag, "Set",
                                     scale);
  };
}

template <class Load>
FluxTestMake FluxTestDflux() {
  return [](const kloC_Load& load, const aif_ModelInfo& info, bool opFlag, double scale) {
    return std::make_unique<aif_Dflux>(static_cast<const Load&>(load), "Step-1", opFlag, "Set",
                                       info, scale);
  };
}

// Elements 1 to 4 of I-1 on the faces "S2", "SPOS", "SNEG" and none. The
// field "Z" (1 + 10 z) is 6 at every element centroid and 11 at face S2.
rgnC_Region FluxTestElements() {
  return aif_dload_test::Elements({0, 1, 2, 3}, {"S2", "SPOS", "SNEG", ""});
}

// Nodes 1 (z = 0) and 11 (z = 1) of I-1.
rgnC_Region FluxTestNodes() {
  rgnC_Region region("Set-1", {"I-1"});
  region.SetKernelValid(true);
  region.SetKernelInstanceIds({1});
  region.SetKernelNodeIndices(1, {0, 10});
  return region;
}

const std::string kFluxTestBodyLines =
    "I-1.1, BF, 12.\nI-1.2, BF, 12.\nI-1.3, BF, 12.\nI-1.4, BF, 12.\n";

std::vector<FluxTestCase> FluxTestCases() {
  using L = std::string;
  return {
      {"concentration Cflux", FluxTestLoad<kloC_ConcentratedConcentrationFlux>(),
       FluxTestConcentrated<aif_Cflux, kloC_ConcentratedConcentrationFlux>(), "*Cflux",
       "Set, 11, 2.", "Set, 11, 2.", L("I-1.1, 11, 2.\nI-1.11, 11, 22.\n"), false,
       "module/aif/impl/loads/aif_Cflux.cpp"},
      {"heat Cflux", FluxTestLoad<kloC_ConcentratedHeatFlux>(),
       FluxTestConcentrated<aif_Cflux, kloC_ConcentratedHeatFlux>(), "*Cflux", "Set, 11, 2.",
       "Set, 11, 2.", L("I-1.1, 11, 2.\nI-1.11, 11, 22.\n"), false,
       "module/aif/impl/loads/aif_Cflux.cpp"},
      {"Cecurrent", FluxTestLoad<kloC_ConcentratedCurrent>(),
       FluxTestConcentrated<aif_Cecurrent, kloC_ConcentratedCurrent>(), "*Cecurrent", "Set, ,2.",
       "Set, ,2.", L("I-1.1, , 2.\nI-1.11, , 22.\n"), true,
       "module/aif/impl/loads/aif_Cecurrent.cpp"},
      {"Cecharge", FluxTestLoad<kloC_ConcentratedCharge>(),
       FluxTestConcentrated<aif_Cecharge, kloC_ConcentratedCharge>(), "*Cecharge", "Set, ,2.",
       "Set, ,2.", L("I-1.1, , 2.\nI-1.11, , 22.\n"), true,
       "module/aif/impl/loads/aif_Cecharge.cpp"},
      {"Fluid Flux", FluxTestLoad<kloC_HydroFluidFlow>(),
       [](const kloC_Load& load, const aif_ModelInfo&, bool opFlag, double scale) {
         return std::make_unique<aif_FluidFlux>(static_cast<const kloC_HydroFluidFlow&>(load),
                                                "Step-1", opFlag, "Set", scale);
       },
       "*Fluid Flux", "Set, 2.", "Set, 2.", L("Set, 2.\n"), false,
       "module/aif/impl/loads/aif_FluidFlux.cpp"},
      {"body heat Dflux", FluxTestLoad<kloC_BodyHeatFlux>(), FluxTestDflux<kloC_BodyHeatFlux>(),
       "*Dflux", "Set, BF, 2.", "Set, BFNU, 2.", kFluxTestBodyLines, false,
       "module/aif/impl/loads/aif_Dflux.cpp"},
      {"body concentration Dflux", FluxTestLoad<kloC_BodyConcentrationFlux>(),
       FluxTestDflux<kloC_BodyConcentrationFlux>(), "*Dflux", "Set, BF, 2.", "Set, BFNU, 2.",
       kFluxTestBodyLines, false, "module/aif/impl/loads/aif_Dflux.cpp"},
      {"surface concentration Dflux", FluxTestLoad<kloC_SurfaceConcentrationFlux>(),
       [](const kloC_Load& load, const aif_ModelInfo& info, bool opFlag, double scale) {
         return std::make_unique<aif_Dflux>(static_cast<const kloC_SurfaceConcentrationFlux&>(load),
                                            "Step-1", opFlag, "Set", "S3", info, scale);
       },
       "*Dflux", "Set, S3, 2.", "Set, S3NU, 2.",
       // Its own face label on every line, at the face centroids.
       L("I-1.1, S3, 22.\nI-1.2, S3, 12.\nI-1.3, S3, 12.\nI-1.4, S3, 12.\n"), false,
       "module/aif/impl/loads/aif_Dflux.cpp"},
      {"surface heat Dflux", FluxTestLoad<kloC_SurfaceHeatFlux>(),
       FluxTestDflux<kloC_SurfaceHeatFlux>(), "*Dflux", "Set, S, 2.", "Set, SNU, 2.",
       L("I-1.1, S2, 22.\nI-1.2, SPOS, 12.\nI-1.3, SNEG, 12.\nI-1.4, S, 12.\n"), false,
       "module/aif/impl/loads/aif_Dflux.cpp"},
      {"heat Dsflux", FluxTestLoad<kloC_SurfaceHeatFlux>(),
       FluxTestOnSurface<aif_Dsflux, kloC_SurfaceHeatFlux>(), "*Dsflux", "Set, S, 2.",
       "Set, SNU, 2.", L("Set, S, 2.\n"), false, "module/aif/impl/loads/aif_Dsflux.cpp"},
      {"concentration Dsflux", FluxTestLoad<kloC_SurfaceConcentrationFlux>(),
       FluxTestOnSurface<aif_Dsflux, kloC_SurfaceConcentrationFlux>(), "*Dsflux", "Set, S, 2.",
       "Set, SNU, 2.", L("Set, S, 2.\n"), false, "module/aif/impl/loads/aif_Dsflux.cpp"},
      {"Dflow", FluxTestLoad<kloC_SurfacePoreFluid>(),
       [](const kloC_Load& load, const aif_ModelInfo& info, bool opFlag, double scale) {
         return std::make_unique<aif_Dflow>(static_cast<const kloC_Distributed&>(load), "Step-1",
                                            opFlag, "Set", info, scale);
       },
       "*Dflow", "Set, S, 2.", "Set, SNU, 2.",
       // The positive side of a shell negates.
       L("I-1.1, S2, 22.\nI-1.2, S, -12.\nI-1.3, S, 12.\nI-1.4, S, 12.\n"), false,
       "module/aif/impl/loads/aif_Dflow.cpp"},
      {"Dsflow", FluxTestLoad<kloC_SurfacePoreFluid>(),
       FluxTestOnSurface<aif_Dsflow, kloC_SurfacePoreFluid>(), "*Dsflow", "Set, S, 2.",
       "Set, SNU, 2.", L("Set, S, 2.\n"), false, "module/aif/impl/loads/aif_Dsflow.cpp"},
      {"surface Decurrent", FluxTestLoad<kloC_SurfaceCurrent>(),
       FluxTestConcentrated<aif_Decurrent, kloC_SurfaceCurrent>(), "*Decurrent", "Set,CS,2.",
       "Set,CS,2.",
       // Element centroids, the face digit, never negated.
       L("I-1.1,CS2, 12.\nI-1.2,CS, 12.\nI-1.3,CS, 12.\nI-1.4,CS, 12.\n"), true,
       "module/aif/impl/loads/aif_Decurrent.cpp"},
      {"body Decurrent", FluxTestLoad<kloC_BodyCurrent>(),
       FluxTestConcentrated<aif_Decurrent, kloC_BodyCurrent>(), "*Decurrent", "Set,CBF,2.",
       "Set,CBF,2.", L("I-1.1,CBF, 12.\nI-1.2,CBF, 12.\nI-1.3,CBF, 12.\nI-1.4,CBF, 12.\n"), true,
       "module/aif/impl/loads/aif_Decurrent.cpp"},
      {"Dsecurrent", FluxTestLoad<kloC_SurfaceCurrent>(),
       FluxTestOnSurface<aif_Dsecurrent, kloC_SurfaceCurrent>(), "*Dsecurrent", "Set,CS,2.",
       "Set,CS,2.", L("Set,CS,2.\n"), true, "module/aif/impl/loads/aif_Dsecurrent.cpp"},
      {"surface Decharge", FluxTestLoad<kloC_SurfaceCharge>(),
       FluxTestConcentrated<aif_Decharge, kloC_SurfaceCharge>(), "*Decharge", "Set,ES,2.",
       "Set,ES,2.", L("I-1.1,ES2, 12.\nI-1.2,ES, 12.\nI-1.3,ES, 12.\nI-1.4,ES, 12.\n"), true,
       "module/aif/impl/loads/aif_Decharge.cpp"},
      {"body Decharge", FluxTestLoad<kloC_BodyCharge>(),
       FluxTestConcentrated<aif_Decharge, kloC_BodyCharge>(), "*Decharge", "Set,EBF,2.",
       "Set,EBF,2.", L("I-1.1,EBF, 12.\nI-1.2,EBF, 12.\nI-1.3,EBF, 12.\nI-1.4,EBF, 12.\n"), true,
       "module/aif/impl/loads/aif_Decharge.cpp"},
      {"Dsecharge", FluxTestLoad<kloC_SurfaceCharge>(),
       FluxTestOnSurface<aif_Dsecharge, kloC_SurfaceCharge>(), "*Dsecharge", "Set,ES,2.",
       "Set,ES,2.", L("Set,ES,2.\n"), true, "module/aif/impl/loads/aif_Dsecharge.cpp"},
  };
}

// `lines` with the number that ends each line replaced by `change` of it
// (the stream's form: "6." for 6, "-1." for -1, "0.5").
std::string FluxTestValues(const std::string& lines, const std::function<double(double)>& change) {
  std::string out;
  std::size_t start = 0;
  while (start < lines.size()) {
    const std::size_t end = lines.find('\n', start);
    const std::string line = lines.substr(start, end - start);
    const std::size_t cut = line.find_last_of(" ,") + 1;
    const double value = change(std::stod(line.substr(cut)));
    std::string text = aif_test::WrittenText([&](utl_Stream& s) { s << value; });
    out += line.substr(0, cut) + text + "\n";
    start = end + 1;
  }
  return out;
}

bool FluxTestPerNode(const FluxTestCase& c) {
  return c.keyword == "*Cflux" || c.keyword == "*Cecurrent" || c.keyword == "*Cecharge";
}

class aif_FluxLoadFrameTest : public ::testing::Test {
 protected:
  aif_FluxLoadFrameTest() {
    kfdC_ExpressionField z;
    z.expression = "1 + 10 * Z";
    z.constant = 1.0;
    z.gradient = {0.0, 0.0, 10.0};
    model_.Builder().AddAnalyticalField("Z", z);
    kfdC_MappedField mapped;
    mapped.values.Set(0, 1.5);
    mapped.values.Set(1, 2.5);
    mapped.values.Set(5, 4.0);
    model_.Builder().AddAnalyticalField("M", mapped);
  }
  void SetUp() override { aif_dload_test::TakeMessages(); }
  void TearDown() override { aif_dload_test::TakeMessages(); }

  // A load of the case's kind in "Step-1": load status `status`, magnitude
  // `magnitude` whose attribute has `valueStatus`.
  std::unique_ptr<kloC_Load> Load(const FluxTestCase& c, int status, double magnitude,
                                  int valueStatus = 1, const char* amplitude = "") {
    std::unique_ptr<kloC_Load> load = c.load();
    load->SetName("Load-1");
    load->SetRegion(FluxTestPerNode(c) ? FluxTestNodes() : FluxTestElements());
    aif_dload_test::SetState(*load, status, {magnitude}, valueStatus, amplitude);
    return load;
  }
  std::string Text(const FluxTestCase& c, const kloC_Load& load, bool opFlag = true,
                   double scale = 1.0) {
    return aif_test::KeywordText(*c.make(load, Info(), opFlag, scale));
  }
  const aif_ModelInfo& Info() {
    if (!info_) info_ = &model_.Info();
    return *info_;
  }

  aif_dload_test::Model model_;
  const aif_ModelInfo* info_ = nullptr;
};

TEST_F(aif_FluxLoadFrameTest, DeactivatedIsOpNewAloneAndElevenIsActive) {
  for (const FluxTestCase& c : FluxTestCases()) {
    auto load = Load(c, 4, 2.0, 1, "Amp-1");
    // Whatever the op flag, no amplitude, no data.
    EXPECT_EQ(Text(c, *load, true), c.keyword + ", op=NEW\n") << c.name;
    EXPECT_EQ(Text(c, *load, false), c.keyword + ", op=NEW\n") << c.name;
    load = Load(c, 11, 2.0, 1, "Amp-1");
    EXPECT_EQ(Text(c, *load, true), c.keyword + ", amplitude=Amp-1\n" + c.setLine + "\n") << c.name;
    EXPECT_EQ(Text(c, *load, false), c.keyword + ", op=NEW, amplitude=Amp-1\n" + c.setLine + "\n")
        << c.name;
    // A name that needs quotes is quoted; the optional break before the
    // amplitude never falls on a line as short as these.
    load = Load(c, 1, 2.0, 1, "Amp 2");
    EXPECT_EQ(Text(c, *load, false),
              c.keyword + ", op=NEW, amplitude=\"Amp 2\"\n" + c.setLine + "\n")
        << c.name;
  }
}

TEST_F(aif_FluxLoadFrameTest, SetLinesUniformAndUserDefined) {
  for (const FluxTestCase& c : FluxTestCases()) {
    auto load = Load(c, 1, 2.0);
    load->SetDistribution(1);
    EXPECT_EQ(Text(c, *load), c.keyword + "\n" + c.userLine + "\n") << c.name;
  }
  // The heat flux writes the degree of freedom it carries.
  kloC_ConcentratedHeatFlux heat;
  heat.SetDof(12);
  aif_dload_test::SetState(heat, 1, {-0.25});
  EXPECT_EQ(aif_test::KeywordText(aif_Cflux(heat, "Step-1", Info(), true, "N-1", 1.0)),
            "*Cflux\nN-1, 12, -0.25\n");
}

TEST_F(aif_FluxLoadFrameTest, FluxAndFlowValuesAreWrittenWhateverTheirStatus) {
  for (const FluxTestCase& c : FluxTestCases()) {
    if (c.parts) continue;
    // Carried over, op flag set, magnitude 0: still written.
    auto load = Load(c, 2, 0.0, 2);
    std::string zero = c.setLine;
    zero.replace(zero.size() - 2, 1, "0");
    EXPECT_EQ(Text(c, *load), c.keyword + "\n" + zero + "\n") << c.name;
  }
}

TEST_F(aif_FluxLoadFrameTest, FieldLinesNameTheirMembersAndFaces) {
  for (const FluxTestCase& c : FluxTestCases()) {
    auto load = Load(c, 1, 2.0);
    load->SetFieldName("Z");
    load->SetDistribution(2);
    EXPECT_EQ(Text(c, *load), c.keyword + "\n" + c.fieldLines) << c.name;
  }
}

TEST_F(aif_FluxLoadFrameTest, ElementsWithoutFaceNamesKeepTheirLines) {
  // A body region names no faces; a short face list names none for the rest.
  const FluxTestCase dflux = FluxTestCases()[8];  // surface heat Dflux
  const FluxTestCase dflow = FluxTestCases()[11];
  const FluxTestCase decurrent = FluxTestCases()[13];
  for (const rgnC_Region& region :
       {aif_dload_test::Elements({0, 1}), aif_dload_test::Elements({0, 1}, {"S2"})}) {
    const bool first = region.KernelElementFaces().IsEmpty();
    for (const FluxTestCase* c : {&dflux, &dflow, &decurrent}) {
      auto load = Load(*c, 1, 2.0);
      load->SetFieldName("Z");
      load->SetDistribution(2);
      load->SetRegion(region);
      std::string expected;
      if (c == &dflux)
        expected = first ? "*Dflux\nI-1.1, S, 12.\nI-1.2, S, 12.\n"
                         : "*Dflux\nI-1.1, S2, 22.\nI-1.2, S, 12.\n";
      else if (c == &dflow)
        expected = first ? "*Dflow\nI-1.1, S, 12.\nI-1.2, S, 12.\n"
                         : "*Dflow\nI-1.1, S2, 22.\nI-1.2, S, 12.\n";
      else
        expected = first ? "*Decurrent\nI-1.1,CS, 12.\nI-1.2,CS, 12.\n"
                         : "*Decurrent\nI-1.1,CS2, 12.\nI-1.2,CS, 12.\n";
      EXPECT_EQ(Text(*c, *load), expected) << c->name << (first ? " no faces" : " short faces");
    }
  }
}

TEST_F(aif_FluxLoadFrameTest, ComplexPartsAreLoadCasesOrRealAndImaginary) {
  for (const FluxTestCase& c : FluxTestCases()) {
    if (!c.parts) continue;
    const bool loadCase = c.keyword.find("current") != std::string::npos;
    const std::string first = c.keyword + (loadCase ? ", load case=1\n" : ", real\n");
    const std::string second = c.keyword + (loadCase ? ", load case=2\n" : ", imaginary\n");
    // The set line with `value` in place of the magnitude.
    auto line = [&](const std::string& value) {
      return c.setLine.substr(0, c.setLine.size() - 2) + value + "\n";
    };
    // The magnitude's status is not consulted.
    auto load = Load(c, 1, 9.0, 0);
    load->SetComplex({omi_complex(3.0, 0.0)});
    // Created in the step: the zero part writes its keyword line alone.
    EXPECT_EQ(Text(c, *load), first + line("3.") + second) << c.name;
    omi_complex converted(9.0, 9.0);
    converted.SetConverted(1.0, -2.0);
    load->SetComplexValue(0, converted);
    EXPECT_EQ(Text(c, *load, true, 0.5), first + line("0.5") + second + line("-1.")) << c.name;

    // The field lines of both parts, zeros written.
    if (c.fieldLines.find("Set") == 0) continue;
    load->SetComplexValue(0, omi_complex(1.0, 0.0));
    load->SetFieldName("Z");
    load->SetDistribution(2);
    const std::string halves = FluxTestValues(c.fieldLines, [](double v) { return v / 2; });
    const std::string zeros = FluxTestValues(c.fieldLines, [](double) { return 0.0; });
    EXPECT_EQ(Text(c, *load), first + halves + second + zeros) << c.name;
  }
}

TEST_F(aif_FluxLoadFrameTest, CurrentAndChargeValuesFollowTheirStatus) {
  for (const FluxTestCase& c : FluxTestCases()) {
    if (!c.parts) continue;
    auto line = [&](const std::string& value) {
      return c.setLine.substr(0, c.setLine.size() - 2) + value + "\n";
    };
    // Carried over: written only under ", op=NEW".
    auto load = Load(c, 2, 2.0, 2);
    EXPECT_EQ(Text(c, *load, true), c.keyword + "\n") << c.name;
    EXPECT_EQ(Text(c, *load, false), c.keyword + ", op=NEW\n" + line("2.")) << c.name;
    // Not set in the step nor carried over: never.
    load = Load(c, 3, 2.0, 0);
    EXPECT_EQ(Text(c, *load, false), c.keyword + ", op=NEW\n") << c.name;
    // A zero created in the step or restated under ", op=NEW" is left out...
    load = Load(c, 1, 0.0, 1);
    EXPECT_EQ(Text(c, *load, true), c.keyword + "\n") << c.name;
    load = Load(c, 3, 0.0, 1);
    EXPECT_EQ(Text(c, *load, false), c.keyword + ", op=NEW\n") << c.name;
    // ... but a load modified to 0 without ", op=NEW" writes its 0, or the
    // solver would keep the old value.
    EXPECT_EQ(Text(c, *load, true), c.keyword + "\n" + line("0.")) << c.name;
    load->SetComplex({omi_complex(0.0, 0.0)});
    EXPECT_EQ(Text(c, *load, true),
              c.keyword +
                  (c.keyword.find("current") != std::string::npos
                       ? ", load case=1\n" + line("0.") + c.keyword + ", load case=2\n"
                       : ", real\n" + line("0.") + c.keyword + ", imaginary\n") +
                  line("0."))
        << c.name;

    // Field lines of a real load: nothing at all unless the magnitude is new.
    if (c.fieldLines.find("Set") == 0) continue;
    load = Load(c, 2, 2.0, 2);
    load->SetFieldName("Z");
    load->SetDistribution(2);
    EXPECT_EQ(Text(c, *load, true), "") << c.name;
    EXPECT_EQ(Text(c, *load, false), c.keyword + ", op=NEW\n" + c.fieldLines) << c.name;
  }
}

TEST_F(aif_FluxLoadFrameTest, ScaleFactorMultipliesSetAndFieldLines) {
  for (const FluxTestCase& c : FluxTestCases()) {
    auto load = Load(c, 1, 4.0);
    std::string line = c.setLine;
    line.replace(line.size() - 2, 2, "2.");  // 4 x 0.5
    EXPECT_EQ(Text(c, *load, true, 0.5), c.keyword + "\n" + line + "\n") << c.name;
    // Magnitude 4 at half scale: the field lines of magnitude 2.
    load->SetFieldName("Z");
    load->SetDistribution(2);
    EXPECT_EQ(Text(c, *load, true, 0.5), c.keyword + "\n" + c.fieldLines) << c.name;
  }
}

// Mapped fields are evaluated like expression fields; a field the model lacks
// or that cannot be evaluated leaves the whole keyword out and says why.
TEST_F(aif_FluxLoadFrameTest, FieldsMappedOrFailing) {
  const std::vector<FluxTestCase> cases = FluxTestCases();
  auto load = Load(cases[8], 1, 2.0);  // surface heat Dflux
  load->SetFieldName("M");
  load->SetDistribution(2);
  EXPECT_EQ(Text(cases[8], *load),
            "*Dflux\nI-1.1, S2, 3.\nI-1.2, SPOS, 5.\nI-1.3, SNEG, 0.\n"
            "I-1.4, S, 0.\n");
  auto nodes = Load(cases[0], 1, 2.0);  // concentration Cflux
  nodes->SetFieldName("M");
  EXPECT_EQ(Text(cases[0], *nodes), "*Cflux\nI-1.1, 11, 3.\nI-1.11, 11, 0.\n");
  EXPECT_EQ(aif_dload_test::TakeMessages().Length(), 0u);

  for (const FluxTestCase& c : cases) {
    if (c.fieldLines.find("Set") == 0) continue;
    auto failing = Load(c, 1, 2.0);
    failing->SetFieldName("Nowhere");
    failing->SetDistribution(2);
    if (c.parts) failing->SetComplex({omi_complex(1.0, 1.0)});
    const auto keyword = c.make(*failing, Info(), false, 1.0);
    EXPECT_EQ(aif_test::StreamText([&](utl_Stream& s) { keyword->Write(s); }), "") << c.name;
  }
  std::vector<std::string> messages;
  for (const atr_String& text : aif_dload_test::TakeMessages())
    messages.push_back(text.Str());
  const std::vector<std::string> kinds = {"concentrated concentration flux",
                                          "concentrated heat flux",
                                          "concentrated current",
                                          "concentrated charge",
                                          "body heat flux",
                                          "body concentration flux",
                                          "surface concentration flux",
                                          "surface heat flux",
                                          "surface pore fluid flow",
                                          "surface current",
                                          "body current",
                                          "surface charge",
                                          "body charge"};
  ASSERT_EQ(messages.size(), kinds.size());
  for (std::size_t i = 0; i < kinds.size(); ++i)
    EXPECT_EQ(messages[i], aif_dload_test::MissingLoadMessage(kinds[i], "Load-1", "Nowhere"));
}

TEST_F(aif_FluxLoadFrameTest, AStateThatIsNotALoadStateFailsItsTypeTest) {
  for (const FluxTestCase& c : FluxTestCases()) {
    auto load = Load(c, 1, 2.0);
    load->SetState("Step-1", 1, rgnC_Region());
    try {
      c.make(*load, Info(), true, 1.0);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const nex_TextException& e) {
      EXPECT_EQ(
          e.Text().Str(),
          nex_TypeTestText(nex_TypeName(typeid(kloC_LoadState)).c_str(), c.file, e.Line()).Str())
          << c.name;
    }
    // Deactivated, the state is not read.
    load->SetStatus("Step-1", 4);
    EXPECT_EQ(Text(c, *load), c.keyword + ", op=NEW\n") << c.name;
  }
}

TEST_F(aif_FluxLoadFrameTest, AnInstanceWithoutCentroidsIsLeftOut) {
  // Instance 5 has no mesh in the model: its element gives no point.
  rgnC_Region region = aif_dload_test::Elements({0}, {"S2"});
  region.SetKernelElementIndices(5, {0}, {"S2"});
  region.SetKernelInstanceIds({1, 5});
  const std::vector<FluxTestCase> cases = FluxTestCases();
  for (const FluxTestCase* c : {&cases[8], &cases[11], &cases[13]}) {
    auto load = Load(*c, 1, 2.0);
    load->SetFieldName("Z");
    load->SetDistribution(2);
    load->SetRegion(region);
    EXPECT_EQ(Text(*c, *load),
              c->keyword + "\n" + c->fieldLines.substr(0, c->fieldLines.find('\n') + 1))
        << c->name;
  }
  EXPECT_EQ(aif_dload_test::TakeMessages().Length(), 0u);
}

}  // namespace
