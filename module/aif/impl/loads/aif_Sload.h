// "*Sload": a substructure load of one step, applying named load cases of a
// substructure, scaled by the load's magnitude, to the substructure element
// that stands for the loaded part instance. Made by the load builder; it
// refers to the model's own load, which outlives the write.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "aif/impl/loads/aif_LoadHeader.h"

class aif_ModelInfo;
class kloC_Load;
class utl_Stream;

class aif_Sload : public akw_Keyword {
 public:
  // `opFlag` clear: the keyword line carries ", op=NEW". An inactive load
  // (status 4 or 11) reads nothing more; an active one takes its state's
  // amplitude. `scaleFactor` (the load case's, 1 outside load cases)
  // multiplies the magnitude written. `info` must outlive the keyword: the
  // substructure element label is read from its label table at write time.
  aif_Sload(const kloC_Load& load, const cow_String& stepName, bool opFlag,
            const aif_ModelInfo& info, double scaleFactor);
  aif_Sload(const aif_Sload&) = default;

  akw_Keyword* Clone() const override { return new aif_Sload(*this); }
  // "*Sload", ", op=NEW", ", amplitude=" (after an optional break); ended.
  // An inactive load stops there. Then one line per load case of the state,
  // "element, load case, magnitude", on the element written for the region's
  // first instance; none when the region is invalid or touches no instance,
  // when that instance fails the context's instance test, or when no element
  // record of that instance is in the label table.
  void Write(utl_Stream& stream) const override;

 private:
  // The label of the substructure element of the load's instance; 0 when
  // there is none.
  int ElementLabel() const;

  const kloC_Load* load_;
  cow_String step_;
  const aif_ModelInfo* info_;
  aif_LoadStatus status_;
  double scale_;
};
