#include "aif/impl/model/aif_SetLabelWriter.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <unordered_set>
#include <vector>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "VwrModKer/ftr_FeatureList.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_SetNameRegistry.h"

namespace {

constexpr int kLabelsPerLine = 16;
constexpr int kSetLabelWriterAssemblyId = static_cast<int>(ftr_kAssemblyId);
const cow_String kSetLabelWriterAssemblyKey("ASSY");
const cow_String kAttachmentSurfacePrefix("_INT-ATTSETSURF");

cow_String InstanceOptionText(const cow_String& name) {
  return "instance=" + akw_MorvexName(name, false).Printable();
}

// The distinct names of `names` over the ids ascending, then list order.
std::vector<cow_String> DistinctNames(const aif_SetLabelWriter::FacesById& names) {
  std::vector<cow_String> distinct;
  std::unordered_set<std::string> seen;
  for (const auto& [id, list] : names)
    for (const cow_String& name : list)
      if (seen.insert(name.Str()).second) distinct.push_back(name);
  return distinct;
}

// Splits a surface or base name into its dotted prefix and its last
// component, unquoted.
void SplitBase(const cow_String& name, cow_String& prefix, cow_String& last) {
  aif_SplitQualifiedName(name, prefix, last);
  last = aif_UnquoteName(last);
}

// "_n", the counter appended to a name that is taken.
cow_String CounterSuffix(int n) {
  char text[16] = {'_'};
  const char* end = std::to_chars(text + 1, text + sizeof text, n).ptr;
  return cow_String(text, static_cast<std::size_t>(end - text));
}

}  // namespace

int aif_SetLabelWriter::FieldWidth(const omi_BlkBitVect& members) {
  int digits = 1;
  for (int max = members.Max(); max >= 10; max /= 10)
    ++digits;
  return digits <= 5 ? digits + 1 : 7;
}

int aif_SetLabelWriter::ConstantStride(const omi_BlkBitVect& members) {
  if (members.Count() < 3) return 0;
  omi_BlkBitVectTrav trav(members);
  int previous = 0, label = 0;
  trav.First(previous);
  trav.Next(label);
  const int stride = label - previous;
  for (previous = label; trav.Next(label); previous = label)
    if (label - previous != stride) return 0;
  return stride;
}

void aif_SetLabelWriter::FillBits(const cow_List<int>& labels, omi_BlkBitVect& members) {
  for (int label : labels)
    members.Set(label);
}

void aif_SetLabelWriter::WriteLabelLines(utl_Stream& stream, const omi_BlkBitVect& members,
                                         int offset) {
  if (members.IsEmpty()) return;
  const int width = FieldWidth(members);
  const std::size_t count = members.Count();
  omi_BlkBitVectTrav trav(members);
  std::size_t k = 0;
  for (int label = 0, more = trav.First(label); more; more = trav.Next(label)) {
    stream.Print(label + offset, width);
    ++k;
    if (k % kLabelsPerLine == 0) {
      stream.LineBreak();
    } else if (k == count) {
      if (k % kLabelsPerLine == 1) stream.Write(",", 1);
      stream.LineBreak();
    } else {
      stream.Write(",", 1);
    }
  }
}

void aif_SetLabelWriter::WriteMembers(utl_Stream& stream, const omi_BlkBitVect& members,
                                      const cow_String& keyword, const cow_String& option,
                                      int offset, const aif_ModelInfo& info) const {
  stream << keyword;
  if (!option.IsEmpty()) {
    stream << ", ";
    stream.OptionalLineBreak();
    stream << option;
  }
  const int stride = info.IsRestart() ? 0 : ConstantStride(members);
  if (stride <= 0) {
    stream << endl;
    WriteLabelLines(stream, members, offset);
    return;
  }
  stream << ", ";
  stream.OptionalLineBreak();
  stream << "generate" << endl;
  omi_BlkBitVectTrav trav(members);
  int first = 0, last = 0;
  trav.First(first);
  trav.Last(last);
  const int width = FieldWidth(members);
  stream.Print(static_cast<unsigned>(first + offset), width);
  stream << ", ";
  stream.Print(static_cast<unsigned>(last + offset), width);
  stream << ", ";
  stream.Print(stride, width);
  stream << endl;
}

void aif_SetLabelWriter::WriteInstanceBlocks(utl_Stream& stream, const LabelsById& labels,
                                             const cow_String& keyword, const aif_ModelInfo& info,
                                             int kind) const {
  for (const auto& [id, list] : labels) {
    if (list.IsEmpty()) continue;
    const int offset =
        kind == kElements ? info.AssyElementOffsetsID(id) : info.AssyNodeOffsetsID(id);
    omi_BlkBitVect members;
    FillBits(list, members);
    // The assembly's own members (its feature id) are written in the
    // assembly scope with plain labels: there is no instance to name.
    cow_String option;
    if (info.IsPartBased() && instanceOption_ && id != kSetLabelWriterAssemblyId) {
      const cow_String name = info.FeatureName(static_cast<unsigned>(id));
      if (!name.IsEmpty()) option = InstanceOptionText(name);
    }
    WriteMembers(stream, members, keyword, option, offset, info);
  }
}

void aif_SetLabelWriter::WriteNamedInstanceBlocks(utl_Stream& stream, const LabelsByName& labels,
                                                  const cow_String& keyword,
                                                  const aif_ModelInfo& info) const {
  for (const auto& [name, list] : labels) {
    if (list.IsEmpty()) continue;
    omi_BlkBitVect members;
    FillBits(list, members);
    cow_String option;
    if (info.IsPartBased() && instanceOption_ && !name.IsEmpty() &&
        name != kSetLabelWriterAssemblyKey)
      option = InstanceOptionText(name);
    WriteMembers(stream, members, keyword, option, 0, info);
  }
}

void aif_SetLabelWriter::WriteBlock(utl_Stream& stream, const cow_List<int>& labels,
                                    const cow_String& keyword, const aif_ModelInfo& info) const {
  if (labels.IsEmpty()) return;
  omi_BlkBitVect members;
  FillBits(labels, members);
  WriteMembers(stream, members, keyword, cow_String(), 0, info);
}

aif_SetLabelWriter::NameMap aif_SetLabelWriter::WriteInternalFaceSets(
    utl_Stream& stream, const FacesById& faces, const LabelsById& labels, const cow_String& surface,
    const cow_String& scope, const aif_ModelInfo& info) const {
  cow_String prefix, last;
  SplitBase(surface, prefix, last);
  const bool attachment = last.Length() >= kAttachmentSurfacePrefix.Length() &&
                          last.View().starts_with("_INT-ATTSETSURF");
  const cow_String stem = prefix + (attachment ? last + "_" : "_" + last + "_");
  const cow_String scopeText = scope.IsEmpty() ? cow_String() : scope + ".";

  NameMap names;
  aif_SetNameRegistry& registry = aif_SetNameRegistry::Instance();
  for (const cow_String& face : DistinctNames(faces)) {
    cow_String suffix;
    for (int n = 1; !registry.AddElset(scopeText + stem + face + suffix, false); ++n)
      suffix = CounterSuffix(n);
    const cow_String printable = (scope.IsEmpty() ? cow_String() : aif_QualifiedPrefix(scope)) +
                                 aif_PrintableName(stem + face + suffix);
    names.Set(face, printable);

    LabelsById members;
    for (const auto& [id, list] : labels) {
      const cow_List<cow_String>* ofId = faces.Find(id);
      if (!ofId) continue;
      const std::size_t n = std::min(list.Length(), ofId->Length());
      for (std::size_t i = 0; i < n; ++i)
        if ((*ofId)[i] == face) members.Modify(id).Append(list[i]);
    }
    const cow_String keyword =
        "*Elset, elset=" + printable + (info.IsPartBased() ? ", internal" : "");
    WriteInstanceBlocks(stream, members, keyword, info, kElements);
  }
  return names;
}

aif_SetLabelWriter::NameMap aif_SetLabelWriter::MapMemberNames(const FacesById& members,
                                                               const cow_String& base) {
  cow_String prefix, last;
  SplitBase(base, prefix, last);
  NameMap names;
  for (const cow_String& member : DistinctNames(members))
    names.Set(member, aif_PrintableName(prefix + "_" + last + "_" + member));
  return names;
}
