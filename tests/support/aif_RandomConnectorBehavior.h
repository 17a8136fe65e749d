// Random connector sections for the consistency tests: a random list of
// behaviour options of every kind, with potentials whose terms name
// component numbers, derived components or (a kernel left-over) a derived
// kind without its component, and frictions whose contact force is a number,
// a derived component or nothing. The builder that files connector
// behaviours adds these sections to its random models.
#pragma once

#include <cfloat>
#include <random>

#include "OdbAttrEO/kbeC_ConnectorDamage.h"
#include "OdbAttrEO/kbeC_ConnectorDamping.h"
#include "OdbAttrEO/kbeC_ConnectorElasticity.h"
#include "OdbAttrEO/kbeC_ConnectorFailure.h"
#include "OdbAttrEO/kbeC_ConnectorFriction.h"
#include "OdbAttrEO/kbeC_ConnectorLock.h"
#include "OdbAttrEO/kbeC_ConnectorPlasticity.h"
#include "OdbAttrEO/kbeC_ConnectorStop.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"

namespace aif_test {

class RandomConnectorBehavior {
 public:
  explicit RandomConnectorBehavior(unsigned seed) : rng_(seed) {}

  kseC_ConnectorSection Section() {
    kseC_ConnectorSection section;
    section.SetTableSettings(Chance(2), Chance(2), 0.01 * Int(1, 9), Int(0, 1), Int(1, 2));
    if (Chance(3))
      section.SetConstitutiveReferences({0.5, DBL_MAX, DBL_MAX, 1.0, DBL_MAX, DBL_MAX});
    for (int i = Int(0, 12); i > 0; --i)
      AddOption(section);
    return section;
  }

 private:
  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool Chance(int n) { return Int(1, n) == 1; }

  cow_List<int> Components() {
    cow_List<int> list;
    for (int c = 1; c <= 6; ++c)
      if (Chance(3)) list.Append(c);
    return list;
  }
  kbeC_ConnectorTableData Data(int columns) {
    kbeC_ConnectorTableData data;
    data.dependencies = Chance(3) ? 1 : 0;
    data.temperatureDependent = Chance(3);
    const int width = columns + data.dependencies + (data.temperatureDependent ? 1 : 0);
    cow_2DArray<double> values(static_cast<std::size_t>(Int(1, 2)),
                               static_cast<std::size_t>(width));
    for (std::size_t r = 0; r < values.Rows(); ++r)
      for (std::size_t c = 0; c < values.Columns(); ++c)
        values.Modify(r, c) = Int(-20, 20) * 0.5;
    data.table = mdl_PropertyTable(values);
    if (Chance(3)) {
      kbeC_TableOptions options;
      options.regularizeDefault = Chance(2);
      options.extrapolationDefault = Chance(2);
      options.rateFilterDefault = Chance(2);
      options.rateFilterFactor = 0.5;
      data.options = options;
    }
    return data;
  }
  cow_COW<kbeC_DerivedComponent> Derived() {
    auto* derived = new kbeC_DerivedComponent;
    for (int i = Int(1, 2); i > 0; --i) {
      kbeC_CDCTerm term;
      term.operatorCode = Int(0, 2);
      term.sign = Int(0, 1);
      term.components = Components();
      term.data = Data(static_cast<int>(term.components.Length()) + 1);
      derived->terms.Append(term);
    }
    return cow_COW<kbeC_DerivedComponent>(derived);
  }
  kbeC_ConnectorPotentialList Potential() {
    kbeC_ConnectorPotentialList potential;
    potential.operatorCode = Int(0, 1);
    potential.exponent = Chance(2) ? 2.0 : 3.0;
    for (int i = Int(0, 3); i > 0; --i) {
      kbeC_ConnectorPotential term;
      term.kind = Chance(2) ? 0 : 1;
      term.component = Int(1, 6);
      if (term.kind == 1 && !Chance(4)) term.derived = Derived();
      term.function = Int(0, 3);
      term.negative = Chance(2);
      potential.terms.Append(term);
    }
    return potential;
  }

  void AddOption(kseC_ConnectorSection& section) {
    switch (Int(0, 8)) {
      case 0: {
        kbeC_ConnectorElasticity o;
        o.behavior = Int(0, 2);
        o.coupling = Int(0, 2);
        o.components = Components();
        o.independentComponents = Components();
        o.data = Data(static_cast<int>(o.components.Length()));
        return section.AddBehaviorOption(o);
      }
      case 1: {
        kbeC_ConnectorDamping o;
        o.behavior = Int(0, 1);
        o.coupling = Int(0, 1);
        o.components = Components();
        o.data = Data(2 * static_cast<int>(o.components.Length()));
        return section.AddBehaviorOption(o);
      }
      case 2: {
        kbeC_ConnectorStop o;
        o.components = Components();
        if (Chance(2)) o.upper = 1.0;
        return section.AddBehaviorOption(o);
      }
      case 3: {
        kbeC_ConnectorLock o;
        o.components = Components();
        if (Chance(2)) o.values[Int(0, 3)] = 2.0;
        if (Chance(2)) o.lock = 1;
        return section.AddBehaviorOption(o);
      }
      case 4: {
        kbeC_ConnectorFailure o;
        o.components = Components();
        if (Chance(2)) o.values[Int(0, 3)] = 3.0;
        return section.AddBehaviorOption(o);
      }
      case 5: {
        kbeC_ConnectorFriction o;
        o.frictionKind = Int(0, 1);
        o.componentGiven = Int(0, 1);
        o.component = Int(1, 6);
        o.contactForceFlag = Chance(2);
        o.contactForceKind = Int(0, 1);
        o.contactForceComponent = Int(1, 6);
        if (Chance(2)) o.contactForceDerived = Derived();
        o.independentCode = Int(0, 2);
        o.independentComponents = Components();
        o.data = Data(2);
        o.potential = Potential();
        return section.AddBehaviorOption(o);
      }
      case 6: {
        kbeC_ConnectorPlasticity o;
        o.components = Components();
        o.potential = Potential();
        o.isotropic = Chance(2);
        o.isotropicData = Data(2);
        o.kinematic = Chance(2);
        o.kinematicDefinition = Int(0, 2);
        o.kinematicData = Data(2);
        return section.AddBehaviorOption(o);
      }
      case 7: {
        kbeC_ConnectorDamage o;
        o.criterion = Int(0, 2);
        o.initiationForm = Int(0, 1);
        o.components = Components();
        o.initiationPotential = Potential();
        o.initiation = Data(2);
        o.evolution = Chance(2);
        o.evolutionType = Int(0, 1);
        o.softening = Int(0, 2);
        o.evolutionData = Data(2);
        o.evolutionPotential = Potential();
        return section.AddBehaviorOption(o);
      }
      default:
        return section.AddBehaviorOption(kbeC_ConnectorBehaviorOption());
    }
  }

  std::mt19937 rng_;
};

}  // namespace aif_test
