// "*Select Cyclic Symmetry Modes": the nodal diameters a frequency step
// extracts for a cyclic symmetry. The interaction builder files one in each
// frequency step that carries the symmetry over or modifies it.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class utl_Stream;

class aif_SelectCyclicSymmetryModes : public akw_Keyword {
 public:
  // `interaction` must be a kinC_CyclicSymmetry (tested in Write); its
  // state in `stepName` gives the selection.
  aif_SelectCyclicSymmetryModes(const cow_String& stepName,
                                const cow_COW<kinC_Interaction>& interaction);
  aif_SelectCyclicSymmetryModes(const aif_SelectCyclicSymmetryModes&) = default;

  akw_Keyword* Clone() const override { return new aif_SelectCyclicSymmetryModes(*this); }
  // The keyword line, with ", nmin=" and ", nmax=" when the step selects a
  // range of nodal diameters; all diameters (any other selection) need no
  // option. Fails the type test, writing nothing, for another kind of
  // interaction.
  void Write(utl_Stream& stream) const override;

  // Whether a frequency step in which the symmetry has propagation status
  // `status` gets the mode selection: yes when it carries the symmetry over
  // or modifies it (2, 3); no when the step does not have it, creates it,
  // deactivates it or builds it in (0, 1, 4, 5, 6). Throws aif_Exception
  // "Error in cyclic symmetry status." for any other status.
  static bool WrittenInStep(int status);

 private:
  cow_String stepName_;
  cow_COW<kinC_Interaction> interaction_;
};
