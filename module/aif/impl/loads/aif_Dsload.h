// "*Dsload": a distributed load on a surface named as a whole, in one step or
// load-case entry: uniform, hydrostatic and total-force pressures, surface
// tractions, shell edge loads and the surface of a stress-based submodel. The
// load builder makes one per load and step (or load case); the keyword refers
// to the model's own load, which outlives the write, and reads its values when
// it is written.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "aif/impl/loads/aif_LoadHeader.h"

class aif_ModelInfo;
class kloC_Load;
class utl_Stream;
struct dtmC_DatumRef;

class aif_Dsload : public akw_Keyword {
 public:
  // `opFlag` clear: the keyword line carries ", op=NEW". An inactive load
  // (status 4 or 11) reads nothing more. An active one takes its state's
  // amplitude and clears the restate flag when the amplitude attribute is
  // new; a stress-based submodel also takes its state's global step and
  // scale. `surfaceName` names the surface of every data line; `refNodeName`
  // is written as ", ref node=" when not empty; `loadName` extends the name of
  // a datum system's orientation; `scaleFactor` multiplies every magnitude.
  // Throws nex_AssertException ("! setName.Empty()") for an active load
  // without a surface name.
  aif_Dsload(const kloC_Load& load, const cow_String& stepName, bool opFlag,
             const cow_String& surfaceName, const aif_ModelInfo& info, bool cyclic, int cyclicMode,
             double scaleFactor, cow_String loadName, cow_String refNodeName);

  aif_Dsload* Clone() const override { return new aif_Dsload(*this); }
  // An inactive load writes its keyword line alone; an active one the lines
  // of its kind, and a kind without surface lines nothing. Throws
  // nex_TextException, before anything is written, for an orientation name
  // holding a line break.
  void Write(utl_Stream& stream) const override;

  // "*Dsload", then ", submodel", ", step=", ", scale=", ", op=NEW",
  // ", amplitude=", ", cyclic mode=", ", real" (`part` 1) or ", imaginary"
  // (`part` 2), ", follower=NO", ", orientation=" (the name given, printable,
  // else the datum system's name, else none), ", constant resultant=YES" and
  // ", ref node=" as they apply, and the line break.
  void WriteKeywordLine(utl_Stream& stream, int part, bool notFollower, bool constantResultant,
                        const cow_String& orientationName, const dtmC_DatumRef& datum,
                        double orientationNumber) const;
  // "<surface>, <label>, <scale * magnitude>"; nothing when that value is 0
  // and `writeZero` is clear. The line is ended only when `lineBreak` is set.
  void WriteLine(utl_Stream& stream, double magnitude, const cow_String& label, bool lineBreak,
                 bool writeZero) const;

 private:
  void WritePressure(utl_Stream& stream) const;
  // Surface tractions and shell edge loads.
  void WriteTraction(utl_Stream& stream) const;
  void WriteSubmodel(utl_Stream& stream) const;
  // Whether a complex part of 0 is left out: under ", op=NEW", where the
  // keyword restates its loads, or for a load created in the step. Elsewhere
  // the 0 replaces the value an earlier step gave.
  bool OmitsZeroPart() const;

  const kloC_Load* load_;
  cow_String step_;
  cow_String surface_;
  cow_String refNode_;
  cow_String loadName_;
  aif_LoadStatus status_;
  double scale_;
  bool submodel_ = false;
  cow_String submodelStep_;
  double submodelScale_ = 1.0;
  const aif_ModelInfo* info_;
  bool cyclic_;
  int cyclicMode_;
};
