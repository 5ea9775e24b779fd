// The dialog manager as data: dialogs built from the plug-in's templates,
// with the moments at which it runs the plug-in's procedures. A window layer
// can sit under it and keep real windows in step with these records.
#pragma once

#include <stdint.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/types.h"

// What the model knows of a dialog template: its size and items.
struct DialogTemplateInfo {
  int32_t width = 0;
  int32_t height = 0;
  bool visible = false;  // the template asks to be shown at once
  std::vector<std::pair<int32_t, std::string>> items;  // ID, first text
};

struct ModelItem {
  int32_t id = 0;
  std::string text;
  AdmNotifyProc notify = nullptr;
  struct ModelDialog* dialog = nullptr;
};

struct ModelDialog {
  HostPluginRef plugin = nullptr;
  std::string name;
  int32_t templateId = 0;
  int32_t style = 0;
  void* userData = nullptr;
  bool modal = false;
  HostRect bounds{};
  bool visible = false;
  std::string group;
  int32_t dockCode = 0;
  AdmDestroyProc destroy = nullptr;
  bool modalEnded = false;  // the OK item's default reaction ran
  int32_t modalResult = 0;
  std::vector<std::unique_ptr<ModelItem>> items;

  ModelItem* Item(int32_t id);
};

// How a modal dialog looked when the user had acted.
struct ModalRecord {
  std::string name;
  int32_t templateId = 0;
  void* userData = nullptr;
  std::map<int32_t, std::string> texts;  // item ID to text (last one wins)
  std::map<int32_t, bool> hooked;        // item ID to notify procedure set
  bool ended = false;                    // ended through the OK item
  int32_t result = 0;
};

class DialogModel {
 public:
  DialogModel();

  // Templates by ID; the plug-in's three are known from the start.
  void SetTemplate(int32_t id, DialogTemplateInfo info);
  const DialogTemplateInfo* Template(int32_t id) const;

  // Where new palettes go.
  HostRect paletteArea{0, 0, 1024, 768};
  // Whether a new floating palette is shown once its init procedure ran.
  bool showNewPalettes = true;

  // What the user does while a modal dialog is up; by default presses OK.
  // Return with the dialog ended, or it is closed as if cancelled.
  std::function<void(ModelDialog&)> modalUser;

  // Builds a modeless dialog and runs `init` on it; null for an unknown
  // template.
  ModelDialog* Create(HostPluginRef plugin, const char* name,
                      int32_t templateId, int32_t style, AdmInitProc init,
                      void* userData);
  // Builds a modal dialog, runs `init`, lets the user act, and returns the
  // dialog's result; -1 for an unknown template.
  int32_t Modal(HostPluginRef plugin, const char* name, int32_t templateId,
                int32_t style, AdmInitProc init, void* userData);
  // Runs the destroy procedure, then forgets the dialog.
  void Destroy(ModelDialog* dialog);

  // The live dialog behind a reference, or null.
  ModelDialog* Find(const void* reference) const;
  ModelItem* FindItem(const void* reference) const;
  // Live dialogs named `name` (modeless ones; modal ones end in Modal).
  ModelDialog* FindByName(const std::string& name) const;
  size_t LiveDialogs() const { return dialogs_.size(); }

  // The user presses `itemId`: its notify procedure runs, else the default.
  void Press(ModelDialog& dialog, int32_t itemId);
  // The standard reaction of an item: OK (ID 1) ends a modal dialog.
  void DefaultNotify(ModelItem& item);

  // Every modal dialog run so far, as it looked when the user acted.
  std::vector<ModalRecord> modalLog;

 private:
  std::map<int32_t, DialogTemplateInfo> templates_;
  std::vector<std::unique_ptr<ModelDialog>> dialogs_;
  ModelDialog* Build(HostPluginRef plugin, const char* name, int32_t templateId,
                     int32_t style, void* userData);
  void Forget(ModelDialog* dialog);
};
