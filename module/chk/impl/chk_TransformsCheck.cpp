#include "chk/impl/chk_TransformsCheck.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "AttributesIntObj/asoK_AttributeUtils.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_Utils.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kcoC_MPC.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/model/aif_TransformTermDatum.h"
#include "chk/impl/chk_Finding.h"

namespace {

const char* const kTransformsCheckFile = "module/chk/impl/chk_TransformsCheck.cpp";

// Which coordinate systems the nodes of the examined regions lie in: per
// instance id and node id, none yet, the one key group that holds the node,
// or "shared" once a second group holds it. Node ids are dense per instance
// (index + 1), so most are kept in a vector; ids beyond `denseLimit` in a
// hash map. A caller looks an instance up once (Of, Find) and then marks or
// tests each of its nodes in constant time.
class chk_TransformsNodeOwners {
 public:
  static constexpr int kNone = -1;
  static constexpr int kShared = -2;

  struct Owners {
    std::vector<int> dense;
    std::unordered_map<int, int> sparse;
  };

  explicit chk_TransformsNodeOwners(long long denseLimit) : denseLimit_(denseLimit) {}

  Owners& Of(int instance) { return instances_[instance]; }
  const Owners* Find(int instance) const {
    const auto found = instances_.find(instance);
    return found == instances_.end() ? nullptr : &found->second;
  }

  // Records that `group` holds the node; returns whether the node is shared.
  bool Mark(Owners& owners, int node, int group) const {
    int& owner = Slot(owners, node);
    if (owner == kNone)
      owner = group;
    else if (owner != group)
      owner = kShared;
    return owner == kShared;
  }
  static bool IsShared(const Owners& owners, int node) {
    if (node >= 0 && node < static_cast<long long>(owners.dense.size()))
      return owners.dense[static_cast<std::size_t>(node)] == kShared;
    const auto sparse = owners.sparse.find(node);
    return sparse != owners.sparse.end() && sparse->second == kShared;
  }

 private:
  int& Slot(Owners& owners, int node) const {
    if (node >= 0 && node < denseLimit_) {
      const std::size_t at = static_cast<std::size_t>(node);
      if (at >= owners.dense.size()) {
        // Grow geometrically, never past the limit.
        std::size_t size = owners.dense.size() < 1024 ? 1024 : owners.dense.size() * 2;
        if (size <= at) size = at + 1;
        if (static_cast<long long>(size) > denseLimit_)
          size = static_cast<std::size_t>(denseLimit_);
        owners.dense.resize(size, kNone);
      }
      return owners.dense[at];
    }
    return owners.sparse.emplace(node, kNone).first->second;
  }

  long long denseLimit_;
  std::unordered_map<int, Owners> instances_;
};

// The name of a connector or MPC section assignment: its region's name, or
// "(Picked)" for a picked region, or the section's name for a region without
// a name, with the kind suffix.
cow_String TransformsConnectorName(const ptoC_SectionAssignment& assignment) {
  const rgnC_Region& region = assignment.RegionRef();
  std::string name = region.IsPicked()         ? std::string("(Picked)")
                     : region.Name().IsEmpty() ? assignment.SectionName().Str()
                                               : region.Name().Str();
  return cow_String(name + " (Connector)");
}

}  // namespace

chk_TransformsCheck::chk_TransformsCheck(const bas_NewModel& model, const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_TransformsCheck::chk_TransformsCheck(const chk_TransformsCheck& other) = default;

chk_TransformsCheck::~chk_TransformsCheck() = default;

chk_TransformsCheck* chk_TransformsCheck::Clone() const {
  return new chk_TransformsCheck(*this);
}

cow_String chk_TransformsCheck::SystemKey(const dtmC_DatumRef& system) {
  if (system.IsNullRef()) return cow_String();
  // Names may hold any printable character; the unit separator keeps the
  // owners and the name apart, and the leading "N" keeps every named key
  // apart from the empty key of the global system.
  std::string key = "N";
  for (const cow_String& owner : system.owners)
    key += owner.Str() + '\x1f';
  key += system.name.Str();
  return cow_String(key);
}

void chk_TransformsCheck::AddEntry(const rgnC_Region& region, const dtmC_DatumRef& system,
                                   const cow_String& key, const cow_String& name) {
  regions_.Append(region);
  systems_.Append(system);
  keys_.Append(key);
  names_.Append(name);
}

void chk_TransformsCheck::Run() {
  CollectAttributes();
  if (assembly_.IsNull()) return;
  if (systems_.IsEmpty()) return;
  CompareRegions();
}

void chk_TransformsCheck::CollectAttributes() {
  regions_.Clear();
  systems_.Clear();
  keys_.Clear();
  names_.Clear();
  const aif_Model model(Model(), ModelName());
  const mdl_IDRepository<asoK_Assembly>& assemblies = model.Assemblies();
  // The repository's own handle: shared, not copied.
  const cow_COW<asoK_Assembly>* root = assemblies.ConstGetMap().Find("Assembly");
  assembly_ = root ? *root : cow_COW<asoK_Assembly>();
  const asoK_Assembly* assembly = assembly_.Get();

  const kprC_PropagatingContainer<kbcC_BC>& conditions = model.BoundaryConditions();
  for (const cow_String& key : conditions.Keys()) {
    const kbcC_BC& condition = conditions.ConstGet(key);
    if (condition.Suppressed() || condition.GetStatus() != 0) continue;
    AddEntry(condition.Region(), condition.LocalCsys(), SystemKey(condition.LocalCsys()),
             cow_String(key.Str() + " (BC)"));
  }

  const mdl_MapString2ObjCow<kcoC_Constraint>& constraints = model.Constraints();
  for (const cow_String& key : constraints.Keys()) {
    const kcoC_Constraint& constraint = constraints.ConstGet(key);
    if (constraint.Suppressed()) continue;
    if (constraint.DynTypeId() == kcoC_Equation::TypeId()) {
      const auto& equation =
          nex_canDynamicCastRef<const kcoC_Equation>(constraint, kTransformsCheckFile, __LINE__);
      const cow_String name(key.Str() + " (Equation)");
      for (const kcoC_EquationTerm& term : equation.Terms()) {
        // Only terms on a set of the assembly take part.
        const rgnF_Set* set =
            assembly ? rgnF_Utils::GetSet(assembly->ConstGetFeatureList(), term.setName) : nullptr;
        if (!set) continue;
        // The kernel names the system by the datum's id; the writer turns it
        // into the datum's name, and so is it keyed here: a term and a BC in
        // the same datum are in one system.
        const dtmC_DatumRef system = aif_TransformTermDatum::Of(*assembly, term.csysId);
        AddEntry(set->Region(), system, SystemKey(system), name);
      }
    } else if (constraint.DynTypeId() == kcoC_MPC::TypeId()) {
      const auto& mpc =
          nex_canDynamicCastRef<const kcoC_MPC>(constraint, kTransformsCheckFile, __LINE__);
      const cow_String name(key.Str() + " (MPC)");
      const cow_String systemKey = SystemKey(mpc.Datum());
      AddEntry(mpc.ControlPointRegion(), mpc.Datum(), systemKey, name);
      AddEntry(mpc.SlaveRegion(), mpc.Datum(), systemKey, name);
    }
  }

  const kprC_PropagatingContainer<kloC_Load>& loads = model.Loads();
  for (const cow_String& key : loads.Keys()) {
    const kloC_Load& load = loads.ConstGet(key);
    if (load.Suppressed()) continue;
    const dtmC_DatumRef* system = nullptr;
    if (load.DynTypeId() == kloC_ConcentratedForce::TypeId())
      system =
          &nex_canDynamicCastRef<const kloC_ConcentratedForce>(load, kTransformsCheckFile, __LINE__)
               .LocalCsys();
    else if (load.DynTypeId() == kloC_Moment::TypeId())
      system = &nex_canDynamicCastRef<const kloC_Moment>(load, kTransformsCheckFile, __LINE__)
                    .LocalCsys();
    if (!system) continue;
    AddEntry(load.Region(), *system, SystemKey(*system), cow_String(key.Str() + " (Load)"));
  }

  // Connector and MPC sections of the assembly's wires: both take datum
  // systems from the connector orientations in the written file.
  if (!assembly) return;
  const mdl_MapString2ObjCow<kseC_Section>& sections = model.Sections();
  const asoK_AttributeUtils::Attributes& orientations = assembly->ConnectorOrientations();
  bool mapped = false;
  cow_Map<cow_String, int> connectorMap;
  for (const cow_COW<kern_Object>& attribute : assembly->SectionAssignments()) {
    const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
        *attribute, kTransformsCheckFile, __LINE__);
    if (assignment.IsSuppressed() || !sections.Contains(assignment.SectionName())) continue;
    const unsigned type = sections.ConstGet(assignment.SectionName()).DynTypeId();
    if (type != kseC_ConnectorSection::TypeId() && type != kseC_MPCSection::TypeId()) continue;
    dtmC_DatumRef system;
    if (!assignment.OrientationName().IsEmpty()) {
      if (!mapped) {
        connectorMap = asoK_AttributeUtils::GetConnectorMap(orientations);
        mapped = true;
      }
      if (const int* index = connectorMap.Find(assignment.OrientationName()))
        system =
            nex_canDynamicCastRef<const ptoC_ConnectorOrientation>(
                *orientations[static_cast<std::size_t>(*index)], kTransformsCheckFile, __LINE__)
                .FirstDatum();
    } else {
      int index = -1;
      ptoC_ConnectorOrientation orientation;
      if (asoK_AttributeUtils::FindOrientation(orientations, assignment.RegionRef(), ModelName(),
                                               index, orientation))
        system = orientation.FirstDatum();
    }
    AddEntry(assignment.RegionRef(), system, SystemKey(system),
             TransformsConnectorName(assignment));
  }
}

void chk_TransformsCheck::CompareRegions() {
  const asoK_Assembly* assembly = assembly_.Get();
  const std::size_t count = systems_.Length();
  // Each entry's nodes, and the key groups in order of first appearance with
  // their entries in order.
  std::vector<cow_Map<int, cow_List<int>>> entryNodes(count);
  std::unordered_map<std::string, int> groupOf;
  std::vector<std::vector<std::size_t>> groups;
  long long hits = 0;
  for (std::size_t i = 0; i < count; ++i) {
    gdy_CompositeHitSet entryHits;
    rgnK_Region(assembly, ModelName(), regions_[i]).GetNodeHits(entryHits, 1000, true);
    entryNodes[i] = entryHits.nodeHits;
    hits += entryHits.HitCount();
    const auto [at, added] = groupOf.emplace(keys_[i].Str(), static_cast<int>(groups.size()));
    if (added) groups.emplace_back();
    groups[static_cast<std::size_t>(at->second)].push_back(i);
  }

  // A node is shared when the regions of two groups hold it.
  chk_TransformsNodeOwners owners(16 * hits + 4096);
  bool anyShared = false;
  for (std::size_t g = 0; g < groups.size(); ++g)
    for (std::size_t i : groups[g])
      for (const auto& [instance, nodes] : entryNodes[i]) {
        chk_TransformsNodeOwners::Owners& ofInstance = owners.Of(instance);
        for (int node : nodes)
          if (owners.Mark(ofInstance, node, static_cast<int>(g))) anyShared = true;
      }
  if (!anyShared) return;

  // Every entry holding a shared node, grouped by coordinate system: an
  // attribute is named once per such entry.
  chk_Finding finding(
      "Following attributes are applied to overlapping, intersecting, or\nadjoining regions in "
      "differing coordinate systems:\n%s",
      chk_LineForm::kJoined);
  for (const std::vector<std::size_t>& group : groups)
    for (std::size_t i : group) {
      bool shared = false;
      for (const auto& [instance, nodes] : entryNodes[i]) {
        const chk_TransformsNodeOwners::Owners* ofInstance = owners.Find(instance);
        if (!ofInstance) continue;
        for (int node : nodes)
          if (chk_TransformsNodeOwners::IsShared(*ofInstance, node)) {
            shared = true;
            break;
          }
        if (shared) break;
      }
      if (shared && i < names_.Length()) finding.Add(names_[i]);
    }
  finding.AppendTo(ErrorList());
}
