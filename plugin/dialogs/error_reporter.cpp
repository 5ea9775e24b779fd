#include "plugin/dialogs/error_reporter.h"

#include <math.h>
#include <string.h>

#include <limits>

#include "host/names.h"
#include "plugin/shell/strings.h"
#include "plugin/shell/suite_table.h"

namespace {

constexpr int32_t kMessageListId = 16050;
constexpr int32_t kErrorDialogTemplateId = 16051;
constexpr char kErrorDialogName[] = "Error Dialog";

constexpr int32_t kOkItem = 1;
constexpr int32_t kMessageItem = 2;
constexpr int32_t kCodeItem = 3;

// Entry numbers travel as signed 16-bit values. The message of a code entry
// sits right behind it, so the last code entry with a reachable message is
// 32,765; a walk that gets past it ends as if 32,767 were the empty entry.
constexpr int32_t kLastCodeEntry = 32765;

bool StartsDecimal(char c) { return c == '-' || (c >= '0' && c <= '9'); }

// The value cut toward zero, then its low 16 bits sign-extended. Anything
// the conversion to 32 bits would not define (not a number, out of range)
// gives 0, which no report carries.
HostError CodeFromReal(float real) {
  float whole = truncf(real);
  if (!(whole >= -2147483648.0f && whole < 2147483648.0f)) return 0;
  uint32_t low = static_cast<uint32_t>(static_cast<int32_t>(whole)) & 0xFFFFu;
  return low >= 0x8000u ? static_cast<HostError>(low) - 0x10000
                        : static_cast<HostError>(low);
}

}  // namespace

void ReportError(HostMessage* message, HostError code) {
  if (code == 0 || code == kErrorStop) return;
  if (!sAdmBasic || !sAdmDialog) return;
  // The number conversions and the dialog's items need these as well; a
  // report that cannot be made whole is not made at all.
  if (!sAiUser || !sAdmItem) return;

  char buffer[256];
  bool matched = false;
  int32_t entry = 1;
  for (;; entry += 2) {
    if (entry > kLastCodeEntry) break;
    // A lookup that writes nothing then reads as the end of the list, and a
    // short entry finds no bytes of an earlier one.
    memset(buffer, 0, sizeof buffer);
    sAdmBasic->AdmGetListString(message->pluginRef, kMessageListId,
                                static_cast<int16_t>(entry), buffer, 255);
    buffer[255] = 0;
    if (buffer[0] == 0) break;
    HostError entryCode = 0;
    if (StartsDecimal(buffer[0])) {
      ParseNumericCode(buffer, &entryCode);
    } else {
      unsigned char* text = MakeLengthPrefixed(buffer);
      // Fewer than four characters: the missing bytes are zeros, whatever
      // the host left behind the terminator.
      for (int i = text[0] + 1; i <= 4; ++i) text[i] = 0;
      entryCode = FourCharCodeFromText(text);
    }
    if (entryCode == code) {
      matched = true;
      break;
    }
  }

  ErrorDialogRecord record = {};
  int32_t messageEntry = matched ? entry + 1 : entry - 1;
  if (sAdmBasic->AdmGetListString(
          message->pluginRef, kMessageListId,
          static_cast<int16_t>(messageEntry), record.messageText,
          static_cast<int32_t>(sizeof record.messageText)) != 0)
    return;
  record.messageText[sizeof record.messageText - 1] = 0;

  if (code >= -65536 && code <= 65535) {
    NumericCodeToText(code, record.codeText);
  } else {
    auto* text = reinterpret_cast<unsigned char*>(record.codeText);
    FourCharCodeToText(code, text);
    MakeNulTerminated(text);
  }
  ShowErrorDialog(message, &record);
}

int32_t ShowErrorDialog(HostMessage* message, ErrorDialogRecord* record) {
  if (!sAdmDialog || !sAdmItem) return 0;
  sAdmDialog->AdmDialogModal(message->pluginRef, kErrorDialogName,
                             kErrorDialogTemplateId, kAdmStyleModal,
                             ErrorDialogInitProc, record);
  return 0;
}

HostError HOST_API ErrorDialogInitProc(AdmDialogRef dialog) {
  sAdmItem->AdmItemSetNotifyProc(sAdmDialog->AdmDialogGetItem(dialog, kOkItem),
                                 OkNotifyProc);
  auto* record =
      static_cast<ErrorDialogRecord*>(sAdmDialog->AdmDialogGetUserData(dialog));
  if (!record) return 0;
  sAdmItem->AdmItemSetText(sAdmDialog->AdmDialogGetItem(dialog, kMessageItem),
                           record->messageText);
  sAdmItem->AdmItemSetText(sAdmDialog->AdmDialogGetItem(dialog, kCodeItem),
                           record->codeText);
  return 0;
}

void HOST_API OkNotifyProc(AdmItemRef item, AdmNotifierRef notifier) {
  sAdmItem->AdmItemDefaultNotify(item, notifier);
}

void ParseNumericCode(char* buffer, HostError* code) {
  unsigned char* text = MakeLengthPrefixed(buffer);
  // Stays not-a-number, and so gives 0, when the host writes nothing.
  float real = std::numeric_limits<float>::quiet_NaN();
  if (text) sAiUser->AiTextToReal(text, &real);
  *code = CodeFromReal(real);
}

HostError FourCharCodeFromText(const unsigned char* text) {
  HostError code;
  memcpy(&code, text + 1, sizeof code);
  return code;
}

void FourCharCodeToText(HostError code, unsigned char* text) {
  text[0] = 4;
  memcpy(text + 1, &code, sizeof code);
}

void NumericCodeToText(HostError code, char* text) {
  // The host may write up to 255 characters; the code text holds 15.
  unsigned char scratch[256] = {};
  sAiUser->AiRealToText(static_cast<float>(code), 0, scratch);
  const char* decimal = MakeNulTerminated(scratch);
  size_t length = strlen(decimal);
  if (length > sizeof ErrorDialogRecord::codeText - 1)
    length = sizeof ErrorDialogRecord::codeText - 1;
  memcpy(text, decimal, length);
  text[length] = 0;
}
