// The kernel's equation-of-state option. The main table holds the data of
// every type but 4; type 4 holds its data in two tables of its own, with a
// reaction-rate and a gas-specific-heat table.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"

class kmaC_Eos : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Eos, kmaC_MaterialOption, 0x3090200)
  enum TypeEnm : int {
    IDEAL_GAS = 0,
    JWL = 1,
    TABULAR = 2,
    USER = 3,
    IGNITION_AND_GROWTH = 4,
    USUP = 5
  };
  TypeEnm type = IDEAL_GAS;
  double detonationEnergy = 0.0;
  kmaC_MaterialTable type4Table1;
  kmaC_MaterialTable type4Table2;
  kmaC_MaterialTable reactionRateTable;
  kmaC_MaterialTable gasSpecificHeatTable;
  cow_COW<kmaC_DetonationPoint> detonationPoint;
  cow_COW<kmaC_EosCompaction> compaction;
};
template <>
struct omu_EnumTexts<kmaC_Eos::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "IDEAL GAS"},           {1, "JWL"}, {2, "TABULAR"}, {3, "USER"},
      {4, "IGNITION AND GROWTH"}, {5, "USUP"}};
};
