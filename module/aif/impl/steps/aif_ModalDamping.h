// "*Modal Damping": one damping definition of a mode-based step, by mode
// ranges or by frequency, with one data line per table entry. The step builder
// makes one for each damping definition the step holds, after the procedure
// keyword.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/kprC_StepRecords.h"

class aif_ModalDamping : public akw_Keyword {
 public:
  // Each constructor copies the table of its kind; a null pointer makes an
  // empty keyword that writes nothing.
  explicit aif_ModalDamping(const kprC_CompositeDamping* damping);
  explicit aif_ModalDamping(const kprC_DirectDamping* damping);
  explicit aif_ModalDamping(const kprC_RayleighDamping* damping);
  explicit aif_ModalDamping(const kprC_StructuralDamping* damping);
  explicit aif_ModalDamping(const kprC_DirectDampingByFrequency* damping);
  explicit aif_ModalDamping(const kprC_RayleighDampingByFrequency* damping);
  explicit aif_ModalDamping(const kprC_StructuralDampingByFrequency* damping);
  aif_ModalDamping(const aif_ModalDamping&) = default;

  akw_Keyword* Clone() const override { return new aif_ModalDamping(*this); }
  // "*Modal Damping" with the options of the kind, then per entry its mode
  // range (first, last) or frequency and the values of the kind.
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override { return kind_ == Kind::kNone; }

 private:
  enum class Kind {
    kNone,
    kComposite,
    kDirect,
    kRayleigh,
    kStructural,
    kDirectByFrequency,
    kRayleighByFrequency,
    kStructuralByFrequency
  };
  aif_ModalDamping(Kind kind, const kprC_DampingTable* table);

  Kind kind_;
  kprC_DampingTable table_;
};
