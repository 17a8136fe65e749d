// "*Inertia Relief": one inertia relief load of one step: the free
// rigid-body directions and their reference point, fixed directions, or the
// removal of inertia relief. Made by the load builder; it refers to the
// model's own load, which outlives the write. Never written with ", op=NEW".
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kloC_Load;
class utl_Stream;

class aif_InertiaRelief : public akw_Keyword {
 public:
  // A load deactivated in the step (status 4) is removed; that also clears
  // the op flag, which the keyword keeps but never writes.
  aif_InertiaRelief(const kloC_Load& load, const cow_String& loadName, const cow_String& stepName,
                    bool opFlag, const aif_ModelInfo& info);
  aif_InertiaRelief(const aif_InertiaRelief&) = default;

  akw_Keyword* Clone() const override { return new aif_InertiaRelief(*this); }
  // "*Inertia Relief" and ", remove", or ", fixed", each alone; otherwise
  // ", orientation=" and the datum system's name when the load has a datum.
  // Then, unless the free directions are all those of the modelling space,
  // the line of the free directions ("1, 2, ") and the reference point's
  // first three coordinates ("x,y,z") when the load has a point. Fails the
  // type test when the load is not an inertia relief, and throws
  // aif_Exception when its point has fewer than three coordinates; both
  // before anything is written.
  void Write(utl_Stream& stream) const override;

 private:
  // Whether the free directions are every direction of the modelling space,
  // so that no data lines are needed.
  bool DirectionsComplete(const bool (&free)[6]) const;

  const kloC_Load* load_;
  cow_String step_;
  cow_String loadName_;
  bool opFlag_;
  bool remove_;
  const aif_ModelInfo* info_;
};
