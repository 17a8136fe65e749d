// The initial conditions that hold no predefined field: the initial contact
// of a surface-to-surface pair, the solution-dependent state of an actuator
// or sensor, and the enrichment of an XFEM crack's nodes.

#include "ModKerLow/mgt_LevelSetMgr.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

// Entries a solution line holds, the region name counted.
constexpr int kSolutionLineEntries = 8;

}  // namespace

void aif_InitialConditions::WriteContact(utl_Stream& stream) const {
  stream << "*Initial Conditions, type=CONTACT";
  stream.LineBreak();
  const aif_ModelInfo& info = Info();
  stream << aif_RegionName(contact_.SecondSurface(), info).SetName(2) << ", "
         << aif_RegionName(contact_.FirstSurface(), info).SetName(2) << ", ";
  if (!(contact_.NodeSetRegion() == rgnC_Region()))
    stream << aif_RegionName(contact_.NodeSetRegion(), info).QualifiedName(2);
  stream.LineBreak();
}

void aif_InitialConditions::WriteSolution(utl_Stream& stream) const {
  stream << "*Initial Conditions"
         << ", type=SOLUTION";
  stream.LineBreak();
  stream << regionName_ << ", ";
  const cow_List<double>& values = actuatorSensor_.InitialValues();
  const std::size_t n = values.Length();
  int lines = 0;
  bool lineOpen = true;
  for (std::size_t i = 0; i < n; ++i) {
    // The region name is entry 1; value i is entry i + 2.
    const std::size_t entry = i + 2;
    lineOpen = true;
    stream << values[i];
    if (i + 1 == n) {
      // A last value alone on its line keeps the separator.
      if (entry % kSolutionLineEntries == 1) stream << ", ";
      stream.LineBreak();
      ++lines;
      lineOpen = false;
    } else if (entry % kSolutionLineEntries == 0) {
      stream.LineBreak();
      ++lines;
      lineOpen = false;
    } else {
      stream << ", ";
    }
  }
  if (lineOpen) {
    stream.LineBreak();
    ++lines;
  }
  for (const int wanted = solutionValueCount_ / kSolutionLineEntries + 1; lines < wanted; ++lines)
    stream.LineBreak();
}

void aif_InitialConditions::WriteEnrichment(utl_Stream& stream) const {
  const cow_List<int>& labels = crack_.NodeLabels();
  if (labels.IsEmpty() && !crack_.IsCrackSpecified()) return;
  stream << "*Initial Conditions, type=ENRICHMENT";
  stream.LineBreak();
  const aif_ModelInfo& info = Info();
  mgt_LevelSetMgr manager(info.ModelName(), info.Assembly(), crack_.CrackDomain(),
                          crack_.InitialCrack());
  const cow_String& instance = manager.InstanceName();
  const bool prefixed = info.IsPartBased() && !instance.IsEmpty();
  const cow_String prefix = prefixed ? aif_QualifiedPrefix(instance) : cow_String();
  // A flat file shifts an instance's labels as it shifts its mesh: by the
  // instance's node offset, counted from 1 when its labels are replaced.
  // The assembly's own labels stay.
  int shift = 0;
  if (!info.IsPartBased() && !instance.IsEmpty())
    shift = info.NodeOffset(instance) - (info.NodeLabelsUsable() ? 0 : 1);
  const cow_String crackName = aif_PrintableName(crackName_);
  const auto node = [&](int label) { stream << prefix << (label + shift) << ", "; };

  if (!labels.IsEmpty()) {
    for (std::size_t i = 0; i < labels.Length(); ++i) {
      node(labels[i]);
      stream << crack_.NodeIntegers()[i] << ", " << crackName << ", " << crack_.FirstValues()[i];
      if (crack_.Flags()[i] != 0) stream << ", " << crack_.SecondValues()[i];
      stream.LineBreak();
    }
    return;
  }
  if (!manager.Valid()) return;
  manager.ComputeLevelSets();
  if (!manager.Valid()) return;
  for (const mgt_LevelSetValue& value : manager.GetLevelSetData()) {
    node(value.label);
    stream << value.number << "," << crackName << ", " << value.first;
    if (value.hasSecond) stream << ", " << value.second;
    stream.LineBreak();
  }
}
