// "*Radiation Viewfactor": the viewfactor controls of a radiation cavity in
// one analysis step, followed by the cavity's symmetries ("*Radiation
// Symmetry", "*Cyclic", "*Periodic", "*Reflection"), which it makes and
// writes itself. The interaction builder files one per analysis step and
// switches it off for the steps that deactivate the cavity.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;
class utl_Stream;

class aif_RadiationViewfactor : public akw_Keyword {
 public:
  // `name` is the interaction's name (the cavity's); `interaction` is a
  // shared handle, so the keyword stays valid when written long after the
  // builder's walk over the model; `info` must outlive the keyword. Not off.
  aif_RadiationViewfactor(const cow_String& name, const cow_COW<kinC_Interaction>& interaction,
                          const cow_String& stepName, const aif_ModelInfo& info);
  aif_RadiationViewfactor(const aif_RadiationViewfactor&) = default;

  akw_Keyword* Clone() const override { return new aif_RadiationViewfactor(*this); }
  void SetOff(bool off) { off_ = off; }
  bool IsOff() const { return off_; }

  // Off: the keyword line with ", off" alone. Otherwise ", symmetry=" and
  // the symmetry name (a cavity with symmetries), the step's controls that
  // differ from their defaults, the blocking surfaces of partial blocking
  // eight a line, then the symmetries for the model's modelling space.
  // Fails the type test, writing nothing, for another class of interaction;
  // throws cow_OutOfRange, writing nothing, for a step without a state; a
  // symmetry with a missing definition throws aif_Exception after the
  // lines written so far.
  void Write(utl_Stream& stream) const override;

  // The name the cavity's symmetries are written under: the cavity's name
  // with "_SYM_", made printable as a whole.
  static cow_String SymmetryName(const cow_String& name);

 private:
  cow_String name_;
  cow_String stepName_;
  cow_COW<kinC_Interaction> interaction_;
  bool off_ = false;
  const aif_ModelInfo* info_;
};
