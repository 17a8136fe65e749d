#include "aif/impl/sections/aif_Friction.h"

#include <cfloat>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_DataLineTable.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

namespace {

constexpr char kFrictionFile[] = "module/aif/impl/aif_Friction";

// Contact formulations.
constexpr int kFrictionless = 0;
constexpr int kCoefficients = 1;
constexpr int kDecay = 2;
constexpr int kRough = 3;
constexpr int kLagrange = 4;
constexpr int kUser = 5;
constexpr int kAnisotropic = 2;

// Connector formulations.
constexpr int kConnectorCoefficients = 0;
constexpr int kConnectorDecay = 1;

constexpr double kConnectorSlipTolerance = 0.0001;

// Value i of the table in row order; 0 past its end.
double TableValue(const cow_2DArray<double>& table, std::size_t i) {
  return i < table.Rows() * table.Columns() ? table.Data()[i] : 0.0;
}

// The lines of an exponential decay: by coefficients the first three values
// on one line; by test data the first value, the second and third, and the
// fourth, each on a line of its own.
void WriteDecayLines(utl_Stream& stream, const cow_2DArray<double>& table, int definition) {
  if (definition == 0) {
    stream << TableValue(table, 0) << ", " << TableValue(table, 1) << ", " << TableValue(table, 2)
           << endl;
  } else if (definition == 1) {
    stream << TableValue(table, 0) << endl;
    stream << TableValue(table, 1) << ", " << TableValue(table, 2) << endl;
    stream << TableValue(table, 3) << endl;
  }
}

}  // namespace

aif_Friction::aif_Friction(const cow_COW<kinC_InteractionProperty>& property, akw_ModelInfo* info,
                           bool frictionlessDefault)
    : property_(property), info_(info), frictionlessDefault_(frictionlessDefault) {}

aif_Friction::aif_Friction(const kbeC_ConnectorFriction& friction, akw_ModelInfo* info)
    : friction_(friction), info_(info) {}

int aif_Friction::Product() const {
  return nex_canDynamicCastRef<aif_ModelInfo>(*info_, kFrictionFile, __LINE__).AnalysisProduct();
}

void aif_Friction::Write(utl_Stream& stream) const {
  WritePropertyForm(stream);
  WriteConnectorForm(stream);
}

void aif_Friction::WritePropertyForm(utl_Stream& stream) const {
  if (property_.IsNull()) return;
  if (property_->DynTypeId() != kinC_ContactProperty::TypeId())
    nex_Exception::Throw(aif_Exception(atr_Translate("Unimplemented *Friction print")),
                         kFrictionFile, __LINE__);
  const auto& contact =
      nex_canDynamicCastRef<const kinC_ContactProperty>(*property_, kFrictionFile, __LINE__);
  const kinC_TangentialBehavior* law = contact.Find<kinC_TangentialBehavior>();
  if ((frictionlessDefault_ && !law) || (law && law->formulation == kFrictionless)) {
    stream << "*Friction" << endl << 0.0 << "," << endl;
    return;
  }
  if (!law) return;

  stream << "*Friction";
  WritePropertyOptions(stream, *law);
  stream << endl;

  const int product = Product();
  const int f = law->formulation;
  if (f == kCoefficients || (product == 0 && f == kLagrange)) {
    aif_DataLineTable table(law->table, 0, 0);
    int k = law->directionality == kAnisotropic ? 2 : 1;
    for (bool given : law->dependence) {
      if (!given) table.InsertColumn(k);
      ++k;
    }
    stream << table;
  } else if (f == kDecay) {
    WriteDecayLines(stream, law->table, law->exponentialDecayDefinition);
  } else if (f == kUser && law->userProperties) {
    // The first column of every row, as one row.
    cow_2DArray<double> row(1, law->table.Rows());
    for (std::size_t r = 0; r < law->table.Rows(); ++r)
      row.Modify(0, r) = law->table.Columns() ? law->table(r, 0) : 0.0;
    stream << aif_DataLineTable(row, 0, 0);
  }
}

void aif_Friction::WritePropertyOptions(utl_Stream& stream,
                                        const kinC_TangentialBehavior& law) const {
  const int product = Product();
  const int f = law.formulation;
  const bool coefficientsOrDecay = f == kCoefficients || f == kDecay;
  if (product == 0 && coefficientsOrDecay && law.elasticSlipKind == 1)
    aif_WriteOption(stream, "elastic slip=", law.elasticSlip);
  if (product == 0 && f == kLagrange) aif_WriteOption(stream, "lagrange");
  if (f == kRough) aif_WriteOption(stream, "rough");
  if (product == 0 && coefficientsOrDecay && law.elasticSlipKind == 0)
    aif_WriteOption(stream, "slip tolerance=", law.slipTolerance);
  if (f == kUser) aif_WriteOption(stream, "user");
  if (product == 0 && (f == kCoefficients || f == kLagrange) && law.directionality == kAnisotropic)
    aif_WriteOption(stream, "anisotropic");
  if ((f == kCoefficients || (product == 0 && f == kLagrange)) && law.dependencies > 0)
    aif_WriteOption(stream, "dependencies=", law.dependencies);
  if (f == kUser) aif_WriteOption(stream, "depvar=", law.userStateVariables);
  if (f == kDecay) aif_WriteOption(stream, "exponential decay");
  if (f == kUser && law.userProperties)
    aif_WriteOption(stream, "properties=", static_cast<int>(law.table.Rows()));
  if (product == 1 && coefficientsOrDecay && law.shearTractionSlope != DBL_MAX)
    aif_WriteOption(stream, "shear traction slope=", law.shearTractionSlope);
  if ((f == kCoefficients || f == kLagrange) && law.shearStressLimit != DBL_MAX)
    aif_WriteOption(stream, "taumax=", law.shearStressLimit);
  if (f == kDecay && law.exponentialDecayDefinition == 1) aif_WriteOption(stream, "test data");
}

void aif_Friction::WriteConnectorForm(utl_Stream& stream) const {
  const kbeC_ConnectorTangentialBehavior* law = friction_.TangentialBehavior();
  if (!property_.IsNull() || !law) return;
  const int product = Product();
  const int f = law->formulation;
  stream << "*Friction";
  if (product == 0 && law->elasticSlipKind == 1)
    aif_WriteOption(stream, "elastic slip=", law->elasticSlip);
  if (product == 0 && law->elasticSlipKind == 0 && law->slipTolerance != kConnectorSlipTolerance)
    aif_WriteOption(stream, "slip tolerance=", law->slipTolerance);
  if (f == kConnectorCoefficients && law->dependencies > 0)
    aif_WriteOption(stream, "dependencies=", law->dependencies);
  if (f == kConnectorDecay) aif_WriteOption(stream, "exponential decay");
  if (f == kConnectorCoefficients && law->shearStressLimit != DBL_MAX)
    aif_WriteOption(stream, "taumax=", law->shearStressLimit);
  if (f == kConnectorDecay && law->decayDefinition == 1) aif_WriteOption(stream, "test data");
  stream << endl;

  if (f == kConnectorCoefficients) {
    aif_DataLineTable table(law->data, law->dependencies, law->dependence3 ? 1 : 0);
    if (!law->dependence1) table.InsertColumn(1);
    if (!law->dependence2) table.InsertColumn(2);
    if (!law->dependence3) table.InsertColumn(3);
    stream << table;
  } else if (f == kConnectorDecay) {
    WriteDecayLines(stream, law->data, law->decayDefinition);
  }
}
