// The behaviour line, the constitutive reference, and the elasticity and
// damping keywords of connector sections.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "aif/impl/sections/aif_ConnectorBehavior.h"
#include "aif/impl/sections/aif_ConnectorConstitutiveReference.h"
#include "aif/impl/sections/aif_ConnectorDamping.h"
#include "aif/impl/sections/aif_ConnectorElasticity.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

kbeC_ConnectorTableData CbehElasticData(cow_2DArray<double> values, int dependencies = 0,
                                        bool temperature = false) {
  kbeC_ConnectorTableData data;
  data.table = mdl_PropertyTable(std::move(values));
  data.dependencies = dependencies;
  data.temperatureDependent = temperature;
  return data;
}

template <class Option>
Option CbehMatrixOption(int behavior, int coupling, cow_List<int> components,
                        kbeC_ConnectorTableData data) {
  Option option;
  option.behavior = behavior;
  option.coupling = coupling;
  option.components = std::move(components);
  option.data = std::move(data);
  return option;
}

TEST(aif_ConnectorBehavior, OptionsWholeOrNotAtAll) {
  EXPECT_EQ(KeywordText(aif_ConnectorBehavior("Conn-1", true, true, 0.5, false, false)),
            "*Connector Behavior, name=Conn-1\n");
  EXPECT_EQ(KeywordText(aif_ConnectorBehavior("Conn 1", true, false, 0.05, true, true)),
            "*Connector Behavior, name=\"Conn 1\", integration=EXPLICIT, rtol=0.05, "
            "extrapolation=LINEAR\n");
  // A tolerance of exactly 0.03 is the default; regularization off hides it.
  EXPECT_EQ(KeywordText(aif_ConnectorBehavior("C", true, false, 0.03, false, false)),
            "*Connector Behavior, name=C\n");
  EXPECT_EQ(KeywordText(aif_ConnectorBehavior("C", false, false, 0.05, false, false)),
            "*Connector Behavior, name=C, regularize=OFF\n");
}

TEST(aif_ConnectorConstitutiveReference, UnsetValuesLeftEmpty) {
  kseC_ConnectorSection section;
  EXPECT_EQ(KeywordText(aif_ConnectorConstitutiveReference(section)), "");
  section.SetConstitutiveReferences({1.5, DBL_MAX, DBL_MAX, 0.0, DBL_MAX, -2.0});
  EXPECT_EQ(KeywordText(aif_ConnectorConstitutiveReference(section)),
            "*Connector Constitutive Reference\n1.5, , , 0., , -2.\n");
}

TEST(aif_ConnectorElasticity, LinearUncoupledOneKeywordPerComponent) {
  auto option =
      CbehMatrixOption<kbeC_ConnectorElasticity>(0, 0, {1, 3}, CbehElasticData({{100., 300.}}));
  EXPECT_EQ(KeywordText(aif_ConnectorElasticity(option)),
            "*Connector Elasticity, component=1\n 100.,\n"
            "*Connector Elasticity, component=3\n 300.,\n");
  // With a dependency and no temperature: " " stands for the frequency and
  // the temperature ahead of the field variable.
  option = CbehMatrixOption<kbeC_ConnectorElasticity>(0, 0, {2},
                                                      CbehElasticData({{10., 1.}, {20., 2.}}, 1));
  EXPECT_EQ(KeywordText(aif_ConnectorElasticity(option)),
            "*Connector Elasticity, component=2, dependencies=1\n 10., , , 1.\n 20., , , 2.\n");
  // Temperature-dependent: the temperature column is the kernel's, the
  // frequency position stays empty.
  option =
      CbehMatrixOption<kbeC_ConnectorElasticity>(0, 0, {1}, CbehElasticData({{10., 20.}}, 0, true));
  EXPECT_EQ(KeywordText(aif_ConnectorElasticity(option)),
            "*Connector Elasticity, component=1\n 10., , 20.\n");
  // Frequency-dependent: nothing is inserted for it.
  option.frequencyDependent = true;
  option.data = CbehElasticData({{10., 5., 20.}}, 0, true);
  EXPECT_EQ(KeywordText(aif_ConnectorElasticity(option)),
            "*Connector Elasticity, component=1\n 10.,  5., 20.\n");
}

TEST(aif_ConnectorElasticity, LinearCoupledLowerTriangle) {
  // Components 1, 2, 3: the six values of the 3 by 3 triangle, then the two
  // empty lines of the rows no component reaches.
  auto option = CbehMatrixOption<kbeC_ConnectorElasticity>(
      0, 1, {1, 2, 3}, CbehElasticData({{11., 21., 22., 31., 32., 33.}}));
  EXPECT_EQ(KeywordText(aif_ConnectorElasticity(option)),
            "*Connector Elasticity\n 11., 21., 22., 31., 32., 33.\n\n\n");
  // Components 1, 2, 5: blanks for the pairs with 3 and 4, up to the last
  // value (eight values to a line); one empty line for row 6.
  option = CbehMatrixOption<kbeC_ConnectorElasticity>(
      0, 1, {1, 2, 5}, CbehElasticData({{11., 21., 22., 51., 52., 55.}}));
  EXPECT_EQ(KeywordText(aif_ConnectorElasticity(option)),
            "*Connector Elasticity\n 11., 21., 22., , , , , \n , , 51., 52., , , 55.\n\n");
  // With a dependency the 21 positions are all filled, then come the
  // temperature and the field variable, and no empty lines follow.
  option = CbehMatrixOption<kbeC_ConnectorElasticity>(0, 1, {1}, CbehElasticData({{11., 1.}}, 1));
  EXPECT_EQ(KeywordText(aif_ConnectorElasticity(option)),
            "*Connector Elasticity, dependencies=1\n 11., , , , , , , \n , , , , , , , \n , , , , "
            ", , 1.\n");
}

TEST(aif_ConnectorElasticity, NonlinearAndRigid) {
  auto option = CbehMatrixOption<kbeC_ConnectorElasticity>(1, 0, {1, 2},
                                                           CbehElasticData({{5., -1.}, {7., 1.}}));
  EXPECT_EQ(KeywordText(aif_ConnectorElasticity(option)),
            "*Connector Elasticity, nonlinear, component=1\n 5., -1.\n 7.,  1.\n"
            "*Connector Elasticity, nonlinear, component=2\n 5., -1.\n 7.,  1.\n");
  // Coupled: the independent components, then the component's own column
  // and the motions.
  option = CbehMatrixOption<kbeC_ConnectorElasticity>(1, 2, {1, 2},
                                                      CbehElasticData({{5., 6., 0.1, 0.2}}));
  option.independentComponents = {1, 2};
  kbeC_TableOptions settings;
  settings.extrapolationDefault = false;
  settings.extrapolation = 1;
  option.data.options = settings;
  EXPECT_EQ(KeywordText(aif_ConnectorElasticity(option)),
            "*Connector Elasticity, nonlinear, component=1, independent components=POSITION, "
            "extrapolation=LINEAR\n1, 2\n 5., 0.1, 0.2\n"
            "*Connector Elasticity, nonlinear, component=2, independent components=POSITION, "
            "extrapolation=LINEAR\n1, 2\n  6., 0.1, 0.2\n");
  option.coupling = 1;
  option.data.options.reset();
  EXPECT_EQ(KeywordText(aif_ConnectorElasticity(option)),
            "*Connector Elasticity, nonlinear, component=1, independent components=CONSTITUTIVE "
            "MOTION\n1, 2\n 5., 0.1, 0.2\n"
            "*Connector Elasticity, nonlinear, component=2, independent components=CONSTITUTIVE "
            "MOTION\n1, 2\n  6., 0.1, 0.2\n");

  option = CbehMatrixOption<kbeC_ConnectorElasticity>(2, 0, {4, 5, 6}, {});
  EXPECT_EQ(KeywordText(aif_ConnectorElasticity(option)),
            "*Connector Elasticity, rigid\n4, 5, 6\n");
}

TEST(aif_ConnectorDamping, TwinOfElasticity) {
  auto option = CbehMatrixOption<kbeC_ConnectorDamping>(0, 0, {1}, CbehElasticData({{0.5}}));
  kbeC_TableOptions settings;
  settings.regularizeDefault = false;
  settings.regularize = false;
  option.data.options = settings;
  EXPECT_EQ(KeywordText(aif_ConnectorDamping(option)),
            "*Connector Damping, component=1, regularize=OFF, rtol=0.03\n 0.5,\n");
  settings.regularize = true;
  settings.toleranceDefault = false;
  settings.tolerance = 0.1;
  settings.extrapolationDefault = false;
  option.data.options = settings;
  EXPECT_EQ(KeywordText(aif_ConnectorDamping(option)),
            "*Connector Damping, component=1, regularize=ON, rtol=0.1, "
            "extrapolation=CONSTANT\n 0.5,\n");
  // Nonlinear coupled: two columns per component (j and j + n).
  option = CbehMatrixOption<kbeC_ConnectorDamping>(1, 1, {1, 2},
                                                   CbehElasticData({{1., 2., 10., 20., 0.5}}));
  option.independentComponents = {3};
  EXPECT_EQ(KeywordText(aif_ConnectorDamping(option)),
            "*Connector Damping, nonlinear, component=1, independent components=CONSTITUTIVE "
            "MOTION\n3\n 1., 10., 0.5\n"
            "*Connector Damping, nonlinear, component=2, independent components=CONSTITUTIVE "
            "MOTION\n3\n  2., 20., 0.5\n");
  // There is no rigid damping.
  option.behavior = 2;
  EXPECT_EQ(KeywordText(aif_ConnectorDamping(option)), "");
}

}  // namespace
