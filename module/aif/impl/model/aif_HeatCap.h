// "*Heat Cap": the heat capacitance of the one-node HEATCAP elements of an
// element set, as a table of values with their dependencies. Made from a point
// section (one constant value) or from the table of a heat-capacitance
// feature.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_String.h"

class kseC_PointSection;

class aif_HeatCap : public akw_Keyword {
 public:
  // One constant value; empty when it is 0.
  aif_HeatCap(cow_String elementSet, const kseC_PointSection& section);
  // A feature's table: rows of the value, the temperature when
  // `temperatureDependent`, then `dependencies` field variables. Never empty.
  aif_HeatCap(cow_String elementSet, bool temperatureDependent, int dependencies,
              cow_2DArray<double> table);
  aif_HeatCap(const aif_HeatCap&) = default;

  akw_Keyword* Clone() const override { return new aif_HeatCap(*this); }
  // "*Heat Cap, elset=SET" with ", dependencies=N" when N > 0, then the table
  // as data lines. A table with field variables but no temperature column
  // gets a blank column where the temperature would stand.
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override { return empty_; }

  const cow_String& ElementSet() const { return elementSet_; }
  void SetElementSet(const cow_String& name) { elementSet_ = name; }

 private:
  cow_String elementSet_;
  bool temperatureDependent_;
  int dependencies_;
  cow_2DArray<double> table_;
  bool empty_;
};
