// An incident wave interaction: a pressure wave from a source loads a region.
// The wave is given by a pressure or an acceleration amplitude, or comes from
// an underwater explosion or an air blast; its property names the wave's
// type and charge.
//
// Type ids 0x3070070 and 0x3070170 are this header's (0x3070071 is the
// property's).
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivGeom/gsl_ModelSegment.h"

// The state of an incident wave in one step.
class kinC_IncidentWaveState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_IncidentWaveState, kinC_InteractionState, 0x3070170)
};

class kinC_IncidentWave : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_IncidentWave, kinC_Interaction, 0x3070070)

  // Definitions.
  static constexpr int kPressureAmplitude = 0;
  static constexpr int kAccelerationAmplitude = 1;
  static constexpr int kUndex = 2;
  static constexpr int kConwep = 3;

  // The three regions the wave's data line names.
  KERN_ATTR(rgnC_Region, FirstRegion, rgnC_Region())
  KERN_ATTR(rgnC_Region, SecondRegion, rgnC_Region())
  KERN_ATTR(rgnC_Region, ThirdRegion, rgnC_Region())
  KERN_ATTR(int, Definition, kPressureAmplitude)
  // The kinC_IncidentWaveProperty's name; empty for none.
  KERN_ATTR(cow_String, PropertyName, cow_String())
  KERN_ATTR(double, Magnitude, 1.0)
  // Amplitude names; empty for none.
  KERN_ATTR(cow_String, RealAmplitude, cow_String())
  KERN_ATTR(cow_String, ImaginaryAmplitude, cow_String())
  // The air blast's two values, written in place of the magnitude.
  KERN_ATTR(double, ConwepFirstValue, 0.0)
  KERN_ATTR(double, ConwepSecondValue, 1.0)
  // A value and a direction of the wave that the underwater explosion's
  // charge keyword writes on its last line.
  KERN_ATTR(double, WaveValue, 0.0)
  KERN_ATTR(gsl_ModelSegment, WaveSegment, gsl_ModelSegment())

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_IncidentWaveState; }
};
