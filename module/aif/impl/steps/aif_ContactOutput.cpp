#include "aif/impl/steps/aif_ContactOutput.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/steps/aif_OutputVariables.h"

namespace {

// Contact variables of surfaces, and those of contact status, which element
// output may carry too.
constexpr int kContactOutputPosition = 4;
constexpr int kContactOutputStatusPosition = 8;
constexpr std::size_t kContactOutputPerLine = 16;

}  // namespace

aif_ContactOutput::aif_ContactOutput(const korC_OdbRequest& request, unsigned procedure,
                                     bool preselect, bool all, const cow_String& mainSurface,
                                     const cow_String& secondarySurface, const cow_String& pairSet,
                                     const cow_String& regionName, bool useRegion)
    : request_(request),
      procedure_(procedure),
      preselect_(preselect),
      all_(all),
      mainSurface_(mainSurface),
      secondarySurface_(secondarySurface),
      pairSet_(pairSet),
      regionName_(regionName),
      useRegion_(useRegion) {}

cow_List<cow_String> aif_ContactOutput::Names() const {
  return aif_SiftOutputVariables(request_.variables, procedure_,
                                 [](const korC_OdbRequestSpec& definition, bool) {
                                   return definition.Position() == kContactOutputPosition ||
                                          definition.Position() == kContactOutputStatusPosition;
                                 });
}

bool aif_ContactOutput::IsEmpty() const { return !preselect_ && !all_ && Names().IsEmpty(); }

void aif_ContactOutput::Write(utl_Stream& stream) const {
  const cow_List<cow_String> names = Names();
  if (names.IsEmpty() && !preselect_ && !all_) return;

  const bool region =
      (useRegion_ || !kprC_IsExplicit(procedure_)) && !request_.region.Name().IsEmpty();
  const bool surface = (request_.region.Flags() & kSurfaceKind) != 0;
  stream << "*Contact Output";
  if (region && !surface) aif_WriteOutputNameOption(stream, "nset=", regionName_);
  aif_WriteOutputNameOption(stream, "master=", mainSurface_);
  aif_WriteOutputNameOption(stream, "slave=", secondarySurface_);
  if (!pairSet_.IsEmpty()) {
    const cow_String printable = akw_MorvexName(pairSet_, false).Printable();
    aif_Option(stream, 6 + printable.Length()) << "cpset=" << printable;
  }
  if (region && surface) aif_WriteOutputNameOption(stream, "surface=", regionName_);
  if (aif_WriteOutputSelection(stream, preselect_, all_))
    aif_WriteOutputNames(stream, names, kContactOutputPerLine);
}
