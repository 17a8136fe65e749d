// The body writers of "*Dload": body forces, line loads, gravity, rotational
// body forces, Coriolis forces and pipe pressures, on the load's element set
// or, when a field gives the load, element by element.
#include <cmath>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/loads/aif_Dload.h"

namespace {

constexpr char kDloadBodyFile[] = "module/aif/impl/loads/aif_DloadBody.cpp";

double DloadBodyLength(const double (&v)[3]) {
  return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

}  // namespace

// Body forces and line loads: up to three components, each on a line of its
// own. A line load in the beam's local system has "P1" (three-dimensional
// models only) and "P2".
void aif_Dload::WriteComponentLoad(utl_Stream& stream, bool lineLoad) const {
  const kloC_LoadState& state = load_->ConstGetState(step_);
  const cow_String suffix = load_->Distribution() == 1 ? "NU" : "";
  bool local = false;
  cow_String labels[3];
  if (lineLoad) {
    const auto& line = nex_canDynamicCastRef<const kloC_LineLoad>(*load_, kDloadBodyFile, __LINE__);
    local = line.DirectionSystem() != 1;
    labels[0] = (local ? "P1" : "PX") + suffix;
    labels[1] = (local ? "P2" : "PY") + suffix;
    labels[2] = local ? suffix : "PZ" + suffix;
  } else {
    nex_canDynamicCastRef<const kloC_BodyForce>(*load_, kDloadBodyFile, __LINE__);
    labels[0] = (IsAxisymmetric() ? "BR" : "BX") + suffix;
    labels[1] = (IsAxisymmetric() ? "BZ" : "BY") + suffix;
    labels[2] = "BZ" + suffix;
  }
  // Which components a line is written for, when new in the step.
  const bool present[3] = {!local || Is3D(), true, !local && Is3D()};
  const bool byField = load_->Distribution() == 2;

  if (!load_->IsComplex()) {
    bool written[3];
    bool any = false;
    for (int c = 0; c < 3; ++c) {
      written[c] = present[c] && status_.IsNew(state.Value(c).Status());
      any = any || written[c];
    }
    if (!byField) {
      WriteKeywordLine(stream, 0);
      for (int c = 0; c < 3; ++c)
        if (written[c]) WriteSetLine(stream, state.Value(c).Value(), labels[c], true, true);
      return;
    }
    if (!any) return;
    aif_FieldWalk walk;
    if (!EvaluateField(walk, 1003, lineLoad ? "line load" : "body force")) return;
    WriteKeywordLine(stream, 0);
    for (int c = 0; c < 3; ++c)
      if (written[c])
        WriteFieldLines(stream, walk, state.Value(c).Value(), labels[c], kNoGravity, -1.0);
    return;
  }

  // Complex: the real part, then the imaginary one; a component the model's
  // space has no room for counts as 0.
  double parts[2][3];
  bool anyPart[2] = {false, false};
  for (int part = 1; part <= 2; ++part) {
    double* v = parts[part - 1];
    for (int c = 0; c < 3; ++c)
      v[c] = aif_ComplexPart(load_->ComplexValue(static_cast<std::size_t>(c)), part);
    if (modelSpace_ == 2 || IsAxisymmetric() || local) v[2] = 0.0;
    if (local && (modelSpace_ == 2 || IsAxisymmetric())) v[0] = 0.0;
    anyPart[part - 1] = v[0] != 0.0 || v[1] != 0.0 || v[2] != 0.0;
  }
  aif_FieldWalk walk;
  if (byField) {
    // A field-given body force writes both parts whatever their values.
    const bool needed = lineLoad ? anyPart[0] || anyPart[1] : true;
    if (!needed) return;
    if (!EvaluateField(walk, 1003, lineLoad ? "line load" : "body force")) return;
  }
  for (int part = 1; part <= 2; ++part) {
    const double* v = parts[part - 1];
    if (byField && !lineLoad) {
      WriteKeywordLine(stream, part);
      for (int c = 0; c < 3; ++c)
        if (c < 2 || Is3D()) WriteFieldLines(stream, walk, v[c], labels[c], kNoGravity, -1.0);
      continue;
    }
    if (!anyPart[part - 1]) continue;
    WriteKeywordLine(stream, part);
    for (int c = 0; c < 3; ++c) {
      if (byField) {
        if (v[c] != 0.0) WriteFieldLines(stream, walk, v[c], labels[c], kNoGravity, -1.0);
      } else {
        WriteSetLine(stream, v[c], labels[c], true, false);
      }
    }
  }
}

void aif_Dload::WriteBodyForce(utl_Stream& stream) const {
  WriteComponentLoad(stream, false);
}

void aif_Dload::WriteLineLoad(utl_Stream& stream) const {
  WriteComponentLoad(stream, true);
}

void aif_Dload::WriteGravityDirection(utl_Stream& stream, const double (&g)[3],
                                      double length) const {
  auto unit = [length](double component) { return length == 0.0 ? 0.0 : component / length; };
  if (IsAxisymmetric())
    stream << ", ";
  else
    stream << ", " << unit(g[0]);
  stream << ", " << unit(g[1]);
  if (Is3D()) stream << ", " << unit(g[2]);
}

// "<set>, GRAV, |g|, the direction": the magnitude printed with the
// vector's own smallest real, so that rounding noise of a unit vector does
// not print as a value.
void aif_Dload::WriteGravityLine(utl_Stream& stream, const double (&g)[3]) const {
  const double length = DloadBodyLength(g);
  {
    utl_StreamSmallReal small(stream, GravitySmallReal(length));
    WriteSetLine(stream, length, "GRAV", false, true);
  }
  WriteGravityDirection(stream, g, length);
  stream.LineBreak();
}

void aif_Dload::WriteGravity(utl_Stream& stream) const {
  nex_canDynamicCastRef<const kloC_Gravity>(*load_, kDloadBodyFile, __LINE__);
  const kloC_GravityState& state = load_->ConstGetState(step_);
  cow_String fieldName;
  const bool byField = load_->UsesField(fieldName);
  if (!load_->IsComplex()) {
    bool any = false;
    for (std::size_t c = 0; c < 3; ++c)
      any = any || status_.IsNew(state.Value(c).Status());
    if (!any) return;
    const double g[3] = {state.Value(0).Value(), state.Value(1).Value(), state.Value(2).Value()};
    if (!byField) {
      WriteKeywordLine(stream, 0);
      WriteGravityLine(stream, g);
      return;
    }
    aif_FieldWalk walk;
    if (!EvaluateField(walk, 1003, "gravity")) return;
    WriteKeywordLine(stream, 0);
    const double length = DloadBodyLength(g);
    WriteFieldLines(stream, walk, length, "GRAV", g, GravitySmallReal(length));
    return;
  }
  aif_FieldWalk walk;
  if (byField && !EvaluateField(walk, 1003, "gravity")) return;
  for (int part = 1; part <= 2; ++part) {
    double g[3];
    for (std::size_t c = 0; c < 3; ++c)
      g[c] = aif_ComplexPart(load_->ComplexValue(c), part);
    const double length = DloadBodyLength(g);
    if (byField) {
      WriteKeywordLine(stream, part);
      WriteFieldLines(stream, walk, length, "GRAV", g, GravitySmallReal(length));
    } else if (length != 0.0) {
      WriteKeywordLine(stream, part);
      WriteGravityLine(stream, g);
    }
  }
}

// Rotational body forces and Coriolis forces: one value (the square of the
// speed for a centrifugal load), rounded to single precision, and the axis.
void aif_Dload::WriteRotationalBodyForce(utl_Stream& stream) const {
  const auto& rotation =
      nex_canDynamicCastRef<const kloC_RotationalBodyForce>(*load_, kDloadBodyFile, __LINE__);
  const kloC_RotationalBodyForceState& state = load_->ConstGetState(step_);
  if (!status_.IsNew(state.Value(0).Status())) return;
  const double m = state.Value(0).Value();
  cow_String label;
  float value = 0.0f;
  if (rotation.Centrifugal()) {
    label = "CENTRIF";
    value = static_cast<float>(m * m);
  } else if (rotation.RotaryAcceleration()) {
    label = "ROTA";
    value = static_cast<float>(m);
  } else {
    // Without either effect the load has no magnitude to write.
    ajbC_CheckingMessages::Instance().Messages().Append(atr_TranslateWithArg(
        "\nThe rotational body force \"%s\" has neither a centrifugal nor a rotary "
        "acceleration effect,\nthis load will be missing in the input file.",
        loadName_));
    return;
  }
  WriteTurningLoad(stream, label, value, "rotational body force");
}

void aif_Dload::WriteCoriolisForce(utl_Stream& stream) const {
  nex_canDynamicCastRef<const kloC_CoriolisForce>(*load_, kDloadBodyFile, __LINE__);
  const kloC_CoriolisForceState& state = load_->ConstGetState(step_);
  if (!status_.IsNew(state.Value(0).Status())) return;
  WriteTurningLoad(stream, "CORIO", static_cast<float>(state.Value(0).Value()), "coriolis force");
}

void aif_Dload::WriteTurningLoad(utl_Stream& stream, const cow_String& label, float value,
                                 const char* kind) const {
  cow_String fieldName;
  if (load_->UsesField(fieldName)) {
    aif_FieldWalk walk;
    if (!EvaluateField(walk, 1003, kind)) return;
    WriteKeywordLine(stream, 0);
    WriteFieldLines(stream, walk, value, label, kNoGravity, -1.0);
    return;
  }
  WriteKeywordLine(stream, 0);
  WriteSetLine(stream, value, label, false, true);
  WriteTrailingFields(stream, kNoGravity);
  stream.LineBreak();
}

void aif_Dload::WriteAxis(utl_Stream& stream, const gsl_Point& first,
                          const gsl_Point& second) const {
  stream << "," << first.x << "," << first.y << "," << first.z;
  if (modelSpace_ >= 0 && modelSpace_ <= 2) {
    const gsl_Vector d = second - first;
    const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    auto unit = [length](double component) { return length == 0.0 ? 0.0 : component / length; };
    stream << "," << unit(d.x) << "," << unit(d.y) << "," << unit(d.z);
  } else if (IsAxisymmetric()) {
    stream << ",0.0,1.0,0.0";
  }
}

void aif_Dload::WriteRotationAxis(utl_Stream& stream) const {
  const auto& rotation =
      nex_canDynamicCastRef<const kloC_RotationalBodyForce>(*load_, kDloadBodyFile, __LINE__);
  WriteAxis(stream, rotation.AxisPoint1(), rotation.AxisPoint2());
}

void aif_Dload::WriteCoriolisAxis(utl_Stream& stream) const {
  const auto& coriolis =
      nex_canDynamicCastRef<const kloC_CoriolisForce>(*load_, kDloadBodyFile, __LINE__);
  WriteAxis(stream, coriolis.AxisPoint1(), coriolis.AxisPoint2());
}

void aif_Dload::WritePipeData(utl_Stream& stream, const kloC_LoadState& state) const {
  const auto& pipe =
      nex_canDynamicCastRef<const kloC_PipePressure>(*load_, kDloadBodyFile, __LINE__);
  if (load_->Distribution() == 2)
    stream << ", " << state.Value(1).Value() << ", " << state.Value(2).Value();
  stream << ", " << pipe.FixedValue();
}

void aif_Dload::WritePipePressure(utl_Stream& stream) const {
  const auto& pipe =
      nex_canDynamicCastRef<const kloC_PipePressure>(*load_, kDloadBodyFile, __LINE__);
  const kloC_PipePressureState& state = load_->ConstGetState(step_);
  const int distribution = load_->Distribution();
  cow_String label = pipe.External() ? "PE" : "PI";
  if (distribution == 1) label += "NU";
  if (distribution == 2) label = "H" + label;

  if (distribution == 3) {
    if (!load_->IsComplex() && !status_.IsNew(state.Value(0).Status())) return;
    aif_FieldWalk walk;
    if (!EvaluateField(walk, 1003, "pipe presure")) return;
    if (!load_->IsComplex()) {
      WriteKeywordLine(stream, 0);
      WriteFieldLines(stream, walk, state.Value(0).Value(), label, kNoGravity, -1.0);
      return;
    }
    for (int part = 1; part <= 2; ++part) {
      WriteKeywordLine(stream, part);
      WriteFieldLines(stream, walk, aif_ComplexPart(load_->ComplexValue(0), part), label,
                      kNoGravity, -1.0);
    }
    return;
  }

  if (load_->IsComplex()) {
    for (int part = 1; part <= 2; ++part) {
      const double value = aif_ComplexPart(load_->ComplexValue(0), part);
      if (value == 0.0) continue;
      WriteKeywordLine(stream, part);
      WriteSetLine(stream, value, label, false, true);
      WritePipeData(stream, state);
      stream.LineBreak();
    }
    return;
  }
  const bool needed = status_.IsNew(state.Value(0).Status()) ||
                      (distribution == 2 && (status_.IsNew(state.Value(1).Status()) ||
                                             status_.IsNew(state.Value(2).Status())));
  if (!needed) return;
  WriteKeywordLine(stream, 0);
  WriteSetLine(stream, state.Value(0).Value(), label, false, true);
  WritePipeData(stream, state);
  stream.LineBreak();
}
