// The smoothing keyword every task files after its OPTIMIZE and OPT_PARAM
// blocks: it holds the place of a smoothing block and writes nothing.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class aif_ModelInfo;

class aif_KestSmooth : public akw_Keyword {
 public:
  explicit aif_KestSmooth(aif_ModelInfo& info) : info_(&info) {}
  aif_KestSmooth(const aif_KestSmooth&) = default;
  akw_Keyword* Clone() const override { return new aif_KestSmooth(*this); }

  // Writes nothing.
  void Write(utl_Stream& /*stream*/) const override {}

 private:
  [[maybe_unused]] aif_ModelInfo* info_;
};
