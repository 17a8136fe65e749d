#include "aif/impl/constraints/aif_MPC.h"

#include <string>
#include <vector>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kcoC_MPC.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/model/aif_NodeReferences.h"

namespace {

constexpr char kMPCFile[] = "module/aif/impl/aif_MPC";
constexpr int kAssemblyScope = 2;

// Type names by code, of the constraint and of the section (numbered
// differently by the kernel).
constexpr const char* kConstraintTypes[] = {"BEAM", "ELBOW", "PIN", "LINK", "TIE"};
constexpr const char* kSectionTypes[] = {"BEAM", "TIE", "LINK", "PIN", "ELBOW"};

const char* TypeName(const char* const (&names)[5], int type) {
  return type >= 0 && type < 5 ? names[type] : "";
}

// The node `dot` stands for, as the assembly names it; empty for an end
// without a dot, or whose dot names no node the deck writes.
cow_String DotText(const rgnC_Dot& dot, aif_NodeReferences& nodes) {
  if (dot.missing || !dot.resolved) return cow_String();
  return nodes.Text(dot.instanceId, dot.label);
}

const char* UserMode(int mode) {
  return mode == 0 ? "dof" : "node";
}

// The end-2 and end-1 node labels of the assembly's attachment line `index`;
// false when the assembly's attachment records hold no line for it.
bool AttachmentLineNodes(aif_ModelInfo& info, int index, int& end2, int& end1) {
  const asoK_AttachmentTree *lines = nullptr, *points = nullptr;
  if (!info.AttachmentNodeNumbers(ftr_kAssemblyId, lines, points) || !lines) return false;
  const asoK_AttachmentRecord* record = lines->Find(index);
  if (!record || !record->HasEnd2()) return false;
  end2 = record->end2.label;
  end1 = record->end1.label;
  return true;
}

}  // namespace

aif_MPC::aif_MPC(cow_String name, const kcoC_Constraint& constraint, akw_ModelInfo* info)
    : name_(std::move(name)), constraint_(constraint), info_(info) {}

aif_MPC::aif_MPC(cow_String name, const cow_COW<kseC_Section>& section, rgnC_Region region,
                 akw_ModelInfo* info)
    : name_(std::move(name)), section_(section), region_(std::move(region)), info_(info) {}

aif_ModelInfo& aif_MPC::Info() const {
  return nex_canDynamicCastRef<aif_ModelInfo>(*info_, kMPCFile, __LINE__);
}

void aif_MPC::Write(utl_Stream& stream) const {
  if (!constraint_.IsNull())
    WriteConstraintForm(stream);
  else if (!section_.IsNull())
    WriteConnectorForm(stream);
}

void aif_MPC::WriteConstraintForm(utl_Stream& stream) const {
  const auto& mpc = nex_canDynamicCastRef<const kcoC_MPC>(*constraint_, kMPCFile, __LINE__);
  const aif_ModelInfo& info = Info();
  stream << "*MPC";
  if (mpc.MpcType() == kcoC_MPC::kUserDefined) {
    stream << ", user, mode=" << UserMode(mpc.UserMode()) << endl << mpc.UserType();
  } else {
    stream << endl << TypeName(kConstraintTypes, mpc.MpcType());
  }
  stream << ", " << aif_RegionName(mpc.SlaveRegion(), info).QualifiedName(kAssemblyScope) << ", "
         << aif_RegionName(mpc.ControlPointRegion(), info).QualifiedName(kAssemblyScope) << endl;
}

cow_String aif_MPC::WriteHeader(utl_Stream& stream) const {
  const auto& section = nex_canDynamicCastRef<const kseC_MPCSection>(*section_, kMPCFile, __LINE__);
  stream << "*MPC";
  if (section.MpcType() == kseC_MPCSection::kUserDefined) {
    stream << ", user, mode=" << UserMode(section.UserMode()) << endl;
    return cow_String(std::to_string(section.UserType()));
  }
  stream << endl;
  return TypeName(kSectionTypes, section.MpcType());
}

bool aif_MPC::WriteDotNode(utl_Stream& stream, const rgnC_Dot& dot,
                           aif_NodeReferences& nodes) const {
  const cow_String text = DotText(dot, nodes);
  if (text.IsEmpty()) return false;
  stream << text;
  return true;
}

void aif_MPC::WriteConnectorForm(utl_Stream& stream) const {
  nex_canDynamicCastRef<const kseC_MPCSection>(*section_, kMPCFile, __LINE__);
  aif_ModelInfo& info = Info();
  const cow_String modelName = info.ModelName();
  const rgnK_Region kernel(info.Assembly(), modelName, region_);
  if (!kernel.IsValid(true)) return;
  const cow_List<rgnC_GeomComponent>& components = kernel.GeomComponents();

  // The wires: each with both ends on nodes gives a line. The ends are
  // resolved before the header, so that no header stands without lines.
  std::vector<const rgnC_GeomComponent*> wires;
  aif_NodeReferences nodes(info);
  for (const rgnC_GeomComponent& component : components) {
    if (component.kind != rgnC_GeomComponent::kEdge || !component.nonMeshable) continue;
    if (!DotText(component.ends[0], nodes).IsEmpty() &&
        !DotText(component.ends[1], nodes).IsEmpty())
      wires.push_back(&component);
    else
      cmdC_WIP::Warning(atr_TranslateWithArg(
          "A wire of the MPC section %s has an end on no node: no constraint is written for it.",
          name_));
  }
  if (!wires.empty()) {
    const cow_String type = WriteHeader(stream);
    for (const rgnC_GeomComponent* wire : wires) {
      stream << type << ", ";
      WriteDotNode(stream, wire->ends[0], nodes);
      stream << ", ";
      WriteDotNode(stream, wire->ends[1], nodes);
      stream << endl;
    }
  }

  // The attachment lines, by the assembly's attachment records.
  struct Line {
    int end2;
    int end1;
  };
  std::vector<Line> lines;
  for (const rgnC_GeomComponent& component : components) {
    if (component.kind != rgnC_GeomComponent::kEdge || !component.attachmentLine) continue;
    Line line{};
    if (AttachmentLineNodes(info, component.index, line.end2, line.end1))
      lines.push_back(line);
    else
      cmdC_WIP::Warning(atr_TranslateWithArg(
          "An attachment line of the MPC section %s has no attachment nodes: no constraint is "
          "written for it.",
          name_));
  }
  if (lines.empty()) return;
  aif_Comment("\n@DODOVE, object=discrete fastener, connector section=" +
              akw_MorvexName(name_, false).Printable())
      .Write(stream);
  const cow_String type = WriteHeader(stream);
  for (const Line& line : lines)
    stream << type << ", " << line.end2 << ", " << line.end1 << endl;
}
