#include "aif/impl/core/aif_SectionHeader.h"

#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_RawKeyword.h"

aif_SectionHeader::aif_SectionHeader(const cow_String& title)
    : banner_(new aif_Comment("\n" + title + "\n")), empty_(new aif_RawKeyword(cow_String())) {}

akw_KeywordHandle aif_SectionHeader::ModelDefinitionHeader() {
  if (modelDone_) return empty_;
  modelDone_ = true;
  return banner_;
}

akw_KeywordHandle aif_SectionHeader::StepDefinitionHeader(const cow_String& step) {
  return stepsSeen_.Insert(step, 1) ? banner_ : empty_;
}
