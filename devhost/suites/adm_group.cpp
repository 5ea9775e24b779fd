// "ADM Dialog Group Suite": dock groups, kept in the dialog-manager model.
#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

void HOST_API AdmGroupGetInfo(AdmDialogRef dialog, const char** groupName,
                              int32_t* positionCode) {
  GateVoid(kAdmDialogGroupSuite, "AdmGroupGetInfo", RenderArgs(dialog), [&] {
    ModelDialog* d = DevHost::Current().LiveDialog(dialog, "AdmGroupGetInfo");
    if (!d) return;
    // The name stays the model's: valid until the dialog changes group.
    if (groupName) *groupName = d->group.c_str();
    if (positionCode) *positionCode = d->dockCode;
  });
}

void HOST_API AdmGroupSetInfo(AdmDialogRef dialog, const char* groupName,
                              int32_t positionCode) {
  GateVoid(kAdmDialogGroupSuite, "AdmGroupSetInfo",
           RenderArgs(dialog, groupName, positionCode), [&] {
             ModelDialog* d =
                 DevHost::Current().LiveDialog(dialog, "AdmGroupSetInfo");
             if (!d) return;
             d->group = groupName ? groupName : "";
             d->dockCode = positionCode;
           });
}

}  // namespace

const AdmDialogGroupSuite kDevHostAdmDialogGroupSuite = {
    nullptr, AdmGroupGetInfo, AdmGroupSetInfo};
