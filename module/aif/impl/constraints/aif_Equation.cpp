#include "aif/impl/constraints/aif_Equation.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "OdbAttrEO/kcoC_Equation.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr const char* kEquationFile = "module/aif/impl/constraints/aif_Equation.cpp";

// The set a term names as a flat file defines it: the components of the
// qualified name (split at the dots outside quotes, each without its
// quotes) joined by "_", every dot inside them a "_" too ("\"Inst.1\".Set"
// gives "Inst_1_Set").
cow_String EquationFlatSetName(const cow_String& qualified) {
  std::string flat;
  for (const char c : std::string(qualified.Str()))
    if (c != '"') flat += c == '.' ? '_' : c;
  return cow_String(flat);
}

}  // namespace

aif_Equation::aif_Equation(cow_String name, const kcoC_Constraint& constraint,
                           const akw_ModelInfo& info)
    : name_(std::move(name)),
      constraint_(constraint),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kEquationFile, __LINE__)) {}

void aif_Equation::Write(utl_Stream& stream) const {
  const auto& equation =
      nex_canDynamicCastRef<const kcoC_Equation>(*constraint_, kEquationFile, __LINE__);
  const cow_List<kcoC_EquationTerm>& terms = equation.Terms();
  // The set names first: a name the file cannot carry stops the write before
  // the keyword is begun.
  const bool partBased = info_.IsPartBased();
  std::vector<cow_String> names;
  names.reserve(terms.Length());
  for (const kcoC_EquationTerm& term : terms) {
    names.push_back(partBased ? aif_PrintableName(term.setName)
                              : aif_PrintableName(EquationFlatSetName(term.setName)));
  }

  stream << "*Equation" << endl << static_cast<int>(terms.Length()) << endl;
  for (std::size_t i = 0; i < terms.Length(); ++i)
    stream << names[i] << ", " << terms[i].dof << ", " << terms[i].coefficient << endl;
}
