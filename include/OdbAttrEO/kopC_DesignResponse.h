// Design responses, objective functions and constraints of an optimization
// task. Each kind carries its type id and the kernel's suppression mark
// (kopC_Object); the fields the parameter-file blocks read are added beside
// the kinds that carry them.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kopC_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

// The base of every design response.
class kopC_DesignResponse : public kopC_Object {
  KERN_CLASS_HEAD(kopC_DesignResponse, kopC_Object, 0x3A40001)
};

// A response measured on a region, optionally in a datum coordinate system
// (a null reference when none is chosen).
class kopC_SingleTermDesignResponse : public kopC_DesignResponse {
  KERN_CLASS_HEAD(kopC_SingleTermDesignResponse, kopC_DesignResponse, 0x3A40002)
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  KERN_ATTR(dtmC_DatumRef, Csys, dtmC_DatumRef())
};

// A response combining other responses, named in `Terms`.
class kopC_CombinedTermDesignResponse : public kopC_DesignResponse {
  KERN_CLASS_HEAD(kopC_CombinedTermDesignResponse, kopC_DesignResponse, 0x3A40003)
  KERN_ATTR(cow_List<cow_String>, Terms, cow_List<cow_String>())
};

// The steps and load cases a response is evaluated in.
class kopC_StepOption : public kern_Object {
  KERN_CLASS_HEAD(kopC_StepOption, kern_Object, 0x3A40004)
};

// A table of the variables a response reads, with their flags.
class kopC_VariableTable : public kern_Object {
  KERN_CLASS_HEAD(kopC_VariableTable, kern_Object, 0x3A40005)
};

// The base of every objective function.
class kopC_ObjectiveFunction : public kopC_Object {
  KERN_CLASS_HEAD(kopC_ObjectiveFunction, kopC_Object, 0x3A40010)
};

class kopC_KestObjectiveFunction : public kopC_ObjectiveFunction {
  KERN_CLASS_HEAD(kopC_KestObjectiveFunction, kopC_ObjectiveFunction, 0x3A40011)
};

// One term of an objective function.
class kopC_Objective : public kern_Object {
  KERN_CLASS_HEAD(kopC_Objective, kern_Object, 0x3A40012)
};

// The base of every optimization constraint.
class kopC_Constraint : public kopC_Object {
  KERN_CLASS_HEAD(kopC_Constraint, kopC_Object, 0x3A40020)
};

class kopC_KestConstraint : public kopC_Constraint {
  KERN_CLASS_HEAD(kopC_KestConstraint, kopC_Constraint, 0x3A40021)
};
