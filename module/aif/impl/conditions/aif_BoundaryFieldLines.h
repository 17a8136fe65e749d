// The data lines of a boundary condition whose values come from a field: one
// line per node of the condition's region (analytical or discrete field) or
// per element face of a fluid surface. Every instance is evaluated before a
// line is written: when the evaluation fails the user reads why in the
// checking messages and the condition has no data lines.
#pragma once

#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kbcC_BC;
class utl_Stream;

// What the lines of one condition in one step need of the keyword.
struct aif_BoundaryFieldContext {
  const aif_ModelInfo& info;
  const kbcC_BC& condition;
  cow_String stepName;
  // The block modifies the previous step's definition: a magnitude only
  // carried over from an earlier step is not written.
  bool modify = false;
  // Multiplies every value written.
  double scale = 1.0;
};

class aif_BoundaryFieldLines {
 public:
  // The per-node lines of a single-value or temperature condition whose
  // header line is still open: ends the header line (once, on every path),
  // then writes "Node, 11, 11, value" lines for the magnitude of `loadCase`
  // (1 real, other imaginary, in complex steps).
  static void WriteHeaderNodeLines(utl_Stream& stream, const aif_BoundaryFieldContext& context,
                                   int loadCase);
  // One line per node of an analytical field: the node, `componentText` and,
  // when not 0, ", " and scale x magnitude x field value.
  static void WriteAnalyticalFieldLines(utl_Stream& stream, const aif_BoundaryFieldContext& context,
                                        const cow_String& componentText, double magnitude);
  // One line per node for a temperature run: the node, `runText` (", 11,
  // 13") and scale x magnitude x field value (written also when 0).
  static void WriteAnalyticalFieldRangeLines(utl_Stream& stream,
                                             const aif_BoundaryFieldContext& context,
                                             const cow_String& runText);
  // One line per element face of a fluid surface: the element, `text`
  // ("VELX"), the face digit, ", " and magnitude x the face's value.
  static void WriteFluidFieldLines(utl_Stream& stream, const aif_BoundaryFieldContext& context,
                                   const cow_String& text, double magnitude);
  // One line per node of a discrete field: the node, `componentText` and,
  // when not 0, ", " and scale x value x the node's value of `component`.
  static void WriteDiscreteFieldLines(utl_Stream& stream, const aif_BoundaryFieldContext& context,
                                      const cow_String& componentText, double value,
                                      int component);
};
