// "ADM Basic Suite": string lists, alerts, the palette area.
#include <string.h>

#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

// The plug-in's own lists only; anything missing reads as "".
HostError HOST_API AdmGetListString(HostPluginRef plugin, int32_t listId,
                                    int16_t entry, char* buffer, int32_t size) {
  return GateError(
      kAdmBasicSuite, "AdmGetListString",
      RenderArgs(plugin, listId, entry, static_cast<const void*>(buffer), size),
      [&]() -> HostError {
        if (!buffer || size < 1) return kHostErrBadParameter;
        DevHost& host = DevHost::Current();
        buffer[0] = 0;
        if (plugin != host.pluginRef()) return kHostErrBadParameter;
        const std::string* text = host.lists.Entry(listId, entry);
        if (!text) return kHostErrNotFound;
        size_t count = text->size();
        if (count > static_cast<size_t>(size) - 1)
          count = static_cast<size_t>(size) - 1;
        memcpy(buffer, text->data(), count);
        buffer[count] = 0;
        return 0;
      });
}

void HOST_API AdmShowAlert(const char* text) {
  GateVoid(kAdmBasicSuite, "AdmShowAlert", RenderArgs(text),
           [&] { DevHost::Current().alerts.push_back(text ? text : ""); });
}

void HOST_API AdmGetPaletteArea(HostRect* area) {
  GateVoid(kAdmBasicSuite, "AdmGetPaletteArea", "", [&] {
    if (area) *area = DevHost::Current().dialogs.paletteArea;
  });
}

}  // namespace

const AdmBasicSuite kDevHostAdmBasicSuite = {
    AdmGetListString, {}, AdmShowAlert, {}, AdmGetPaletteArea};
