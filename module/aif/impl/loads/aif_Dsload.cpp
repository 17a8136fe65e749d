#include "aif/impl/loads/aif_Dsload.h"

#include <cmath>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesIntObj/asoK_RegionArea.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr char kDsloadFile[] = "module/aif/impl/loads/aif_Dsload.cpp";

// The data-line label of a pressure by its distribution; empty for a
// distribution this keyword does not know.
const char* DsloadPressureLabel(int distribution) {
  switch (distribution) {
    case 0:
    case 7:  // a total force, spread over the region's area
      return "P";
    case 1:
      return "PNU";
    case 2:
      return "HP";
    case 4:
      return "SP";
    case 5:
      return "VP";
    default:
      return "";
  }
}

}  // namespace

aif_Dsload::aif_Dsload(const kloC_Load& load, const cow_String& stepName, bool opFlag,
                       const cow_String& surfaceName, const aif_ModelInfo& info, bool cyclic,
                       int cyclicMode, double scaleFactor, cow_String loadName,
                       cow_String refNodeName)
    : load_(&load),
      step_(stepName),
      surface_(surfaceName),
      refNode_(std::move(refNodeName)),
      loadName_(std::move(loadName)),
      status_(load, stepName, opFlag, aif_RestateBy::kAmplitudeStatus, kDsloadFile, __LINE__),
      scale_(scaleFactor),
      info_(&info),
      cyclic_(cyclic),
      cyclicMode_(cyclicMode) {
  if (status_.Inactive()) return;
  if (surface_.IsEmpty())
    nex_Exception::Throw(nex_AssertException("! setName.Empty()"), kDsloadFile, __LINE__);
  if (load.DynTypeId() != kloC_SubmodelStressBased::TypeId()) return;
  submodel_ = true;
  nex_canDynamicCastRef<const kloC_SubmodelStressBased>(load, kDsloadFile, __LINE__);
  const auto& state = nex_canDynamicCastRef<const kloC_LoadState>(load.ConstGetStateQuad(stepName),
                                                                  kDsloadFile, __LINE__);
  submodelStep_ = state.GlobalStep();
  submodelScale_ = state.GlobalScale();
}

void aif_Dsload::Write(utl_Stream& stream) const {
  if (status_.Inactive()) {
    WriteKeywordLine(stream, 0, false, false, cow_String(), dtmC_DatumRef(), 0.0);
    return;
  }
  const unsigned type = load_->DynTypeId();
  if (type == kloC_Pressure::TypeId())
    WritePressure(stream);
  else if (type == kloC_SurfaceTraction::TypeId() || type == kloC_ShellEdgeLoad::TypeId())
    WriteTraction(stream);
  else if (type == kloC_SubmodelStressBased::TypeId())
    WriteSubmodel(stream);
}

void aif_Dsload::WriteKeywordLine(utl_Stream& stream, int part, bool notFollower,
                                  bool constantResultant, const cow_String& orientationName,
                                  const dtmC_DatumRef& datum, double orientationNumber) const {
  // The names' printable forms first: a name that cannot be written stops
  // the write before the line is begun.
  const cow_String orientation =
      aif_TractionOrientation(*info_, orientationName, datum, orientationNumber, loadName_);
  cow_String submodelStep;
  if (!submodelStep_.IsEmpty()) submodelStep = akw_MorvexName(submodelStep_, false).Printable();

  // The submodel's options come before ", op=NEW"; they are written here, the
  // scale in the stream's number form, so the shared routine follows the
  // keyword already on the line.
  stream << "*Dsload";
  if (submodel_) stream << ", submodel";
  if (!submodelStep.IsEmpty()) stream << ", step=" << submodelStep;
  if (submodelScale_ != 1.0) stream << ", scale=" << submodelScale_;
  aif_LoadHeaderPieces pieces;
  pieces.newOp = status_.NewOp();
  pieces.amplitude = status_.Amplitude();
  pieces.cyclic = cyclic_;
  pieces.cyclicMode = cyclicMode_;
  pieces.part = part;
  aif_WriteLoadHeader(stream, "", pieces);
  aif_WriteTractionOptions(stream, notFollower, orientation, constantResultant);
  if (!refNode_.IsEmpty()) stream << ", ref node=" << refNode_;
  stream.LineBreak();
}

void aif_Dsload::WriteLine(utl_Stream& stream, double magnitude, const cow_String& label,
                           bool lineBreak, bool writeZero) const {
  aif_WriteLoadDataLine(stream, surface_, label, magnitude * scale_, lineBreak, writeZero);
}

bool aif_Dsload::OmitsZeroPart() const {
  return status_.NewOp() || load_->Status(step_) == 1;
}

void aif_Dsload::WritePressure(utl_Stream& stream) const {
  nex_canDynamicCastRef<const kloC_Pressure>(*load_, kDsloadFile, __LINE__);
  const int distribution = load_->Distribution();
  const cow_String label = DsloadPressureLabel(distribution);
  double divisor = 1.0;
  if (distribution == 7) {
    const rgnK_Region region(info_->Assembly(), info_->ModelName(), load_->Region());
    const double area = asoK_CalculateRgnArea(region);
    if (area != 0.0) divisor = area;
  }
  const bool hydrostatic = distribution == 2;
  const kloC_PressureState& state = nex_canDynamicCastRef<const kloC_LoadState>(
      load_->ConstGetStateQuad(step_), kDsloadFile, __LINE__);
  const mdl_PropAttr<double>& magnitude = state.Value(0);
  const mdl_PropAttr<double>& first = state.Value(1);
  const mdl_PropAttr<double>& second = state.Value(2);
  auto heights = [&] {
    if (hydrostatic) stream << ", " << first.Value() << ", " << second.Value();
    stream.LineBreak();
  };
  auto noFrame = [&](int part) {
    WriteKeywordLine(stream, part, false, false, cow_String(), dtmC_DatumRef(), 0.0);
  };

  if (load_->IsComplex()) {
    for (int part = 1; part <= 2; ++part) {
      const double value = aif_ComplexPart(load_->ComplexValue(0), part);
      if (value == 0.0 && OmitsZeroPart()) continue;
      noFrame(part);
      WriteLine(stream, value / divisor, label, false, true);
      heights();
    }
    return;
  }
  bool isNew = status_.IsNew(magnitude.Status());
  if (hydrostatic) isNew = isNew || status_.IsNew(first.Status()) || status_.IsNew(second.Status());
  if (!isNew) return;
  noFrame(0);
  WriteLine(stream, magnitude.Value() / divisor, label, false, true);
  heights();
}

void aif_Dsload::WriteTraction(utl_Stream& stream) const {
  const auto& traction = nex_canDynamicCastRef<const kloC_Traction>(*load_, kDsloadFile, __LINE__);
  static const char* const kTractionLabels[] = {"TRVEC", "TRSHR", "", "", ""};
  static const char* const kEdgeLabels[] = {"EDNOR", "EDTRA", "EDSHR", "EDMOM", "EDLD"};
  const bool edge = load_->DynTypeId() == kloC_ShellEdgeLoad::TypeId();
  const int kind = traction.TractionKind();
  cow_String label;
  if (kind >= 0 && kind < 5) label = edge ? kEdgeLabels[kind] : kTractionLabels[kind];
  if (traction.Distribution() == 1) label += "NU";
  // Tractions and general edge loads give their direction, as a unit vector.
  const bool directed = !edge || kind == 4;

  auto header = [&](int part) {
    WriteKeywordLine(stream, part, !traction.Follower(), traction.ConstantResultant(),
                     traction.OrientationName(), traction.DatumRef(), traction.OrientationNumber());
  };
  auto line = [&](double magnitude) {
    WriteLine(stream, magnitude, label, false, true);
    if (directed) {
      const gsl_Vector d = traction.DirectionSegment().Direction();
      const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
      const double x = length == 0.0 ? 0.0 : d.x / length;
      const double y = length == 0.0 ? 0.0 : d.y / length;
      const double z = length == 0.0 ? 0.0 : d.z / length;
      stream << ", " << x << ", " << y << ", " << z;
    }
    stream.LineBreak();
  };

  if (load_->IsComplex()) {
    for (int part = 1; part <= 2; ++part) {
      const double value = aif_ComplexPart(load_->ComplexValue(0), part);
      if (value == 0.0 && OmitsZeroPart()) continue;
      header(part);
      line(value);
    }
    return;
  }
  const kloC_LoadState& state = nex_canDynamicCastRef<const kloC_LoadState>(
      load_->ConstGetStateQuad(step_), kDsloadFile, __LINE__);
  if (!status_.IsNew(state.Value(0).Status())) return;
  header(0);
  line(state.Value(0).Value());
}

void aif_Dsload::WriteSubmodel(utl_Stream& stream) const {
  WriteKeywordLine(stream, 0, false, false, cow_String(), dtmC_DatumRef(), 0.0);
  stream << surface_;
  stream.LineBreak();
}
