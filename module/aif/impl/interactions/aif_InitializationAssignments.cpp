#include "aif/impl/interactions/aif_InitializationAssignments.h"

#include <cstddef>
#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_GeneralContactNames.h"

namespace {

constexpr char kInitializationAssignmentsFile[] =
    "module/aif/impl/interactions/aif_InitializationAssignments.cpp";

}  // namespace

aif_InitializationAssignments::aif_InitializationAssignments(cow_COW<kinC_Interaction> interaction,
                                                             cow_String stepName,
                                                             const aif_ModelInfo& info)
    : stepName_(std::move(stepName)), interaction_(std::move(interaction)), info_(&info) {}

void aif_InitializationAssignments::Write(utl_Stream& stream) const {
  const kinC_ContactStd& contact = nex_canDynamicCastRef<const kinC_ContactStd>(
      *interaction_, kInitializationAssignmentsFile, __LINE__);
  const cow_List<cow_String>& names = contact.initializationNames;
  if (names.IsEmpty()) return;
  // A name without its pair is the list's range error, raised before
  // anything is written.
  const cow_List<kinC_RegionPair>& pairs = contact.initializationPairs;
  static_cast<void>(pairs[names.Length() - 1]);

  stream << "*Contact Initialization Assignment";
  stream.LineBreak();
  for (std::size_t i = 0; i < names.Length(); ++i) {
    const kinC_RegionPair& pair = pairs[i];
    stream << aif_ContactRegionName(pair.first, *info_) << " , "
           << aif_ContactRegionName(pair.second, *info_) << " , "
           << akw_MorvexName(names[i], false);
    stream.LineBreak();
  }
}
