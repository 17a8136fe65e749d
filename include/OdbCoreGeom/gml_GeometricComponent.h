// A geometric component of a part's geometry (a vertex, edge, face or cell)
// by its kind and index, as the mesh kernel is asked whether it is meshed.
#pragma once

struct gml_GeometricComponent {
  enum Kind { kVertex, kEdge, kFace, kCell };
  Kind kind = kFace;
  int index = 0;

  friend bool operator==(const gml_GeometricComponent& a, const gml_GeometricComponent& b) {
    return a.kind == b.kind && a.index == b.index;
  }
};
