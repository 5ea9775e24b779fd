// "ADM Item Suite": dialog items, answered from the dialog-manager model.
#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

ModelItem* Live(AdmItemRef item, const char* operation) {
  DevHost& host = DevHost::Current();
  ModelItem* found = host.dialogs.FindItem(item);
  if (!found)
    host.Complain(std::string(operation) + " given item " +
                  RenderArg(static_cast<const void*>(item)) +
                  ", which does not exist");
  return found;
}

void HOST_API AdmItemSetNotifyProc(AdmItemRef item, AdmNotifyProc proc) {
  GateVoid(kAdmItemSuite, "AdmItemSetNotifyProc",
           RenderArgs(item, reinterpret_cast<const void*>(proc)), [&] {
             if (ModelItem* i = Live(item, "AdmItemSetNotifyProc"))
               i->notify = proc;
           });
}

void HOST_API AdmItemDefaultNotify(AdmItemRef item, AdmNotifierRef notifier) {
  GateVoid(kAdmItemSuite, "AdmItemDefaultNotify", RenderArgs(item, notifier),
           [&] {
             if (ModelItem* i = Live(item, "AdmItemDefaultNotify"))
               DevHost::Current().dialogs.DefaultNotify(*i);
           });
}

void HOST_API AdmItemSetText(AdmItemRef item, const char* text) {
  GateVoid(kAdmItemSuite, "AdmItemSetText", RenderArgs(item, text), [&] {
    if (ModelItem* i = Live(item, "AdmItemSetText")) i->text = text ? text : "";
  });
}

}  // namespace

const AdmItemSuite kDevHostAdmItemSuite = {
    {}, AdmItemSetNotifyProc, nullptr, AdmItemDefaultNotify, {}, AdmItemSetText,
};
