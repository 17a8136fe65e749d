#include "aif/impl/steps/aif_FastenerSetOutput.h"

#include <utility>

#include "aif/impl/core/aif_SetNameRegistry.h"

aif_FastenerSetOutput::aif_FastenerSetOutput(const akw_Keyword& keyword, cow_String setName,
                                             bool nodes)
    : keyword_(keyword), setName_(std::move(setName)), nodes_(nodes) {}

void aif_FastenerSetOutput::Write(utl_Stream& stream) const {
  const aif_SetNameRegistry& registry = aif_SetNameRegistry::Instance();
  if (nodes_ ? registry.IsNset(setName_) : registry.IsElset(setName_)) keyword_->Write(stream);
}
