// The frame of the flux, flow, current and charge load keywords ("*Cflux",
// "*Cecurrent", "*Cecharge", "*Fluid Flux", "*Dflux", "*Dsflux", "*Dflow",
// "*Dsflow", "*Decurrent", "*Dsecurrent", "*Decharge", "*Dsecharge"): one
// keyword line, then one line on the load's set or surface, or one line per
// node or element when an analytical field distributes the magnitude. Each
// keyword states its texts in an aif_FluxLoadTable; the frame writes them.
#pragma once

#include <cstddef>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "aif/impl/loads/aif_FieldWalk.h"
#include "aif/impl/loads/aif_LoadHeader.h"

class aif_ModelInfo;
class kloC_Load;
class utl_Stream;

// How the two parts of a complex load are told apart on the keyword line.
enum class aif_ComplexMarker {
  kLoadCase,      // ", load case=1" and ", load case=2"
  kRealImaginary  // ", real" and ", imaginary"
};

// What the face name of an element does to its line.
enum class aif_FacePolicy {
  kNone,        // the label as it is
  kShellSides,  // "SPOS" and "SNEG" written as labels of their own, else the
                // face digit appended; only for the label ", S"
  kNegatePos,   // the face digit appended; "SPOS" negates the value
  kFaceDigit    // the face digit appended; "SPOS" and "SNEG" add nothing
};

// Which data lines a keyword writes.
enum class aif_FluxValueRule {
  // An active load writes its magnitude in every step, whatever its status.
  kAlways,
  // The current and charge form: a real magnitude is written when its
  // attribute is new (1, or 2 under ", op=NEW"); a complex load writes two
  // parts; a zero is left out only under ", op=NEW" or in the step that
  // creates the load.
  kStatusAndParts
};

struct aif_FluxLoadTable {
  const char* keyword = "";
  // The kind named in a field's failure message ("body heat flux").
  const char* kind = "";
  // An optional line break before ", amplitude=".
  bool amplitudeBreak = false;
  aif_FluxValueRule rule = aif_FluxValueRule::kAlways;
  aif_ComplexMarker marker = aif_ComplexMarker::kRealImaginary;
  // The set line: the set name, `setText` (`userText` for a user-defined
  // distribution, when given) and the value.
  cow_String setText;
  cow_String userText;
  // Field lines, when the load's magnitude comes from an analytical field
  // and `fieldLines` is set (else the set line whatever the field): per
  // node, or per element at the centroids of `category`.
  bool fieldLines = true;
  bool perElement = false;
  int category = 1003;
  // A field line: the member's name, `beforeLabel`, the label (changed by
  // the face policy), `afterLabel` and the value.
  cow_String beforeLabel;
  cow_String label;
  cow_String afterLabel;
  aif_FacePolicy face = aif_FacePolicy::kNone;
};

// The tables the current and charge keywords share; the two differ only by
// keyword, kind, labels and complex marker (load cases for currents,
// real/imaginary for charges). Concentrated: "set, ,value" and "node, ,
// value", the degree of freedom left blank.
aif_FluxLoadTable aif_ConcentratedElectricTable(const char* keyword, const char* kind,
                                                aif_ComplexMarker marker);
// Element-based: "set,<label>,value" and "element,<label>, value" at element
// centroids; a surface load's lines name the face number.
aif_FluxLoadTable aif_ElementElectricTable(const char* keyword, const char* label, bool surface,
                                           const char* kind, aif_ComplexMarker marker);
// Surface-based: "surface<setText>value", no field lines.
aif_FluxLoadTable aif_SurfaceElectricTable(const char* keyword, const char* setText,
                                           aif_ComplexMarker marker);
// The surface flux and flow keywords: "surface, S, value" ("SNU"
// user-defined), no field lines.
aif_FluxLoadTable aif_SurfaceFlowTable(const char* keyword);

class aif_FluxLoadFrame : public akw_Keyword {
 public:
  // `opFlag` clear: the keyword line carries ", op=NEW". Status 4 in the
  // step makes the keyword inactive and its line always carries ", op=NEW";
  // every other status, 11 included, is active and takes the state's
  // amplitude and magnitude (the complex parts of a complex current or
  // charge). `info` may be null for a keyword that writes no field lines.
  // `scaleFactor` multiplies every value written. `file` and `line` name the
  // caller in the type test of the state.
  aif_FluxLoadFrame(const aif_FluxLoadTable& table, const kloC_Load& load,
                    const cow_String& stepName, bool opFlag, const cow_String& setName,
                    const aif_ModelInfo* info, double scaleFactor, const char* file, int line);

  // An inactive load writes its keyword line alone. A field that cannot be
  // evaluated leaves out the whole keyword (the checking messages say why).
  void Write(utl_Stream& stream) const override;

  // The keyword line of `part` (0 none, 1 or 2 of a complex load), ended.
  void WriteHeader(utl_Stream& stream, int part) const;
  // The set line of `part` when its value is written; returns whether it was.
  // The line is not ended.
  bool WriteLine(utl_Stream& stream, int part) const;
  // One line per member of `walk` with the field's value times `magnitude`
  // times the scale factor; zeros written.
  void WriteMemberLines(utl_Stream& stream, const aif_FieldWalk& walk, double magnitude) const;

  const aif_FluxLoadTable& Table() const { return table_; }
  bool Inactive() const { return status_.Inactive(); }

 private:
  // The magnitude of `part`: the real one for 0 and 1, the imaginary for 2.
  double Magnitude(int part) const { return part == 2 ? imaginary_ : real_; }
  // The label of element `i` of `instance` and whether its value is negated.
  cow_String FaceLabel(const aif_FieldWalk::Instance& instance, std::size_t i, bool& negate) const;
  // The set lines of the current and charge form.
  void WriteParts(utl_Stream& stream) const;

  aif_FluxLoadTable table_;
  const kloC_Load* load_;
  cow_String step_;
  cow_String setName_;
  const aif_ModelInfo* info_;
  aif_LoadStatus status_;
  double scale_;
  double real_ = 0.0;
  double imaginary_ = 0.0;
  int magnitudeStatus_ = 0;
  int distribution_ = 0;
  bool complex_ = false;
  // Created in the step (status 1).
  bool created_ = false;
};
