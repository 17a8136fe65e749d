// Design responses, objective functions and constraints of an optimization
// task. Each kind carries its type id and the kernel's suppression mark
// (kopC_Object); the fields the parameter-file blocks read are added beside
// the kinds that carry them.
#pragma once

#include <cfloat>

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kopC_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivBasicUtils/omi_Singleton.h"

// The base of every design response.
class kopC_DesignResponse : public kopC_Object {
  KERN_CLASS_HEAD(kopC_DesignResponse, kopC_Object, 0x3A40001)
};

// The steps and load cases a single-term response is evaluated in. A named
// step with an empty load-case name stands for the step itself; without a
// step name the option covers every step of `AnalysisKind` (0 all,
// 1 static, 2 modal, 3 nonlinear, 4 damage). The range is every increment
// (`All`) or First to Last.
class kopC_StepOption : public kern_Object {
  KERN_CLASS_HEAD(kopC_StepOption, kern_Object, 0x3A40004)
  KERN_ATTR(cow_String, StepName, cow_String())
  KERN_ATTR(cow_String, LoadCaseName, cow_String())
  KERN_ATTR(int, First, 1)
  KERN_ATTR(int, Last, 1)
  KERN_ATTR(int, AnalysisKind, 0)
  KERN_ATTR(bool, All, true)
};

// A response measured on a region, optionally in a datum coordinate system
// (a null reference when none is chosen). Group operator 0 minimum,
// 1 maximum, 2 none, 3 sum, 4 count; section position 0 minimum, 1 maximum,
// 2 top, 3 middle, 4 bottom; load-case selection 0 minimum, 1 maximum,
// 2 sum. `SecondRegion` is the second node group of variables that read two.
class kopC_SingleTermDesignResponse : public kopC_DesignResponse {
  KERN_CLASS_HEAD(kopC_SingleTermDesignResponse, kopC_DesignResponse, 0x3A40002)
  KERN_ATTR(cow_String, VariableName, cow_String())
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  KERN_ATTR(rgnC_Region, SecondRegion, rgnC_Region())
  KERN_ATTR(dtmC_DatumRef, Csys, dtmC_DatumRef())
  KERN_ATTR(int, GroupOperator, 2)
  KERN_ATTR(int, SectionPosition, 0)
  KERN_ATTR(int, LoadCaseSelection, 0)
  KERN_ATTR(cow_List<kopC_StepOption>, StepOptions, cow_List<kopC_StepOption>())
};

// A response combining the responses named in `Variables` by an operator
// (0 ADD to 30 NORM_FIRST; 6 COMBINE weighs each variable by the weight of
// the same index, 21 FILTER reads radius, exponent and sigma, 22 CUT_OFF the
// two limits).
class kopC_CombinedTermDesignResponse : public kopC_DesignResponse {
  KERN_CLASS_HEAD(kopC_CombinedTermDesignResponse, kopC_DesignResponse, 0x3A40003)
  KERN_ATTR(int, Operator, 0)
  KERN_ATTR(double, Radius, 0.0)
  KERN_ATTR(double, Exponent, 0.0)
  KERN_ATTR(double, Sigma, 0.0)
  KERN_ATTR(double, CutOffLow, 0.0)
  KERN_ATTR(double, CutOffHigh, 0.0)
  KERN_ATTR(cow_List<cow_String>, Variables, cow_List<cow_String>())
  KERN_ATTR(cow_List<double>, Weights, cow_List<double>())
};

// What the optimization module knows of a result variable: flag 4 it is
// read on an element group, 2 on a node group, 8 also on a second node
// group.
class kopC_VariableEntry {
 public:
  kopC_VariableEntry() = default;
  explicit kopC_VariableEntry(unsigned flags) : flags_(flags) {}
  unsigned Flags() const { return flags_; }

 private:
  unsigned flags_ = 0;
};

// The table of the result variables, one for the program
// (omi_Singleton<kopC_VariableTable>::Instance()). The host fills it from
// the optimization module's variable list; tests fill it with Set.
class kopC_VariableTable : public kern_Object {
  KERN_CLASS_HEAD(kopC_VariableTable, kern_Object, 0x3A40005)

 public:
  static kopC_VariableTable& Instance() { return omi_Singleton<kopC_VariableTable>::Instance(); }
  // The entry of `name`; an unknown variable has no flags.
  const kopC_VariableEntry& Entry(const cow_String& name) const {
    static const kopC_VariableEntry none;
    const kopC_VariableEntry* item = items_.Find(name);
    return item ? *item : none;
  }
  void Set(const cow_String& name, unsigned flags) { items_.Set(name, kopC_VariableEntry(flags)); }

 private:
  cow_Map<cow_String, kopC_VariableEntry> items_;
};

// The base of every objective function.
class kopC_ObjectiveFunction : public kopC_Object {
  KERN_CLASS_HEAD(kopC_ObjectiveFunction, kopC_Object, 0x3A40010)
};

// One term of an objective function: a design response, its first value
// and an optional second value (DBL_MAX when unset). An excluded term is
// not part of the objective.
class kopC_Objective : public kern_Object {
  KERN_CLASS_HEAD(kopC_Objective, kern_Object, 0x3A40012)
  KERN_ATTR(bool, Excluded, false)
  KERN_ATTR(cow_String, DesignResponse, cow_String())
  KERN_ATTR(double, FirstValue, 1.0)
  KERN_ATTR(double, SecondValue, DBL_MAX)
};

// Target 0 minimum, 1 maximum, 2 minimum of the maximum.
class kopC_KestObjectiveFunction : public kopC_ObjectiveFunction {
  KERN_CLASS_HEAD(kopC_KestObjectiveFunction, kopC_ObjectiveFunction, 0x3A40011)
  KERN_ATTR(int, Target, 0)
  KERN_ATTR(cow_List<kopC_Objective>, Terms, cow_List<kopC_Objective>())
};

// The base of every optimization constraint.
class kopC_Constraint : public kopC_Object {
  KERN_CLASS_HEAD(kopC_Constraint, kopC_Object, 0x3A40020)
};

// A design response bounded by a value. Relation 0 equal to an absolute
// value, 1 equal to a relative one, 2 and 3 at most, 4 and 5 at least (even
// absolute, odd relative).
class kopC_KestConstraint : public kopC_Constraint {
  KERN_CLASS_HEAD(kopC_KestConstraint, kopC_Constraint, 0x3A40021)
  KERN_ATTR(cow_String, DesignResponse, cow_String())
  KERN_ATTR(int, Relation, 2)
  KERN_ATTR(double, Value, 0.0)
};
