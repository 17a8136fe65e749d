#include "aif/impl/loads/aif_ConnectorLoad.h"

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omi_complex.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kConnectorLoadFile[] = "module/aif/impl/loads/aif_ConnectorLoad.cpp";

}  // namespace

aif_ConnectorLoad::aif_ConnectorLoad(const kloC_Load& load, const cow_String& setName,
                                     const cow_String& stepName, bool opFlag, double scaleFactor)
    : load_(&load),
      step_(stepName),
      setName_(setName),
      status_(load, stepName, opFlag, aif_RestateBy::kStateOrAmplitudeStatus, kConnectorLoadFile,
              __LINE__),
      scale_(scaleFactor) {}

void aif_ConnectorLoad::WriteHeader(utl_Stream& stream, int part) const {
  aif_LoadHeaderPieces pieces;
  pieces.newOp = status_.NewOp();
  pieces.amplitude = status_.Amplitude();
  pieces.part = part;
  aif_WriteLoadHeader(stream, "*Connector Load", pieces);
  stream.LineBreak();
}

void aif_ConnectorLoad::WriteLine(utl_Stream& stream, char label, double magnitude,
                                  bool writeZero) const {
  const double value = magnitude * scale_;
  if (value == 0.0 && !writeZero) return;
  stream << setName_ << ", " << label << ", " << value;
  stream.LineBreak();
}

void aif_ConnectorLoad::Write(utl_Stream& stream) const {
  if (status_.Inactive()) {
    WriteHeader(stream, 0);
    return;
  }
  const unsigned type = load_->DynTypeId();
  char first = 0;
  if (type == kloC_ConnectorForce::TypeId())
    first = '1';
  else if (type == kloC_ConnectorMoment::TypeId())
    first = '4';
  else
    nex_Exception::Throw(aif_Exception(atr_Translate("Invalid load type for *Connector Load")),
                         kConnectorLoadFile, __LINE__);

  if (!load_->IsComplex()) {
    const kloC_LoadState& state = load_->ConstGetState(step_);
    WriteHeader(stream, 0);
    for (int i = 0; i < 3; ++i) {
      const mdl_PropAttr<double>& value = state.Value(static_cast<std::size_t>(i));
      if (status_.IsNew(value.Status()))
        WriteLine(stream, static_cast<char>(first + i), value.Value(), false);
    }
    return;
  }

  // A complex load is written whole, so a 0 that is left out keeps the value
  // of an earlier step; that is harmless only when the keyword restates the
  // loads of its kind or the load is new in the step.
  const bool skipZeros = status_.NewOp() || load_->Status(step_) == 1;
  for (int part = 1; part <= 2; ++part) {
    double values[3];
    bool any = false;
    for (int i = 0; i < 3; ++i) {
      values[i] = aif_ComplexPart(load_->ComplexValue(static_cast<std::size_t>(i)), part);
      any = any || values[i] != 0.0;
    }
    if (!any && skipZeros) continue;
    WriteHeader(stream, part);
    for (int i = 0; i < 3; ++i)
      WriteLine(stream, static_cast<char>(first + i), values[i], !skipZeros);
  }
}
