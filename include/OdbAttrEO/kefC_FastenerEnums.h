// The kernel's fastener enumerations with the words the solver input takes:
// how a fastener's coupling weights its surface nodes, whether the coupling
// is continuum or structural, and how a point fastener attaches to its
// surfaces.
#pragma once

#include "QivBasicUtils/omu_PrimEnum.h"

enum class kefC_WeightingMethodEnum { UNIFORM = 0, LINEAR = 1, QUADRATIC = 2, CUBIC = 3 };
enum class kefC_CouplingEnum { CONTINUUM = 0, STRUCTURAL = 1 };
enum class kefC_AttachmentMethodEnum {
  FACETOFACE = 0,
  EDGETOFACE = 1,
  FACETOEDGE = 2,
  EDGETOEDGE = 3
};

template <>
struct omu_EnumTexts<kefC_WeightingMethodEnum> {
  static constexpr omu_EnumText kTable[] = {
      {0, "UNIFORM"}, {1, "LINEAR"}, {2, "QUADRATIC"}, {3, "CUBIC"}};
};
template <>
struct omu_EnumTexts<kefC_CouplingEnum> {
  static constexpr omu_EnumText kTable[] = {{0, "CONTINUUM"}, {1, "STRUCTURAL"}};
};
template <>
struct omu_EnumTexts<kefC_AttachmentMethodEnum> {
  static constexpr omu_EnumText kTable[] = {
      {0, "FACETOFACE"}, {1, "EDGETOFACE"}, {2, "FACETOEDGE"}, {3, "EDGETOEDGE"}};
};
