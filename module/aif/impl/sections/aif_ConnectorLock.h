// "*Connector Lock": per component of a lock option, one keyword with
// ", lock=" (when the code is set) and a line of the four values (an unset
// value leaves its field empty); nothing when all four are unset.
#pragma once

#include <array>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorLock.h"
#include "aif/impl/sections/aif_ConnectorOptionKeyword.h"

class aif_ConnectorLock : public aif_ConnectorOptionKeyword<aif_ConnectorLock, kbeC_ConnectorLock> {
 public:
  explicit aif_ConnectorLock(const kbeC_ConnectorLock& option)
      : aif_ConnectorOptionKeyword(option) {}
  void Write(utl_Stream& stream) const override;
};

// The lock and failure keywords' shared form: per component, `keyword`
// "component=" c, then `option` and the code unless the code is unset; a line
// of the four values. Nothing when all four values are unset.
void aif_WriteConnectorLimits(utl_Stream& stream, const char* keyword, const char* option, int code,
                              const std::array<double, 4>& values, const cow_List<int>& components);
