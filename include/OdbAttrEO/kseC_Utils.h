// Section services of the kernel that the writer asks about any section kind.
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class kseC_ConnectorSection;

class kseC_Utils {
 public:
  // Fills `material` with the material text of `section`: the material's name,
  // for a composite solid or shell section the names of its plies' materials
  // joined by ", " (in ply order), and empty for a section that names no
  // material (point, general shell, Eulerian, ...).
  static void GetMaterialName(const kseC_Section& section, cow_String& material);

  // Connector sections. Empty: no behaviour option and every reference value
  // unset, so there is no constitutive data to write. References set default:
  // every reference value unset.
  static bool IsConnectorSectionEmpty(const kseC_ConnectorSection& section);
  static bool IsConnectorConstitutiveReferencesSetDefault(const kseC_ConnectorSection& section);
};
