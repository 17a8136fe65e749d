#include "aif/impl/loads/aif_FluxLoadFrame.h"

#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/omi_complex.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"

aif_FluxLoadFrame::aif_FluxLoadFrame(const aif_FluxLoadTable& table, const kloC_Load& load,
                                     const cow_String& stepName, bool opFlag,
                                     const cow_String& setName, const aif_ModelInfo* info,
                                     double scaleFactor, const char* file, int line)
    : table_(table),
      load_(&load),
      step_(stepName),
      setName_(setName),
      info_(info),
      status_(load, stepName, opFlag, aif_RestateBy::kStateOrAmplitudeStatus, file, line,
              aif_InactiveBy::kDeactivatedOnly),
      scale_(scaleFactor) {
  if (status_.Inactive()) {
    // Removing a load restates its kind: the line always carries ", op=NEW".
    status_.SetNewOp(true);
    return;
  }
  const mdl_PropAttr<double>& magnitude = load.ConstGetState(stepName).Value(0);
  real_ = magnitude.Value();
  magnitudeStatus_ = magnitude.Status();
  distribution_ = load.Distribution();
  created_ = load.Status(stepName) == 1;
  if (table_.rule == aif_FluxValueRule::kStatusAndParts && load.IsComplex()) {
    complex_ = true;
    real_ = aif_ComplexPart(load.ComplexValue(0), 1);
    imaginary_ = aif_ComplexPart(load.ComplexValue(0), 2);
  }
}

void aif_FluxLoadFrame::WriteHeader(utl_Stream& stream, int part) const {
  aif_LoadHeaderPieces pieces;
  pieces.newOp = status_.NewOp();
  pieces.amplitude = status_.Amplitude();
  pieces.amplitudeBreak = table_.amplitudeBreak;
  // The first part of a real load is the load itself: no marker.
  const bool marked = part == 2 || (part == 1 && complex_);
  if (marked && table_.marker == aif_ComplexMarker::kRealImaginary) pieces.part = part;
  aif_WriteLoadHeader(stream, table_.keyword, pieces);
  if (marked && table_.marker == aif_ComplexMarker::kLoadCase) stream << ", load case=" << part;
  stream.LineBreak();
}

bool aif_FluxLoadFrame::WriteLine(utl_Stream& stream, int part) const {
  const bool userDefined = distribution_ == 1 && !table_.userText.IsEmpty();
  const cow_String& text = userDefined ? table_.userText : table_.setText;
  if (table_.rule == aif_FluxValueRule::kAlways) {
    stream << setName_ << text << real_ * scale_;
    return true;
  }
  if (!complex_ && !status_.IsNew(magnitudeStatus_)) return false;
  const double value = Magnitude(part) * scale_;
  // A zero is left out only where leaving it out cannot keep an old value:
  // under ", op=NEW" or in the step that creates the load.
  if (value == 0.0 && (status_.NewOp() || created_)) return false;
  stream << setName_ << text << value;
  return true;
}

cow_String aif_FluxLoadFrame::FaceLabel(const aif_FieldWalk::Instance& instance, std::size_t i,
                                        bool& negate) const {
  negate = false;
  // A region without face names, or with fewer than elements, names none.
  const cow_String face = i < instance.faces.Length() ? instance.faces[i] : cow_String();
  if (table_.face == aif_FacePolicy::kNone || face.IsEmpty()) return table_.label;
  const bool positive = face == "SPOS";
  const bool shellSide = positive || face == "SNEG";
  // The face or edge number is the name's last character ("S3" gives 3).
  cow_String numbered = table_.label;
  numbered += face.Str().back();
  switch (table_.face) {
    case aif_FacePolicy::kShellSides:
      if (table_.label != ", S") return table_.label;
      return shellSide ? ", " + face : numbered;
    case aif_FacePolicy::kNegatePos:
      negate = positive;
      return shellSide ? table_.label : numbered;
    case aif_FacePolicy::kFaceDigit:
      return shellSide ? table_.label : numbered;
    case aif_FacePolicy::kNone:
      break;
  }
  return table_.label;
}

void aif_FluxLoadFrame::WriteMemberLines(utl_Stream& stream, const aif_FieldWalk& walk,
                                         double magnitude) const {
  for (const aif_FieldWalk::Instance& instance : walk.Instances())
    for (std::size_t i = 0; i < instance.ids.Length(); ++i) {
      bool negate = false;
      const cow_String label = FaceLabel(instance, i, negate);
      const double value = instance.values[i] * magnitude * scale_;
      aif_FieldWalk::WriteReference(stream, instance, i);
      stream << table_.beforeLabel << label << table_.afterLabel << (negate ? -value : value);
      stream.LineBreak();
    }
}

void aif_FluxLoadFrame::Write(utl_Stream& stream) const {
  if (status_.Inactive()) {
    WriteHeader(stream, 0);
    return;
  }
  cow_String fieldName;
  const bool field = table_.fieldLines && info_ && load_->UsesField(fieldName);
  if (!field) {
    if (table_.rule == aif_FluxValueRule::kStatusAndParts) {
      WriteParts(stream);
      return;
    }
    WriteHeader(stream, 0);
    WriteLine(stream, 0);
    stream.LineBreak();
    return;
  }
  // A real current or charge whose magnitude is not new writes nothing, and
  // is not evaluated.
  if (table_.rule == aif_FluxValueRule::kStatusAndParts && !complex_ &&
      !status_.IsNew(magnitudeStatus_))
    return;
  // Evaluated in full before the keyword line, so that a failure leaves no
  // keyword behind.
  aif_FieldWalk walk;
  aif_FieldSubject subject;
  subject.kind = table_.kind;
  subject.name = load_->Name();
  const bool evaluated =
      table_.perElement
          ? walk.EvaluateElements(*info_, load_->Region(), fieldName, table_.category, subject)
          : walk.EvaluateNodes(*info_, load_->Region(), fieldName, subject);
  if (!evaluated) return;
  if (complex_) {
    for (int part = 1; part <= 2; ++part) {
      WriteHeader(stream, part);
      WriteMemberLines(stream, walk, Magnitude(part));
    }
    return;
  }
  WriteHeader(stream, 0);
  WriteMemberLines(stream, walk, real_);
}

void aif_FluxLoadFrame::WriteParts(utl_Stream& stream) const {
  // The keyword lines stand even when their data lines are left out.
  WriteHeader(stream, 1);
  if (WriteLine(stream, 1)) stream.LineBreak();
  if (!complex_) return;
  WriteHeader(stream, 2);
  if (WriteLine(stream, 2)) stream.LineBreak();
}

aif_FluxLoadTable aif_ConcentratedElectricTable(const char* keyword, const char* kind,
                                                aif_ComplexMarker marker) {
  aif_FluxLoadTable table;
  table.keyword = keyword;
  table.kind = kind;
  table.rule = aif_FluxValueRule::kStatusAndParts;
  table.marker = marker;
  table.setText = ", ,";
  table.beforeLabel = ", , ";
  return table;
}

aif_FluxLoadTable aif_ElementElectricTable(const char* keyword, const char* label, bool surface,
                                           const char* kind, aif_ComplexMarker marker) {
  aif_FluxLoadTable table;
  table.keyword = keyword;
  table.kind = kind;
  table.rule = aif_FluxValueRule::kStatusAndParts;
  table.marker = marker;
  table.setText = cow_String(",") + label + ",";
  table.perElement = true;
  table.category = 1003;
  table.beforeLabel = ",";
  table.label = label;
  table.afterLabel = ", ";
  table.face = surface ? aif_FacePolicy::kFaceDigit : aif_FacePolicy::kNone;
  return table;
}

aif_FluxLoadTable aif_SurfaceElectricTable(const char* keyword, const char* setText,
                                           aif_ComplexMarker marker) {
  aif_FluxLoadTable table;
  table.keyword = keyword;
  table.rule = aif_FluxValueRule::kStatusAndParts;
  table.marker = marker;
  table.setText = setText;
  table.fieldLines = false;
  return table;
}

aif_FluxLoadTable aif_SurfaceFlowTable(const char* keyword) {
  aif_FluxLoadTable table;
  table.keyword = keyword;
  table.amplitudeBreak = true;
  table.setText = ", S, ";
  table.userText = ", SNU, ";
  table.fieldLines = false;
  return table;
}
