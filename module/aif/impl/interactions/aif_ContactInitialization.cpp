#include "aif/impl/interactions/aif_ContactInitialization.h"

#include <cfloat>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

aif_ContactInitialization::aif_ContactInitialization(const kinC_StdInitialization& initialization,
                                                     const cow_String& name)
    : initialization_(initialization), name_(name) {}

void aif_ContactInitialization::Write(utl_Stream& stream) const {
  stream << "*Contact Initialization Data, name=" << name_;
  if (initialization_.interferenceFit)
    stream << ", INTERFERENCE FIT";
  else if (initialization_.searchAbove != DBL_MAX)
    aif_Option(stream) << "SEARCH ABOVE=" << initialization_.searchAbove;
  if (initialization_.searchBelow != DBL_MAX)
    aif_Option(stream) << "SEARCH BELOW=" << initialization_.searchBelow;
  stream.LineBreak();
}
