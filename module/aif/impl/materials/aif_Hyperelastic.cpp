#include "aif/impl/materials/aif_Hyperelastic.h"

#include <iterator>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_BiaxialTestData.h"
#include "aif/impl/materials/aif_Hysteresis.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_PlanarTestData.h"
#include "aif/impl/materials/aif_UniaxialTestData.h"
#include "aif/impl/materials/aif_VolumetricTestData.h"

namespace {

// The strain-energy form as the keyword line names it; null for a value
// outside the enumeration.
const char* HyperelasticTypeText(kmaC_Hyperelastic::TypeEnm type) {
  static constexpr const char* kTexts[] = {
      "arruda-boyce",       "marlow", "mooney-rivlin", "neo hooke", "ogden",  "polynomial",
      "reduced polynomial", "user",   "van der waals", "yeoh",      "unknown"};
  const int value = omu_PrimEnum<kmaC_Hyperelastic::TypeEnm, 1>(type).IntValue();
  return value >= 0 && value < static_cast<int>(std::size(kTexts)) ? kTexts[value] : nullptr;
}

// Null for a value outside 0 (Fung anisotropic) to 3 (user).
const char* HyperelasticAnisotropicTypeText(int type) {
  static constexpr const char* kTexts[] = {"fung-anisotropic", "fung-orthotropic", "holzapfel",
                                           "user"};
  return type >= 0 && type < static_cast<int>(std::size(kTexts)) ? kTexts[type] : nullptr;
}

const char* HyperelasticModuli(bool longTerm) {
  return longTerm ? "moduli=LONG TERM" : "moduli=INSTANTANEOUS";
}

}  // namespace

void aif_Hyperelastic::Write(utl_Stream& stream) const {
  if (option_.materialKind == 0)
    WriteIsotropic(stream);
  else if (option_.materialKind == 1)
    WriteAnisotropic(stream);
}

void aif_Hyperelastic::WriteIsotropic(utl_Stream& stream) const {
  using Type = kmaC_Hyperelastic::TypeEnm;
  const kmaC_Hyperelastic& o = option_;
  const Type type = o.type;
  const bool marlow = type == kmaC_Hyperelastic::MARLOW;
  const bool user = type == kmaC_Hyperelastic::USER;

  stream << "*Hyperelastic";
  if ((type == kmaC_Hyperelastic::OGDEN || type == kmaC_Hyperelastic::POLYNOMIAL ||
       type == kmaC_Hyperelastic::REDUCED_POLYNOMIAL) &&
      o.order != 1)
    aif_WriteOption(stream, "n=", o.order);
  if (type != kmaC_Hyperelastic::POLYNOMIAL) {
    // A value outside the enumeration names no form: no option at all.
    if (const char* text = HyperelasticTypeText(type)) aif_WriteOption(stream, text);
  }
  if (o.testData && !marlow) aif_WriteOption(stream, "test data input");
  if (user)
    aif_WriteOption(stream, o.compressibility ? "type=COMPRESSIBLE" : "type=INCOMPRESSIBLE");
  if (type == kmaC_Hyperelastic::VAN_DER_WAALS && o.testData && o.beta != DBL_MAX)
    aif_WriteOption(stream, "beta=", o.beta);
  if (user && o.propertiesCount != 0) aif_WriteOption(stream, "properties=", o.propertiesCount);
  if (viscoelastic_ || !o.hysteresis.IsNull())
    aif_WriteOption(stream, HyperelasticModuli(o.moduliTimeScale == 1));
  if (o.testData && type != kmaC_Hyperelastic::UNKNOWN && o.volumetricResponse == 2)
    aif_WriteOption(stream, "poisson=", o.poissonsRatio);
  stream.LineBreak();

  if (!o.testData) {
    aif_DataLineTable lines(o.table, 0, 0);
    // An order-4 reduced polynomial row fills one line with its eight
    // coefficients; an empty line follows every row.
    lines.SetBlankLineAfterRow(type == kmaC_Hyperelastic::REDUCED_POLYNOMIAL && o.order == 4 &&
                               !o.temperatureDependency);
    stream << lines;
  } else {
    // Marlow takes one deviatoric set, the one its kind names, and volumetric
    // data only when its volumetric response comes from test data.
    if (!marlow || o.marlowTestDataKind == 1)
      aif_WriteSubOption<aif_BiaxialTestData>(stream, o.biaxialTestData);
    if (!marlow || o.marlowTestDataKind == 2)
      aif_WriteSubOption<aif_PlanarTestData>(stream, o.planarTestData);
    if (!marlow || o.marlowTestDataKind == 0)
      aif_WriteSubOption<aif_UniaxialTestData>(stream, o.uniaxialTestData, 0);
    if (!marlow || o.volumetricResponse == 1)
      aif_WriteSubOption<aif_VolumetricTestData>(stream, o.volumetricTestData);
  }
  aif_WriteSubOption<aif_Hysteresis>(stream, o.hysteresis);
}

void aif_Hyperelastic::WriteAnisotropic(utl_Stream& stream) const {
  const kmaC_Hyperelastic& o = option_;
  // Every option here follows its ", " on the same line.
  auto option = [&stream](const char* text) -> utl_Stream& { return stream << ", " << text; };

  stream << "*Anisotropic Hyperelastic";
  // A type outside the enumeration names no form: no option at all.
  if (const char* text = HyperelasticAnisotropicTypeText(o.anisotropicType)) option(text);
  if (o.anisotropicType == 3) {
    option(o.formulation == 1 ? "formulation=INVARIANT" : "formulation=STRAIN");
    // The compressibility flag reads the other way round than in the
    // isotropic user form.
    option(o.compressibility ? "type=INCOMPRESSIBLE" : "type=COMPRESSIBLE");
    if (o.formulation == 1) option("local direction=") << o.localDirectionCount;
    if (o.propertiesCount != 0) option("properties=") << o.propertiesCount;
  }
  if (o.dependencies > 0) option("dependencies=") << o.dependencies;
  if (o.localDirectionCount >= 1 && o.anisotropicType == 2)
    option("local direction=") << o.localDirectionCount;
  if (viscoelastic_ || o.moduliTimeScale != 1) option(HyperelasticModuli(o.moduliTimeScale == 1));
  stream.LineBreak();
  aif_WritePlainTable(stream, o.table);
}
