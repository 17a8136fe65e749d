// The property of an incident wave interaction: the wave's type and source,
// the charge of an underwater explosion (its charge, bubble and integration
// values) and the charge of an air blast. The values are held in the kernel's
// order; each group of the writer's lines reads its own run of them.
//
// Type id 0x3070071 is this header's.
#pragma once

#include "OdbAttrEO/kern_RepositoryObjects.h"

class kinC_IncidentWaveProperty : public kinC_InteractionProperty {
  KERN_CLASS_HEAD(kinC_IncidentWaveProperty, kinC_InteractionProperty, 0x3070071)

  // Wave types.
  static constexpr int kSphere = 1;
  static constexpr int kDiffuse = 2;
  static constexpr int kAirBlast = 3;
  static constexpr int kSurfaceBlast = 4;
  // Source definitions.
  static constexpr int kUndexCharge = 1;
  static constexpr int kSourceValues = 2;

  // 1 to 4.
  KERN_ATTR(double, FluidDensity, 0.0)
  KERN_ATTR(int, WaveType, kSphere)
  KERN_ATTR(double, ChargeDensity, 0.0)
  KERN_ATTR(double, SoundSpeed, 0.0)
  // 5 to 11: the bubble of an underwater explosion.
  KERN_ATTR(double, BubbleGasConstant, 0.0)
  KERN_ATTR(double, BubbleGasRatio, 0.0)
  KERN_ATTR(bool, BubbleDrag, false)
  KERN_ATTR(double, BubbleDragFactor, 0.0)
  KERN_ATTR(double, BubbleDragExponent, 0.0)
  KERN_ATTR(double, BubbleFirstValue, 0.0)
  KERN_ATTR(double, BubbleSecondValue, 0.0)
  // 12 to 16: the charge's constants.
  KERN_ATTR(double, ChargeK, 0.0)
  KERN_ATTR(double, ChargeA, 0.0)
  KERN_ATTR(double, ChargeKappa, 0.0)
  KERN_ATTR(double, ChargeB, 0.0)
  KERN_ATTR(double, ChargeC, 0.0)
  // 17 to 21: how the bubble's motion is integrated.
  KERN_ATTR(double, IntegrationDuration, 0.0)
  KERN_ATTR(int, IntegrationSteps, 0)
  KERN_ATTR(double, IntegrationTolerance, 0.0)
  KERN_ATTR(double, IntegrationFirstFactor, 0.0)
  KERN_ATTR(double, IntegrationSecondFactor, 0.0)
  // 22 to 26: the source (kUndexCharge or kSourceValues and its three
  // values) and the count of a diffuse wave.
  KERN_ATTR(int, SourceDefinition, kUndexCharge)
  KERN_ATTR(double, SourceFirstValue, 0.0)
  KERN_ATTR(double, SourceSecondValue, 0.0)
  KERN_ATTR(double, SourceThirdValue, 0.0)
  KERN_ATTR(int, DiffuseSeeds, 0)
  // 27 to 31: the air blast's charge (two values, then three).
  KERN_ATTR(double, BlastEquivalentMass, 0.0)
  KERN_ATTR(double, BlastMassFactor, 0.0)
  KERN_ATTR(double, BlastLengthFactor, 1.0)
  KERN_ATTR(double, BlastTimeFactor, 1.0)
  KERN_ATTR(double, BlastPressureFactor, 1.0)
};
