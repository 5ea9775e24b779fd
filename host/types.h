// Scalar types, handles and records shared by the host and its plug-ins.
#pragma once

#include <stdint.h>

// Every suite function and every procedure handed to the host is cdecl.
#if defined(_WIN32) && defined(__i386__)
#define HOST_API __cdecl
#else
#define HOST_API
#endif

// 0 means success; any other value is the host's or the plug-in's failure code.
typedef int32_t HostError;

// 0 is false, any other value true; a host may answer "true" with any nonzero
// value.
typedef int32_t HostBoolean;

// Opaque handles. Null means none; only the host interprets them.
typedef struct HostPluginOpaque* HostPluginRef;
typedef struct HostAccessOpaque* HostAccessRef;
typedef struct HostAppContextOpaque* HostAppContext;
typedef struct HostMenuItemOpaque* HostMenuItemHandle;
typedef struct HostNotifierOpaque* HostNotifierHandle;
typedef struct AdmDialogOpaque* AdmDialogRef;
typedef struct AdmItemOpaque* AdmItemRef;
typedef struct AdmNotifierOpaque* AdmNotifierRef;

// Screen rectangle in the dialog manager's coordinates, 16 bytes.
struct HostRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// Screen point: horizontal, then vertical, 8 bytes.
struct HostPoint {
  int32_t h;
  int32_t v;
};

// What the menu suite needs to add an item: the group name (NUL-terminated)
// and the item text (length-prefixed).
struct HostMenuRecord {
  const char* group;
  const unsigned char* text;
};

// Procedures a plug-in hands to the dialog manager.
typedef HostError(HOST_API* AdmInitProc)(AdmDialogRef dialog);
typedef void(HOST_API* AdmDestroyProc)(AdmDialogRef dialog);
typedef void(HOST_API* AdmNotifyProc)(AdmItemRef item, AdmNotifierRef notifier);

// Occupies a suite slot that plug-ins of this kind never call.
typedef void(HOST_API* HostReservedProc)(void);
