#include "aif/impl/steps/aif_TurbulenceModel.h"

#include <cstddef>
#include <initializer_list>

#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kTurbulenceModelFile[] = "module/aif/impl/steps/aif_TurbulenceModel.cpp";

// One line of the constants at `positions` (from 0) of `constants`, joined by
// ", "; a position past the end of the list is a blank field.
void WriteTurbulenceConstants(utl_Stream& stream, const cow_List<double>& constants,
                              std::initializer_list<std::size_t> positions) {
  const char* separator = "";
  for (std::size_t position : positions) {
    stream << separator;
    if (position < constants.Length()) stream << constants[position];
    separator = ", ";
  }
  stream.LineBreak();
}

}  // namespace

aif_TurbulenceModel::aif_TurbulenceModel(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kTurbulenceModelFile, __LINE__) {}

void aif_TurbulenceModel::Write(utl_Stream& stream) const {
  const int model = step_.Turbulence();
  if (model < 1 || model > 3) return;
  stream << "*Turbulence Model, type=";
  switch (model) {
    case 1:
      stream << "SPALART ALLMARAS";
      stream.LineBreak();
      WriteTurbulenceConstants(stream, step_.SpalartAllmarasConstants(), {0, 1, 2, 3, 4, 5, 6, 7});
      WriteTurbulenceConstants(stream, step_.SpalartAllmarasConstants(), {8});
      break;
    case 2:
      stream << "RNG KEPSILON";
      stream.LineBreak();
      WriteTurbulenceConstants(stream, step_.RngConstants(), {0, 1, 2, 4, 5, 7, 8});
      break;
    default:
      stream << "VMS";
      stream.LineBreak();
      break;
  }
  stream << step_.TurbulenceValue() << ", ";
  stream.LineBreak();
}
