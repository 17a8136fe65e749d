// "*Cavity Definition" and "*Radiation Viewfactor" with the cavity's
// symmetries ("*Radiation Symmetry", "*Cyclic", "*Periodic", "*Reflection")
// in each modelling space, and the errors of missing geometry.
#include <gtest/gtest.h>

#include <cfloat>
#include <memory>
#include <string>

#include "BasShared/cow_COW.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "OdbAttrEO/kinC_Cosimulation.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_CavityDefinition.h"
#include "aif/impl/interactions/aif_Cyclic.h"
#include "aif/impl/interactions/aif_Periodic.h"
#include "aif/impl/interactions/aif_RadiationViewfactor.h"
#include "aif/impl/interactions/aif_Reflection.h"
#include "aif_GeneralContactTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// A one-brick model in the modelling space `space` (2000 three-dimensional,
// 2001 planar, 2002 axisymmetric, another code none of these) with the
// context the cavity keywords are given.
class CavityTestModel {
 public:
  explicit CavityTestModel(int space = 2000) {
    builder_.AddPart("Block", hst_GridMesh(1, 1, 1));
    builder_.AddInstance("Block-1", "Block");
    builder_.AddStep("Step-1", kprC_StaticStep());
    builder_.Assembly().SetSpace(space);
    model_ = std::make_unique<bas_NewModel>(builder_.Model());
    job_ = std::make_unique<aif_Job>("Job-1", builder_.Job(), *model_);
    info_ = std::make_unique<aif_ModelInfo>(*job_);
  }
  const aif_ModelInfo& Info() const { return *info_; }

 private:
  hst_ModelBuilder builder_;
  std::unique_ptr<bas_NewModel> model_;
  std::unique_ptr<aif_Job> job_;
  std::unique_ptr<aif_ModelInfo> info_;
};

rgnC_Region CavitySurface(const char* name) {
  return rgnC_Region(name, {"Assembly", "Block-1"});
}

cow_COW<kinC_Interaction> CavityHandle(const kinC_Interaction& interaction) {
  return cow_COW<kinC_Interaction>(interaction);
}

// A cavity with a default state in Step-1.
kinC_CavityRadiation PlainCavity() {
  kinC_CavityRadiation cavity;
  cavity.SetState("Step-1", 1, kinC_CavityRadiationState());
  return cavity;
}

// What writing `keyword` leaves in the file, and the message of the
// aif_Exception it throws ("" when none).
struct CavityWritten {
  std::string text;
  std::string error;
};

CavityWritten CavityWriteCatching(const akw_Keyword& keyword) {
  aio_StringSink sink;
  CavityWritten written;
  {
    utl_Stream stream(sink, aif_test::kBreakColumn, aif_test::kDoublePrecision,
                      aif_test::kFloatPrecision, 1);
    try {
      keyword.Write(stream);
    } catch (const aif_Exception& e) {
      written.error = e.Message().Str();
    }
  }
  written.text = sink.text();
  return written;
}

std::string ViewfactorText(const CavityTestModel& model, const kinC_CavityRadiation& cavity,
                           const char* name = "Cavity-1") {
  return aif_test::KeywordText(
      aif_RadiationViewfactor(name, CavityHandle(cavity), "Step-1", model.Info()));
}

// A cavity with every kind of symmetry given: a cyclic symmetry of 4
// sectors, three periodic and three reflection symmetries with all their
// definitions.
kinC_CavityRadiation SymmetricCavity() {
  kinC_CavityRadiation cavity = PlainCavity();
  cavity.SetCyclicSymmetry(true);
  cavity.SetCyclicSectors(4);
  cavity.SetRotationPoint(cow_COW<gsl_Dot>(gsl_Dot({0, 0, 0})));
  cavity.SetRotationEndPoint(cow_COW<gsl_Dot>(gsl_Dot({0, 0, 1})));
  cavity.SetSymmetryPoint(cow_COW<gsl_Dot>(gsl_Dot({1, 0.5, 0})));
  cavity.SetPeriodicCount(3);
  for (int i = 0; i < 3; ++i) {
    kinC_CavityPeriodicSymmetry periodic;
    periodic.repetitions = i + 2;
    periodic.axis = cow_COW<gsl_StLine>(gsl_StLine({1, 2, 0}, {0, 1, 0}));
    periodic.plane = cow_COW<gsl_Plane>(gsl_Plane({0, 0, i * 1.0}, {0, 0, 1}));
    periodic.distance = cow_COW<gsl_ModelSegment>(gsl_ModelSegment({0, 0, 0}, {3, 0, i * 1.0}));
    cavity.SetPeriodic(i, periodic);
  }
  cavity.SetPeriodicSymmetryZ(1.5);
  cavity.SetPeriodicDistanceZ(0.5);
  cavity.SetReflectionCount(3);
  cavity.SetReflectionLine(0, cow_COW<gsl_StLine>(gsl_StLine({1, 2, 0}, {0, 1, 0})));
  cavity.SetReflectionLine(1, cow_COW<gsl_StLine>(gsl_StLine({0, 0, 0}, {2, 1, 0})));
  for (int i = 0; i < 3; ++i)
    cavity.SetReflectionPlane(i, cow_COW<gsl_Plane>(gsl_Plane({1, 2, 3}, {1, 0, 0})));
  cavity.SetReflectionZ(-2.0);
  return cavity;
}

}  // namespace

TEST(aif_CavityDefinition, AmbientTemperatureAndSurfaceProperties) {
  const CavityTestModel model;
  kinC_CavityRadiation cavity;
  cavity.SetSurfaces({CavitySurface("Top"), CavitySurface("Skin"), CavitySurface("Master")});
  // A property list shorter than the surfaces: the last surface names none.
  cavity.SetSurfacePropertyNames({"Emis-1", "Emis 2"});
  auto text = [&](const char* name) {
    return aif_test::KeywordText(aif_CavityDefinition(name, CavityHandle(cavity), model.Info()));
  };
  const std::string surfaces = "Block-1.Top, Emis-1\nBlock-1.Skin, \"Emis 2\"\nBlock-1.Master, \n";
  EXPECT_EQ(text("Cavity-1"), "*Cavity Definition, name=Cavity-1, Set property\n" + surfaces);
  // Zero is a temperature like any other; only DBL_MAX is unset.
  cavity.SetAmbientTemperature(0.0);
  EXPECT_EQ(text("my cavity"),
            "*Cavity Definition, name=\"my cavity\", Set property, ambient temp=0.\n" + surfaces);
  cavity.SetAmbientTemperature(-273.15);
  cavity.SetSurfaces({});
  EXPECT_EQ(text("Cavity-1"),
            "*Cavity Definition, name=Cavity-1, Set property, ambient temp=-273.15\n");
  // Another interaction is refused before anything is written.
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      aif_test::ThrownText(
          aif_CavityDefinition("Cavity-1", CavityHandle(kinC_FSICosimulation()), model.Info())),
      "kinC_CavityRadiation", "module/aif/impl/interactions/aif_CavityDefinition.cpp"));
}

TEST(aif_RadiationViewfactor, ControlsOfTheStep) {
  const CavityTestModel model;
  kinC_CavityRadiation cavity = PlainCavity();
  EXPECT_EQ(ViewfactorText(model, cavity), "*Radiation Viewfactor, cavity=Cavity-1\n");

  // Off: the line alone, symmetries and state not read.
  kinC_CavityRadiation off = SymmetricCavity();
  off.SetStatus("Step-1", 4);
  aif_RadiationViewfactor offKeyword("Cavity 1", CavityHandle(off), "Step-2", model.Info());
  offKeyword.SetOff(true);
  EXPECT_EQ(aif_test::KeywordText(offKeyword), "*Radiation Viewfactor, cavity=\"Cavity 1\", off\n");

  // Every control away from its default, in the fixed order.
  kinC_CavityRadiationState state;
  state.SetBlocking({kinC_BLOCKING_NONE, 1});
  state.SetRange({10.0, 1});
  state.SetReflection({false, 1});
  state.SetViewfactorTolerance({0.1, 1});
  cavity.SetState("Step-1", 1, state);
  cavity.SetInfinitesimal(32.0);
  cavity.SetIntegration(5);
  cavity.SetLumpedArea(2.5);
  EXPECT_EQ(ViewfactorText(model, cavity),
            "*Radiation Viewfactor, cavity=Cavity-1, blocking=NO, range=10., reflection=NO, "
            "vtol=0.1, infinitesimal=32., integration=5, lumped area=2.5\n");

  // Without a state in the step nothing is written.
  EXPECT_EQ(aif_test::ThrownText(
                aif_RadiationViewfactor("Cavity-1", CavityHandle(cavity), "Step-2", model.Info())),
            "out of range: cavity radiation state: no state in step Step-2");
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      aif_test::ThrownText(aif_RadiationViewfactor("Cavity-1", CavityHandle(kinC_FSICosimulation()),
                                                   "Step-1", model.Info())),
      "kinC_CavityRadiation", "module/aif/impl/interactions/aif_RadiationViewfactor.cpp"));
}

TEST(aif_RadiationViewfactor, PartialBlockingSurfacesEightALine) {
  const CavityTestModel model;
  kinC_CavityRadiation cavity = PlainCavity();
  auto withBlocking = [&](int count) {
    static const char* const names[] = {"B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8", "B9"};
    cow_List<rgnC_Region> surfaces;
    for (int i = 0; i < count; ++i)
      surfaces.Append(CavitySurface(names[i]));
    kinC_CavityRadiationState state;
    state.SetBlocking({kinC_BLOCKING_PARTIAL, 1});
    state.SetBlockingSurfaces({surfaces, 1});
    cavity.SetState("Step-1", 1, state);
    return ViewfactorText(model, cavity);
  };
  const std::string head = "*Radiation Viewfactor, cavity=Cavity-1, blocking=PARTIAL\n";
  EXPECT_EQ(withBlocking(9),
            head +
                "Block-1.B1, Block-1.B2, Block-1.B3, Block-1.B4, Block-1.B5, Block-1.B6, "
                "Block-1.B7, Block-1.B8, \nBlock-1.B9\n");
  EXPECT_EQ(withBlocking(8), head +
                                 "Block-1.B1, Block-1.B2, Block-1.B3, Block-1.B4, Block-1.B5, "
                                 "Block-1.B6, Block-1.B7, Block-1.B8\n");
  EXPECT_EQ(withBlocking(1), head + "Block-1.B1\n");
  // No blocking surfaces: partial blocking by nothing blocks nothing, and
  // no data line follows.
  EXPECT_EQ(withBlocking(0), "*Radiation Viewfactor, cavity=Cavity-1, blocking=NO\n");
  // So too beside the other controls and a symmetry.
  kinC_CavityRadiation symmetric = SymmetricCavity();
  kinC_CavityRadiationState bare;
  bare.SetBlocking({kinC_BLOCKING_PARTIAL, 1});
  bare.SetRange({4.0, 1});
  symmetric.SetState("Step-1", 1, bare);
  const std::string symmetricText = ViewfactorText(CavityTestModel(2000), symmetric);
  EXPECT_EQ(symmetricText.substr(0, symmetricText.find('\n') + 1),
            "*Radiation Viewfactor, cavity=Cavity-1, symmetry=Cavity-1_SYM_, blocking=NO, "
            "range=4.\n");
  EXPECT_EQ(symmetricText.find("\n\n"), std::string::npos) << symmetricText;

  // Long names: fewer a line, so that no line passes 256 characters.
  const std::string longName(60, 'L');
  cow_List<rgnC_Region> longSurfaces;
  for (int i = 0; i < 7; ++i)
    longSurfaces.Append(CavitySurface((longName + std::to_string(i)).c_str()));
  kinC_CavityRadiationState state;
  state.SetBlocking({kinC_BLOCKING_PARTIAL, 1});
  state.SetBlockingSurfaces({longSurfaces, 1});
  cavity.SetState("Step-1", 1, state);
  const std::string q = "Block-1." + longName;
  EXPECT_EQ(ViewfactorText(model, cavity), head + q + "0, " + q + "1, " + q + "2, \n" + q + "3, " +
                                               q + "4, " + q + "5, \n" + q + "6\n");
}

TEST(aif_RadiationViewfactor, SymmetryNameHoldsTheSuffixInsideItsQuotes) {
  const CavityTestModel model(2003);  // no space with symmetry forms
  kinC_CavityRadiation cavity = PlainCavity();
  cavity.SetReflectionCount(1);
  EXPECT_EQ(ViewfactorText(model, cavity, "my cavity"),
            "*Radiation Viewfactor, cavity=\"my cavity\", symmetry=\"my cavity_SYM_\"\n"
            "*Radiation Symmetry, name=\"my cavity_SYM_\"\n");
  EXPECT_EQ(ViewfactorText(model, cavity),
            "*Radiation Viewfactor, cavity=Cavity-1, symmetry=Cavity-1_SYM_\n"
            "*Radiation Symmetry, name=Cavity-1_SYM_\n");
  // The symmetry name stands straight after the cavity, options follow.
  kinC_CavityRadiationState state;
  state.SetRange({2.0, 1});
  cavity.SetState("Step-1", 1, state);
  EXPECT_EQ(ViewfactorText(model, cavity),
            "*Radiation Viewfactor, cavity=Cavity-1, symmetry=Cavity-1_SYM_, range=2.\n"
            "*Radiation Symmetry, name=Cavity-1_SYM_\n");
}

TEST(aif_RadiationViewfactor, SymmetriesInEachModellingSpace) {
  const std::string head =
      "*Radiation Viewfactor, cavity=Cavity-1, symmetry=Cavity-1_SYM_\n"
      "*Radiation Symmetry, name=Cavity-1_SYM_\n";
  // Three-dimensional: the rotation axis, three planes each. A plane with
  // normal (0, 0, 1) is spanned by (0, 1, 0) and (1, 0, 0); normal (1, 0, 0)
  // by (0, 0, 1) and (0, 1, 0).
  EXPECT_EQ(ViewfactorText(CavityTestModel(2000), SymmetricCavity()),
            head +
                "*Cyclic, nc=4, type=AXIS\n0., 0., 0., 0., 0., 1.\n1., 0.5, 0.\n"
                "*Periodic, type=3D\n0., 0., 0., 0., 1., 0.\n1., 0., 0., 3., 0., 0.\n"
                "*Periodic, type=3D, nr=3\n0., 0., 1., 0., 1., 1.\n1., 0., 1., 3., 0., 1.\n"
                "*Periodic, type=3D, nr=4\n0., 0., 2., 0., 1., 2.\n1., 0., 2., 3., 0., 2.\n"
                "*Reflection, type=PLANE\n1., 2., 3., 1., 2., 4.\n1., 3., 3.\n"
                "*Reflection, type=PLANE\n1., 2., 3., 1., 2., 4.\n1., 3., 3.\n"
                "*Reflection, type=PLANE\n1., 2., 3., 1., 2., 4.\n1., 3., 3.\n");
  // Planar: two forms of each at most. The axis through (1, 2) along
  // (0, 1) with a distance (0, 0) to (3, 0) gives 1, 2, 1, 3, 3, 0; the
  // reflection line through (1, 2) along (0, 1) gives 1, 2, 1, 1.
  EXPECT_EQ(ViewfactorText(CavityTestModel(2001), SymmetricCavity()),
            head +
                "*Cyclic, nc=4, type=POINT\n0., 0., 1., 0.5\n"
                "*Periodic, type=2D\n1., 2., 1., 3., 3., 0.\n"
                "*Periodic, type=2D, nr=3\n1., 2., 1., 3., 3., 0.\n"
                "*Reflection, type=LINE\n1., 2., 1., 1.\n"
                "*Reflection, type=LINE\n0., 0., -2., -1.\n");
  // Axisymmetric: one ZDIR and one ZCONST block whatever the counts; the
  // cyclic symmetry has no form here and writes nothing.
  EXPECT_EQ(ViewfactorText(CavityTestModel(2002), SymmetricCavity()),
            head + "*Periodic, type=ZDIR\n1.5, 0.5\n*Reflection, type=ZCONST\n-2.\n");
  // No modelling space with symmetry forms: the head alone.
  EXPECT_EQ(ViewfactorText(CavityTestModel(2003), SymmetricCavity()), head);
}

TEST(aif_RadiationViewfactor, GeometryIsRegeneratedOnACopy) {
  const CavityTestModel model(2001);
  kinC_CavityRadiation cavity = PlainCavity();
  cavity.SetCyclicSymmetry(true);
  gsl_Dot moved({1, 1, 0});
  moved.SetRegeneratedPoint({5, 6, 0});
  cavity.SetRotationPoint(cow_COW<gsl_Dot>(moved));
  cavity.SetSymmetryPoint(cow_COW<gsl_Dot>(gsl_Dot({2, 0, 0})));
  cavity.SetReflectionCount(1);
  gsl_StLine line({0, 0, 0}, {1, 0, 0});
  line.SetRegenerated({0, 1, 0}, {0, 1, 0});
  cavity.SetReflectionLine(0, cow_COW<gsl_StLine>(line));
  const cow_COW<kinC_Interaction> handle = CavityHandle(cavity);
  // The keyword outlives the handle it was made from: it shares the
  // interaction rather than pointing into a copy that is gone.
  std::unique_ptr<aif_RadiationViewfactor> keyword;
  {
    const cow_COW<kinC_Interaction> walkCopy = handle;
    keyword =
        std::make_unique<aif_RadiationViewfactor>("Cavity-1", walkCopy, "Step-1", model.Info());
  }
  EXPECT_EQ(aif_test::KeywordText(*keyword),
            "*Radiation Viewfactor, cavity=Cavity-1, symmetry=Cavity-1_SYM_\n"
            "*Radiation Symmetry, name=Cavity-1_SYM_\n"
            "*Cyclic, nc=2, type=POINT\n5., 6., 2., 0.\n"
            "*Reflection, type=LINE\n0., 1., 0., 0.\n");
  // The model's definitions were neither regenerated nor moved.
  const auto& stored = static_cast<const kinC_CavityRadiation&>(*handle);
  EXPECT_EQ(stored.RotationPoint()->Regenerations(), 0);
  EXPECT_EQ(stored.RotationPoint()->GetPoint(), gsl_Point(1, 1, 0));
  EXPECT_EQ(stored.ReflectionLine(0)->Regenerations(), 0);
  EXPECT_EQ(stored.ReflectionLine(0)->PointOn(), gsl_Point(0, 0, 0));
}

TEST(aif_RadiationViewfactor, MissingGeometryFailsAfterTheKeywordLine) {
  const std::string head =
      "*Radiation Viewfactor, cavity=Cavity-1, symmetry=Cavity-1_SYM_\n"
      "*Radiation Symmetry, name=Cavity-1_SYM_\n";
  struct Case {
    int space;
    void (*change)(kinC_CavityRadiation&);
    const char* written;  // after the head
    const char* message;  // after "Interaction Cavity-1 is missing the required "
  };
  const Case cases[] = {
      {2000, [](kinC_CavityRadiation& c) { c.SetRotationPoint({}); },
       "*Cyclic, nc=4, type=", "cyclic rotation point."},
      {2001, [](kinC_CavityRadiation& c) { c.SetSymmetryPoint({}); },
       "*Cyclic, nc=4, type=", "cyclic symmetry point."},
      {2000, [](kinC_CavityRadiation& c) { c.SetRotationEndPoint({}); },
       "*Cyclic, nc=4, type=AXIS\n", "rotation end point."},
      {2002, [](kinC_CavityRadiation& c) { c.SetPeriodicSymmetryZ(DBL_MAX); },
       "*Periodic, type=ZDIR\n", "periodic symmetry Z value."},
      {2002, [](kinC_CavityRadiation& c) { c.SetPeriodicDistanceZ(DBL_MAX); },
       "*Periodic, type=ZDIR\n", "periodic distance Z value."},
      {2001,
       [](kinC_CavityRadiation& c) {
         kinC_CavityPeriodicSymmetry second = c.Periodic(1);
         second.axis = {};
         c.SetPeriodic(1, second);
       },
       "*Cyclic, nc=4, type=POINT\n0., 0., 1., 0.5\n*Periodic, type=2D\n1., 2., 1., 3., 3., 0.\n"
       "*Periodic, type=2D, nr=3\n",
       "periodic symmetry axis."},
      {2001,
       [](kinC_CavityRadiation& c) {
         kinC_CavityPeriodicSymmetry first = c.Periodic(0);
         first.distance = {};
         c.SetPeriodic(0, first);
       },
       "*Cyclic, nc=4, type=POINT\n0., 0., 1., 0.5\n*Periodic, type=2D\n",
       "periodic symmetry distance."},
      {2000,
       [](kinC_CavityRadiation& c) {
         kinC_CavityPeriodicSymmetry first = c.Periodic(0);
         first.plane = {};
         c.SetPeriodic(0, first);
       },
       "*Cyclic, nc=4, type=AXIS\n0., 0., 0., 0., 0., 1.\n1., 0.5, 0.\n*Periodic, type=3D\n",
       "periodic symmetry plane."},
      {2002, [](kinC_CavityRadiation& c) { c.SetReflectionZ(DBL_MAX); },
       "*Periodic, type=ZDIR\n1.5, 0.5\n*Reflection, type=ZCONST\n",
       "reflection symmetry Z value."},
      {2002,
       [](kinC_CavityRadiation& c) {
         c.SetPeriodicCount(0);
         c.SetCyclicSymmetry(false);
         c.SetReflectionZ(DBL_MAX);
       },
       "*Reflection, type=ZCONST\n", "reflection symmetry Z value."},
      {2001, [](kinC_CavityRadiation& c) { c.SetReflectionLine(0, {}); },
       "*Cyclic, nc=4, type=POINT\n0., 0., 1., 0.5\n*Periodic, type=2D\n1., 2., 1., 3., 3., 0.\n"
       "*Periodic, type=2D, nr=3\n1., 2., 1., 3., 3., 0.\n*Reflection, type=LINE\n",
       "reflection symmetry axis."},
      {2000,
       [](kinC_CavityRadiation& c) {
         c.SetCyclicSymmetry(false);
         c.SetPeriodicCount(0);
         c.SetReflectionPlane(2, {});
       },
       "*Reflection, type=PLANE\n1., 2., 3., 1., 2., 4.\n1., 3., 3.\n"
       "*Reflection, type=PLANE\n1., 2., 3., 1., 2., 4.\n1., 3., 3.\n*Reflection, type=PLANE\n",
       "reflection symmetry plane."},
  };
  for (const Case& c : cases) {
    const CavityTestModel model(c.space);
    kinC_CavityRadiation cavity = SymmetricCavity();
    c.change(cavity);
    const CavityWritten written = CavityWriteCatching(
        aif_RadiationViewfactor("Cavity-1", CavityHandle(cavity), "Step-1", model.Info()));
    EXPECT_EQ(written.error,
              std::string("Interaction Cavity-1 is missing the required ") + c.message);
    EXPECT_EQ(written.text, head + c.written) << c.message;
  }
}

TEST(aif_Cyclic, OnlyThreeDimensionalAndPlanarFormsAreWritten) {
  // Axisymmetric or no space: nothing at all, not even for missing points.
  kinC_CavityRadiation cavity;
  cavity.SetCyclicSymmetry(true);
  for (const int space : {1, 0}) {
    const CavityTestModel model;
    EXPECT_EQ(aif_test::KeywordText(aif_Cyclic("Cavity-1", cavity, model.Info(), space)), "")
        << "space " << space;
  }
  // Without the flag, nothing in any space.
  const CavityTestModel model;
  cavity.SetCyclicSymmetry(false);
  EXPECT_EQ(aif_test::KeywordText(aif_Cyclic("Cavity-1", cavity, model.Info(), 3)), "");
  // A symmetry error names the interaction as it is, an unset one as empty.
  cavity.SetCyclicSymmetry(true);
  EXPECT_EQ(CavityWriteCatching(aif_Cyclic("", cavity, model.Info(), 2)).error,
            "Interaction  is missing the required cyclic rotation point.");
  // A count of 0 or below writes no periodic or reflection symmetry.
  cavity.SetPeriodicCount(-1);
  cavity.SetReflectionCount(0);
  EXPECT_EQ(aif_test::KeywordText(aif_Periodic("Cavity-1", cavity, model.Info(), 3)), "");
  EXPECT_EQ(aif_test::KeywordText(aif_Reflection("Cavity-1", cavity, model.Info(), 3)), "");
}
