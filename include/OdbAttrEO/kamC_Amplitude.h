// Amplitudes of the model: the base holds the time span every kind has; the
// kind is the exact class. Tables are rows of doubles as the kernel stores
// them (a row may be shorter than a keyword needs; the writer checks).
// Accessors and setters only; a default-constructed amplitude carries the
// kernel's ordinary defaults.
#pragma once

#include <array>
#include <cfloat>
#include <vector>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"
#include "QivBasicUtils/omu_PrimEnum.h"

#define KAM_KIND(Name, Base, Id) KERN_CLASS_HEAD(Name, Base, Id)


using kamC_Table = std::vector<std::vector<double>>;
using kamC_Scalars3 = std::array<double, 3>;
using kamC_Scalars4 = std::array<double, 4>;
using kamC_Scalars5 = std::array<double, 5>;

// The baseline correction of a tabular or equally spaced amplitude: its
// correction values and its uid.
class kamC_BaselineCorrection {
  KERN_ATTR(cow_List<double>, Values, cow_List<double>())
  KERN_ATTR(int, Uid, 0)
};

class kamC_Amplitude : public kern_Object {
 public:
  // 0 the step time; 1 the total time.
  enum TimeSpanEnm { STEP = 0, TOTAL = 1 };
  KAM_KIND(kamC_Amplitude, kern_Object, 0x3020001)
  KERN_ATTR(TimeSpanEnm, TimeSpan, STEP)
};

template <>
struct omu_EnumTexts<kamC_Amplitude::TimeSpanEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "STEP"}, {1, "TOTAL"}};
};

// Time-value pairs; smoothing DBL_MAX when not given.
class kamC_Tabular : public kamC_Amplitude {
  KAM_KIND(kamC_Tabular, kamC_Amplitude, 0x3020002)
  KERN_ATTR(double, Smoothing, DBL_MAX)
  KERN_ATTR(kamC_Table, Data, kamC_Table())
  KERN_ATTR(bool, HasBaselineCorrection, false)
  KERN_ATTR(kamC_BaselineCorrection, BaselineCorrection, kamC_BaselineCorrection())
};

class kamC_EquallySpaced : public kamC_Amplitude {
  KAM_KIND(kamC_EquallySpaced, kamC_Amplitude, 0x3020003)
  KERN_ATTR(double, FixedInterval, 1.0)
  KERN_ATTR(double, Begin, 0.0)
  KERN_ATTR(double, Smoothing, DBL_MAX)
  KERN_ATTR(cow_List<double>, Values, cow_List<double>())
  KERN_ATTR(bool, HasBaselineCorrection, false)
  KERN_ATTR(kamC_BaselineCorrection, BaselineCorrection, kamC_BaselineCorrection())
};

// Three scalars (circular frequency, start time, initial amplitude) and the
// Fourier coefficient pairs.
class kamC_Periodic : public kamC_Amplitude {
  KAM_KIND(kamC_Periodic, kamC_Amplitude, 0x3020004)
  KERN_ATTR(kamC_Scalars3, Scalars, {})
  KERN_ATTR(kamC_Table, Data, kamC_Table())
};

// Five scalars: initial time, amplitude, two circular frequencies, A0.
class kamC_Modulated : public kamC_Amplitude {
  KAM_KIND(kamC_Modulated, kamC_Amplitude, 0x3020005)
  KERN_ATTR(kamC_Scalars5, Scalars, {})
};

// Four scalars: initial time, initial amplitude, amplitude, decay time.
class kamC_Decay : public kamC_Amplitude {
  KAM_KIND(kamC_Decay, kamC_Amplitude, 0x3020006)
  KERN_ATTR(kamC_Scalars4, Scalars, {})
};

// Time-value pairs joined by smooth steps.
class kamC_SmoothStep : public kamC_Amplitude {
  KAM_KIND(kamC_SmoothStep, kamC_Amplitude, 0x3020007)
  KERN_ATTR(kamC_Table, Data, kamC_Table())
};

// Three scalars: initial, minimum and maximum value.
class kamC_SolutionDependent : public kamC_Amplitude {
  KAM_KIND(kamC_SolutionDependent, kamC_Amplitude, 0x3020008)
  KERN_ATTR(kamC_Scalars3, Scalars, {})
};

class kamC_ActuatorAmplitude : public kamC_Amplitude {
  KAM_KIND(kamC_ActuatorAmplitude, kamC_Amplitude, 0x3020009)
};

class kamC_UserAmplitude : public kamC_Amplitude {
  KAM_KIND(kamC_UserAmplitude, kamC_Amplitude, 0x302000A)
  KERN_ATTR(int, Variables, 0)
};

// A response spectrum: given as a table, or created from an amplitude (the
// create flag non-zero). Event type 0 displacement, 1 velocity, 2
// acceleration, 3 gravity.
class kamC_SpectrumAmplitude : public kamC_Amplitude {
 public:
  enum UnitsEnm { DISPLACEMENT = 0, VELOCITY = 1, ACCELERATION = 2, GRAVITY = 3 };
  KAM_KIND(kamC_SpectrumAmplitude, kamC_Amplitude, 0x302000B)
  KERN_ATTR(int, Create, 0)
  KERN_ATTR(UnitsEnm, SpectrumUnits, ACCELERATION)
  KERN_ATTR(int, EventType, 2)
  KERN_ATTR(int, Relative, 0)
  KERN_ATTR(double, TimeIncrement, 0.0)
  KERN_ATTR(double, G, 9.81)
  KERN_ATTR(bool, DampingGenerate, false)
  KERN_ATTR(cow_String, AmplitudeName, cow_String())
  KERN_ATTR(kamC_Table, Data, kamC_Table())
};

template <>
struct omu_EnumTexts<kamC_SpectrumAmplitude::UnitsEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "DISPLACEMENT"}, {1, "VELOCITY"}, {2, "ACCELERATION"}, {3, "GRAVITY"}};
};

// A power spectral density definition; dB reference 0, g 1 and type 1 are
// the defaults.
class kamC_PsdDefinition : public kamC_Amplitude {
 public:
  enum PsdTypeEnm { DB = 0, BASE = 1, FORCE = 2 };
  KAM_KIND(kamC_PsdDefinition, kamC_Amplitude, 0x302000C)
  KERN_ATTR(double, DbReference, 0.0)
  KERN_ATTR(double, G, 1.0)
  KERN_ATTR(PsdTypeEnm, Type, BASE)
  KERN_ATTR(bool, User, false)
  KERN_ATTR(kamC_Table, Data, kamC_Table())
};

template <>
struct omu_EnumTexts<kamC_PsdDefinition::PsdTypeEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "DB"}, {1, "BASE"}, {2, "FORCE"}};
};

#undef KAM_KIND
