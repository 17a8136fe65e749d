// Files the keywords that open an input file written with job keywords: the
// heading, the preprint line and, for a restart job, the restart-read keyword
// naming the earlier job's results. All of them are model definitions.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "AFCInputFileWriter/akw_Job.h"
#include "BasShared/cow_COW.h"

class aif_JobKeywordsBuilder : public akw_BuilderComponent {
 public:
  explicit aif_JobKeywordsBuilder(akw_ModelInfo& modelInfo);
  aif_JobKeywordsBuilder(const aif_JobKeywordsBuilder&) = default;

  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_JobKeywordsBuilder(*this); }

 private:
  cow_COW<akw_Job> job_;
};
