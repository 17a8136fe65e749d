// Files the keywords that open an input file written with job keywords: the
// heading, the preprint line and, for a restart job, the restart-read keyword
// naming the earlier job's results. All of them are model definitions.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "AFCInputFileWriter/akw_Job.h"
#include "BasShared/cow_COW.h"

class aif_JobKeywordsBuilder : public akw_BuilderComponent {
 public:
  // `modelInfo` is the driver's aif_ModelInfo; the builder keeps its own copy
  // of the job. The context of an optimization process has none: the builder
  // then files nothing.
  explicit aif_JobKeywordsBuilder(akw_ModelInfo& modelInfo);
  aif_JobKeywordsBuilder(const aif_JobKeywordsBuilder&) = default;

  // Files aif_Heading, aif_Preprint and, for a restart job, aif_Restart with
  // the restart step's number and procedure type read from the earlier job's
  // results "<restart job name>.odb". Throws aif_Exception "Missing .odb file
  // <absolute path>" when the file does not exist, and "Missing step <restart
  // step name> in .odb file <absolute path>" when the results do not hold the
  // restart step; a results file it opens is closed again however the lookup
  // ends.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_JobKeywordsBuilder(*this); }

 private:
  cow_COW<akw_Job> job_;
};
