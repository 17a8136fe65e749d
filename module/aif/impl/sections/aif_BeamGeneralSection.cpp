#include "aif/impl/sections/aif_BeamGeneralSection.h"

#include <cfloat>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_DataLineTable.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kBeamGeneralSectionFile[] = "module/aif/impl/aif_BeamGeneralSection";

void GeneralizedLine(utl_Stream& s, const kbpC_BeamProfile& profile) {
  const auto& p = nex_canDynamicCastRef<const kbpC_GeneralizedProfile>(
      profile, kBeamGeneralSectionFile, __LINE__);
  s << p.area << ", " << p.i11 << ", " << p.i12 << ", " << p.i22 << ", " << p.j;
  if (p.gamma0 != 0.0 || p.gammaW != 0.0) s << ", " << p.gamma0 << ", " << p.gammaW;
}

bool IsSet(double value) {
  return value != DBL_MAX && value != 0.0;
}

}  // namespace

aif_BeamGeneralSection::aif_BeamGeneralSection(cow_String elementSet, const kseC_Section& section,
                                               double n1, double n2, double n3, double n4,
                                               const kbpC_BeamProfile* profile,
                                               const kbpC_BeamProfile* endProfile)
    : aif_BeamSectionCommon(std::move(elementSet), section, n1, n2, n3, n4, profile, endProfile) {
  SetKeywordText("*Beam General Section");
}

void aif_BeamGeneralSection::WriteGeneralizedProfile(utl_Stream& stream) const {
  WriteShape(stream, "section=GENERAL", GeneralizedLine);
}

void aif_BeamGeneralSection::WritePreIntegratedOptions(utl_Stream& stream) const {
  if (IsSet(Beam().density)) Option(stream, 32) << "density=" << Beam().density;
}

void aif_BeamGeneralSection::WriteTemperatureOption(utl_Stream& stream) const {
  if (IsSet(Beam().zeroTemperature)) Option(stream, 29) << "zero=" << Beam().zeroTemperature;
}

void aif_BeamGeneralSection::WriteMaterialOption(utl_Stream& stream) const {
  const kseC_BeamSection& beam = Beam();
  aif_DataLineTable table(beam.table, 0, 0);
  if (!beam.tableFlag1) table.InsertColumn(2);
  if (!beam.tableFlag2) table.InsertColumn(3);
  stream << table;
}

void aif_BeamGeneralSection::WriteSubKeywords(utl_Stream& stream) const {
  const kseC_BeamSection& beam = Beam();
  if (beam.alpha != 0.0 || beam.beta != 0.0 || beam.composite != 0.0) {
    stream << "*Damping";
    if (beam.alpha != 0.0) Option(stream, 30) << "alpha=" << beam.alpha;
    if (beam.beta != 0.0) Option(stream, 29) << "beta=" << beam.beta;
    if (beam.composite != 0.0) Option(stream, 34) << "composite=" << beam.composite;
    stream.LineBreak();
  }
  WritePoint(stream, "*Shear Center", beam.shearCenter);
  WritePoint(stream, "*Centroid", beam.centroid);

  // Four points (eight values) a data line.
  const cow_2DArray<double>& points = beam.sectionPoints;
  if (points.Rows() == 0) return;
  stream << "*Section Points";
  for (std::size_t i = 0; i < points.Rows(); ++i) {
    if (i % 4 == 0)
      stream.LineBreak();
    else
      stream << ", ";
    stream << points(i, 0) << ", " << points(i, 1);
  }
  stream.LineBreak();
}

void aif_BeamGeneralSection::WritePoint(utl_Stream& stream, const char* keyword,
                                        const cow_List<double>& point) const {
  if (point.IsEmpty()) return;
  if (point.Length() < 2)
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(
                             cow_String(keyword + 1) +
                                 " of the beam section of element set %s needs two coordinates.",
                             ElementSet())),
                         kBeamGeneralSectionFile, __LINE__);
  if (point[0] == 0.0 && point[1] == 0.0) return;
  stream << keyword;
  stream.LineBreak();
  WriteValues(stream, {point[0], point[1]});
}
