// The writing steps connector elasticity and damping share: one option of
// either kind, seen through what both carry, written under its keyword text.
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorMatrixFields.h"
#include "OdbAttrEO/kbeC_ConnectorTableData.h"
#include "aif/impl/core/aif_DataLineTable.h"

class utl_Stream;

struct aif_ConnectorMatrixTable {
  const char* keyword;  // "*Connector Elasticity" or "*Connector Damping"
  int behavior;         // 0 linear, 1 nonlinear
  int coupling;         // 0 uncoupled, 1 coupled, 2 coupled by position
  bool frequencyDependent;
  const cow_List<int>& components;
  const cow_List<int>& independentComponents;
  const kbeC_ConnectorTableData& data;
  // Columns per component in a nonlinear coupled table (elasticity 1,
  // damping 2: the component's columns j and j + n).
  int columnsPerComponent;

  // The table of an elasticity or damping option's fields.
  static aif_ConnectorMatrixTable Of(const char* keyword, const kbeC_ConnectorMatrixFields& option,
                                     int columnsPerComponent) {
    return {keyword,           option.behavior,
            option.coupling,   option.frequencyDependent,
            option.components, option.independentComponents,
            option.data,       columnsPerComponent};
  }

  // The linear and nonlinear forms; nothing for another behaviour kind.
  void Write(utl_Stream& stream) const;

 private:
  void WriteLinearUncoupled(utl_Stream& stream) const;
  void WriteLinearCoupled(utl_Stream& stream) const;
  void WriteNonlinear(utl_Stream& stream) const;
  void WriteKeywordLine(utl_Stream& stream, const char* form, int component) const;
  // The table with every component column but the i-th skipped.
  void WriteComponentColumns(utl_Stream& stream, aif_DataLineTable table, int i) const;
};
