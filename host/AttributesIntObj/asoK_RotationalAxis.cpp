#include "AttributesIntObj/asoK_RotationalAxis.h"

#include <vector>

namespace {

struct asoK_AxisScript {
  gdy_CompositeHitSet hits;
  cow_List<asoK_RotationalAxisData> pieces;
  bool twoDimensional = false;
};

std::vector<asoK_AxisScript>& AxisScripts() {
  static std::vector<asoK_AxisScript> scripts;
  return scripts;
}

bool AnswerAxisScript(const gdy_CompositeHitSet& hits, bool twoDimensional,
                      cow_List<asoK_RotationalAxisData>& result) {
  for (const asoK_AxisScript& script : AxisScripts())
    if (script.twoDimensional == twoDimensional && script.hits.SameFaces(hits)) {
      if (script.pieces.IsEmpty()) return false;
      result.Append(script.pieces);
      return true;
    }
  return false;
}

}  // namespace

bool asoK_GetRotationalAxisData(const gdy_CompositeHitSet& hits, const asoK_Assembly* assembly,
                                cow_List<asoK_RotationalAxisData>& result, int options) {
  (void)assembly;
  (void)options;
  return AnswerAxisScript(hits, false, result);
}

bool asoK_Get2DRotationalAxisData(const gdy_CompositeHitSet& hits, const asoK_Assembly* assembly,
                                  cow_List<asoK_RotationalAxisData>& result, int options) {
  (void)assembly;
  (void)options;
  return AnswerAxisScript(hits, true, result);
}

void asoK_ScriptRotationalAxisData(const gdy_CompositeHitSet& hits,
                                   const cow_List<asoK_RotationalAxisData>& pieces,
                                   bool twoDimensional) {
  for (asoK_AxisScript& script : AxisScripts())
    if (script.twoDimensional == twoDimensional && script.hits.SameFaces(hits)) {
      script.pieces = pieces;
      return;
    }
  AxisScripts().push_back({hits, pieces, twoDimensional});
}

void asoK_ClearRotationalAxisScripts() {
  AxisScripts().clear();
}
