// The base of the eight builders of the optimization parameter file: the
// context of the write and the task written, looked up by the task name
// the context's model adapter holds.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_ModelInfo;
class kopC_Task;

class aif_KestComponent : public akw_BuilderComponent {
 protected:
  explicit aif_KestComponent(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_KestComponent(const aif_KestComponent&) = default;

  aif_ModelInfo& Info() const;
  // The task of the model named by the task name, or null when the model has
  // none of that name (every builder then builds nothing).
  const kopC_Task* Task() const;
  const cow_String& TaskName() const;
};
