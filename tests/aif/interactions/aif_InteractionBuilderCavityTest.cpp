// The interaction builder's cavity radiation, cyclic symmetry and elastic
// foundation routines: which steps (and the assembly) receive their
// keywords, and the errors that stop the write through the driver.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "aif_PartSurface.h"
#include "support/aif_BuilderRun.h"
#include "support/aif_DeckChecker.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

using CvRun = aif_test::BuilderRun<aif_InteractionBuilder>;

constexpr char kCvBanner[] = "** \n** INTERACTIONS\n** \n";

// A block placed once; the initial step and the steps given, each of kind
// `Step`.
template <class Step>
hst_ModelBuilder CvModel(std::initializer_list<const char*> steps) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  for (const char* step : steps)
    b.AddStep(step, Step());
  return b;
}

rgnC_Region CvRegion(const char* name) {
  return rgnC_Region(name, {"Assembly", "Block-1"});
}

std::string CvAssembly(const CvRun& run) {
  return CvRun::Text(run.builder.AssemblyDefinition());
}

}  // namespace

// The definition once, in the initial step; a viewfactor in each later
// step by the cavity's status there: created or modified written, carried
// over written only in the first analysis step, deactivated or absent
// switched off. A suppressed step is walked like any other. A suppressed
// cavity writes nothing.
TEST(aif_InteractionBuilderCavity, DefinitionOnceViewfactorsByStatus) {
  hst_ModelBuilder b =
      CvModel<kprC_HeatTransferStep>({"Step-1", "Step-2", "Step-3", "Step-4", "Step-5"});
  kprC_HeatTransferStep hidden;
  hidden.SetSuppressed(true);
  b.AddStep("Step-4", hidden);
  kinC_CavityRadiation cavity;
  cavity.SetSurfaces({CvRegion("Top")});
  cavity.SetSurfacePropertyNames({"Emis"});
  kinC_CavityRadiationState state;
  cavity.SetState("Initial", 1, state);
  cavity.SetState("Step-1", 2, state);
  cavity.SetState("Step-2", 2, state);
  state.SetRange({5.0, 1});
  cavity.SetState("Step-3", 3, state);
  cavity.SetState("Step-4", 4, state);
  b.AddInteraction("Cav", cavity);
  kinC_CavityRadiation off = cavity;
  off.SetSuppressed(true);
  b.AddInteraction("Cav-Off", off);

  const CvRun run(b);
  const std::string comment = "** Interaction: Cav\n";
  EXPECT_EQ(std::string(kCvBanner) + comment +
                "*Cavity Definition, name=Cav, Set property\nBlock-1.Top, Emis\n",
            run.Step("Initial"));
  EXPECT_EQ(std::string(kCvBanner) + comment + "*Radiation Viewfactor, cavity=Cav\n",
            run.Step("Step-1"));
  EXPECT_EQ("", run.Step("Step-2"));
  EXPECT_EQ(std::string(kCvBanner) + comment + "*Radiation Viewfactor, cavity=Cav, range=5.\n",
            run.Step("Step-3"));
  EXPECT_EQ(std::string(kCvBanner) + comment + "*Radiation Viewfactor, cavity=Cav, off\n",
            run.Step("Step-4"));
  EXPECT_EQ(std::string(kCvBanner) + comment + "*Radiation Viewfactor, cavity=Cav, off\n",
            run.Step("Step-5"));
  EXPECT_EQ("", run.Definition());
}

// A status outside those handled, and a symmetry whose geometry is missing
// (found when the viewfactor writes itself), stop the write: no file.
TEST(aif_InteractionBuilderCavity, StatusAndGeometryErrorsLeaveNoFile) {
  hst_ModelBuilder b = CvModel<kprC_HeatTransferStep>({"Step-1"});
  kinC_CavityRadiation cavity;
  cavity.SetSurfaces({CvRegion("Top")});
  cavity.SetState("Initial", 1, kinC_CavityRadiationState());
  cavity.SetState("Step-1", 8, kinC_CavityRadiationState());
  hst_ModelBuilder badStatus = b;
  badStatus.AddInteraction("Cav", cavity);
  aif_test::ExpectDriverRefuses(badStatus, "Error in cavity radiation history status.", "CvDriver");

  cavity.SetState("Step-1", 1, kinC_CavityRadiationState());
  cavity.SetCyclicSymmetry(true);
  cavity.SetSymmetryPoint(cow_COW<gsl_Dot>(gsl_Dot({1, 0, 0})));
  hst_ModelBuilder missing = b;
  missing.AddInteraction("Cav", cavity);
  aif_test::ExpectDriverRefuses(
      missing, "Interaction Cav is missing the required cyclic rotation point.", "CvDriver");
}

// The model keyword in the initial step and the tie in the assembly, with
// no banner or comment (the tie's data line names the second surface
// first); the tie takes the tolerance only for kind 1. Mode
// selections in the frequency steps that carry the symmetry over or modify
// it: not where it is created (status 1), not in a static or suppressed
// step.
TEST(aif_InteractionBuilderCavity, CyclicSymmetryTieAndModeSelections) {
  hst_ModelBuilder b = CvModel<kprC_FrequencyStep>({"Step-1", "Step-2", "Step-3"});
  b.AddStep("Static", kprC_StaticStep());
  kprC_FrequencyStep hidden;
  hidden.SetSuppressed(true);
  b.AddStep("Hidden", hidden);
  kinC_CyclicSymmetry cyclic;
  cyclic.SetRepetitiveSectors(12);
  cyclic.SetSurfaces(CvRegion("Master"), CvRegion("Slave"));
  cyclic.SetPositionTolerance(0, 0.25);
  cyclic.SetAdjust(false);
  cyclic.SetStepNodalDiameters("Step-1", 1, kinC_ALL_NODAL_DIAMETERS, 0, 0);
  cyclic.SetStepNodalDiameters("Step-2", 2, kinC_ALL_NODAL_DIAMETERS, 0, 0);
  cyclic.SetStepNodalDiameters("Step-3", 3, kinC_SPECIFIED_NODAL_DIAMETERS, 1, 3);
  cyclic.SetStepNodalDiameters("Static", 2, kinC_ALL_NODAL_DIAMETERS, 0, 0);
  cyclic.SetStepNodalDiameters("Hidden", 2, kinC_ALL_NODAL_DIAMETERS, 0, 0);
  b.AddInteraction("Cyc", cyclic);

  const CvRun run(b);
  EXPECT_EQ("*Cyclic Symmetry Model, n=12\n", run.Step("Initial"));
  EXPECT_EQ("*Tie, name=Cyc, cyclic symmetry, adjust=no\nBlock-1.Slave, Block-1.Master\n",
            CvAssembly(run));
  EXPECT_EQ("", run.Step("Step-1"));
  EXPECT_EQ("*Select Cyclic Symmetry Modes\n", run.Step("Step-2"));
  EXPECT_EQ("*Select Cyclic Symmetry Modes, nmin=1, nmax=3\n", run.Step("Step-3"));
  EXPECT_EQ("", run.Step("Static"));
  EXPECT_EQ("", run.Step("Hidden"));

  cyclic.SetPositionTolerance(1, 0.25);
  cyclic.SetAdjust(true);
  hst_ModelBuilder given = CvModel<kprC_FrequencyStep>({"Step-1"});
  given.AddInteraction("Cyc", cyclic);
  EXPECT_EQ(
      "*Tie, name=Cyc, cyclic symmetry, position tolerance=0.25, adjust=yes\n"
      "Block-1.Slave, Block-1.Master\n",
      CvAssembly(CvRun(given)));

  cyclic.SetStepNodalDiameters("Step-1", 9, kinC_ALL_NODAL_DIAMETERS, 0, 0);
  hst_ModelBuilder wrong = CvModel<kprC_FrequencyStep>({"Step-1"});
  wrong.AddInteraction("Cyc", cyclic);
  aif_test::ExpectDriverRefuses(wrong, "Error in cyclic symmetry status.", "CvDriver");
}

// A foundation on a valid surface stands in the initial step behind the
// banner and its comment; on a surface of an instance in a part-based file
// it names element sets of its own, defined in the assembly, one per face;
// deactivated there, the keyword line alone and no sets; a surface the
// assembly no longer has leaves the foundation out.
TEST(aif_InteractionBuilderCavity, FoundationOnValidSurfacesOnly) {
  aif_SetNameRegistry::Instance().Clear();
  hst_ModelBuilder b = CvModel<kprC_StaticStep>({"Step-1"});
  rgnC_Region surface = CvRegion("Base");
  surface.SetKernelElementIndices(1, {0, 0}, {cow_String("S1"), cow_String("S3")});
  surface.SetKernelInstanceIds({1});
  kinC_ElasticFoundation foundation;
  foundation.SetRegion(surface);
  foundation.SetStepStiffness("Initial", 1, 250.0);
  b.AddInteraction("Found", foundation);
  kinC_ElasticFoundation gone = foundation;
  rgnC_Region invalid = surface;
  invalid.SetKernelValid(false);
  gone.SetRegion(invalid);
  b.AddInteraction("Gone", gone);
  kinC_ElasticFoundation off = foundation;
  off.SetStepStiffness("Initial", 4, 250.0);
  b.AddInteraction("Off", off);

  const CvRun run(b);
  // Written once: the set names are registered as they are written.
  aif_SetNameRegistry::Instance().Clear();
  EXPECT_EQ(
      "*Elset, elset=_Block-1_Base_S1, internal, instance=Block-1\n 1,\n"
      "*Elset, elset=_Block-1_Base_S3, internal, instance=Block-1\n 1,\n",
      aif_test::StreamText([&](utl_Stream& stream) {
        akw_WriteKeywords(stream, run.builder.AssemblyDefinition());
      }));
  EXPECT_EQ(std::string(kCvBanner) +
                "** Interaction: Found\n*Foundation\n_Block-1_Base_S1, F1, 250.\n"
                "_Block-1_Base_S3, F3, 250.\n"
                "** Interaction: Off\n*Foundation\n",
            run.Step("Initial"));
  EXPECT_EQ("", run.Step("Step-1"));
}

// Whole decks: a foundation on the part surface Lower of Block-1 and one on
// an assembly surface. Part-based, the instance's surface keeps its face
// set inside the instance, and the foundation names a set of the assembly
// that holds the same element; the deck reads back without a reference to
// nothing. Flat, both name the surfaces' own sets, as before.
TEST(aif_InteractionBuilderCavity, FoundationSetsAreDefinedWhereTheLinesNameThem) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(2, 1, 1));
  aif_AddPartSurface(b, "Block", "Lower", 40, 1, "S1", {1});
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  rgnC_Region base("Base", {});
  base.SetKernelElementIndices(1, {0}, {cow_String("S2")});
  rgnF_Surface baseSurface(base);
  baseSurface.SetId(50);
  baseSurface.SetName("Base");
  b.Assembly().FeatureList().Add(baseSurface);

  rgnC_Region lower = CvRegion("Lower");
  lower.SetKernelElementIndices(1, {1}, {cow_String("S1")});
  lower.SetKernelInstanceIds({1});
  kinC_ElasticFoundation onPart;
  onPart.SetRegion(lower);
  onPart.SetStepStiffness("Initial", 1, 300.0);
  b.AddInteraction("F-Part", onPart);
  rgnC_Region onBase("Base", {"Assembly"});
  onBase.SetKernelElementIndices(1, {0}, {cow_String("S2")});
  onBase.SetKernelInstanceIds({1});
  kinC_ElasticFoundation onAssembly;
  onAssembly.SetRegion(onBase);
  onAssembly.SetStepStiffness("Initial", 1, 200.0);
  b.AddInteraction("G-Assembly", onAssembly);

  const aif_test::TempDeck file("CvFoundationSets");
  const auto holds = [](const std::string& deck, const std::string& lines) {
    return deck.find(lines) != std::string::npos;
  };
  const std::string partBased = file.Write(b);
  EXPECT_TRUE(holds(partBased,
                    "*Elset, elset=Block-1._Lower_S1, internal\n 2,\n"
                    "*Surface, type=ELEMENT, name=Lower\nBlock-1._Lower_S1, S1\n*End Instance\n"))
      << partBased;
  EXPECT_TRUE(holds(partBased,
                    "*Elset, elset=_Block-1_Lower_S1, internal, instance=Block-1\n 2,\n"
                    "*End Assembly\n"))
      << partBased;
  EXPECT_TRUE(holds(partBased,
                    "** Interaction: F-Part\n*Foundation\n_Block-1_Lower_S1, F1, 300.\n"
                    "** Interaction: G-Assembly\n*Foundation\n_Base_S2, F2, 200.\n"))
      << partBased;
  std::string findings;
  for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(partBased))
    findings += finding.text + "\n";
  EXPECT_EQ("", findings);

  b.Assembly().SetRequiresFlatInputFile(true);
  const std::string flat = file.Write(b);
  EXPECT_EQ(flat.find("instance=Block-1"), std::string::npos) << flat;
  EXPECT_TRUE(holds(flat,
                    "** Interaction: F-Part\n*Foundation\n_Block-1_Lower_S1, F1, 300.\n"
                    "** Interaction: G-Assembly\n*Foundation\n_Base_S2, F2, 200.\n"))
      << flat;
  findings.clear();
  for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(flat))
    findings += finding.text + "\n";
  EXPECT_EQ("", findings);
}

// A foundation is written with the initial step's stiffness: one created in
// a later step stops the write, naming it, and leaves no file.
TEST(aif_InteractionBuilderCavity, FoundationWithoutInitialStiffnessStopsTheWrite) {
  hst_ModelBuilder b = CvModel<kprC_StaticStep>({"Step-1"});
  rgnC_Region surface = CvRegion("Base");
  surface.SetKernelElementIndices(1, {0}, {cow_String("S1")});
  surface.SetKernelInstanceIds({1});
  kinC_ElasticFoundation late;
  late.SetRegion(surface);
  late.SetStepStiffness("Step-1", 1, 250.0);
  b.AddInteraction("Late", late);
  const std::string path =
      (std::filesystem::temp_directory_path() / "aif_FoundationLate.inp").string();
  EXPECT_EQ("The elastic foundation Late has no stiffness in the initial step.",
            aif_test::DriverWriteError(b, path));
  EXPECT_FALSE(std::filesystem::exists(path));
}
