// What the film and radiation keywords ("*Sfilm", "*Film", "*Cfilm",
// "*Sradiate", "*Radiate", "*Cradiate") share: the keyword line of a
// condition removed in a step, the amplitude and region-type options, and the
// data lines of a condition whose values a field distributes, one per node or
// element face, with every instance evaluated before a line is written.
#pragma once

#include "BasShared/cow_String.h"
#include "aif/impl/loads/aif_FieldWalk.h"

class aif_ModelInfo;
class kinC_FilmCondition;
class kinC_Interaction;
class rgnC_Region;
class utl_Stream;

// A field that scales one value of a condition's data lines.
struct aif_ThermalFactor {
  enum Kind { kNone, kAnalytical, kDiscrete };
  Kind kind = kNone;
  cow_String fieldName;
  // The message a failed evaluation appends to the checking messages: a
  // format whose two "%s" take the condition's name and the field's name
  // ("analytical field" reads "discrete field" for a discrete one).
  const char* message = "";
};

// The layout of a data line after the member's name: ", " and the face label
// (elements only), ", " and the nodal value (concentrated conditions only),
// ", " and the sink temperature, ", " and the coefficient (the film
// coefficient or the emissivity) or the text standing for it.
struct aif_ThermalLine {
  // The letter that replaces the "S" of a face name ("F" gives S3 as F3 and
  // SPOS as FPOS); empty for node lines.
  const char* faceLetter = "";
  bool nodal = false;
  double nodalValue = 0.0;
  double sink = 0.0;
  double coefficient = 0.0;
  // Written in place of the coefficient when not empty (a film property).
  cow_String coefficientText;
};

class aif_ThermalConditionLines {
 public:
  enum Members { kNodes, kFaces };

  // Evaluates `coefficient` and `sink` (either may be kNone, not both) over
  // the unique nodes or the element faces (face centroids) of `region`,
  // every instance before anything is written; two analytical fields share
  // one fetch of the points. Members of instances whose mesh the file does
  // not hold (inactive, mesh-locked) are left out. An instance without points
  // for an expression field is left out; one a discrete field has no table
  // for keeps the uniform value (factor 1).
  //
  // Returns false when a field cannot be evaluated: the model lacks it, it
  // is neither an expression nor a mapped field, its mapping fails or comes
  // short of values for an instance, or a discrete field needs a default it
  // does not have. The factor's message, naming `conditionName` and the
  // field and led by the mapping's own text when the mapping failed, is
  // then appended to the checking messages. A mapped field over a region
  // without mesh members also gives false, with no message.
  bool Evaluate(const aif_ModelInfo& info, const rgnC_Region& region, Members members,
                const cow_String& conditionName, const aif_ThermalFactor& coefficient,
                const aif_ThermalFactor& sink);

  // One line per member evaluated: its name (instance prefix and label plus
  // the instance's offset), then `line`'s values, the sink temperature and
  // the coefficient each times the member's factor of its field.
  void Write(utl_Stream& stream, const aif_ThermalLine& line) const;

 private:
  aif_FieldWalk coefficient_;
  aif_FieldWalk sink_;
  bool coefficientUsed_ = false;
  bool sinkUsed_ = false;
};

// The keyword line of a condition removed in the step: `keyword`, then
// ", op=NEW" when `keepOp` is false, ended.
void aif_WriteThermalInactive(utl_Stream& stream, const char* keyword, bool keepOp);

// ", " `option` and the printable name, behind an optional line break, when
// `name` is not empty; nothing otherwise.
void aif_WriteThermalAmplitude(utl_Stream& stream, const char* option, const cow_String& name);

// In an explicit step (the procedure of `condition`'s state in `stepName`):
// behind an optional line break, ", region type=SLIDING" for `regionType`
// 1 or ", region type=EULERIAN" for 2. Nothing otherwise.
void aif_WriteThermalRegionType(utl_Stream& stream, const kinC_Interaction& condition,
                                const cow_String& stepName, int regionType);

// The fields of a film condition: the film coefficient's (definition 3
// analytical, 4 discrete) and the sink temperature's (sink definition 1
// analytical, 2 discrete), each with its failure message.
void aif_FilmThermalFactors(const kinC_FilmCondition& condition, const char* coefficientMessage,
                            const char* sinkMessage, aif_ThermalFactor& coefficient,
                            aif_ThermalFactor& sink);
