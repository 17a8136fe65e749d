#include "chk/impl/chk_CrackCheck.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/mgt_ContourIntegralMgr.h"
#include "ModKerLow/mgt_LevelSetMgr.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/korC_Output.h"
#include "QivBasicUtils/nex_Exception.h"
#include "chk/impl/chk_Finding.h"
#include "chk/impl/chk_RootAssembly.h"

namespace {

const char* const kCrackCheckFile = "module/chk/impl/chk_CrackCheck.cpp";

// Why the level sets of an XFEM crack cannot be generated, by the level-set
// services' error type; 0 and below, and 18 and above, say the computation
// failed.
const char* CrackCheckReason(int errorType) {
  static const char* const kReasons[] = {
      "Failed to calculate initial crack location\n",
      "Invalid crack domain\n",
      "Crack domain is empty or out-of-date\n",
      "Crack location is empty or out-of-date\n",
      "Crack domain contains invalid element type\n",
      "Crack domain contains invalid element shape\n",
      "Crack domain contains invalid element order\n",
      "Unmeshed crack domain\n",
      "Partially meshed crack domain\n",
      "Mixed dimension crack domain\n",
      "Invalid crack location\n",
      "Failed to locate crack tip\n",
      "crack tip outside crack domain\n",
      "Invalid domain\n",
      "No intersection between crack and an element edge\nwas detected. Try to use a finer mesh "
      "near the crack.\n",
      "Multiple intersections between crack and an element edge\n",
      "crack location inside element\n",
      "All nodes of an element face are on a tip.\nTry to user a finer mesh\n",
      "Failed to calculate initial crack location\n",
  };
  const int last = static_cast<int>(std::size(kReasons)) - 1;
  return kReasons[std::clamp(errorType, 0, last)];
}

// Whether the crack-front layers of `crack` can be built in `assembly`.
bool CrackCheckLayersBuild(const asoK_Assembly& assembly, const cow_String& modelName,
                           const kefC_ContourIntegral& crack) {
  const rgnK_Region front(&assembly, modelName, crack.CrackFront());
  const rgnK_Region tip(&assembly, modelName, crack.CrackTip());
  gdy_CompositeHitSet frontHits, tipHits;
  front.GetCompositeHits(frontHits, false, false, false, true, false);
  tip.GetCompositeHits(tipHits, false, false, false, true, false);
  const std::unique_ptr<gme_RegularGrid> grid =
      mgt_ContourIntegralMgr::BuildCrackFrontLayers(&assembly, frontHits, tipHits);
  return grid && grid->IsValid();
}

}  // namespace

chk_CrackCheck::chk_CrackCheck(const bas_NewModel& model, const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_CrackCheck::chk_CrackCheck(const chk_CrackCheck& other) = default;

chk_CrackCheck::~chk_CrackCheck() = default;

chk_CrackCheck* chk_CrackCheck::Clone() const {
  return new chk_CrackCheck(*this);
}

void chk_CrackCheck::Run() {
  const asoK_Assembly* root = chk_RootAssembly(Model(), kCrackCheckFile, __LINE__);
  if (!root) return;
  const asoK_Assembly& assembly = *root;
  if (!assembly.EngineeringFeaturesReady()) return;
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      assembly.ConstGetEngineeringFeatures(), kCrackCheckFile, __LINE__);
  const auto& cracks = features.Cracks();
  if (cracks.Length() == 0) return;

  // The cracks the active crack requests name.
  const auto& requests = nex_canDynamicCastRef<const kprC_PropagatingContainer<korC_HistoryOutput>>(
      Model().ConstGetExtension(bas_NewModel::historyOutputRequestCmd), kCrackCheckFile, __LINE__);
  std::vector<cow_String> requested;
  for (const auto& entry : requests.ConstGetMap()) {
    const korC_HistoryOutput& request = *entry.second;
    if (!request.Suppressed() && !request.CrackName().IsEmpty())
      requested.push_back(request.CrackName());
  }

  // XFEM cracks whose level sets the writer computes (no node entries given,
  // an initial crack given) but cannot, and contour-integral cracks without
  // an active request: neither gets its crack data written.
  chk_Finding failing(
      "The following XFEM cracks are failing to\ncorrectly generate.  The error conditions "
      "are\nlisted with the crack names:\n",
      chk_LineForm::kDashed);
  chk_Finding unrequested(
      "The following contour integral crack objects are not\nassociated with any active "
      "history output requests:\n",
      chk_LineForm::kIndentedOne, "\nHistory output requests can be created in the step module.");
  for (const auto& [name, object] : cracks.ConstGetMap()) {
    if (object->DynTypeId() == kefC_XFEMCrack::TypeId()) {
      const auto& crack =
          nex_canDynamicCastRef<const kefC_XFEMCrack>(*object, kCrackCheckFile, __LINE__);
      if (crack.IsSuppressed() || !crack.NodeLabels().IsEmpty() || !crack.IsCrackSpecified())
        continue;
      mgt_LevelSetMgr manager(ModelName(), &assembly, crack.CrackDomain(), crack.InitialCrack());
      if (manager.Valid()) manager.ComputeLevelSets();
      if (!manager.Valid()) failing.Add(name, CrackCheckReason(manager.ErrorType()));
    } else if (object->DynTypeId() == kefC_ContourIntegral::TypeId()) {
      const auto& crack =
          nex_canDynamicCastRef<const kefC_ContourIntegral>(*object, kCrackCheckFile, __LINE__);
      if (!crack.IsSuppressed() &&
          std::find(requested.begin(), requested.end(), name) == requested.end())
        unrequested.Add(name);
    }
  }
  failing.AppendTo(WarningList());
  unrequested.AppendTo(WarningList());

  // Contour-integral cracks whose layers cannot be built, suppressed ones
  // too: the writer writes no contour integral for them.
  chk_Finding unmappable(
      "The following contour integral objects contains\nregions that cannot be mapped into "
      "layers of node sets.\nReview the relevant regions or the underlying mesh.",
      chk_LineForm::kIndentedOne, "\nThese objects will not be generated in the analysis model.");
  for (const auto& [name, object] : cracks.ConstGetMap()) {
    if (object->DynTypeId() != kefC_ContourIntegral::TypeId()) continue;
    const auto& crack =
        nex_canDynamicCastRef<const kefC_ContourIntegral>(*object, kCrackCheckFile, __LINE__);
    if (!CrackCheckLayersBuild(assembly, ModelName(), crack)) unmappable.Add(name);
  }
  unmappable.AppendTo(WarningList());
}
