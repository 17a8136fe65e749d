// "*Cload": the concentrated load of one kind (force, moment, generalized
// plane strain load, pore fluid, inward volume acceleration, reference
// pressure, bolt load) in one step or load-case entry. Made by the load
// builder; it refers to the model's own load, which outlives the write.
// Complex loads become a ", real" and an ", imaginary" keyword; loads whose
// magnitude an analytical field distributes write one line per node.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "aif/impl/loads/aif_LoadHeader.h"

class aif_FieldWalk;
class aif_ModelInfo;
class kloC_Load;
class kloC_LoadState;
class utl_Stream;

class aif_Cload : public akw_Keyword {
 public:
  // `opFlag` clear: the keyword line carries ", op=NEW". An inactive load
  // (status 4 or 11) reads nothing more. An active one takes its state's
  // amplitude, clears the restate flag when the amplitude attribute is new,
  // and names its data lines: a bolt load "_" + `loadName` + "_blrn_", a
  // generalized plane strain load its region (part-based) or the reference
  // point set of its region's first instance (flat) — both empty when the
  // region is invalid or touches no instance — any other kind its region.
  // `scaleFactor` multiplies every value written.
  aif_Cload(const kloC_Load& load, const cow_String& stepName, bool opFlag,
            const aif_ModelInfo& info, const cow_String& loadName, bool cyclic, int cyclicMode,
            double scaleFactor);
  aif_Cload(const aif_Cload&) = default;

  akw_Keyword* Clone() const override { return new aif_Cload(*this); }
  // An inactive load writes its keyword line alone. Otherwise the lines of
  // its kind. Throws nex_AssertException for a kind no concentrated load has
  // ("\"Invalid load type for *Cload\" == 0") and for a complex pore fluid
  // load; both before anything is written. A field-distributed load whose
  // field cannot be evaluated writes nothing (the reason goes to the
  // checking messages).
  void Write(utl_Stream& stream) const override;

  // The keyword line: "*Cload", ", op=NEW", ", follower", ", amplitude=",
  // ", cyclic mode=", then ", real" (`part` 1) or ", imaginary" (`part` 2); ended.
  void WriteHeader(utl_Stream& stream, int part, bool follower) const;
  // "set, label, value" with value = magnitude times the scale factor; nothing
  // when that value is 0 and `writeZero` is clear.
  void WriteLine(utl_Stream& stream, double magnitude, const char* label, bool lineBreak,
                 bool writeZero) const;
  // As WriteLine, on `nodeName` in place of the set.
  void WriteNodeLine(utl_Stream& stream, const cow_String& nodeName, double magnitude,
                     const char* label, bool lineBreak, bool writeZero) const;
  // One line per node of an evaluated walk, instance by instance: the node's
  // name, `label`, and the field's value times `magnitude` times the scale
  // factor (zeros written).
  void WriteFieldLines(utl_Stream& stream, const aif_FieldWalk& walk, double magnitude,
                       const char* label) const;

 private:
  // What one kind of directional load writes: up to three components.
  struct Directions {
    const char* labels[3] = {"", "", ""};
    int count = 3;
    // Real form: which components the kind writes at all.
    bool admitted[3] = {true, true, true};
    // Uniform complex form: which components count (the others as 0).
    bool complexCounted[3] = {true, true, true};
    bool follower = false;
    // The single-component kinds write nothing unless their value is new,
    // and write their complex component even when it scales to 0.
    bool single = false;
    // The kind named when its field fails to evaluate.
    const char* kind = "";
  };

  void WriteDirectional(utl_Stream& stream, const kloC_LoadState& state,
                        const Directions& directions) const;
  void WriteComplex(utl_Stream& stream, const Directions& directions) const;
  void WriteFieldLoad(utl_Stream& stream, const kloC_LoadState& state, const Directions& directions,
                      const cow_String& fieldName) const;
  void WriteReferencePressure(utl_Stream& stream) const;
  void WriteBoltLoad(utl_Stream& stream) const;
  // The line's tail after the name: ", label, value", ended when asked.
  void WriteValue(utl_Stream& stream, double value, const char* label, bool lineBreak) const;
  bool HasTwistDof() const;

  const kloC_Load* load_;
  cow_String step_;
  const aif_ModelInfo* info_;
  cow_String loadName_;
  aif_LoadStatus status_;
  cow_String setName_;
  double scale_;
  bool cyclic_;
  int cyclicMode_;
};
