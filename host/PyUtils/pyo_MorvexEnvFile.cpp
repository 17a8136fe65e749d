#include "PyUtils/pyo_MorvexEnvFile.h"

pyo_MorvexEnvFile& pyo_MorvexEnvFile::Instance() {
  static pyo_MorvexEnvFile instance;
  return instance;
}
