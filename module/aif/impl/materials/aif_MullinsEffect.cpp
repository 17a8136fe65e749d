#include "aif/impl/materials/aif_MullinsEffect.h"

#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/materials/aif_BiaxialTestData.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_PlanarTestData.h"
#include "aif/impl/materials/aif_UniaxialTestData.h"

namespace {

constexpr char kMullinsEffectFile[] = "module/aif/impl/materials/aif_MullinsEffect";

// Writes every element of `list` as a `Data` with its keyword `Keyword`;
// throws nex_TextException naming `Data` for an element of another class.
template <class Keyword, class Data, class... Extra>
void MullinsEffectWriteList(utl_Stream& stream, const mdl_1DArrayList<kmaC_MaterialOption>& list,
                            Extra... extra) {
  for (const auto& element : list)
    Keyword(nex_canDynamicCastRef<const Data>(*element, kMullinsEffectFile, __LINE__), extra...)
        .Write(stream);
}

}  // namespace

void aif_MullinsEffect::Write(utl_Stream& stream) const {
  const kmaC_MullinsEffect& o = option_;
  switch (o.definition) {
    case 0:
      stream << "*Mullins Effect";
      stream.OptionalLineBreak() << ", USER, properties=" << o.propertiesCount;
      stream.LineBreak();
      aif_WritePlainTable(stream, o.table);
      return;
    case 1:
      stream << "*Mullins Effect";
      if (o.dependencies > 0) stream.OptionalLineBreak() << ", dependencies=" << o.dependencies;
      stream.LineBreak();
      aif_WriteFrameTable(stream, o);
      return;
    case 2:
      break;
    default:
      // No form the solver knows: nothing is written.
      return;
  }

  stream << "*Mullins Effect, TEST DATA INPUT";
  // r, m and beta stand in the first row; without them the keyword is
  // reported and ends with its line.
  if (o.table.Columns() < 3 || o.table.Rows() == 0) {
    cmdC_WIP::Warning(atr_Translate(
        "Data missing for Mullins Effect specified constants when using Test data.Please correct "
        "this error."));
    stream.LineBreak();
    return;
  }
  static constexpr const char* kNames[] = {"r=", "m=", "beta="};
  int given = 0;
  for (int i = 0; i < 3; ++i) {
    const double value = o.table(0, i);
    if (!(value >= 0.0)) continue;  // negative or NaN: not given
    aif_WriteOption(stream, kNames[i], value);
    ++given;
  }
  if (given > 2)
    cmdC_WIP::Warning(atr_Translate(
        "A maximum of two constants can be specified for Mullins Effect when using test "
        "data.Please correct this error."));
  stream.LineBreak();

  MullinsEffectWriteList<aif_BiaxialTestData, kmaC_BiaxialTestData>(stream, o.biaxialTestData);
  MullinsEffectWriteList<aif_PlanarTestData, kmaC_PlanarTestData>(stream, o.planarTestData);
  MullinsEffectWriteList<aif_UniaxialTestData, kmaC_UniaxialTestData>(stream, o.uniaxialTestData,
                                                                      0);
}
