#include "aif/impl/conditions/aif_Submodel.h"

#include "OdbAttrEO/kbcC_SubmodelBC.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kSubmodelFile[] = "module/aif/impl/conditions/aif_Submodel.cpp";

}  // namespace

aif_Submodel::aif_Submodel(bool shellToSolid, const kbcC_BC& condition,
                           const cow_String& regionName)
    : shellToSolid_(shellToSolid), nodeBased_(1) {
  const auto& submodel =
      nex_canDynamicCastRef<const kbcC_SubmodelBC>(condition, kSubmodelFile, __LINE__);
  globalElset_ = submodel.GlobalElset();
  shellThickness_ = submodel.ShellThickness();
  absoluteExteriorTolerance_ = submodel.AbsoluteExteriorTolerance();
  exteriorTolerance_ = submodel.ExteriorTolerance();
  regionNames_.Append(regionName);
}

aif_Submodel::aif_Submodel(const kloC_Load& load, const cow_String& regionName) {
  const auto& submodel =
      nex_canDynamicCastRef<const kloC_SubmodelStressBased>(load, kSubmodelFile, __LINE__);
  globalElset_ = submodel.GlobalElset();
  absoluteExteriorTolerance_ = submodel.AbsoluteExteriorTolerance();
  exteriorTolerance_ = submodel.ExteriorTolerance();
  regionNames_.Append(regionName);
}

bool aif_Submodel::IsCompatible(const kbcC_BC& condition) const {
  const auto& submodel =
      nex_canDynamicCastRef<const kbcC_SubmodelBC>(condition, kSubmodelFile, __LINE__);
  return submodel.ShellThickness() == shellThickness_ &&
         submodel.AbsoluteExteriorTolerance() == absoluteExteriorTolerance_ &&
         submodel.ExteriorTolerance() == exteriorTolerance_ &&
         submodel.GlobalElset() == globalElset_;
}

bool aif_Submodel::IsCompatible(const kloC_Load& load) const {
  const auto& submodel =
      nex_canDynamicCastRef<const kloC_SubmodelStressBased>(load, kSubmodelFile, __LINE__);
  return submodel.GlobalElset() == globalElset_ &&
         submodel.AbsoluteExteriorTolerance() == absoluteExteriorTolerance_ &&
         submodel.ExteriorTolerance() == exteriorTolerance_;
}

void aif_Submodel::AddRegion(const cow_String& name) {
  if (!regionNames_.IsMember(name)) regionNames_.Append(name);
}

void aif_Submodel::Write(utl_Stream& stream) const {
  // The global element set may be instance-qualified ("Part-1-1.Set"): each
  // component is made printable on its own.
  const cow_String globalElset =
      globalElset_.IsEmpty() ? cow_String() : aif_PrintableName(globalElset_);

  stream << "*Submodel, type=" << (nodeBased_ != 0 ? "NODE" : "SURFACE");
  if (shellToSolid_) stream << ", shell to solid";
  if (shellThickness_ != 0.0) stream << ", shell thickness=" << shellThickness_;
  if (absoluteExteriorTolerance_ != 0.0)
    stream << ", absolute exterior tolerance=" << absoluteExteriorTolerance_;
  if (exteriorTolerance_ != 0.0) stream << ", exteriorTolerance=" << exteriorTolerance_;
  if (!globalElset.IsEmpty()) stream << ", global elset=" << globalElset;
  stream.LineBreak();
  for (const cow_String& name : regionNames_) {
    stream << name << ", ";
    stream.LineBreak();
  }
}
