#include "aif/impl/optimization/aif_TaskBuilder.h"

#include "OdbAttrEO/kopC_Task.h"
#include "aif/impl/optimization/aif_DvconShapeCheckBC.h"
#include "aif/impl/optimization/aif_Dvshape.h"
#include "aif/impl/optimization/aif_Dvtopo.h"
#include "aif/impl/optimization/aif_GlobalStop.h"
#include "aif/impl/optimization/aif_KestComment.h"
#include "aif/impl/optimization/aif_KestLines.h"
#include "aif/impl/optimization/aif_KestSmooth.h"
#include "aif/impl/optimization/aif_MeshSmooth.h"
#include "aif/impl/optimization/aif_OptParam.h"
#include "aif/impl/optimization/aif_Optimize.h"

void aif_TaskBuilder::Build() {
  const kopC_Task* task = Task();
  if (!task) return;
  AddDesignAreaDefinition(aif_KestComment::Banner("Design area for task: ", TaskName()));
  AddModelDefinition(aif_KestComment::Banner("Task: ", TaskName()));
  if (const auto* topology = dynamic_cast<const kopC_TopologyTask*>(task)) {
    AddDesignAreaDefinition(aif_Dvtopo(Info(), topology->DesignRegion()));
    AddModelDefinition(aif_Optimize(Info(), *task));
    AddModelDefinition(aif_OptParam(Info(), *task));
  } else if (const auto* shape = dynamic_cast<const kopC_ShapeTask*>(task)) {
    AddDesignAreaDefinition(aif_Dvshape(Info(), shape->DesignRegion()));
    AddDesignAreaDefinition(aif_MeshSmooth(Info(), *task));
    if (shape->CheckBoundaryConditions())
      AddModelDefinition(aif_DvconShapeCheckBC(Info(), shape->CheckFeasibleStart(),
                                               shape->CheckRegion(),
                                               aif_KestCheckBCName(TaskName())));
    AddModelDefinition(aif_Optimize(Info(), *task));
    AddModelDefinition(aif_OptParam(Info(), *task));
  }
  AddModelDefinition(aif_KestSmooth(Info()));
  AddModelDefinition(aif_GlobalStop(Info()));
}
