// Host suites as the plug-in sees them: tables of cdecl functions, handed out
// by name and version through SpAcquireSuite. Entry N is the N-th pointer;
// slots this plug-in never calls are reserved so that every called entry sits
// at its number. The host owns every table; a table stays valid while the
// suite is held. All functions run on the host's user-interface thread.
#pragma once

#include <stddef.h>

#include "host/types.h"

// Comes in every HostMessage; callable for the length of that call.
struct SpBasicSuite {
  // Acquires suite `name` at `version` into *suite; 0 and a table, or a code.
  HostError(HOST_API* SpAcquireSuite)(const char* name, int32_t version,
                                      const void** suite);
  // Gives back one hold of suite `name` at `version`.
  HostError(HOST_API* SpReleaseSuite)(const char* name, int32_t version);
  // Nonzero only if the two NUL-terminated strings are equal.
  HostBoolean(HOST_API* SpIsEqual)(const char* a, const char* b);
};

// "SP Blocks Suite" 2.
struct SpBlocksSuite {
  // Allocates `size` bytes named `name` into *block; the block lives until
  // freed and belongs to the caller. Contents are undefined.
  HostError(HOST_API* SpAllocateBlock)(int32_t size, const char* name,
                                       void** block);
  // Frees a block from SpAllocateBlock.
  HostError(HOST_API* SpFreeBlock)(void* block);
};

// "AI MdMemory Suite" 1: held, never called.
struct AiMdMemorySuite {
  HostReservedProc reserved0;
};

// "SP Access Suite" 3.
struct SpAccessSuite {
  // Takes an access reference on a plug-in into *access; the host keeps the
  // plug-in's library loaded while any reference is held.
  HostError(HOST_API* SpAcquirePlugin)(HostPluginRef plugin,
                                       HostAccessRef* access);
  // Gives back a reference from SpAcquirePlugin.
  HostError(HOST_API* SpReleasePlugin)(HostAccessRef access);
};

// "AI Preference Suite" 2. Values live under a prefix and a key; a read
// leaves the caller's value untouched when nothing is stored.
struct AiPreferenceSuite {
  HostReservedProc reserved0;
  // Stores a boolean.
  HostError(HOST_API* AiPutBooleanPref)(const char* prefix, const char* key,
                                        HostBoolean value);
  // Reads a 32-bit integer into *value.
  HostError(HOST_API* AiGetIntegerPref)(const char* prefix, const char* key,
                                        int32_t* value);
  // Stores a 32-bit integer.
  HostError(HOST_API* AiPutIntegerPref)(const char* prefix, const char* key,
                                        int32_t value);
  HostReservedProc reserved4[2];
  // Reads a string into `value`, writing at most 64 bytes with terminator.
  HostError(HOST_API* AiGetStringPref)(const char* prefix, const char* key,
                                       char* value);
  // Stores a NUL-terminated string; the host copies it.
  HostError(HOST_API* AiPutStringPref)(const char* prefix, const char* key,
                                       const char* value);
  HostReservedProc reserved8[10];
  // Reads a point into *value.
  HostError(HOST_API* AiGetPointPref)(const char* prefix, const char* key,
                                      HostPoint* value);
  // Stores a point.
  HostError(HOST_API* AiPutPointPref)(const char* prefix, const char* key,
                                      const HostPoint* value);
};

// "AI Context Suite" 3.
struct AiContextSuite {
  HostReservedProc reserved0;
  // Opens an application context for `plugin` into *context.
  HostError(HOST_API* AiPushAppContext)(HostPluginRef plugin,
                                        HostAppContext* context);
  // Closes a context from AiPushAppContext; contexts close in nested order.
  HostError(HOST_API* AiPopAppContext)(HostAppContext context);
};

// "AS Lib Suite" 1.
struct AsLibSuite {
  HostReservedProc reserved0[6];
  // Copies `source` with its terminator into `destination`, which must hold it.
  HostError(HOST_API* AsCopyString)(char* destination, const char* source);
};

// "AI Runtime Suite" 7: held, never called.
struct AiRuntimeSuite {
  HostReservedProc reserved0;
};

// "AI User Suite" 5. Length-prefixed texts: a count byte, then the characters.
struct AiUserSuite {
  HostReservedProc reserved0[4];
  // Writes `value` as decimal text with `precision` decimals into `text`
  // (at most 255 characters after the count byte).
  HostError(HOST_API* AiRealToText)(float value, int32_t precision,
                                    unsigned char* text);
  // Reads the decimal value of a length-prefixed text into *value.
  HostError(HOST_API* AiTextToReal)(const unsigned char* text, float* value);
};

// "AI Menu Suite" 7.
struct AiMenuSuite {
  // Adds a menu item named `name` into *item; the host copies what it needs
  // of `record` during the call. Options 1 asks for "AI Update" messages.
  HostError(HOST_API* AiAddMenuItem)(HostPluginRef plugin, const char* name,
                                     const HostMenuRecord* record,
                                     int32_t options, HostMenuItemHandle* item);
  HostReservedProc reserved1[13];
  // Sets or clears the item's check mark.
  HostError(HOST_API* AiCheckMenuItem)(HostMenuItemHandle item,
                                       HostBoolean checked);
};

// "AI Notifier Suite" 2.
struct AiNotifierSuite {
  // Registers for notifications of `type` into *notifier; the host then
  // sends "AI Notifier"/"AI Notify" messages carrying that handle.
  HostError(HOST_API* AiAddNotifier)(HostPluginRef plugin, const char* name,
                                     const char* type,
                                     HostNotifierHandle* notifier);
};

// "ADM Basic Suite" 2.
struct AdmBasicSuite {
  // Copies entry `entry` (from 1) of string list `listId` into `buffer`,
  // always terminated within `size`; a missing entry reads as "" and answers
  // a nonzero code.
  HostError(HOST_API* AdmGetListString)(HostPluginRef plugin, int32_t listId,
                                        int16_t entry, char* buffer,
                                        int32_t size);
  HostReservedProc reserved1[2];
  // Shows `text` to the user in an alert and returns once it is dismissed.
  void(HOST_API* AdmShowAlert)(const char* text);
  HostReservedProc reserved4[20];
  // Writes the screen area where palettes are placed into *area.
  void(HOST_API* AdmGetPaletteArea)(HostRect* area);
};

// "ADM Dialog Suite" 3.
struct AdmDialogSuite {
  // Builds a modeless dialog from template `templateId`, runs `init` on it and
  // returns it, or 0. The dialog belongs to the dialog manager.
  AdmDialogRef(HOST_API* AdmDialogCreate)(HostPluginRef plugin,
                                          const char* name, int32_t templateId,
                                          int32_t style, AdmInitProc init,
                                          void* userData);
  // Builds a modal dialog, runs `init`, and returns once it is dismissed.
  int32_t(HOST_API* AdmDialogModal)(HostPluginRef plugin, const char* name,
                                    int32_t templateId, int32_t style,
                                    AdmInitProc init, void* userData);
  HostReservedProc reserved2;
  // Destroys a dialog; its destroy procedure runs before this returns.
  void(HOST_API* AdmDialogDestroy)(AdmDialogRef dialog);
  HostReservedProc reserved4[14];
  // Sets the procedure the dialog manager runs when it destroys the dialog.
  void(HOST_API* AdmDialogSetDestroyProc)(AdmDialogRef dialog,
                                          AdmDestroyProc proc);
  HostReservedProc reserved19[4];
  // Returns the user data given at creation.
  void*(HOST_API* AdmDialogGetUserData)(AdmDialogRef dialog);
  HostReservedProc reserved24[2];
  // Returns the plug-in that created the dialog.
  HostPluginRef(HOST_API* AdmDialogGetPluginRef)(AdmDialogRef dialog);
  HostReservedProc reserved27[3];
  // Shows (nonzero) or hides (0) the dialog.
  void(HOST_API* AdmDialogShow)(AdmDialogRef dialog, HostBoolean show);
  // Nonzero while the dialog is shown.
  HostBoolean(HOST_API* AdmDialogIsVisible)(AdmDialogRef dialog);
  HostReservedProc reserved32[6];
  // Moves and sizes the dialog.
  void(HOST_API* AdmDialogSetBoundsRect)(AdmDialogRef dialog,
                                         const HostRect* bounds);
  // Writes the dialog's current bounds into *bounds.
  void(HOST_API* AdmDialogGetBoundsRect)(AdmDialogRef dialog, HostRect* bounds);
  HostReservedProc reserved40[28];
  // Returns the dialog's item with template ID `itemId`, or 0; owned by the
  // dialog.
  AdmItemRef(HOST_API* AdmDialogGetItem)(AdmDialogRef dialog, int32_t itemId);
};

// "ADM Dialog Group Suite" 1.
struct AdmDialogGroupSuite {
  HostReservedProc reserved0;
  // Writes the dialog's dock group name (owned by the dialog manager, valid
  // until the dialog changes group or dies) and position code.
  void(HOST_API* AdmGroupGetInfo)(AdmDialogRef dialog, const char** groupName,
                                  int32_t* positionCode);
  // Docks the dialog into group `groupName` at `positionCode`; the name is
  // copied.
  void(HOST_API* AdmGroupSetInfo)(AdmDialogRef dialog, const char* groupName,
                                  int32_t positionCode);
};

// "ADM Item Suite" 4.
struct AdmItemSuite {
  HostReservedProc reserved0[10];
  // Sets the procedure the dialog manager calls when the item is used.
  void(HOST_API* AdmItemSetNotifyProc)(AdmItemRef item, AdmNotifyProc proc);
  HostReservedProc reserved11;
  // The item's standard reaction; for the OK item it ends a modal dialog.
  void(HOST_API* AdmItemDefaultNotify)(AdmItemRef item,
                                       AdmNotifierRef notifier);
  HostReservedProc reserved13[59];
  // Sets the item's text; the text is copied.
  void(HOST_API* AdmItemSetText)(AdmItemRef item, const char* text);
};

// "ADM Icon Suite" 1: held, never called.
struct AdmIconSuite {
  HostReservedProc reserved0;
};

#define HOST_ENTRY(suite, member, n)                                       \
  static_assert(offsetof(suite, member) == (n) * sizeof(HostReservedProc), \
                #suite "::" #member " sits at entry " #n)
HOST_ENTRY(SpBasicSuite, SpIsEqual, 2);
HOST_ENTRY(SpBlocksSuite, SpFreeBlock, 1);
HOST_ENTRY(SpAccessSuite, SpReleasePlugin, 1);
HOST_ENTRY(AiPreferenceSuite, AiPutBooleanPref, 1);
HOST_ENTRY(AiPreferenceSuite, AiPutIntegerPref, 3);
HOST_ENTRY(AiPreferenceSuite, AiGetStringPref, 6);
HOST_ENTRY(AiPreferenceSuite, AiPutStringPref, 7);
HOST_ENTRY(AiPreferenceSuite, AiGetPointPref, 18);
HOST_ENTRY(AiPreferenceSuite, AiPutPointPref, 19);
HOST_ENTRY(AiContextSuite, AiPopAppContext, 2);
HOST_ENTRY(AsLibSuite, AsCopyString, 6);
HOST_ENTRY(AiUserSuite, AiRealToText, 4);
HOST_ENTRY(AiUserSuite, AiTextToReal, 5);
HOST_ENTRY(AiMenuSuite, AiCheckMenuItem, 14);
HOST_ENTRY(AdmBasicSuite, AdmShowAlert, 3);
HOST_ENTRY(AdmBasicSuite, AdmGetPaletteArea, 24);
HOST_ENTRY(AdmDialogSuite, AdmDialogModal, 1);
HOST_ENTRY(AdmDialogSuite, AdmDialogDestroy, 3);
HOST_ENTRY(AdmDialogSuite, AdmDialogSetDestroyProc, 18);
HOST_ENTRY(AdmDialogSuite, AdmDialogGetUserData, 23);
HOST_ENTRY(AdmDialogSuite, AdmDialogGetPluginRef, 26);
HOST_ENTRY(AdmDialogSuite, AdmDialogShow, 30);
HOST_ENTRY(AdmDialogSuite, AdmDialogIsVisible, 31);
HOST_ENTRY(AdmDialogSuite, AdmDialogSetBoundsRect, 38);
HOST_ENTRY(AdmDialogSuite, AdmDialogGetBoundsRect, 39);
HOST_ENTRY(AdmDialogSuite, AdmDialogGetItem, 68);
HOST_ENTRY(AdmDialogGroupSuite, AdmGroupSetInfo, 2);
HOST_ENTRY(AdmItemSuite, AdmItemSetNotifyProc, 10);
HOST_ENTRY(AdmItemSuite, AdmItemDefaultNotify, 12);
HOST_ENTRY(AdmItemSuite, AdmItemSetText, 72);
#undef HOST_ENTRY
