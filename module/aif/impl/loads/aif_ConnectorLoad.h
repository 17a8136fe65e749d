// "*Connector Load": a connector force (components 1 to 3) or connector
// moment (components 4 to 6) of one step on a connector set. Complex loads
// write a ", real" and an ", imaginary" block within the one keyword. Made by
// the load builder; it refers to the model's own load, which outlives the
// write.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "aif/impl/loads/aif_LoadHeader.h"

class kloC_Load;
class utl_Stream;

class aif_ConnectorLoad : public akw_Keyword {
 public:
  // `opFlag` clear: the keyword line carries ", op=NEW". An inactive load
  // (status 4 or 11) reads nothing more; an active one takes its state's
  // amplitude and clears the restate flag when its state is new.
  // `scaleFactor` (the load case's, 1 outside load cases) multiplies every
  // value written.
  aif_ConnectorLoad(const kloC_Load& load, const cow_String& setName, const cow_String& stepName,
                    bool opFlag, double scaleFactor);
  aif_ConnectorLoad(const aif_ConnectorLoad&) = default;

  akw_Keyword* Clone() const override { return new aif_ConnectorLoad(*this); }
  // An inactive load writes its keyword line alone. A real load writes the
  // keyword line and "set, component, value" for each component that is new
  // and not 0. A complex load writes a ", real" and then an ", imaginary"
  // block of all three components. A 0 is left out only where leaving it out
  // cannot keep an earlier value: under ", op=NEW" or for a load created in
  // the step; elsewhere it is written, and so is a block of zeros. Throws
  // aif_Exception ("Invalid load type for *Connector Load") for a load that
  // is neither a connector force nor a connector moment, before anything is
  // written.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteHeader(utl_Stream& stream, int part) const;
  // "set, label, value" with value = `magnitude` times the scale factor;
  // nothing when that value is 0 and `writeZero` is clear.
  void WriteLine(utl_Stream& stream, char label, double magnitude, bool writeZero) const;

  const kloC_Load* load_;
  cow_String step_;
  cow_String setName_;
  aif_LoadStatus status_;
  double scale_;
};
