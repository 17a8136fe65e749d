#include "aif/impl/optimization/aif_Stop.h"

#include <iterator>

#include "OdbAttrEO/kopC_StopCondition.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

namespace {

constexpr const char* kStopMeasures[] = {"MIN", "MAX", "SUM", "COUNT"};
constexpr const char* kStopQuantities[] = {", MOVE",
                                           ", MOVE_GROWTH",
                                           ", MOVE_SHRINK",
                                           ", MOVE_TOTAL",
                                           ", MOVE_GROWTH_TOTAL",
                                           ", MOVE_SHRINK_TOTAL",
                                           ", CTRL_INP",
                                           ", CTRL_INP_SHAPE",
                                           ", CTRL_INP_SHAPE_FIX",
                                           ", CTRL_INP_SHAPE_FREE",
                                           ", CTRL_INP_SHAPE_SURFACE"};
constexpr const char* kStopComparisons[] = {"LT", "LE", "EQ", "GE", "GT"};
constexpr const char* kStopOperations[] = {", ADD", ", SUB", ", MULT", ", DIV"};

// The word of `value` in `words`, or "" outside the table.
template <std::size_t N>
const char* StopWord(const char* const (&words)[N], int value) {
  return value >= 0 && static_cast<std::size_t>(value) < N ? words[value] : "";
}

}  // namespace

void aif_Stop::Write(utl_Stream& stream) const {
  const kopC_LocalStopCondition& c = condition_;
  aif_KestBlock block(stream, "STOP");
  block.Line("ID_NAME", aif_KestIdName(info_, name_, aif_kKestStopCondition));
  block.Line("OPTIMIZE", aif_KestIdName(info_, info_.Model().OptimizationText(), aif_kKestTask));
  aif_KestNodeGroupLine(c.Region(), info_, stream, "MOD_NDGR");
  block.Key("MOD_TYPE") << StopWord(kStopMeasures, c.MeasureType())
                        << StopWord(kStopQuantities, c.Quantity()) << endl;
  block.Line("MOD_OPER", StopWord(kStopComparisons, c.Comparison()));
  block.Key("MOD_REF") << c.ReferenceValue() << StopWord(kStopOperations, c.ReferenceOperation())
                       << (c.ReferenceBase() == 0 ? ", PREV" : ", FIRST") << endl;
  block.End();
}
