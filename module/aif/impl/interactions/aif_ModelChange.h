// "*Model Change": the removal or addition of a region's elements in a step,
// the activation line of a model change, or the removal or addition of a
// standard contact pair. The interaction builder makes one per model change
// and step, and the standard contact-pair routines one per change of a pair.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;
class utl_Stream;

class aif_ModelChange : public akw_Keyword {
 public:
  // `interaction` (copied: a kinC_ModelChange or a standard surface-to-
  // surface or self contact pair) is written with its state and status in
  // `stepName`; `name` is its name. `remove` removes a contact pair whatever
  // its status. `info` names the regions and must outlive the keyword.
  aif_ModelChange(const cow_String& name, const kinC_Interaction& interaction,
                  const cow_String& stepName, const aif_ModelInfo& info, bool remove);
  aif_ModelChange(const aif_ModelChange&) = default;

  akw_Keyword* Clone() const override { return new aif_ModelChange(*this); }

  // The keyword line and, except for the activation line, the data line. A
  // contact pair is removed when `remove` is set or the pair is deactivated
  // in the step (status 4), added otherwise. A model change without a state
  // in the step writes nothing unless it is the activation line. Throws
  // aif_Exception "*Model Change unimplemented for interaction <name>." for
  // another kind of interaction, before anything is written.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteRegionChange(utl_Stream& stream) const;

  bool remove_;
  cow_String name_;
  cow_COW<kinC_Interaction> interaction_;
  cow_String stepName_;
  const aif_ModelInfo* modelInfo_;
};
