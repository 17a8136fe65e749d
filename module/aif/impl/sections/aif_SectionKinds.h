// The section type ids and the attribute kinds the part-attribute steps tell
// apart, and the kind tests on them. Shared by aif_PartAttributesBuilder and
// its steps; no class of its own.
#pragma once

#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_RebarOrientation.h"

namespace aif_SectionKinds {

// Attribute kinds, in the order they are read.
constexpr unsigned kBeamOrientations = ptoC_BeamOrientation::kTypeId;
constexpr unsigned kMaterialOrientations = ptoC_MaterialOrientation::kTypeId;
constexpr unsigned kRebarOrientations = ptoC_RebarOrientation::kTypeId;

// Section type ids the steps tell apart.
constexpr unsigned kHomogeneousSolid = 0x2600003;
constexpr unsigned kCompositeSolid = 0x2600004;
constexpr unsigned kFluid = 0x260004C;
constexpr unsigned kHomogeneousShell = 0x260000B;
constexpr unsigned kCompositeShell = 0x260000C;
constexpr unsigned kGeneralShell = 0x260000D;
constexpr unsigned kUserShell = 0x260000E;
constexpr unsigned kBeam = 0x260000F;
constexpr unsigned kTruss = 0x2600011;
constexpr unsigned kMembrane = 0x2600012;
constexpr unsigned kGasket = 0x2600018;
constexpr unsigned kNoComment = 0x2600019;
constexpr unsigned kPeg = 0x260001A;
constexpr unsigned kSurface = 0x2600039;
constexpr unsigned kCohesive = 0x2600041;
constexpr unsigned kAcousticInfinite = 0x2600043;
constexpr unsigned kInterface = 0x2600044;
constexpr unsigned kGeneralStiffness = 0x2600048;
constexpr unsigned kEulerian = 0x2600049;

inline bool IsGeometryShell(unsigned type) {
  return type == kHomogeneousShell || type == kCompositeShell;
}
inline bool IsSolidType(unsigned type) {
  return type >= 0x2600002 && type <= kCompositeSolid;
}
inline bool IsShellType(unsigned type) {
  return (type >= 0x260000A && type <= kUserShell) || type == kGeneralStiffness;
}

}  // namespace aif_SectionKinds
