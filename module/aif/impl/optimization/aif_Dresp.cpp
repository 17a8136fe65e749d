#include "aif/impl/optimization/aif_Dresp.h"

#include <iterator>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kopC_DesignResponse.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

namespace {

constexpr char kDrespFile[] = "module/aif/impl/optimization/aif_Dresp.cpp";
// The load-case key of a step numbered as a whole.
constexpr char kDrespWholeStep[] = "_";
constexpr int kDrespCombine = 6;
constexpr int kDrespFilter = 21;
constexpr int kDrespCutOff = 22;

constexpr const char* kDrespGroupOperators[] = {"MIN", "MAX", nullptr, "SUM", "COUNT"};
constexpr const char* kDrespSelections[] = {"MIN", "MAX", "SUM"};
constexpr const char* kDrespAnalysisKinds[] = {"ALL", "STATIC", "MODAL", "NONLINEAR", "DAMAGE"};
constexpr const char* kDrespPositions[] = {", MIN", ", MAX", ", TOP", ", MID", ", BOT"};
constexpr const char* kDrespOperators[] = {
    "ADD",     "SUB",     "MULT",    "DIV",     "MIN",     "MAX",    "COMBINE",   "SUB_ABS",
    "ABS",     "SIN",     "COS",     "TAN",     "LOG",     "LN",     "SQRT",      "EXP",
    "NROOT",   "NPOWER",  "INT",     "NINT",    "SIGN",    "FILTER", "CUT_OFF",   "DELTA_1",
    "DELTA_2", "DELTA_3", "DELTA_4", "DELTA_5", "DELTA_6", "NORM",   "NORM_FIRST"};
constexpr const char* kDrespOperandKeys[] = {"VAR_A", "VAR_B", "VAR_C", "VAR_D"};

// The word of `value` in `words`, or null outside the table.
template <std::size_t N>
const char* DrespWord(const char* const (&words)[N], int value) {
  return value >= 0 && static_cast<std::size_t>(value) < N ? words[value] : nullptr;
}

}  // namespace

void aif_Dresp::Write(utl_Stream& stream) const {
  const unsigned kind = response_.DynTypeId();
  if (kind != kopC_SingleTermDesignResponse::kTypeId &&
      kind != kopC_CombinedTermDesignResponse::kTypeId)
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg("Unimplemented design response for %s", name_)),
        kDrespFile, __LINE__);
  const kopC_CombinedTermDesignResponse* combined =
      kind == kopC_CombinedTermDesignResponse::kTypeId
          ? &nex_canDynamicCastRef<const kopC_CombinedTermDesignResponse>(response_, kDrespFile,
                                                                          __LINE__)
          : nullptr;
  if (combined && combined->Operator() == kDrespCombine &&
      combined->Weights().Length() < combined->Variables().Length())
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The combined design response %s has fewer weights than variables.", name_)),
        kDrespFile, __LINE__);

  aif_KestBlock block(stream, "DRESP");
  block.Line("ID_NAME", aif_KestIdName(info_, name_, aif_kKestDesignResponse));
  block.Line("LIST", "NO_LIST");
  if (combined)
    WriteCombinedTerm(stream, *combined);
  else
    WriteSingleTerm(stream, nex_canDynamicCastRef<const kopC_SingleTermDesignResponse>(
                                response_, kDrespFile, __LINE__));
  block.End();
}

void aif_Dresp::WriteSingleTerm(utl_Stream& stream,
                                const kopC_SingleTermDesignResponse& response) const {
  aif_KestBlock block = aif_KestBlock::Continue(stream);
  block.Line("DEF_TYPE", "SYSTEM");
  block.Line("TYPE", response.VariableName());
  const unsigned flags = kopC_VariableTable::Instance().Entry(response.VariableName()).Flags();
  const bool elements = (flags & 4) && aif_KestElementGroupLine(response.Region(), info_, stream);
  if ((flags & 2) && !elements) aif_KestNodeGroupLine(response.Region(), info_, stream);
  if (flags & 8) aif_KestNodeGroupLine(response.SecondRegion(), info_, stream);
  if (const char* oper = DrespWord(kDrespGroupOperators, response.GroupOperator()))
    block.Line("GROUP_OPER", oper);
  const cow_String csys = aif_KestCsysName(response.Csys(), info_);
  if (csys != "CS_0") block.Line("CS_REF", csys);
  const cow_List<kopC_StepOption>& options = response.StepOptions();
  for (const kopC_StepOption& option : options)
    WriteLoadCaseSet(stream, option, response.SectionPosition());
  if (!options.IsEmpty())
    if (const char* selection = DrespWord(kDrespSelections, response.LoadCaseSelection()))
      block.Line("LC_SEL", selection);
}

void aif_Dresp::WriteLoadCaseSet(utl_Stream& stream, const kopC_StepOption& option,
                                 int position) const {
  aif_KestBlock block = aif_KestBlock::Continue(stream);
  block.Key("LC_SET");
  const bool named = !option.StepName().IsEmpty();
  if (named) {
    stream << "ALL";
    const unsigned number = LoadCaseNumber(option.StepName(), option.LoadCaseName());
    if (number >= 1)
      stream << ", " << number;
    else
      stream << ", missing_step_or_load_case";
  } else {
    if (const char* kind = DrespWord(kDrespAnalysisKinds, option.AnalysisKind())) stream << kind;
    stream << ", ALL";
  }
  if (option.All())
    stream << ", ALL";
  else if (option.First() == option.Last())
    stream << ", " << option.First();
  else
    stream << ", " << option.First() << "-" << option.Last();
  if (const char* word = DrespWord(kDrespPositions, position)) stream << word;
  stream << endl;
}

void aif_Dresp::WriteCombinedTerm(utl_Stream& stream,
                                  const kopC_CombinedTermDesignResponse& response) const {
  aif_KestBlock block = aif_KestBlock::Continue(stream);
  block.Line("DEF_TYPE", "OPER");
  const int oper = response.Operator();
  if (const char* word = DrespWord(kDrespOperators, oper)) block.Line("VAR_OPER", word);
  if (oper == kDrespFilter) {
    block.Line("RADIUS", response.Radius());
    block.Line("EXPONENT", response.Exponent());
    block.Line("SIGMA", response.Sigma());
  } else if (oper == kDrespCutOff) {
    block.Line("CUT_OFF_LOW", response.CutOffLow());
    block.Line("CUT_OFF_HIGH", response.CutOffHigh());
  }
  const cow_List<cow_String>& variables = response.Variables();
  if (oper == kDrespCombine) {
    for (std::size_t i = 0; i < variables.Length(); ++i)
      block.Key("VARIABLE") << aif_KestIdName(info_, variables[i], aif_kKestDesignResponse) << ", "
                            << response.Weights()[i] << endl;
    return;
  }
  for (std::size_t i = 0; i < variables.Length() && i < std::size(kDrespOperandKeys); ++i)
    block.Line(kDrespOperandKeys[i], aif_KestIdName(info_, variables[i], aif_kKestDesignResponse));
}

unsigned aif_Dresp::LoadCaseNumber(const cow_String& step, const cow_String& loadCase) const {
  if (numbers_.IsEmpty()) NumberLoadCases();
  const cow_Map<cow_String, unsigned>* cases = numbers_.Find(step);
  if (!cases) return 0;
  const unsigned* number = cases->Find(loadCase.IsEmpty() ? cow_String(kDrespWholeStep) : loadCase);
  return number ? *number : 0;
}

void aif_Dresp::NumberLoadCases() const {
  numbers_ = {};
  unsigned n = 0;
  const kprC_StepContainer& steps = info_.ModelAdapter().Steps();
  for (const cow_String& name : steps.Keys()) {
    const kprC_Step& step = steps.ConstGet(name);
    if (step.Suppressed()) continue;
    cow_Map<cow_String, unsigned> cases;
    if (dynamic_cast<const kprC_AnalysisStep*>(&step))
      for (const auto& [caseName, loadCase] : step.LoadCases().ConstGetMap())
        if (!loadCase->Suppressed()) cases.Set(caseName, ++n);
    if (cases.IsEmpty()) cases.Set(kDrespWholeStep, ++n);
    numbers_.Set(name, cases);
  }
}
