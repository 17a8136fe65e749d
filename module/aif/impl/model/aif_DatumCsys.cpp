#include "aif/impl/model/aif_DatumCsys.h"

#include <memory>

#include "BasShared/atr_String.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kDatumCsysFile[] = "module/aif/impl/aif_DatumCsys";

// The "system=" or "type=" option of each kind, null for a rectangular system
// (which takes none); false for a kind this writer does not know.
bool KindOption(int kind, bool transformStyle, const char*& option) {
  switch (kind) {
    case dtu_DatumCsys::kRectangular:
      option = nullptr;
      return true;
    case dtu_DatumCsys::kCylindrical:
      option = transformStyle ? "type=C" : "system=CYLINDRICAL";
      return true;
    case dtu_DatumCsys::kSpherical:
      option = transformStyle ? "type=S" : "system=SPHERICAL";
      return true;
    default:
      return false;
  }
}

const char* CsTypeLine(int kind) {
  switch (kind) {
    case dtu_DatumCsys::kRectangular:
      return "  CS_TYPE = RECTANGULAR";
    case dtu_DatumCsys::kCylindrical:
      return "  CS_TYPE = CYLINDRICAL";
    case dtu_DatumCsys::kSpherical:
      return "  CS_TYPE = SPHERICAL";
    default:
      return nullptr;
  }
}

// `count` values printed at width 12, precision 15, joined by ", ".
void PrintValues(utl_Stream& stream, const double* values, int count) {
  for (int i = 0; i < count; ++i) {
    if (i > 0) stream << ", ";
    stream.Print(values[i], 12, 15);
  }
}

}  // namespace

aif_DatumCsys::aif_DatumCsys(const ftr_PrimaryObject* object, const cow_String& modelName,
                             const dtmC_DatumRef& reference, const gsl_Matrix& transform) {
  const std::unique_ptr<dtu_Datum> datum = dtmK_Datum(object, modelName, reference).MakeDatum();
  if (datum) {
    if (datum->DynTypeId() != dtu_DatumCsys::TypeId())
      nex_Exception::Throw(aif_Exception(atr_Translate("Wrong datum type. Expected CSYS.")),
                           kDatumCsysFile, __LINE__);
    auto& csys = nex_canDynamicCastRef<dtu_DatumCsys>(*datum, kDatumCsysFile, __LINE__);
    if (!transform.IsIdentity()) csys.Transform(transform);
    csys.Geometry(origin_, axes_[0], axes_[1], axes_[2]);
    kind_ = csys.Kind();
    valid_ = true;
  }
  smallestReal_ = 1e-15 * dtmK_FeaturesBox(object).Size();
}

bool aif_DatumCsys::WriteDefinition(utl_Stream& stream, const cow_String& header,
                                    bool transformStyle) const {
  const char* option = nullptr;
  // The kind is checked before anything is written: an unknown kind must not
  // leave a header line open for the next keyword to run into.
  if (!valid_ || !KindOption(kind_, transformStyle, option)) return false;
  stream << header;
  if (option) {
    stream << ", ";
    stream.OptionalLineBreak();
    stream << option;
  }
  stream.LineBreak();

  const gsl_Point& o = origin_;
  const gsl_Vector& a = axes_[0];
  const gsl_Vector& b = axes_[1];
  const gsl_Vector& c = axes_[2];
  const double axes[6] = {a.x, a.y, a.z, b.x, b.y, b.z};
  const double points[6] = {o.x, o.y, o.z, o.x + c.x, o.y + c.y, o.z + c.z};
  utl_StreamSmallReal small(stream, smallestReal_);
  PrintValues(stream, kind_ == dtu_DatumCsys::kRectangular ? axes : points, 6);
  stream.LineBreak();
  return true;
}

bool aif_DatumCsys::WriteCsDef(utl_Stream& stream, const cow_String& header) const {
  const char* csType = CsTypeLine(kind_);
  if (!valid_ || !csType) return false;
  stream << header << csType;
  stream.LineBreak();
  stream << "  DEF_TYPE = LOCAL";
  stream.LineBreak();
  stream << "  CS_REF = CS_0";
  stream.LineBreak();

  utl_StreamSmallReal small(stream, smallestReal_);
  const double origin[3] = {origin_.x, origin_.y, origin_.z};
  stream << "  ORIGIN_123 = ";
  PrintValues(stream, origin, 3);
  stream.LineBreak();

  gsl_Matrix rotation;
  rotation.SetRotationVectors(axes_[0], axes_[1], axes_[2]);
  double angles[3];
  rotation.GetEulerianAnglesZYX(angles[0], angles[1], angles[2]);
  stream << "  ROTATION_321 = ";
  PrintValues(stream, angles, 3);
  stream.LineBreak();
  return true;
}
