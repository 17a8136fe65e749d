#include "aif/impl/loads/aif_Dload.h"

#include <cmath>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr char kDloadFile[] = "module/aif/impl/loads/aif_Dload.cpp";

}  // namespace

aif_Dload::aif_Dload(const kloC_Load& load, const cow_String& stepName, bool opFlag,
                     const cow_String& setName, int modelSpaceCode, const aif_ModelInfo& info,
                     bool cyclic, int cyclicMode, double scaleFactor, const cow_String& loadName)
    : load_(&load),
      step_(stepName),
      setName_(setName),
      loadName_(loadName),
      status_(load, stepName, opFlag, aif_RestateBy::kStateOrAmplitudeStatus, kDloadFile, __LINE__),
      scale_(scaleFactor),
      modelSpace_(modelSpaceCode),
      info_(&info),
      cyclic_(cyclic),
      cyclicMode_(cyclicMode) {}

void aif_Dload::Write(utl_Stream& stream) const {
  if (status_.Inactive()) {
    WriteKeywordLine(stream, 0);
    return;
  }
  const unsigned type = load_->DynTypeId();
  if (type == kloC_Pressure::TypeId())
    WritePressure(stream);
  else if (type == kloC_SurfaceTraction::TypeId())
    WriteSurfaceTraction(stream);
  else if (type == kloC_ShellEdgeLoad::TypeId())
    WriteShellEdgeLoad(stream);
  else if (type == kloC_BodyForce::TypeId())
    WriteBodyForce(stream);
  else if (type == kloC_LineLoad::TypeId())
    WriteLineLoad(stream);
  else if (type == kloC_Gravity::TypeId())
    WriteGravity(stream);
  else if (type == kloC_RotationalBodyForce::TypeId())
    WriteRotationalBodyForce(stream);
  else if (type == kloC_CoriolisForce::TypeId())
    WriteCoriolisForce(stream);
  else if (type == kloC_PipePressure::TypeId())
    WritePipePressure(stream);
  else
    nex_Exception::Throw(nex_AssertException("\"Invalid load type for *Dload\" == 0"), kDloadFile,
                         __LINE__);
}

aif_LoadHeaderPieces aif_Dload::Pieces(int part) const {
  aif_LoadHeaderPieces pieces;
  pieces.newOp = status_.NewOp();
  pieces.amplitude = status_.Amplitude();
  pieces.cyclic = cyclic_;
  pieces.cyclicMode = cyclicMode_;
  pieces.part = part;
  return pieces;
}

void aif_Dload::WriteKeywordLine(utl_Stream& stream, int part) const {
  aif_WriteLoadHeader(stream, "*Dload", Pieces(part));
  stream.LineBreak();
}

void aif_Dload::WriteTractionKeywordLine(utl_Stream& stream, int part, bool notFollower,
                                         bool constantResultant, const cow_String& orientationName,
                                         const dtmC_DatumRef& datum,
                                         double orientationNumber) const {
  // The name's printable form first: a name that cannot be written stops the
  // write before the line is begun.
  const cow_String orientation =
      aif_TractionOrientation(*info_, orientationName, datum, orientationNumber, loadName_);
  aif_WriteLoadHeader(stream, "*Dload", Pieces(part));
  aif_WriteTractionOptions(stream, notFollower, orientation, constantResultant);
  stream.LineBreak();
}

void aif_Dload::WriteSetLine(utl_Stream& stream, double magnitude, const cow_String& label,
                             bool lineBreak, bool writeZero) const {
  aif_WriteLoadDataLine(stream, setName_, label, scale_ * magnitude, lineBreak, writeZero);
}

void aif_Dload::WriteElementLine(utl_Stream& stream, const aif_FieldWalk::Instance& instance,
                                 std::size_t i, double magnitude, const cow_String& label,
                                 bool lineBreak, bool writeZero) const {
  const double value = scale_ * magnitude;
  if (value == 0.0 && !writeZero) return;
  aif_FieldWalk::WriteReference(stream, instance, i);
  stream << ", " << label << ", " << value;
  if (lineBreak) stream.LineBreak();
}

bool aif_Dload::EvaluateField(aif_FieldWalk& walk, int category, const char* kind) const {
  aif_FieldSubject subject;
  subject.kind = kind;
  subject.name = loadName_;
  return walk.EvaluateElements(*info_, load_->Region(), load_->FieldName(), category, subject);
}

void aif_Dload::WriteFieldLines(utl_Stream& stream, const aif_FieldWalk& walk, double magnitude,
                                const cow_String& baseLabel, const double (&gravity)[3],
                                double smallReal) const {
  const unsigned type = load_->DynTypeId();
  // Surface and edge loads name the loaded face or edge by its number; a
  // pressure on the positive side of a shell pushes against its normal.
  const bool faced = type == kloC_Pressure::TypeId() || type == kloC_SurfaceTraction::TypeId() ||
                     type == kloC_ShellEdgeLoad::TypeId();
  const bool pressure = type == kloC_Pressure::TypeId();
  for (const aif_FieldWalk::Instance& instance : walk.Instances()) {
    const bool hasFaces = !instance.faces.IsEmpty();
    for (std::size_t i = 0; i < instance.ids.Length(); ++i) {
      double value = instance.values[i] * magnitude;
      cow_String label = baseLabel;
      if (faced && hasFaces) {
        const cow_String& face = instance.faces[i];
        if (face == "SPOS") {
          if (pressure) value = -value;
        } else if (face != "SNEG" && !face.IsEmpty()) {
          label += face.Str().back();
        }
      }
      {
        utl_StreamSmallReal small(stream, smallReal);
        WriteElementLine(stream, instance, i, value, label, false, true);
      }
      WriteTrailingFields(stream, gravity);
      stream.LineBreak();
    }
  }
}

void aif_Dload::WriteTrailingFields(utl_Stream& stream, const double (&gravity)[3]) const {
  const unsigned type = load_->DynTypeId();
  if (type == kloC_RotationalBodyForce::TypeId()) {
    WriteRotationAxis(stream);
  } else if (type == kloC_CoriolisForce::TypeId()) {
    WriteCoriolisAxis(stream);
  } else if (type == kloC_PipePressure::TypeId()) {
    WritePipeData(stream, load_->ConstGetState(step_));
  } else if (type == kloC_Gravity::TypeId()) {
    const double length =
        std::sqrt(gravity[0] * gravity[0] + gravity[1] * gravity[1] + gravity[2] * gravity[2]);
    WriteGravityDirection(stream, gravity, length);
  } else if (type == kloC_SurfaceTraction::TypeId() || type == kloC_ShellEdgeLoad::TypeId()) {
    const auto& traction = nex_canDynamicCastRef<const kloC_Traction>(*load_, kDloadFile, __LINE__);
    if (type == kloC_ShellEdgeLoad::TypeId() && traction.TractionKind() != 4) return;
    const gsl_Vector d = traction.DirectionSegment().Direction();
    const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    const double x = length == 0.0 ? 0.0 : d.x / length;
    const double y = length == 0.0 ? 0.0 : d.y / length;
    const double z = length == 0.0 ? 0.0 : d.z / length;
    stream << ", " << x << ", " << y << ", " << z;
  }
}
