#include "aif/impl/materials/aif_Viscoelastic.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_CombinedTestData.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_ShearTestData.h"
#include "aif/impl/materials/aif_Trs.h"
#include "aif/impl/materials/aif_VolumetricTestData.h"

namespace {

// A tabular frequency-domain option of isotropic type with uniaxial and
// volumetric preload: two blocks.
bool ViscoelasticTwoPreloads(const kmaC_Viscoelastic& o) {
  return o.domain == 0 && o.frequency == kmaC_Viscoelastic::TABULAR &&
         o.type == kmaC_Viscoelastic::ISOTROPIC &&
         o.preload == kmaC_Viscoelastic::UNIAXIAL_VOLUMETRIC;
}

// The value of "time=" or "frequency=" for the domain's format; empty for a
// format outside the enumeration. `testData` tells whether the test-data
// options follow.
cow_String ViscoelasticFormat(const kmaC_Viscoelastic& o, bool& testData) {
  testData = false;
  if (o.domain != 0) {
    switch (o.time) {
      case kmaC_Viscoelastic::PRONY:
        return aif_EnumText(o.time);
      case kmaC_Viscoelastic::CREEP_TEST_DATA:
        testData = true;
        return "CREEP TEST DATA";
      case kmaC_Viscoelastic::RELAXATION_TEST_DATA:
        testData = true;
        return "RELAXATION TEST DATA";
      case kmaC_Viscoelastic::FREQUENCY_DATA:
        testData = true;
        return "FREQUENCY DATA";
    }
    return cow_String();
  }
  switch (o.frequency) {
    case kmaC_Viscoelastic::FORMULA:
    case kmaC_Viscoelastic::TABULAR:
    case kmaC_Viscoelastic::PRONY_FREQUENCY:
      return aif_EnumText(o.frequency);
    case kmaC_Viscoelastic::CREEP_TEST_DATA_FREQUENCY:
      testData = true;
      return "CREEP TEST DATA";
    case kmaC_Viscoelastic::RELAXATION_TEST_DATA_FREQUENCY:
      testData = true;
      return "RELAXATION TEST DATA";
  }
  return cow_String();
}

}  // namespace

void aif_Viscoelastic::Write(utl_Stream& stream) const {
  if (ViscoelasticTwoPreloads(option_)) {
    WriteBlock(stream, true);
    WriteBlock(stream, false);
  } else {
    WriteBlock(stream, false);
  }
}

void aif_Viscoelastic::WriteBlock(utl_Stream& stream, bool uniaxial) const {
  const kmaC_Viscoelastic& o = option_;
  const bool tabular = o.domain == 0 && o.frequency == kmaC_Viscoelastic::TABULAR;

  stream << "*Viscoelastic";
  bool testData = false;
  const cow_String format = ViscoelasticFormat(o, testData);
  // A format outside the enumeration writes no option at all.
  if (!format.IsEmpty()) stream << ", " << (o.domain != 0 ? "time=" : "frequency=") << format;
  if (tabular) {
    if (o.type != kmaC_Viscoelastic::ISOTROPIC) {
      const cow_String type = aif_EnumText(o.type);
      if (!type.IsEmpty()) stream << ", type=" << type;
    }
    if (o.preload == kmaC_Viscoelastic::UNIAXIAL_VOLUMETRIC) {
      stream << (uniaxial ? ", preload=UNIAXIAL" : ", preload=VOLUMETRIC");
    } else if (o.preload != kmaC_Viscoelastic::NONE) {
      const cow_String preload = aif_EnumText(o.preload);
      if (!preload.IsEmpty()) stream << ", preload=" << preload;
    }
  }
  if (testData) {
    if (o.errtol != 0.01) aif_WriteOption(stream, "errtol=", o.errtol);
    if (o.nmax != 13) aif_WriteOption(stream, "nmax=", o.nmax);
  }
  stream.LineBreak();

  // Isotropic tabular data with volumetric preload stand in the second table.
  const bool secondTable = tabular && o.type == kmaC_Viscoelastic::ISOTROPIC &&
                           ((o.preload == kmaC_Viscoelastic::UNIAXIAL_VOLUMETRIC && !uniaxial) ||
                            o.preload == kmaC_Viscoelastic::VOLUMETRIC);
  aif_WritePlainTable(stream, secondTable ? o.secondTable : o.table);

  aif_WriteSubOption<aif_CombinedTestData>(stream, o.combinedTestData);
  aif_WriteSubOption<aif_ShearTestData>(stream, o.shearTestData);
  aif_WriteSubOption<aif_VolumetricTestData>(stream, o.volumetricTestData);
  aif_WriteSubOption<aif_Trs>(stream, o.trs);
}
