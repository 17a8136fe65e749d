#include "aif/impl/optimization/aif_KestConstraint.h"

#include "OdbAttrEO/kopC_DesignResponse.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

namespace {

constexpr const char* kKestConstraintValueKeys[] = {"EQ_VALUE", "LE_VALUE", "GE_VALUE"};

}  // namespace

void aif_KestConstraint::Write(utl_Stream& stream) const {
  const cow_String response =
      aif_KestIdName(info_, constraint_.DesignResponse(), aif_kKestDesignResponse);
  const cow_String id = aif_KestIdName(info_, name_, aif_kKestConstraint);
  aif_KestBlock block(stream, "CONSTRAINT");
  block.Line("ID_NAME", id);
  block.Line("DRESP", response);
  const int relation = constraint_.Relation();
  if (relation >= 0 && relation <= 5) {
    block.Line("MAGNITUDE", relation % 2 == 0 ? "ABS" : "REL");
    block.Line(kKestConstraintValueKeys[relation / 2], constraint_.Value());
  }
  block.End();
}
