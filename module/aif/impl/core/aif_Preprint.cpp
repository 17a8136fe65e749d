#include "aif/impl/core/aif_Preprint.h"

#include "AttributesGuiCommon/ajbC_Job.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

const char* YesNo(bool on) {
  return on ? "YES" : "NO";
}

}  // namespace

void aif_Preprint::Write(utl_Stream& stream) const {
  const auto& job = nex_canDynamicCastRef<const ajbC_ModelJob>(job_->JobObject(),
                                                               "module/aif/impl/aif_Preprint", 25);
  const bool contact = job_->AnalysisProduct() == kprC_STANDARD && job.ContactPrint();
  stream << "*Preprint, echo=" << YesNo(job.EchoPrint()) << ", model=" << YesNo(job.ModelPrint())
         << ", history=" << YesNo(job.HistoryPrint()) << ", contact=" << YesNo(contact);
  stream.LineBreak();
}
