// The writing rules every connector behaviour option keyword shares: the
// table settings on the keyword line, the data table with its blank
// temperature column, component lists, the per-component keyword loop and
// the generated names of derived components.
#pragma once

#include <functional>
#include <map>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbeC_ConnectorTableData.h"
#include "OdbAttrEO/kbeC_DerivedComponent.h"
#include "aif/impl/core/aif_DataLineTable.h"

struct kbeC_ConnectorPotentialList;
class utl_Stream;

// Writes the table settings after a keyword's other options, each as ", ",
// an optional line break and the option; nothing for null settings.
// Basic form: "regularize=OFF" or "regularize=ON" followed by "rtol=" (0.03
// when the tolerance is left default), unless regularization is left
// default; "extrapolation=LINEAR" or "extrapolation=CONSTANT" unless left
// default. The rate form adds "rate filter factor=" (unless left default or
// 0.9) and "rate interpolation=LOGARITHMIC" (code 1).
void aif_WriteTableOptions(utl_Stream& stream, const kbeC_TableOptions* options,
                           bool rateForm = false);

// The data-line table of `data`: its values with the dependency count and
// temperature flag; when the table has dependencies but no temperature
// column, a blank column stands at (columns - dependencies), where the
// temperature would be.
aif_DataLineTable aif_ConnectorTable(const kbeC_ConnectorTableData& data);

// One data line of `values` separated by ", " (an empty line for none).
void aif_WriteComponentLine(utl_Stream& stream, const cow_List<int>& values);

// Runs `write` once per component (the component number) while there are
// components and `hasPotential` is false; otherwise once with 0 (no
// component).
void aif_ForEachComponent(const cow_List<int>& components, bool hasPotential,
                          const std::function<void(int)>& write);

// Generated derived-component names. `stem` is empty or the connector
// behaviour's name followed by "-"; the option index and the term position
// count from 1: stem + "BO-" i "-DC" (a friction's contact force) and
// stem + "BO-" i kind j with kind "-CP-", "-IP-" or "-EP-" (potential terms).
cow_String aif_ContactForceName(const cow_String& stem, int optionIndex);
cow_String aif_PotentialTermName(const cow_String& stem, int optionIndex, const char* kind,
                                 int position);

// Derived components collected from a section's options: generated name to
// component, in ascending order of the names as text. A name entered again
// keeps its first component.
using aif_DerivedComponentMap = std::map<cow_String, cow_COW<kbeC_DerivedComponent>>;

// Enters the derived components that the terms of `potential` name, under
// their generated names (terms of another kind, or with no component, are
// not entered).
void aif_CollectPotentialComponents(const kbeC_ConnectorPotentialList& potential,
                                    const cow_String& stem, int optionIndex, const char* kind,
                                    aif_DerivedComponentMap& map);
