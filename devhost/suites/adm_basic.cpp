// "ADM Basic Suite": string lists, alerts, the palette area.
#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

void HOST_API AdmShowAlert(const char* text) {
  GateVoid(kAdmBasicSuite, "AdmShowAlert", RenderArgs(text), [&] {
    DevHost::Current().alerts.push_back(text ? text : "");
  });
}

void HOST_API AdmGetPaletteArea(HostRect* area) {
  GateVoid(kAdmBasicSuite, "AdmGetPaletteArea", "", [&] {
    if (area) *area = DevHost::Current().dialogs.paletteArea;
  });
}

}  // namespace

const AdmBasicSuite kDevHostAdmBasicSuite = {
    nullptr, {}, AdmShowAlert, {}, AdmGetPaletteArea};
