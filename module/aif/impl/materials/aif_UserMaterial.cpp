#include "aif/impl/materials/aif_UserMaterial.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

namespace {

// One "*User Material" block: the number of constants, `typeOption` when not
// null, "unsymm" with the flag, then the constants in one row of eight values
// a line (no data line for no constants).
void aif_UserMaterialBlock(utl_Stream& stream, const cow_List<double>& constants,
                           const char* typeOption, bool unsymmetric) {
  stream << "*User Material";
  aif_WriteOption(stream, "constants=", static_cast<int>(constants.Length()));
  if (typeOption) aif_WriteOption(stream, typeOption);
  if (unsymmetric) aif_WriteOption(stream, "unsymm");
  stream.LineBreak();
  if (constants.IsEmpty()) return;
  kmaC_MaterialTable row(1, constants.Length());
  for (std::size_t i = 0; i < constants.Length(); ++i)
    row.Modify(0, i) = constants[i];
  aif_WritePlainTable(stream, row);
}

}  // namespace

void aif_UserMaterial::Write(utl_Stream& stream) const {
  if (option_.type != 1)
    aif_UserMaterialBlock(stream, option_.mechanicalConstants,
                          option_.type != 0 ? "type=MECHANICAL" : nullptr, option_.unsymmetric);
  if (option_.type != 0)
    aif_UserMaterialBlock(stream, option_.thermalConstants, "type=THERMAL", option_.unsymmetric);
}
