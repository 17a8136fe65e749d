// The rule every load keyword applies to its first line and to the choice of
// its data lines: one status record per keyword, made from the builder's op
// flag and the load's status in the step, and one routine for the pieces of
// the keyword line.
#pragma once

#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kloC_Load;
class omi_complex;
class utl_Stream;
struct dtmC_DatumRef;

// Which status clears the restate flag of an active load: that of its
// amplitude attribute, or either that or the status of the load's state in
// the step. A new amplitude must restate every value, or the values carried
// over would keep the old one.
enum class aif_RestateBy { kAmplitudeStatus, kStateOrAmplitudeStatus };

// Which statuses make a load inactive: 4 or 11, or 4 alone.
enum class aif_InactiveBy { kDeactivatedOrInactive, kDeactivatedOnly };

class aif_LoadStatus {
 public:
  aif_LoadStatus() = default;
  // `opFlag` is the builder's flag (clear: the keyword line carries
  // ", op=NEW"). An inactive load (see `inactiveBy`) clears the restate flag
  // and reads nothing more; an active one takes the amplitude name of its
  // state and clears the restate flag when a `restateBy` status is new (1,
  // or 2 while the flag is clear). `file` and `line` name the caller in
  // the type test of the state.
  aif_LoadStatus(const kloC_Load& load, const cow_String& step, bool opFlag,
                 aif_RestateBy restateBy, const char* file, int line,
                 aif_InactiveBy inactiveBy = aif_InactiveBy::kDeactivatedOrInactive);

  bool NewOp() const { return newOp_; }
  bool Inactive() const { return inactive_; }
  bool Restate() const { return restate_; }
  const cow_String& Amplitude() const { return amplitude_; }
  // Whether a value whose attribute has propagation status `status` is
  // written: status 1, or 2 while the restate flag is clear.
  bool IsNew(int status) const;

  // Clears the op flag of an inactive keyword that always writes ", op=NEW".
  void SetNewOp(bool newOp) { newOp_ = newOp; }

 private:
  bool newOp_ = false;
  bool inactive_ = false;
  bool restate_ = false;
  cow_String amplitude_;
};

// The options of one load keyword line, in the order they are written after
// the keyword: options of the keyword's own that come first (such as
// ", submodel, step=S"), ", op=NEW", ", follower", ", amplitude=" (after an
// optional line break when asked), ", cyclic mode=", then ", real" (part 1)
// or ", imaginary" (part 2).
struct aif_LoadHeaderPieces {
  cow_String beforeOp;
  bool newOp = false;
  bool follower = false;
  cow_String amplitude;
  bool amplitudeBreak = false;
  bool cyclic = false;
  int cyclicMode = -1;
  int part = 0;
};

// Writes `keyword` and the pieces that apply; the line is not ended, so that
// a keyword can append options of its own before its line break.
void aif_WriteLoadHeader(utl_Stream& stream, const char* keyword,
                         const aif_LoadHeaderPieces& pieces);

// Part `part` of a complex magnitude: the real part for 1, the imaginary
// part otherwise, read in its converted form when the value holds one.
double aif_ComplexPart(const omi_complex& value, int part);

// The orientation a traction names: the name given, printable (a line break
// throws nex_TextException); else, for a datum system, the model info's
// name of it with the angle and the load's name; else empty.
cow_String aif_TractionOrientation(const aif_ModelInfo& info, const cow_String& orientationName,
                                   const dtmC_DatumRef& datum, double angle,
                                   const cow_String& loadName);
// ", follower=NO", ", orientation=" and ", constant resultant=YES" as they
// apply, after a traction's keyword line pieces.
void aif_WriteTractionOptions(utl_Stream& stream, bool notFollower, const cow_String& orientation,
                              bool constantResultant);

// "<name>, <label>, <value>" of a load on a set, surface or member: nothing
// when the value is exactly 0 and `writeZero` is clear; the line is ended
// only when `lineBreak` is set.
void aif_WriteLoadDataLine(utl_Stream& stream, const cow_String& name, const cow_String& label,
                           double value, bool lineBreak, bool writeZero);
