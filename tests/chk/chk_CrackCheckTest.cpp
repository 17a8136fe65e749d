// The crack check: XFEM cracks whose level sets fail with their reasons,
// contour-integral cracks without an active request, contour-integral
// cracks whose front cannot be layered, the three findings in order, and
// the models it says nothing about.
#include "chk/impl/chk_CrackCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

// A column of two bricks as instance Part-1-1 (id 1) and one step.
hst_ModelBuilder CrackCheckModel() {
  hst_ModelBuilder b("Crack-Model");
  b.AddPart("Part-1", hst_GridMesh(1, 1, 2));
  b.AddInstance("Part-1-1", "Part-1");
  b.AddStep("Step-1", kprC_StaticStep());
  return b;
}

// The set `name` of Part-1-1 over the elements `elements` (7 is no element
// of the mesh).
rgnC_Region CrackCheckRegion(const char* name, std::initializer_list<int> elements) {
  rgnC_Region region(name, {"Assembly", "Part-1-1"});
  region.SetKernelInstanceIds({1});
  region.SetKernelElementIndices(1, elements);
  return region;
}

// An XFEM crack with its initial crack given, whose level sets fail with
// `errorType`: before they are computed when `early`, else in the
// computation. A negative `errorType` makes them succeed.
kefC_XFEMCrack CrackCheckXfem(int errorType, bool early = true) {
  rgnC_Region domain = CrackCheckRegion("Dom", {0, 1});
  if (errorType >= 0) {
    domain.SetKernelLevelSetErrorType(errorType);
    if (early)
      domain.SetKernelValid(false);
    else
      domain.SetKernelLevelSets("Part-1-1", {}, false);
  }
  kefC_XFEMCrack crack;
  crack.SetRegions(domain, CrackCheckRegion("Loc", {0}));
  crack.SetCrackSpecified(true);
  return crack;
}

kefC_ContourIntegral CrackCheckContour(std::initializer_list<int> front, bool suppressed = false) {
  kefC_ContourIntegral crack;
  crack.SetRegions(CrackCheckRegion("Front", front), CrackCheckRegion("Tip", {0}));
  crack.SetSuppressed(suppressed);
  return crack;
}

korC_HistoryOutput CrackCheckRequest(const char* crack, bool suppressed = false) {
  korC_HistoryOutput request;
  request.SetCrackName(crack);
  request.SetSuppressed(suppressed);
  request.SetState("Step-1", korC_HistoryOutputState(), 1);
  return request;
}

std::vector<std::string> CrackCheckWarnings(const hst_ModelBuilder& b) {
  chk_CrackCheck check(b.Model(), "Crack-Model");
  check.Run();
  EXPECT_TRUE(check.Errors().IsEmpty());
  std::vector<std::string> texts = chk_test::Texts(check.Warnings());
  bas_Basis::Instance().Fetch().RemoveModel("Crack-Model");
  return texts;
}

const char kCrackCheckFailingHeader[] =
    "The following XFEM cracks are failing to\ncorrectly generate.  The error conditions are\n"
    "listed with the crack names:\n";
const char kCrackCheckUnrequestedHeader[] =
    "The following contour integral crack objects are not\nassociated with any active history "
    "output requests:\n";
const char kCrackCheckUnrequestedAdvice[] =
    "\nHistory output requests can be created in the step module.";
const char kCrackCheckUnmappableHeader[] =
    "The following contour integral objects contains\nregions that cannot be mapped into "
    "layers of node sets.\nReview the relevant regions or the underlying mesh.";
const char kCrackCheckUnmappableAdvice[] =
    "\nThese objects will not be generated in the analysis model.";

}  // namespace

// Failing XFEM cracks in name order, each with the reason of its error
// type: types 18 and above, 0 and below say the computation failed; a
// failure in the computation itself is reported like one before it. Cracks
// whose level sets succeed, with node entries given, suppressed or without
// an initial crack are not examined.
TEST(chk_CrackCheckTest, FailingXfemCracksWithTheirReasons) {
  hst_ModelBuilder b = CrackCheckModel();
  b.AddCrack("A", CrackCheckXfem(7));
  b.AddCrack("B", CrackCheckXfem(25, false));
  b.AddCrack("C", CrackCheckXfem(0));
  b.AddCrack("D", CrackCheckXfem(17));
  b.AddCrack("E", CrackCheckXfem(14, false));
  b.AddCrack("F", CrackCheckXfem(1));
  b.AddCrack("G", CrackCheckXfem(18));
  b.AddCrack("Good", CrackCheckXfem(-1));
  kefC_XFEMCrack labelled = CrackCheckXfem(7);
  labelled.AddNodeEntry(1, 1, 0.5, 0, 0.0);
  b.AddCrack("Labelled", labelled);
  kefC_XFEMCrack suppressed = CrackCheckXfem(7);
  suppressed.SetSuppressed(true);
  b.AddCrack("Suppressed", suppressed);
  kefC_XFEMCrack unspecified = CrackCheckXfem(7);
  unspecified.SetCrackSpecified(false);
  b.AddCrack("Unspecified", unspecified);
  // The initial crack failing fails the crack as well.
  kefC_XFEMCrack location = CrackCheckXfem(-1);
  rgnC_Region badLocation = CrackCheckRegion("Loc", {0});
  badLocation.SetKernelValid(false);
  rgnC_Region domain = location.CrackDomain();
  domain.SetKernelLevelSetErrorType(10);
  location.SetRegions(domain, badLocation);
  b.AddCrack("Location", location);
  EXPECT_EQ(CrackCheckWarnings(b),
            (std::vector<std::string>{
                std::string(kCrackCheckFailingHeader) +
                "   A - Unmeshed crack domain\n"
                "   B - Failed to calculate initial crack location\n"
                "   C - Failed to calculate initial crack location\n"
                "   D - All nodes of an element face are on a tip.\nTry to user a finer mesh\n"
                "   E - No intersection between crack and an element edge\nwas detected. Try to "
                "use a finer mesh near the crack.\n"
                "   F - Invalid crack domain\n"
                "   G - Failed to calculate initial crack location\n"
                "   Location - Invalid crack location\n"}));
}

// Contour-integral cracks no active request names, the first name after
// the header's last line and a blank: one named only by a suppressed
// request, one named by none. A named crack, a suppressed crack and an
// XFEM crack without a request are not listed.
TEST(chk_CrackCheckTest, ContourCracksWithoutActiveRequest) {
  hst_ModelBuilder b = CrackCheckModel();
  b.AddCrack("Crack-1", CrackCheckContour({0}));
  b.AddCrack("Crack-2", CrackCheckContour({0}));
  b.AddCrack("Crack-3", CrackCheckContour({1}));
  b.AddCrack("Crack-4", CrackCheckContour({1}, true));
  b.AddCrack("Xfem", CrackCheckXfem(-1));
  b.AddHistoryOutput("H-1", CrackCheckRequest("Crack-1"));
  b.AddHistoryOutput("H-2", CrackCheckRequest("Crack-2", true));
  b.AddHistoryOutput("H-3", CrackCheckRequest(""));
  EXPECT_EQ(CrackCheckWarnings(b),
            (std::vector<std::string>{std::string(kCrackCheckUnrequestedHeader) +
                                      " Crack-2\n Crack-3\n" + kCrackCheckUnrequestedAdvice}));
}

// Contour-integral cracks whose layers cannot be built, the first name on
// the header's last line: a front without hits, and a suppressed crack
// whose front is no element of the mesh. A front that layers is not listed.
TEST(chk_CrackCheckTest, UnmappableContourCracks) {
  hst_ModelBuilder b = CrackCheckModel();
  b.AddCrack("Crack-A", CrackCheckContour({}));
  b.AddCrack("Crack-B", CrackCheckContour({7}, true));
  b.AddCrack("Crack-C", CrackCheckContour({0, 1}));
  for (const char* crack : {"Crack-A", "Crack-B", "Crack-C"})
    b.AddHistoryOutput(cow_String("H-") + crack, CrackCheckRequest(crack));
  EXPECT_EQ(CrackCheckWarnings(b),
            (std::vector<std::string>{std::string(kCrackCheckUnmappableHeader) +
                                      " Crack-A\n Crack-B\n" + kCrackCheckUnmappableAdvice}));
}

// All three findings, in their order, from one model; a clone carries what
// its source found.
TEST(chk_CrackCheckTest, ThreeFindingsInOrder) {
  hst_ModelBuilder b = CrackCheckModel();
  b.AddCrack("Crack-1", CrackCheckContour({}));
  b.AddCrack("Xfem-1", CrackCheckXfem(2));
  chk_CrackCheck check(b.Model(), "Crack-Model");
  check.Run();
  const std::unique_ptr<chk_CrackCheck> clone(check.Clone());
  bas_Basis::Instance().Fetch().RemoveModel("Crack-Model");
  const std::vector<std::string> expected{
      std::string(kCrackCheckFailingHeader) + "   Xfem-1 - Crack domain is empty or out-of-date\n",
      std::string(kCrackCheckUnrequestedHeader) + " Crack-1\n" + kCrackCheckUnrequestedAdvice,
      std::string(kCrackCheckUnmappableHeader) + " Crack-1\n" + kCrackCheckUnmappableAdvice};
  for (const chk_CrackCheck* c : {&check, clone.get()}) {
    std::vector<std::string> texts;
    for (const atr_String& text : c->Warnings())
      texts.push_back(text.Str());
    EXPECT_EQ(texts, expected);
    EXPECT_TRUE(c->Errors().IsEmpty());
  }
}

// No "Assembly", an assembly whose features may not be read, or no cracks:
// nothing, whatever the requests name.
TEST(chk_CrackCheckTest, NothingWithoutAssemblyFeaturesOrCracks) {
  auto failing = [] {
    hst_ModelBuilder b = CrackCheckModel();
    b.AddCrack("Xfem-1", CrackCheckXfem(7));
    b.AddCrack("Crack-1", CrackCheckContour({}));
    return b;
  };
  hst_ModelBuilder without = failing();
  without.WithoutAssembly();
  EXPECT_TRUE(CrackCheckWarnings(without).empty());

  hst_ModelBuilder closed = failing();
  closed.Assembly().SetEngineeringFeaturesReady(false);
  EXPECT_TRUE(CrackCheckWarnings(closed).empty());

  hst_ModelBuilder none = CrackCheckModel();
  none.AddHistoryOutput("H-1", CrackCheckRequest("Crack-1"));
  EXPECT_TRUE(CrackCheckWarnings(none).empty());

  // An object of another kind in the crack repository is passed over.
  hst_ModelBuilder other = CrackCheckModel();
  other.AddCrack("Spring", kefC_Spring());
  EXPECT_TRUE(CrackCheckWarnings(other).empty());
}

// Engineering features or a history output repository of another class
// fail their type test: the framework's error naming the check's source.
TEST(chk_CrackCheckTest, RepositoriesOfAnotherKindFailTheTypeTest) {
  auto typeTestText = [](const hst_ModelBuilder& b) {
    chk_CrackCheck check(b.Model(), "Crack-Model");
    std::string text;
    try {
      check.Run();
    } catch (const nex_TextException& e) {
      text = e.Text().Str();
    }
    bas_Basis::Instance().Fetch().RemoveModel("Crack-Model");
    return text;
  };
  hst_ModelBuilder features = CrackCheckModel();
  features.Assembly().SetEngineeringFeatures(kefC_Spring());
  const std::string featuresText = typeTestText(features);
  EXPECT_NE(featuresText.find("kefC_EngineeringFeatures"), std::string::npos) << featuresText;
  EXPECT_NE(featuresText.find("module/chk/impl/chk_CrackCheck.cpp"), std::string::npos)
      << featuresText;

  hst_ModelBuilder requests = CrackCheckModel();
  requests.AddCrack("Crack-1", CrackCheckContour({0}));
  requests.MutableModel().SetExtension(bas_NewModel::historyOutputRequestCmd,
                                       std::make_shared<mdl_Repository>());
  const std::string requestsText = typeTestText(requests);
  EXPECT_NE(requestsText.find("korC_HistoryOutput"), std::string::npos) << requestsText;
  EXPECT_NE(requestsText.find("module/chk/impl/chk_CrackCheck.cpp"), std::string::npos)
      << requestsText;
}
