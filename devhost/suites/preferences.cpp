// "AI Preference Suite": typed values by prefix and key. A read of a key
// that holds nothing of its type leaves the caller's value as it was.
#include <string.h>

#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

// Longest string a read hands out, terminator included.
constexpr size_t kStringReadLimit = 64;

std::string RenderPoint(const HostPoint* point) {
  if (!point) return "null";
  return "{" + RenderArgs(point->h, point->v) + "}";
}

PreferenceStore& Store() { return DevHost::Current().preferences; }

HostError HOST_API AiPutBooleanPref(const char* prefix, const char* key,
                                    HostBoolean value) {
  return GateError(kAiPreferenceSuite, "AiPutBooleanPref",
                   RenderArgs(prefix, key, value), [&] {
                     if (!prefix || !key) return kHostErrBadParameter;
                     Store().PutBoolean(prefix, key, value != 0);
                     return 0;
                   });
}

HostError HOST_API AiGetIntegerPref(const char* prefix, const char* key,
                                    int32_t* value) {
  return GateError(kAiPreferenceSuite, "AiGetIntegerPref",
                   RenderArgs(prefix, key), [&] {
                     if (!prefix || !key || !value) return kHostErrBadParameter;
                     const int32_t* stored = Store().Integer(prefix, key);
                     if (!stored) return kHostErrNotFound;
                     *value = *stored;
                     return 0;
                   });
}

HostError HOST_API AiPutIntegerPref(const char* prefix, const char* key,
                                    int32_t value) {
  return GateError(kAiPreferenceSuite, "AiPutIntegerPref",
                   RenderArgs(prefix, key, value), [&] {
                     if (!prefix || !key) return kHostErrBadParameter;
                     Store().PutInteger(prefix, key, value);
                     return 0;
                   });
}

HostError HOST_API AiGetStringPref(const char* prefix, const char* key,
                                   char* value) {
  return GateError(kAiPreferenceSuite, "AiGetStringPref",
                   RenderArgs(prefix, key), [&] {
                     if (!prefix || !key || !value) return kHostErrBadParameter;
                     const std::string* stored = Store().String(prefix, key);
                     if (!stored) return kHostErrNotFound;
                     // A longer value is cut, never spilled past 64 bytes.
                     size_t length = stored->size() < kStringReadLimit - 1
                                         ? stored->size()
                                         : kStringReadLimit - 1;
                     memcpy(value, stored->data(), length);
                     value[length] = 0;
                     return 0;
                   });
}

HostError HOST_API AiPutStringPref(const char* prefix, const char* key,
                                   const char* value) {
  return GateError(kAiPreferenceSuite, "AiPutStringPref",
                   RenderArgs(prefix, key, value), [&] {
                     if (!prefix || !key || !value) return kHostErrBadParameter;
                     Store().PutString(prefix, key, value);
                     return 0;
                   });
}

HostError HOST_API AiGetPointPref(const char* prefix, const char* key,
                                  HostPoint* value) {
  return GateError(kAiPreferenceSuite, "AiGetPointPref",
                   RenderArgs(prefix, key), [&] {
                     if (!prefix || !key || !value) return kHostErrBadParameter;
                     const HostPoint* stored = Store().Point(prefix, key);
                     if (!stored) return kHostErrNotFound;
                     *value = *stored;
                     return 0;
                   });
}

HostError HOST_API AiPutPointPref(const char* prefix, const char* key,
                                  const HostPoint* value) {
  return GateError(kAiPreferenceSuite, "AiPutPointPref",
                   RenderArgs(prefix, key) + ", " + RenderPoint(value), [&] {
                     if (!prefix || !key || !value) return kHostErrBadParameter;
                     Store().PutPoint(prefix, key, *value);
                     return 0;
                   });
}

}  // namespace

const AiPreferenceSuite kDevHostPreferenceSuite = {
    nullptr,
    AiPutBooleanPref,
    AiGetIntegerPref,
    AiPutIntegerPref,
    {},
    AiGetStringPref,
    AiPutStringPref,
    {},
    AiGetPointPref,
    AiPutPointPref,
};
