#include "aif/impl/sections/aif_DistributionNames.h"

#include "aif/impl/core/aif_NameRoutines.h"

namespace {

std::string Upper(const cow_String& name) {
  return aif_UpperCaseName(name).Str();
}

}  // namespace

cow_String aif_DistributionNames::FieldUseName(const akw_DiscreteField& record) {
  // Lines cannot be part of a written name, so they keep the parts apart.
  std::string key = "field\n" + record.field.Str();
  for (const cow_String& column : record.components)
    key += "\n" + column.Str();
  return Take(key, record.field, true);
}

cow_String aif_DistributionNames::NameOf(const std::string& key, const cow_String& base) {
  return Take(key, base, false);
}

cow_String aif_DistributionNames::Take(const std::string& key, const cow_String& base,
                                       bool mayTakeReserved) {
  const auto found = byKey_.find(key);
  if (found != byKey_.end()) return found->second;
  cow_String name = base;
  for (int counter = 1;; ++counter) {
    const std::string upper = Upper(name);
    if (taken_.count(upper) == 0 &&
        (reserved_.count(upper) == 0 || (mayTakeReserved && counter == 1))) {
      taken_.insert(upper);
      break;
    }
    name = base + "-" + std::to_string(counter);
  }
  byKey_.emplace(key, name);
  return name;
}

cow_String aif_DistributionNames::NewName(const cow_String& base) {
  const cow_String name = FreeName(base);
  taken_.insert(Upper(name));
  return name;
}

cow_String aif_DistributionNames::FreeName(const cow_String& base) const {
  cow_String name = base;
  for (int counter = 1; taken_.count(Upper(name)) != 0 || reserved_.count(Upper(name)) != 0;
       ++counter)
    name = base + "-" + std::to_string(counter);
  return name;
}

void aif_DistributionNames::Reserve(const cow_String& name) {
  reserved_.insert(Upper(name));
  reservationsMade_ = true;
}

bool aif_DistributionNames::IsTaken(const cow_String& name) const {
  return taken_.count(Upper(name)) != 0;
}

void aif_DistributionNames::Clear() {
  byKey_.clear();
  taken_.clear();
  reserved_.clear();
  reservationsMade_ = false;
}

std::string aif_DistributionNames::DensityKey(const cow_String& material) {
  return "density\n" + material.Str();
}
