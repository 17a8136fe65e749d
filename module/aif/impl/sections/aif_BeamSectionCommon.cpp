#include "aif/impl/sections/aif_BeamSectionCommon.h"

#include <cstring>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kBeamSectionCommonFile[] = "module/aif/impl/aif_BeamSectionCommon";

void PipeLine(utl_Stream& s, const kbpC_BeamProfile& profile) {
  const auto& p =
      nex_canDynamicCastRef<const kbpC_PipeProfile>(profile, kBeamSectionCommonFile, __LINE__);
  s << p.r << ", " << p.t;
}

void BoxLine(utl_Stream& s, const kbpC_BeamProfile& profile) {
  const auto& p =
      nex_canDynamicCastRef<const kbpC_BoxProfile>(profile, kBeamSectionCommonFile, __LINE__);
  s << p.a << ", " << p.b << ", " << p.t1;
  if (p.uniformThickness)
    s << ", " << p.t1 << ", " << p.t1 << ", " << p.t1;
  else
    s << ", " << p.t2 << ", " << p.t3 << ", " << p.t4;
}

void IbeamLine(utl_Stream& s, const kbpC_BeamProfile& profile) {
  const auto& p =
      nex_canDynamicCastRef<const kbpC_IbeamProfile>(profile, kBeamSectionCommonFile, __LINE__);
  s << p.l << ", " << p.h << ", " << p.b1 << ", " << p.b2 << ", " << p.t1 << ", " << p.t2 << ", "
    << p.t3;
}

// A T is an I without a bottom flange: b1 and t1 are 0.
void TbeamLine(utl_Stream& s, const kbpC_BeamProfile& profile) {
  const auto& p =
      nex_canDynamicCastRef<const kbpC_TbeamProfile>(profile, kBeamSectionCommonFile, __LINE__);
  s << p.l << ", " << p.h << ", " << 0.0 << ", " << p.b << ", " << 0.0 << ", " << p.tf << ", "
    << p.tw;
}

void CircularLine(utl_Stream& s, const kbpC_BeamProfile& profile) {
  s << nex_canDynamicCastRef<const kbpC_CircularProfile>(profile, kBeamSectionCommonFile, __LINE__)
           .r;
}

void HexagonalLine(utl_Stream& s, const kbpC_BeamProfile& profile) {
  const auto& p =
      nex_canDynamicCastRef<const kbpC_HexagonalProfile>(profile, kBeamSectionCommonFile, __LINE__);
  s << p.r << ", " << p.t;
}

void LbeamLine(utl_Stream& s, const kbpC_BeamProfile& profile) {
  const auto& p =
      nex_canDynamicCastRef<const kbpC_LbeamProfile>(profile, kBeamSectionCommonFile, __LINE__);
  s << p.a << ", " << p.b << ", " << p.t1 << ", " << p.t2;
}

void RectangularLine(utl_Stream& s, const kbpC_BeamProfile& profile) {
  const auto& p = nex_canDynamicCastRef<const kbpC_RectangularProfile>(
      profile, kBeamSectionCommonFile, __LINE__);
  s << p.a << ", " << p.b;
}

void TrapezoidalLine(utl_Stream& s, const kbpC_BeamProfile& profile) {
  const auto& p = nex_canDynamicCastRef<const kbpC_TrapezoidalProfile>(
      profile, kBeamSectionCommonFile, __LINE__);
  s << p.a << ", " << p.b << ", " << p.c << ", " << p.d;
}

}  // namespace

aif_BeamSectionCommon::aif_BeamSectionCommon(cow_String elementSet, const kseC_Section& section,
                                             double n1, double n2, double n3, double n4,
                                             const kbpC_BeamProfile* profile,
                                             const kbpC_BeamProfile* endProfile)
    : elementSet_(std::move(elementSet)),
      section_(section),
      direction_{n1, n2, n3, n4},
      profile_(profile ? cow_COW<kbpC_BeamProfile>(*profile) : cow_COW<kbpC_BeamProfile>()),
      endProfile_(endProfile ? cow_COW<kbpC_BeamProfile>(*endProfile)
                             : cow_COW<kbpC_BeamProfile>()) {
  nex_canDynamicCastRef<const kseC_BeamSection>(section, kBeamSectionCommonFile, __LINE__);
}

const kseC_BeamSection& aif_BeamSectionCommon::Beam() const {
  return static_cast<const kseC_BeamSection&>(*section_);
}

utl_Stream& aif_BeamSectionCommon::Option(utl_Stream& stream, std::size_t length) {
  return (stream << ", ").OptionalLineBreak(length);
}

void aif_BeamSectionCommon::WriteValues(utl_Stream& stream, std::initializer_list<double> values) {
  const char* separator = "";
  for (double v : values) {
    stream << separator << v;
    separator = ", ";
  }
  stream.LineBreak();
}

void aif_BeamSectionCommon::Write(utl_Stream& stream) const {
  if (section_->DynTypeId() != kseC_BeamSection::TypeId()) return;
  const kseC_BeamSection& beam = Beam();
  const bool beforeAnalysis = beam.integration == 0;

  stream << keyword_;
  stream << ", elset=" << elementSet_;
  if (!beforeAnalysis) WriteMaterialOption(stream);
  if (beforeAnalysis && beam.dependencies > 0)
    Option(stream, 24) << "dependencies=" << beam.dependencies;
  if (beam.poisson != DBL_MAX && beam.poisson != 0.0)
    Option(stream, 34) << "poisson = " << beam.poisson;
  if (beam.consistentMass) Option(stream, 9) << "lumped=NO";
  WriteTemperatureOption(stream);
  if (beforeAnalysis) WritePreIntegratedOptions(stream);
  if (beam.taper == 1) Option(stream, 5) << "Taper";
  WriteProfile(stream);

  stream << direction_[0] << ',' << direction_[1] << ',' << direction_[2];
  stream.LineBreak();

  if (beforeAnalysis) WriteMaterialOption(stream);
  if (beam.fluidInertia) WriteFluidInertia(stream);
  WriteSubKeywords(stream);
}

void aif_BeamSectionCommon::WriteProfile(utl_Stream& stream) const {
  const unsigned type = profile_.IsNull() ? 0 : profile_->DynTypeId();
  if (type == kbpC_PipeProfile::TypeId()) return WriteShape(stream, "section=PIPE", PipeLine);
  if (type == kbpC_BoxProfile::TypeId()) return WriteShape(stream, "section=BOX", BoxLine);
  if (type == kbpC_IbeamProfile::TypeId()) return WriteShape(stream, "section=I", IbeamLine);
  if (type == kbpC_CircularProfile::TypeId())
    return WriteShape(stream, "section=CIRC", CircularLine);
  if (type == kbpC_HexagonalProfile::TypeId())
    return WriteShape(stream, "section=HEX", HexagonalLine);
  if (type == kbpC_LbeamProfile::TypeId()) return WriteShape(stream, "section=L", LbeamLine);
  if (type == kbpC_TbeamProfile::TypeId()) return WriteShape(stream, "section=I", TbeamLine);
  if (type == kbpC_RectangularProfile::TypeId())
    return WriteShape(stream, "section=RECT", RectangularLine);
  if (type == kbpC_TrapezoidalProfile::TypeId())
    return WriteShape(stream, "section=TRAPEZOID", TrapezoidalLine);
  if (type == kbpC_ArbitraryProfile::TypeId()) return WriteArbitraryProfile(stream);
  if (type == kbpC_GeneralizedProfile::TypeId()) return WriteGeneralizedProfile(stream);
  WriteIllegalProfile(stream, "**ERROR -- Illegal Beam Profile Definition",
                      "Illegal beam profile definition: the beam section of element set %s is "
                      "written without a profile.");
}

void aif_BeamSectionCommon::WriteShape(utl_Stream& stream, const char* shape,
                                       ProfileLine line) const {
  const bool tapered = Beam().taper == 1;
  if (tapered && (endProfile_.IsNull() || endProfile_->DynTypeId() != profile_->DynTypeId()))
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The tapered beam section of element set %s has no end profile of the shape of "
            "its start profile.",
            elementSet_)),
        kBeamSectionCommonFile, __LINE__);
  Option(stream, std::strlen(shape)) << shape;
  stream.LineBreak();
  line(stream, *profile_);
  if (tapered) {
    stream.LineBreak();
    line(stream, *endProfile_);
  }
  stream.LineBreak();
}

// The first line holds the segment count and the first segment (both end
// points and its thickness); every further point adds a line x, y, t. A
// tapered section writes no end profile for this shape.
void aif_BeamSectionCommon::WriteArbitraryProfile(utl_Stream& stream) const {
  const auto& p = nex_canDynamicCastRef<const kbpC_ArbitraryProfile>(
      *profile_, kBeamSectionCommonFile, __LINE__);
  const cow_2DArray<double>& points = p.points;
  if (points.Rows() < 2 || points.Columns() < 3)
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The arbitrary beam profile of the section of element set %s needs at least two "
            "points, each with x, y and a thickness.",
            elementSet_)),
        kBeamSectionCommonFile, __LINE__);
  Option(stream, 17) << "section=ARBITRARY";
  stream.LineBreak();
  stream << static_cast<int>(points.Rows() - 1) << ", " << points(0, 0) << ", " << points(0, 1);
  stream << ", " << points(1, 0) << ", " << points(1, 1) << ", " << points(1, 2);
  stream.LineBreak();
  for (std::size_t i = 2; i < points.Rows(); ++i)
    WriteValues(stream, {points(i, 0), points(i, 1), points(i, 2)});
}

void aif_BeamSectionCommon::WriteGeneralizedProfile(utl_Stream& stream) const {
  WriteIllegalProfile(stream, "**ERROR -- Generalized Profile cannot be used with this section.",
                      "A generalized profile cannot be used with the beam section of element set "
                      "%s: it is written without a profile.");
}

void aif_BeamSectionCommon::WritePreIntegratedOptions(utl_Stream&) const {}

void aif_BeamSectionCommon::WriteSubKeywords(utl_Stream&) const {}

void aif_BeamSectionCommon::WriteIllegalProfile(utl_Stream& stream, const char* comment,
                                                const char* warning) const {
  stream.LineBreak();
  stream << comment;
  stream.LineBreak();
  cmdC_WIP::Warning(atr_TranslateWithArg(warning, elementSet_));
}

// "*Beam Fluid Inertia": f1, f5, f6, f2 always (f5 and f6 blank when 0), then
// f3 unless it is 1 and f4 unless it is 0, blank positions kept.
void aif_BeamSectionCommon::WriteFluidInertia(utl_Stream& stream) const {
  const kseC_BeamSection& beam = Beam();
  const auto& f = beam.fluidInertiaValues;
  stream << "*Beam Fluid Inertia";
  if (beam.fluidInertiaHalf == 1) stream << ", half";
  stream.LineBreak();
  stream << f[0] << ", ";
  if (f[4] != 0.0) stream << f[4];
  stream << ", ";
  if (f[5] != 0.0) stream << f[5];
  stream << ", " << f[1];
  if (f[2] != 1.0 || f[3] != 0.0) {
    stream << ", ";
    if (f[2] != 1.0) stream << f[2];
    if (f[3] != 0.0) stream << ", " << f[3];
  }
  stream.LineBreak();
}
