// "*Contact Controls" for the controls a contact pair uses in a step: the
// Explicit form names the pair's contact pair set, the Standard form its
// master and slave surfaces. The interaction builder makes one beside each
// "*Contact Pair" whose controls a step sets, changes or resets.
#pragma once

#include <memory>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_ContactControls.h"

class aif_ContactControls : public akw_Keyword {
 public:
  // Explicit form for the pair set `cpset`. `suppressReset` and `resetOnly`
  // both set: the keyword writes nothing. `resetOnly` alone: only the reset.
  aif_ContactControls(const kinC_ExpContactControls& controls, const cow_String& cpset,
                      bool suppressReset, bool resetOnly);
  // Standard form for the surfaces named `master` and `slave` as written.
  // `suppressReset`: no reset line before the controls.
  aif_ContactControls(const kinC_StdContactControls& controls, const cow_String& master,
                      const cow_String& slave, bool suppressReset, bool resetOnly);
  aif_ContactControls(const aif_ContactControls&) = default;

  akw_Keyword* Clone() const override { return new aif_ContactControls(*this); }
  // Explicit: one line, the options that differ from their defaults and
  // "reset" unless all five options are written. Standard: the reset line,
  // then (unless the controls are all at their defaults) the controls line
  // with, for stabilization, its data line.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteExplicit(utl_Stream& stream) const;
  void WriteStandard(utl_Stream& stream) const;
  void WriteStandardHead(utl_Stream& stream) const;

  // Copies made once at construction and shared by clones.
  std::shared_ptr<const kinC_ExpContactControls> explicitControls_;
  std::shared_ptr<const kinC_StdContactControls> standardControls_;
  cow_String cpset_;
  cow_String master_;
  cow_String slave_;
  bool isExplicit_;
  bool suppressReset_;
  bool resetOnly_;
};
