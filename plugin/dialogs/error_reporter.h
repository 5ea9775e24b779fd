// Shows a failing call's code with its message from the plug-in's list.
#pragma once

#include "host/message.h"

// The texts the Error dialog shows; its address is the dialog's user data.
struct ErrorDialogRecord {
  char messageText[256];  // as AdmGetListString wrote it
  char codeText[16];      // decimal, or the code's four bytes as characters
};

// Looks `code` up in list 16050 and shows it in the modal Error dialog.
// Shows nothing for 0 and "STOP", when a suite it calls is not held, or when
// the list gives no message.
void ReportError(HostMessage* message, HostError code);

// Runs the modal Error dialog on `record`; always 0.
int32_t ShowErrorDialog(HostMessage* message, ErrorDialogRecord* record);
HostError HOST_API ErrorDialogInitProc(AdmDialogRef dialog);

// The OK item of both modal dialogs: the default reaction ends the dialog.
void HOST_API OkNotifyProc(AdmItemRef item, AdmNotifierRef notifier);

// A list entry in decimal form: `buffer` holds it NUL-terminated and is left
// length-prefixed. The code is the value cut toward zero, reduced to its
// signed low 16 bits; 0 for anything that is not a number in the signed
// 32-bit range.
void ParseNumericCode(char* buffer, HostError* code);

// Characters 1 to 4 of a length-prefixed text as a code, in memory order.
HostError FourCharCodeFromText(const unsigned char* text);

// The code's four bytes in memory order as a length-prefixed text of 4
// characters; `text` holds at least 5 bytes.
void FourCharCodeToText(HostError code, unsigned char* text);

// The code as NUL-terminated decimal text in the host's form; `text` holds
// 16 bytes (sizeof ErrorDialogRecord::codeText).
void NumericCodeToText(HostError code, char* text);
