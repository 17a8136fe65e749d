#include "aif/impl/model/aif_Orientation.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

cow_String Printable(const cow_String& name) {
  return akw_MorvexName(name, false).Printable();
}

// `name` as the caller's object knows it: prefixed with "prefix_" unless
// names are local; printable.
cow_String Qualified(const cow_String& name, bool namesAreLocal, const cow_String& prefix) {
  return Printable(namesAreLocal ? name : prefix + "_" + name);
}

const char* SystemOption(int system) {
  switch (system) {
    case 1:
      return ", system=RECTANGULAR";
    case 2:
      return ", system=CYLINDRICAL";
    case 3:
      return ", system=SPHERICAL";
    default:
      return "";
  }
}

}  // namespace

aif_Orientation::aif_Orientation(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
                                 const cow_String& modelName, const cow_String& name,
                                 bool additionalRotation, double angle,
                                 ptoC_MaterialOrientation::axisEnm axis,
                                 const cow_String& angleFieldName)
    : aif_Orientation(object, datum, modelName, name, additionalRotation, angle, axis) {
  if (!angleFieldName.IsEmpty()) angleFieldName_ = Printable(angleFieldName);
}

aif_Orientation::aif_Orientation(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
                                 const cow_String& modelName, const cow_String& name,
                                 bool additionalRotation, double angle,
                                 ptoC_MaterialOrientation::axisEnm axis)
    : name_(name), angle_(angle), additionalRotation_(additionalRotation) {
  SetAxis(axis);
  if (!datum.IsNullRef()) SetDatum(object, datum, modelName, gsl_Matrix());
  kind_ = datum.IsNullRef() ? kGlobal : kDatum;
}

aif_Orientation::aif_Orientation(const cow_String& name) : name_(name), kind_(kUser) {}

aif_Orientation::aif_Orientation(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
                                 const cow_String& modelName, const cow_String& name,
                                 const gsl_Matrix& transform)
    : name_(name), additionalRotation_(true) {
  if (!datum.IsNullRef()) SetDatum(object, datum, modelName, transform);
  kind_ = datum.IsNullRef() ? kGlobal : kDatum;
}

aif_Orientation::aif_Orientation(const cow_String& name, const cow_String& distributionName)
    : name_(name), distributionName_(distributionName), kind_(kDatum) {}

aif_Orientation::aif_Orientation(const ftr_PrimaryObject* object,
                                 const ptoC_MaterialOrientation& orientation,
                                 const cow_String& modelName, const cow_String& name,
                                 const gsl_Matrix& transform, int system, bool namesAreLocal,
                                 const cow_String& prefix, const cow_String& systemName,
                                 const FieldDistributions& distributions)
    : name_(name),
      angle_(orientation.AdditionalRotationAngle()),
      additionalRotation_(true),
      system_(system),
      kind_(orientation.DefinitionKind()) {
  SetAxis(orientation.Axis());
  if (orientation.AdditionalRotationType() == ptoC_MaterialOrientation::kRotationField)
    angleFieldName_ = Qualified(
        distributions.angle.IsEmpty() ? orientation.AngleFieldName() : distributions.angle,
        namesAreLocal, prefix);
  if (kind_ == kField) {
    systemName_ =
        Qualified(distributions.axes.IsEmpty() ? orientation.FieldName() : distributions.axes,
                  namesAreLocal, prefix);
  } else if (kind_ == kNamedSystem) {
    systemName_ = Qualified(systemName, namesAreLocal, prefix);
    system_ = 1;
  } else if (!orientation.DatumRef().IsNullRef()) {
    SetDatum(object, orientation.DatumRef(), modelName, transform);
  }
}

void aif_Orientation::SetAxis(ptoC_MaterialOrientation::axisEnm axis) {
  switch (axis) {
    case ptoC_MaterialOrientation::AXIS_2:
      localAxis_ = 2;
      break;
    case ptoC_MaterialOrientation::AXIS_3:
      localAxis_ = 3;
      break;
    default:
      localAxis_ = 1;
  }
}

void aif_Orientation::SetDatum(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
                               const cow_String& modelName, const gsl_Matrix& transform) {
  datum_ = cow_COW<aif_DatumCsys>(new aif_DatumCsys(object, modelName, datum, transform));
}

bool aif_Orientation::Defines() const {
  if (!distributionName_.IsEmpty()) return true;
  if (name_.IsEmpty()) return false;
  switch (kind_) {
    case kUser:
    case kField:
    case kNamedSystem:
    case kGlobal:
      return true;
    case kDatum:
      if (datum_.IsNull()) return true;  // global axes
      // What aif_DatumCsys::WriteDefinition writes: a resolved datum of a
      // known kind.
      return datum_->IsValid() && (datum_->Kind() == dtu_DatumCsys::kRectangular ||
                                   datum_->Kind() == dtu_DatumCsys::kCylindrical ||
                                   datum_->Kind() == dtu_DatumCsys::kSpherical);
    default:
      return false;
  }
}

cow_String aif_Orientation::WrittenName() const {
  return Printable(name_);
}

void aif_Orientation::Write(utl_Stream& stream) const {
  if (!distributionName_.IsEmpty()) {
    stream << "*Orientation, definition=COORDINATES, name=" << WrittenName();
    stream.LineBreak();
    stream << Printable(distributionName_);
    stream.LineBreak();
    stream << 1 << ", " << 0.0f;
    stream.LineBreak();
    return;
  }
  if (name_.IsEmpty()) return;

  // The name is written in printable form whatever the caller made it of (a
  // flat file's names carry the raw instance name); a printable name stays
  // as it is.
  const cow_String header = "*Orientation, name=" + WrittenName();
  switch (kind_) {
    case kUser:
      stream << header << ", system=user" << endl;
      return;
    case kField:
    case kNamedSystem:
      stream << header << SystemOption(system_);
      stream.LineBreak();
      stream << systemName_;
      stream.LineBreak();
      break;
    case kDatum:
      if (!datum_.IsNull()) {
        if (!datum_->WriteDefinition(stream, header, false)) return;
        break;
      }
      [[fallthrough]];
    case kGlobal:
      stream << header << SystemOption(system_);
      stream.LineBreak();
      stream << 1.0 << ", " << 0.0 << ", " << 0.0 << ", " << 0.0 << ", " << 1.0 << ", " << 0.0;
      stream.LineBreak();
      break;
    default:
      // A kind the kernel added later: no definition line can be made, and a
      // rotation line alone would run into the keyword before.
      return;
  }
  WriteRotation(stream);
}

void aif_Orientation::WriteRotation(utl_Stream& stream) const {
  if (!additionalRotation_) return;
  stream << localAxis_ << ", ";
  if (angleFieldName_.IsEmpty())
    stream << angle_;
  else
    stream << angleFieldName_;
  stream.LineBreak();
}
