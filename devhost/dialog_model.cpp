#include "devhost/dialog_model.h"

#include <algorithm>

namespace {

// The notifier handed to notify procedures; the model has only one kind.
struct Notifier {
  int kind = 1;
};
Notifier gPressNotifier;

}  // namespace

ModelItem* ModelDialog::Item(int32_t id) {
  for (auto& item : items)
    if (item->id == id) return item.get();
  return nullptr;
}

DialogModel::DialogModel() {
  // The plug-in's own templates: size in dialog units, items in order.
  SetTemplate(16000, {206, 75, false, {{1, ""}}});
  SetTemplate(16050, {211,
                      94,
                      true,
                      {{1, "OK"},
                       {-1, "Quaso Palette, v 10.0"},
                       {-1, "(credits)"},
                       {-1, ""}}});
  SetTemplate(
      16051,
      {185, 92, true, {{1, "OK"}, {2, "Message"}, {3, "Code"}, {4, ""}}});
  modalUser = [this](ModelDialog& dialog) { Press(dialog, 1); };
}

void DialogModel::SetTemplate(int32_t id, DialogTemplateInfo info) {
  templates_[id] = std::move(info);
}

const DialogTemplateInfo* DialogModel::Template(int32_t id) const {
  auto found = templates_.find(id);
  return found == templates_.end() ? nullptr : &found->second;
}

ModelDialog* DialogModel::Build(HostPluginRef plugin, const char* name,
                                int32_t templateId, int32_t style,
                                void* userData) {
  const DialogTemplateInfo* info = Template(templateId);
  if (!info) return nullptr;
  auto dialog = std::make_unique<ModelDialog>();
  dialog->plugin = plugin;
  dialog->name = name ? name : "";
  dialog->templateId = templateId;
  dialog->style = style;
  dialog->userData = userData;
  dialog->bounds = {0, 0, info->width, info->height};
  for (const auto& [id, text] : info->items) {
    auto item = std::make_unique<ModelItem>();
    item->id = id;
    item->text = text;
    item->dialog = dialog.get();
    dialog->items.push_back(std::move(item));
  }
  dialogs_.push_back(std::move(dialog));
  return dialogs_.back().get();
}

ModelDialog* DialogModel::Create(HostPluginRef plugin, const char* name,
                                 int32_t templateId, int32_t style,
                                 AdmInitProc init, void* userData) {
  ModelDialog* dialog = Build(plugin, name, templateId, style, userData);
  if (!dialog) return nullptr;
  auto reference = reinterpret_cast<AdmDialogRef>(dialog);
  if (init && init(reference) != 0) {
    // A failed initialisation leaves no dialog behind.
    Destroy(dialog);
    return nullptr;
  }
  const DialogTemplateInfo* info = Template(templateId);
  dialog->visible = info->visible || showNewPalettes;
  return dialog;
}

int32_t DialogModel::Modal(HostPluginRef plugin, const char* name,
                           int32_t templateId, int32_t style, AdmInitProc init,
                           void* userData) {
  ModelDialog* dialog = Build(plugin, name, templateId, style, userData);
  if (!dialog) return -1;
  dialog->modal = true;
  auto reference = reinterpret_cast<AdmDialogRef>(dialog);
  bool initialised = !init || init(reference) == 0;
  if (initialised) {
    dialog->visible = true;
    if (modalUser) modalUser(*dialog);
  }
  ModalRecord record;
  record.name = dialog->name;
  record.templateId = templateId;
  record.userData = userData;
  for (const auto& item : dialog->items) {
    record.texts[item->id] = item->text;
    record.hooked[item->id] = record.hooked[item->id] || item->notify;
  }
  record.ended = dialog->modalEnded;
  record.result = initialised ? dialog->modalResult : -1;
  modalLog.push_back(record);
  Destroy(dialog);
  return record.result;
}

void DialogModel::Destroy(ModelDialog* dialog) {
  if (!dialog || !Find(dialog)) return;
  AdmDestroyProc destroy = dialog->destroy;
  dialog->destroy = nullptr;  // a procedure that destroys again finds none
  if (destroy) destroy(reinterpret_cast<AdmDialogRef>(dialog));
  Forget(dialog);
}

void DialogModel::Forget(ModelDialog* dialog) {
  dialogs_.erase(
      std::remove_if(dialogs_.begin(), dialogs_.end(),
                     [dialog](const auto& d) { return d.get() == dialog; }),
      dialogs_.end());
}

ModelDialog* DialogModel::Find(const void* reference) const {
  for (const auto& dialog : dialogs_)
    if (dialog.get() == reference) return dialog.get();
  return nullptr;
}

ModelItem* DialogModel::FindItem(const void* reference) const {
  for (const auto& dialog : dialogs_)
    for (const auto& item : dialog->items)
      if (item.get() == reference) return item.get();
  return nullptr;
}

ModelDialog* DialogModel::FindByName(const std::string& name) const {
  for (const auto& dialog : dialogs_)
    if (!dialog->modal && dialog->name == name) return dialog.get();
  return nullptr;
}

void DialogModel::Press(ModelDialog& dialog, int32_t itemId) {
  ModelItem* item = dialog.Item(itemId);
  if (!item) return;
  if (item->notify)
    item->notify(reinterpret_cast<AdmItemRef>(item),
                 reinterpret_cast<AdmNotifierRef>(&gPressNotifier));
  else
    DefaultNotify(*item);
}

void DialogModel::DefaultNotify(ModelItem& item) {
  ModelDialog& dialog = *item.dialog;
  if (dialog.modal && item.id == 1) {
    dialog.modalEnded = true;
    dialog.modalResult = item.id;
  }
}
