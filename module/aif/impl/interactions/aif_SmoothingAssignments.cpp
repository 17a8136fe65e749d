#include "aif/impl/interactions/aif_SmoothingAssignments.h"

#include <utility>

#include "ModKerLow/ptoK_Part.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kSmoothingAssignmentsFile[] =
    "module/aif/impl/interactions/aif_SmoothingAssignments.cpp";

// Whether `kind` is `word` in any letter case: the builder's records carry
// "Circumferential" for whole-model smoothing but "CIRCUMFERENTIAL" for an
// assignment without a choice.
bool IsSmoothingKind(const cow_String& kind, const char* word) {
  return aif_UpperCaseName(kind) == aif_UpperCaseName(word);
}

}  // namespace

aif_SmoothingAssignments::aif_SmoothingAssignments(cow_COW<kinC_Interaction> interaction,
                                                   const aif_ModelInfo& info,
                                                   cow_List<aif_GeometricCorrection> corrections)
    : interaction_(std::move(interaction)), info_(&info), corrections_(std::move(corrections)) {}

void aif_SmoothingAssignments::Write(utl_Stream& stream) const {
  if (!interaction_.IsNull())
    nex_canDynamicCastRef<const kinC_ContactStd>(*interaction_, kSmoothingAssignmentsFile,
                                                 __LINE__);
  if (corrections_.IsEmpty()) return;

  stream << "*Surface Property Assignment, property=GEOMETRIC CORRECTION";
  stream.LineBreak();
  const asoK_Assembly* assembly = info_->Assembly();
  const bool threeDimensional = assembly && assembly->IsSpace(ptoK_SPACE_3D);
  for (const aif_GeometricCorrection& record : corrections_) {
    const cow_String& kind = record.choice.IsEmpty() ? record.kind : record.choice;
    stream << record.surface << ", " << kind;
    if (!IsSmoothingKind(kind, "None")) {
      stream << ", " << record.x1 << ", " << record.y1;
      if (threeDimensional) {
        stream << ", " << record.z1;
        if (IsSmoothingKind(kind, "Circumferential"))
          stream << ",  " << record.x2 << ", " << record.y2 << ", " << record.z2;
      }
    }
    stream.LineBreak();
  }
}
