// "ADM Dialog Suite": dialogs, answered from the dialog-manager model.
#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

AdmDialogRef HOST_API AdmDialogCreate(HostPluginRef plugin, const char* name,
                                      int32_t templateId, int32_t style,
                                      AdmInitProc init, void* userData) {
  return GateValue<AdmDialogRef>(
      kAdmDialogSuite, "AdmDialogCreate",
      RenderArgs(plugin, name, templateId, style,
                 reinterpret_cast<const void*>(init), userData),
      [&] {
        DevHost& host = DevHost::Current();
        return reinterpret_cast<AdmDialogRef>(host.CallBack([&] {
          return host.dialogs.Create(plugin, name, templateId, style, init,
                                     userData);
        }));
      });
}

int32_t HOST_API AdmDialogModal(HostPluginRef plugin, const char* name,
                                int32_t templateId, int32_t style,
                                AdmInitProc init, void* userData) {
  return GateValue<int32_t>(
      kAdmDialogSuite, "AdmDialogModal",
      RenderArgs(plugin, name, templateId, style,
                 reinterpret_cast<const void*>(init), userData),
      [&] {
        DevHost& host = DevHost::Current();
        return host.CallBack([&] {
          return host.dialogs.Modal(plugin, name, templateId, style, init,
                                    userData);
        });
      });
}

void HOST_API AdmDialogDestroy(AdmDialogRef dialog) {
  GateVoid(kAdmDialogSuite, "AdmDialogDestroy", RenderArgs(dialog), [&] {
    DevHost& host = DevHost::Current();
    if (ModelDialog* d =
            DevHost::Current().LiveDialog(dialog, "AdmDialogDestroy"))
      host.CallBack([&] { host.dialogs.Destroy(d); });
  });
}

void HOST_API AdmDialogSetDestroyProc(AdmDialogRef dialog,
                                      AdmDestroyProc proc) {
  GateVoid(kAdmDialogSuite, "AdmDialogSetDestroyProc",
           RenderArgs(dialog, reinterpret_cast<const void*>(proc)), [&] {
             if (ModelDialog* d = DevHost::Current().LiveDialog(
                     dialog, "AdmDialogSetDestroyProc"))
               d->destroy = proc;
           });
}

void* HOST_API AdmDialogGetUserData(AdmDialogRef dialog) {
  return GateValue<void*>(kAdmDialogSuite, "AdmDialogGetUserData",
                          RenderArgs(dialog), [&]() -> void* {
                            ModelDialog* d = DevHost::Current().LiveDialog(
                                dialog, "AdmDialogGetUserData");
                            return d ? d->userData : nullptr;
                          });
}

HostPluginRef HOST_API AdmDialogGetPluginRef(AdmDialogRef dialog) {
  return GateValue<HostPluginRef>(kAdmDialogSuite, "AdmDialogGetPluginRef",
                                  RenderArgs(dialog), [&]() -> HostPluginRef {
                                    ModelDialog* d =
                                        DevHost::Current().LiveDialog(
                                            dialog, "AdmDialogGetPluginRef");
                                    return d ? d->plugin : nullptr;
                                  });
}

void HOST_API AdmDialogShow(AdmDialogRef dialog, HostBoolean show) {
  GateVoid(kAdmDialogSuite, "AdmDialogShow", RenderArgs(dialog, show), [&] {
    if (ModelDialog* d = DevHost::Current().LiveDialog(dialog, "AdmDialogShow"))
      d->visible = show != 0;
  });
}

HostBoolean HOST_API AdmDialogIsVisible(AdmDialogRef dialog) {
  return GateValue<HostBoolean>(kAdmDialogSuite, "AdmDialogIsVisible",
                                RenderArgs(dialog), [&]() -> HostBoolean {
                                  ModelDialog* d =
                                      DevHost::Current().LiveDialog(
                                          dialog, "AdmDialogIsVisible");
                                  return d && d->visible ? 1 : 0;
                                });
}

std::string RenderRect(const HostRect* r) {
  if (!r) return "null";
  return "{" + RenderArgs(r->left, r->top, r->right, r->bottom) + "}";
}

void HOST_API AdmDialogSetBoundsRect(AdmDialogRef dialog,
                                     const HostRect* bounds) {
  GateVoid(
      kAdmDialogSuite, "AdmDialogSetBoundsRect",
      RenderArg(static_cast<const void*>(dialog)) + ", " + RenderRect(bounds),
      [&] {
        ModelDialog* d =
            DevHost::Current().LiveDialog(dialog, "AdmDialogSetBoundsRect");
        if (d && bounds) d->bounds = *bounds;
      });
}

void HOST_API AdmDialogGetBoundsRect(AdmDialogRef dialog, HostRect* bounds) {
  GateVoid(kAdmDialogSuite, "AdmDialogGetBoundsRect", RenderArgs(dialog), [&] {
    ModelDialog* d =
        DevHost::Current().LiveDialog(dialog, "AdmDialogGetBoundsRect");
    if (d && bounds) *bounds = d->bounds;
  });
}

AdmItemRef HOST_API AdmDialogGetItem(AdmDialogRef dialog, int32_t itemId) {
  return GateValue<AdmItemRef>(
      kAdmDialogSuite, "AdmDialogGetItem", RenderArgs(dialog, itemId),
      [&]() -> AdmItemRef {
        ModelDialog* d =
            DevHost::Current().LiveDialog(dialog, "AdmDialogGetItem");
        return d ? reinterpret_cast<AdmItemRef>(d->Item(itemId)) : nullptr;
      });
}

constexpr HostReservedProc kNone = nullptr;

}  // namespace

const AdmDialogSuite kDevHostAdmDialogSuite = {
    AdmDialogCreate,
    AdmDialogModal,
    kNone,
    AdmDialogDestroy,
    {},
    AdmDialogSetDestroyProc,
    {},
    AdmDialogGetUserData,
    {},
    AdmDialogGetPluginRef,
    {},
    AdmDialogShow,
    AdmDialogIsVisible,
    {},
    AdmDialogSetBoundsRect,
    AdmDialogGetBoundsRect,
    {},
    AdmDialogGetItem,
};
