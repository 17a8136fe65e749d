#include "aif/impl/optimization/aif_LinkTopo.h"

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kopC_GeometricRestriction.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

namespace {

constexpr char kLinkTopoFile[] = "module/aif/impl/optimization/aif_LinkTopo.cpp";
constexpr const char* kLinkTopoAxes[] = {"AXIS_1", "AXIS_2", "AXIS_3"};

}  // namespace

void aif_LinkTopo::Write(utl_Stream& stream) const {
  const unsigned kind = restriction_.DynTypeId();
  const char* type = kind == kopC_TopologyRotationalSymmetry::kTypeId ? "ROTATION_SYM"
                     : kind == kopC_TopologyCyclicSymmetry::kTypeId   ? "CYCLIC_SYM"
                     : kind == kopC_TopologyPlanarSymmetry::kTypeId   ? "PLANE_SYM"
                     : kind == kopC_TopologyPointSymmetry::kTypeId    ? "POINT_SYM"
                                                                      : nullptr;
  if (!type)
    nex_Exception::Throw(nex_TextException(atr_Translate("Unimplemented LinkTopo command")),
                         kLinkTopoFile, __LINE__);
  const auto& symmetry =
      nex_canDynamicCastRef<const kopC_TopologySymmetry>(restriction_, kLinkTopoFile, __LINE__);
  const bool point = kind == kopC_TopologyPointSymmetry::kTypeId;
  // An unknown axis would leave the TYPE line without its axis and its end.
  if (!point && (symmetry.Axis() < 0 || symmetry.Axis() > 2))
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The symmetry axis of the topology restriction %s is unknown.", name_)),
        kLinkTopoFile, __LINE__);

  aif_KestBlock block(stream, "LINK_TOPO");
  block.Line("ID_NAME", name_);
  if (point)
    block.Line("TYPE", type);
  else
    block.Key("TYPE") << type << ", " << kLinkTopoAxes[symmetry.Axis()] << endl;
  aif_KestCsysLine(symmetry.Csys(), info_, stream, "CS");
  block.Line("IGNORE_FROZEN", symmetry.IgnoreFrozen() ? "TRUE" : "FALSE");
  if (kind == kopC_TopologyRotationalSymmetry::kTypeId)
    block.Line("ANGLE", nex_canDynamicCastRef<const kopC_TopologyRotationalSymmetry>(
                            symmetry, kLinkTopoFile, __LINE__)
                            .Angle());
  else if (kind == kopC_TopologyCyclicSymmetry::kTypeId)
    block.Line("TRANSLATION", nex_canDynamicCastRef<const kopC_TopologyCyclicSymmetry>(
                                  symmetry, kLinkTopoFile, __LINE__)
                                  .Translation());
  block.End();
}
