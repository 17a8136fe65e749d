// "*Enrichment": the enriched region of an XFEM crack, stationary or
// propagating. The crack builder makes one per XFEM crack of the assembly
// and files it in the assembly definition.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"

class utl_Stream;

class aif_Enrichment : public akw_Keyword {
 public:
  // `crack` is the model's own crack (the object its repository holds), not
  // a copy: the keyword reads it when it writes, so the crack and `info` (an
  // aif_ModelInfo) must outlive the keyword. `name` is the crack's name as
  // the repository keys it.
  aif_Enrichment(const kefC_XFEMCrack& crack, const cow_String& name, akw_ModelInfo* info);
  aif_Enrichment(const aif_Enrichment&) = default;
  ~aif_Enrichment() override = default;

  // The copy refers to the same crack.
  akw_Keyword* Clone() const override { return new aif_Enrichment(*this); }
  // One line: "*Enrichment, name=N, type=PROPAGATION CRACK" (growth
  // allowed) or "type=STATIONARY CRACK", ", elset=" and the crack domain's
  // assembly-level name, then, each after ", " and an optional line break,
  // "interaction=" (when the crack names one) and "enrichment radius="
  // (when set). The names are checked before anything is written: a name
  // with a control character throws nex_TextException.
  void Write(utl_Stream& stream) const override;

 private:
  const kefC_XFEMCrack* crack_;
  cow_String name_;
  akw_ModelInfo* info_;
};
