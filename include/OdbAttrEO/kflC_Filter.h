// An output filter of the model, applied to history output that names it.
// The base holds what every kind has; the kind is the exact class: a
// Butterworth or Chebyshev (type 1 or 2) low-pass filter, or an operator
// filter that only applies its operator. Accessors and setters only; a
// default-constructed filter carries the kernel's ordinary defaults.
#pragma once

#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kprC_StepRecords.h"

class kflC_Filter : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3060001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kflC_Filter* Clone() const override { return new kflC_Filter(*this); }
  CLS_REGISTER(kflC_Filter, kern_Object)

  // The cutoff frequency; 0 when not given.
  KERN_ATTR(double, CutoffFrequency, 0.0)
  // The filter's order.
  KERN_ATTR(int, Order, 2)
  // The operator applied to the filtered values: 1 minimum, 2 maximum,
  // 3 absolute maximum, anything else none.
  KERN_ATTR(int, Operation, 0)
  // Whether the analysis stops when the limit is reached.
  KERN_ATTR(bool, Halt, false)
  // The bound the operated value is checked against; kprC_UNSET when none.
  KERN_ATTR(double, Limit, kprC_UNSET)
  // The invariant filtered for tensor output: 1 first, 2 second, anything
  // else none.
  KERN_ATTR(int, Invariant, 0)
};

class kflC_ButterworthFilter : public kflC_Filter {
 public:
  static constexpr unsigned kTypeId = 0x3060002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kflC_ButterworthFilter* Clone() const override { return new kflC_ButterworthFilter(*this); }
  CLS_REGISTER(kflC_ButterworthFilter, kflC_Filter)
};

class kflC_Chebyshev1Filter : public kflC_Filter {
 public:
  static constexpr unsigned kTypeId = 0x3060003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kflC_Chebyshev1Filter* Clone() const override { return new kflC_Chebyshev1Filter(*this); }
  CLS_REGISTER(kflC_Chebyshev1Filter, kflC_Filter)

  // The allowed ripple in the pass band.
  KERN_ATTR(double, RippleFactor, 0.225)
};

class kflC_Chebyshev2Filter : public kflC_Filter {
 public:
  static constexpr unsigned kTypeId = 0x3060004;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kflC_Chebyshev2Filter* Clone() const override { return new kflC_Chebyshev2Filter(*this); }
  CLS_REGISTER(kflC_Chebyshev2Filter, kflC_Filter)

  // The allowed ripple in the stop band.
  KERN_ATTR(double, RippleFactor, 0.025)
};

class kflC_OperatorFilter : public kflC_Filter {
 public:
  static constexpr unsigned kTypeId = 0x3060005;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kflC_OperatorFilter* Clone() const override { return new kflC_OperatorFilter(*this); }
  CLS_REGISTER(kflC_OperatorFilter, kflC_Filter)
};
