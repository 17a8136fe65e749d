#include "aif/impl/conditions/aif_PsdDefinition.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_Amplitude.h"

namespace {

constexpr char kPsdDefinitionFile[] = "module/aif/impl/conditions/aif_PsdDefinition.cpp";

}  // namespace

aif_PsdDefinition::aif_PsdDefinition(const cow_String& name, const kamC_Amplitude& amplitude)
    : name_(name), amplitude_(amplitude) {}

void aif_PsdDefinition::Write(utl_Stream& stream) const {
  if (amplitude_->DynTypeId() != kamC_PsdDefinition::TypeId()) return;
  const auto& psd =
      nex_canDynamicCastRef<const kamC_PsdDefinition>(*amplitude_, kPsdDefinitionFile, __LINE__);
  aif_CheckAmplitudeTable(psd.Data(), 3, false, name_, kPsdDefinitionFile, __LINE__);

  stream << "*Psd-definition, name=" << akw_MorvexName(name_, false);
  stream.OptionalLineBreak();
  if (psd.DbReference() != 0.0) {
    stream << ", db Reference=" << psd.DbReference();
    stream.OptionalLineBreak();
  }
  if (psd.G() != 1.0) {
    stream << ", g=" << psd.G();
    stream.OptionalLineBreak();
  }
  if (psd.Type() != kamC_PsdDefinition::BASE) {
    stream << ", type=" << omu_PrimEnum<kamC_PsdDefinition::PsdTypeEnm>(psd.Type()).GetString();
    stream.OptionalLineBreak();
  }
  if (psd.User()) stream << ", user";
  stream.LineBreak();
  for (const auto& row : psd.Data()) {
    stream << row[0] << ", " << row[1] << ", " << row[2];
    stream.LineBreak();
  }
}
