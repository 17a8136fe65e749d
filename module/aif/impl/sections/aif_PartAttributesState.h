// What the part-attribute steps share: the element controls and names of the
// whole write, and the element property table, attribute lists and name maps
// of the instance being written. aif_PartAttributesBuilder owns it (a copy
// of the builder copies it); every step works on it by reference.
#pragma once

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "QivBasicUtils/omi_UintTable.h"
#include "aif/impl/sections/aif_ElementProperties.h"

class aif_ModelInfo;
class ptoK_Part;
class rgnC_Region;
struct aif_InstanceScope;

struct aif_PartAttributesState {
  // The source file the type tests name (the builder's, for every step).
  static constexpr char kSourceFile[] = "module/aif/impl/aif_PartAttributesBuilder";

  // What the section step needs of one group.
  struct Group {
    cow_String sectionName;
    cow_String setName;
    int beamOrientation = -1;
    int materialOrientation = -1;
    cow_String orientationName;
    cow_String rebarOrientationName;
    cow_String controls;
    bme_ElemCtrlParams params;
    double offsetValue = 0.0;
    cow_String offsetText;
    cow_String thicknessDistribution;
    bool nodalThickness = false;
    // The thickness field gave nothing the deck defines: the section keeps
    // its own thickness and names no distribution.
    bool thicknessDropped = false;
  };

  explicit aif_PartAttributesState(aif_ModelInfo& modelInfo) : info(modelInfo) {}

  // Empties the per-instance data, takes the model's sections, and sets the
  // element table over the instance's mesh, labelled as the model info says
  // labels are usable (else by position). The table holds nothing yet.
  void ResetInstance(const aif_InstanceScope& scope);
  // Whether the steps mark the element table for the instance: only when a
  // group can take a section, that is when an element has a section
  // assignment or the part has composite layups (which assign sections
  // later). Otherwise no group is written and the table stays empty.
  bool MarksElements(const aif_InstanceScope& scope) const;
  // Records `bytes` of per-element tables held at once in the write's peak.
  void NoteTableBytes(std::size_t bytes) { tablePeakBytes = std::max(tablePeakBytes, bytes); }

  // `text` followed by `number`.
  static cow_String Numbered(const char* text, int number);
  // The region text of a comment: "Picked" for a picked region, else its name.
  static cow_String RegionText(const rgnC_Region& region);
  // The attributes of `kind` of the part, in the part's order.
  static cow_List<const kern_Object*> AttributesOf(const ptoK_Part& part, unsigned kind);

  aif_ModelInfo& info;

  // Element controls of the whole write, by index (-1 the defaults when any
  // other is present).
  cow_Map<int, bme_ElemCtrlParams> controls;
  int controlCount = 0;
  // Per write: "part\nsurface" of the Eulerian material surfaces filed in a
  // part, so that two instances of one part do not define them twice.
  std::unordered_set<std::string> partSurfaces;
  // Per write, flat files: the orientations composite plies name, defined
  // once for all instances.
  std::unordered_set<std::string> flatPlyOrientations;
  // Per write: the number of the last distribution taken from the geometry.
  int geometryDistributions = 0;
  // Per write: the most heap bytes the per-element tables (the element
  // table and the groups) held at once.
  std::size_t tablePeakBytes = 0;

  // Per instance.
  aif_ElementProperties elements;
  omi_UintTable<int> assignmentSizes;  // assignment index -> elements covered
  cow_List<cow_String> writtenOrientations;
  // The nodes a "*Nodal Thickness" of the instance's scope holds (from the
  // geometry or from a discrete field): a node that two groups or
  // assignments share is written once, with the first one's value.
  std::unordered_set<int> nodalThicknessNodes;
  cow_List<cow_String> usedSections;
  cow_Map<int, cow_String> stackDirections;
  cow_Map<int, cow_String> distributionNames;
  mdl_MapString2ObjCow<kseC_Section> sections;
  cow_List<cow_COW<kern_Object>> assignments;
  cow_List<cow_COW<kern_Object>> orientations;
  int ownAssignments = 0;
  int ownOrientations = 0;
};
