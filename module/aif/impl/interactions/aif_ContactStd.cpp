#include "aif/impl/interactions/aif_ContactStd.h"

#include <utility>

#include "OdbAttrEO/kinC_GeneralContact.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_ContactFormulationAssignments.h"
#include "aif/impl/interactions/aif_ContactInclusionsExclusions.h"
#include "aif/impl/interactions/aif_ContactPropertyAssignments.h"
#include "aif/impl/interactions/aif_InitializationAssignments.h"
#include "aif/impl/interactions/aif_SmoothingAssignments.h"
#include "aif/impl/interactions/aif_SurfacePropertyAssignments.h"

namespace {

constexpr char kContactStdFile[] = "module/aif/impl/interactions/aif_ContactStd.cpp";

}  // namespace

aif_ContactStd::aif_ContactStd(cow_String name, cow_COW<kinC_Interaction> interaction,
                               cow_String stepName, const aif_ModelInfo& info,
                               cow_List<aif_GeometricCorrection> corrections,
                               bool generatedPropertyNames)
    : name_(std::move(name)),
      stepName_(std::move(stepName)),
      generatedPropertyNames_(generatedPropertyNames),
      interaction_(std::move(interaction)),
      info_(&info),
      corrections_(std::move(corrections)) {}

void aif_ContactStd::Write(utl_Stream& stream) const {
  // The type test and the step's state come before the first line: a
  // failing write leaves nothing behind.
  if (!interaction_.IsNull())
    static_cast<void>(
        nex_canDynamicCastRef<const kinC_ContactStd>(*interaction_, kContactStdFile, __LINE__)
            .ConstGetState(stepName_));
  stream << "*Contact";
  stream.LineBreak();
  if (interaction_.IsNull()) return;

  aif_ContactInclusionsExclusions(interaction_, stepName_, *info_, true).Write(stream);
  aif_ContactInclusionsExclusions(interaction_, stepName_, *info_, false).Write(stream);
  aif_ContactPropertyAssignments(interaction_, name_, stepName_, *info_, generatedPropertyNames_)
      .Write(stream);
  aif_SurfacePropertyAssignments(interaction_, stepName_, *info_).Write(stream);
  aif_ContactFormulationAssignments(interaction_, stepName_, *info_).Write(stream);
  aif_InitializationAssignments(interaction_, stepName_, *info_).Write(stream);
  aif_SmoothingAssignments(interaction_, *info_, corrections_).Write(stream);
}
