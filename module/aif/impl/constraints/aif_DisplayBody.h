// "*Display Body": a part instance shown moving with up to three reference
// nodes. The constraint builder makes it for the model's display-body
// constraints of instances that take part in the analysis; it exists only in
// a part-based file.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/kcoC_DisplayBody.h"

class akw_ModelInfo;
class aif_ModelInfo;
class ftr_PrimaryObject;
class utl_Stream;

class aif_DisplayBody : public akw_Keyword {
 public:
  // Keeps its own copy of `body`; `assembly` and `info` (an aif_ModelInfo,
  // tested here) must outlive the keyword. Throws aif_Exception when the
  // file is not part-based.
  aif_DisplayBody(const kcoC_DisplayBody& body, const ftr_PrimaryObject& assembly,
                  const akw_ModelInfo& info);
  aif_DisplayBody(const aif_DisplayBody&) = default;

  akw_Keyword* Clone() const override { return new aif_DisplayBody(*this); }
  // "*Display Body, instance=NAME", then one line of the reference points
  // that resolve to a node, each "Instance.label" and, for points 1 and 2,
  // "," after it ("I.3,I.7", "I.3,"). Nothing when the instance is gone; no
  // second line when no point resolves.
  void Write(utl_Stream& stream) const override;

 private:
  kcoC_DisplayBody body_;
  const ftr_PrimaryObject& assembly_;
  const aif_ModelInfo& info_;
};
