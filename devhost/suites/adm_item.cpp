// "ADM Item Suite": dialog items, answered from the dialog-manager model.
#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

void HOST_API AdmItemSetNotifyProc(AdmItemRef item, AdmNotifyProc proc) {
  GateVoid(kAdmItemSuite, "AdmItemSetNotifyProc",
           RenderArgs(item, reinterpret_cast<const void*>(proc)), [&] {
             if (ModelItem* i =
                     DevHost::Current().LiveItem(item, "AdmItemSetNotifyProc"))
               i->notify = proc;
           });
}

void HOST_API AdmItemDefaultNotify(AdmItemRef item, AdmNotifierRef notifier) {
  GateVoid(kAdmItemSuite, "AdmItemDefaultNotify", RenderArgs(item, notifier),
           [&] {
             if (ModelItem* i =
                     DevHost::Current().LiveItem(item, "AdmItemDefaultNotify"))
               DevHost::Current().dialogs.DefaultNotify(*i);
           });
}

void HOST_API AdmItemSetText(AdmItemRef item, const char* text) {
  GateVoid(kAdmItemSuite, "AdmItemSetText", RenderArgs(item, text), [&] {
    if (ModelItem* i = DevHost::Current().LiveItem(item, "AdmItemSetText"))
      i->text = text ? text : "";
  });
}

}  // namespace

const AdmItemSuite kDevHostAdmItemSuite = {
    {}, AdmItemSetNotifyProc, nullptr, AdmItemDefaultNotify, {}, AdmItemSetText,
};
