#include "aif/impl/loads/aif_PreTensionSection.h"

#include <limits>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"

cow_String aif_BoltNodeSetName(const cow_String& loadName) {
  return aif_PrintableComponent("_" + loadName + "_blrn_");
}

cow_String aif_BoltElementSetName(const cow_String& loadName) {
  return aif_PrintableComponent("_" + loadName + "_blel_");
}

aif_PreTensionSection::aif_PreTensionSection(const cow_String& name, const rgnC_Region& region,
                                             const cow_String& nodeSetName, float nx, float ny,
                                             float nz, const aif_ModelInfo& info,
                                             const cow_String& elementSetName)
    : name_(name),
      region_(region),
      nodeSetName_(nodeSetName),
      elementSetName_(elementSetName),
      normal_{nx, ny, nz},
      info_(&info) {}

void aif_PreTensionSection::Write(utl_Stream& stream) const {
  // The region's name is made (and a name the file cannot carry refused)
  // before anything is written.
  const cow_String surface =
      elementSetName_.IsEmpty() ? aif_RegionName(region_, *info_).QualifiedName(2) : cow_String();
  stream << "*Pre-tension Section";
  if (!elementSetName_.IsEmpty())
    stream << ", element= " << elementSetName_;
  else
    stream << ", surface= " << surface;
  stream << ", node=" << nodeSetName_;
  stream.LineBreak();

  constexpr float kUnsetNormal = std::numeric_limits<float>::max();
  if (normal_[0] == kUnsetNormal && normal_[1] == kUnsetNormal && normal_[2] == kUnsetNormal)
    return;
  stream.Print(normal_[0], 12, 6);
  stream << ", ";
  stream.Print(normal_[1], 12, 6);
  stream << ", ";
  stream.Print(normal_[2], 12, 6);
  stream.LineBreak();
}
