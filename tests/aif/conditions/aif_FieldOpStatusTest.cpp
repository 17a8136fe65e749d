// Predefined-field op status: the category of every field kind, and the
// steps a removed field (status 4 or 15) marks.
#include "aif/impl/conditions/aif_FieldOpStatus.h"
#include "aif_OpStatusTestSupport.h"

#include <gtest/gtest.h>

#include <string>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kpfC_InitialState.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

std::string FieldOpKeyError(unsigned typeId) {
  aif_FieldOpStatus status;
  bool flag = true;
  try {
    status.StatusKey(typeId, flag);
  } catch (const aif_Exception& e) {
    return e.Message().Str();
  }
  return "no error";
}

const cow_List<cow_String> kFieldOpSteps({"Initial", "Step-1", "Step-2", "Step-3"});

TEST(aif_FieldOpStatusTest, StatusKeyCategories) {
  const unsigned kinds[] = {0x2ec0008, 0x2ec000a, 0x2ec0013, 0x2ec0015, 0x2ec0016, 0x2ec001a,
                            0x2ec001f, 0x2ec002d, 0x2ec0032, 0x2ec0037, 0x2ec0036, 0x2ec0035,
                            0x2ec0038, 0x2ec0039, 0x2ec001d, 0x2ec001b, 0x2ec0020};
  aif_FieldOpStatus status;
  bool flag = false;
  for (int category = 0; category < 17; ++category)
    EXPECT_EQ(category, status.StatusKey(kinds[category], flag)) << std::hex << kinds[category];
  // The bases, the plain field, the initial state and other ids have none.
  for (unsigned typeId : {kpfC_GeneralFieldBase::kTypeId, kpfC_RatioBase::kTypeId,
                          kpfC_InitialConditionFromFile::kTypeId, kpfC_Field::kTypeId,
                          kpfC_InitialState::kTypeId, 0x2ec0009u, 0u})
    EXPECT_EQ("Unimplemented field->statusKey conversion", FieldOpKeyError(typeId))
        << std::hex << typeId;
}

TEST(aif_FieldOpStatusTest, RemovalsWithFourOrFifteenMarkTheirCategory) {
  kprC_PropagatingContainer<kpfC_Field> fields;
  // A temperature removed with 15 in Step-1, a general field with 4 in
  // Step-3: their categories in those steps only.
  fields.Set("A", WithStepStatuses<kpfC_Temperature>({{"Step-1", 15}, {"Step-2", 1}}));
  fields.Set("B",
             WithStepStatuses<kpfC_GeneralField>({{"Step-1", 1}, {"Step-2", 2}, {"Step-3", 4}}));
  // Created, carried over, modified: no mark; the initial step never.
  fields.Set("C", WithStepStatuses<kpfC_PressureStress>(
                      {{"Initial", 4}, {"Step-1", 1}, {"Step-2", 2}, {"Step-3", 3}}));
  // Suppressed: never.
  auto suppressed = WithStepStatuses<kpfC_MassFlowRate>({{"Step-2", 4}});
  suppressed.SetInactive(1);
  fields.Set("D", suppressed);
  // A voids ratio with 15, and the plain field and initial state (no
  // category) with 4: only the voids ratio marks.
  fields.Set("E", WithStepStatuses<kpfC_VoidsRatio>({{"Step-2", 15}}));
  fields.Set("F", WithStepStatuses<kpfC_Field>({{"Step-2", 4}}));
  fields.Set("G", WithStepStatuses<kpfC_InitialState>({{"Step-2", 15}}));

  aif_FieldOpStatus status;
  status.BuildFieldOpStatus(fields, kFieldOpSteps);
  EXPECT_EQ("0100", OpStatusFlags(status, 0));
  EXPECT_EQ("0000", OpStatusFlags(status, 1));
  EXPECT_EQ("0000", OpStatusFlags(status, 2));
  EXPECT_EQ("0001", OpStatusFlags(status, 3));
  EXPECT_EQ("0010", OpStatusFlags(status, 15));
  for (int category : {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16})
    EXPECT_EQ("0000", OpStatusFlags(status, category)) << category;
  EXPECT_TRUE(status.NeedsNewOp(kpfC_Temperature::kTypeId, "Step-1"));
  EXPECT_FALSE(status.NeedsNewOp(kpfC_Temperature::kTypeId, "Step-2"));

  // A field of a kind without a category stops the build.
  kprC_PropagatingContainer<kpfC_Field> unknown;
  unknown.Set("Odd", WithStepStatuses<kpfC_RatioBase>({{"Step-1", 4}}));
  aif_FieldOpStatus refused;
  try {
    refused.BuildFieldOpStatus(unknown, kFieldOpSteps);
    ADD_FAILURE() << "no exception";
  } catch (const aif_Exception& e) {
    EXPECT_EQ(std::string("Unimplemented field->statusKey conversion"), e.Message().Str());
  }
}

}  // namespace
