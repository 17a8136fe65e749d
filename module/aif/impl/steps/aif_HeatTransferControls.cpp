#include "aif/impl/steps/aif_HeatTransferControls.h"

void aif_HeatTransferControls::Write(utl_Stream& stream) const {
  WriteHeatTransfer(stream, controls_, nullptr);
}

void aif_HeatTransferControls::WriteHeatTransfer(utl_Stream& stream, const kprC_Controls& own,
                                                 const Field* extra) const {
  const Field fields[] = {
      {"temperature", &controls_.Temperature(), false},
      extra ? *extra : Field{},
  };
  WriteControls(stream, own, controls_, std::span<const Field>(fields, extra ? 2 : 1));
}
