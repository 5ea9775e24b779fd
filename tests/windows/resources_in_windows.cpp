// Lets Windows itself read the built plug-in: its loader, dialog manager,
// bitmap loader and version API must accept what inspect_aip.py checks byte
// for byte.
//
//   resources_in_windows QuasoPalette.aip
//
// One line per check, "ok: ..." or "FAILED: <field>: expected X, found Y",
// then "N passed, N failed"; exits nonzero on any failure. Nothing may wait
// for a user: no modal loop, no message box.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include <string>

namespace {

int g_passed = 0;
int g_failed = 0;
const char* g_case = "";

// ASCII only, one line: a carriage return in a text must not end the line.
std::string Quote(const std::wstring& text) {
  std::string out = "\"";
  for (wchar_t c : text) {
    char buf[16];
    if (c == L'\r') {
      out += "\\r";
    } else if (c == L'\n') {
      out += "\\n";
    } else if (c == L'"' || c == L'\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      snprintf(buf, sizeof buf, "\\x{%04X}", static_cast<unsigned>(c));
      out += buf;
    }
  }
  return out + "\"";
}

std::string Hex(unsigned long value) {
  char buf[16];
  snprintf(buf, sizeof buf, "0x%08lX", value);
  return buf;
}

std::string Dec(long value) { return std::to_string(value); }

std::string Size(long width, long height) {
  return Dec(width) + "x" + Dec(height);
}

std::string LastError(const char* call) {
  return std::string(call) + " failed, error " + Dec(GetLastError());
}

bool Check(bool ok, const std::string& field, const std::string& expected,
           const std::string& found) {
  if (ok) {
    ++g_passed;
    printf("ok: %s: %s = %s\n", g_case, field.c_str(), found.c_str());
  } else {
    ++g_failed;
    printf("FAILED: %s: %s: expected %s, found %s\n", g_case, field.c_str(),
           expected.c_str(), found.c_str());
  }
  return ok;
}

bool CheckHex(const std::string& field, unsigned long expected,
              unsigned long found) {
  return Check(expected == found, field, Hex(expected), Hex(found));
}

bool CheckDec(const std::string& field, long expected, long found) {
  return Check(expected == found, field, Dec(expected), Dec(found));
}

bool CheckText(const std::string& field, const std::wstring& expected,
               const std::wstring& found) {
  return Check(expected == found, field, Quote(expected), Quote(found));
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = L"";
  GetWindowTextW(window, text, 512);
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

struct Plugin {
  HMODULE module = nullptr;
  std::wstring path;
};

// ---- exports ---------------------------------------------------------------

void ExportsPluginMain(const Plugin& plugin) {
  FARPROC byName = GetProcAddress(plugin.module, "PluginMain");
  FARPROC byOrdinal = GetProcAddress(plugin.module, MAKEINTRESOURCEA(1));
  Check(byName != nullptr, "GetProcAddress(\"PluginMain\")", "an address",
        byName ? "an address" : LastError("GetProcAddress"));
  Check(byOrdinal != nullptr, "GetProcAddress(ordinal 1)", "an address",
        byOrdinal ? "an address" : LastError("GetProcAddress"));
  Check(byName == byOrdinal, "ordinal 1 is PluginMain",
        "the address of \"PluginMain\"",
        byName == byOrdinal ? "the address of \"PluginMain\""
                            : "a different address");
}

// ---- resource directory ----------------------------------------------------

void ResourcesInEnglishUs(const Plugin& plugin) {
  struct Want {
    const wchar_t* type;
    WORD id;
    const char* name;
  };
  const Want wants[] = {
      {L"PIPL", 16000, "PIPL 16000"},     {RT_DIALOG, 16000, "dialog 16000"},
      {RT_DIALOG, 16050, "dialog 16050"}, {RT_DIALOG, 16051, "dialog 16051"},
      {RT_BITMAP, 16500, "bitmap 16500"}, {RT_BITMAP, 16000, "bitmap 16000"},
      {RT_VERSION, 1, "version 1"},
  };
  const WORD english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
  for (const Want& want : wants) {
    HRSRC found = FindResourceExW(plugin.module, want.type,
                                  MAKEINTRESOURCEW(want.id), english);
    Check(found != nullptr,
          std::string("FindResourceEx(") + want.name + ", language 1033)",
          "found", found ? "found" : LastError("FindResourceEx"));
    if (found && !IS_INTRESOURCE(want.type))
      CheckDec("SizeofResource(PIPL 16000)", 78,
               SizeofResource(plugin.module, found));
  }
}

// ---- dialogs ---------------------------------------------------------------

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct ItemWant {
  WORD id;
  const wchar_t* className;
  DWORD style;
  const wchar_t* text;  // null: a picture or the credit text
  int pictureWidth;     // 0: not a picture
  int pictureHeight;
};

struct DialogWant {
  WORD id;
  const wchar_t* caption;
  DWORD style;
  int width;  // dialog units
  int height;
  WORD defaultButton;  // 0: none
  const ItemWant* items;
  int itemCount;
};

// The credit text is ours to word, so only its form is fixed: several
// non-empty-ended lines broken by lone carriage returns.
bool IsCreditText(const std::wstring& text) {
  return text.find(L'\r') != std::wstring::npos &&
         text.find(L'\n') == std::wstring::npos && text.front() != L'\r' &&
         text.back() != L'\r';
}

void CheckPicture(const std::string& field, HWND item, int width, int height) {
  HANDLE image = reinterpret_cast<HANDLE>(
      SendMessageW(item, STM_GETIMAGE, IMAGE_BITMAP, 0));
  if (!Check(image != nullptr, field + " STM_GETIMAGE(IMAGE_BITMAP)",
             "a bitmap", image ? "a bitmap" : "null"))
    return;
  BITMAP bitmap = {};
  int got = GetObjectW(image, sizeof bitmap, &bitmap);
  if (!Check(got == sizeof bitmap, field + " GetObject(bitmap)",
             Dec(sizeof bitmap) + " bytes", Dec(got) + " bytes"))
    return;
  Check(bitmap.bmWidth == width && bitmap.bmHeight == height,
        field + " bitmap size", Size(width, height),
        Size(bitmap.bmWidth, bitmap.bmHeight));
}

void CheckItem(const std::string& field, HWND item, const ItemWant& want) {
  // The template holds a 16-bit ID, so -1 may come back as 0xFFFF.
  CheckHex(field + " ID (16-bit)", want.id,
           static_cast<WORD>(GetDlgCtrlID(item)));
  CheckText(field + " class", want.className, ClassName(item));
  CheckHex(field + " style", want.style,
           static_cast<DWORD>(GetWindowLongW(item, GWL_STYLE)));
  if (want.pictureWidth) {
    CheckPicture(field, item, want.pictureWidth, want.pictureHeight);
  } else if (want.text) {
    CheckText(field + " text", want.text, WindowText(item));
  } else {
    std::wstring text = WindowText(item);
    Check(IsCreditText(text), field + " text",
          "several lines joined by lone carriage returns", Quote(text));
  }
}

void CheckDialog(const Plugin& plugin, const DialogWant& want) {
  const std::string name = "dialog " + Dec(want.id);

  // The About and Error templates are shown at creation, so the word is
  // also read where the window manager cannot have touched it.
  HRSRC resource =
      FindResourceW(plugin.module, MAKEINTRESOURCEW(want.id), RT_DIALOG);
  const void* bytes =
      resource ? LockResource(LoadResource(plugin.module, resource)) : nullptr;
  if (Check(bytes != nullptr, name + " template", "loaded",
            bytes ? "loaded" : LastError("FindResource/LoadResource"))) {
    DWORD style;
    memcpy(&style, bytes, sizeof style);
    CheckHex(name + " template style", want.style, style);
  }

  HWND dialog = CreateDialogParamW(plugin.module, MAKEINTRESOURCEW(want.id),
                                   nullptr, QuietDialogProc, 0);
  if (!Check(dialog != nullptr, name + " CreateDialogParam", "a window",
             dialog ? "a window" : LastError("CreateDialogParam")))
    return;

  const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  DWORD style = static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE));
  CheckHex(name + " window style & (WS_POPUP|WS_CAPTION|WS_SYSMENU|WS_VISIBLE)",
           want.style & frame, style & frame);
  bool shouldShow = (want.style & WS_VISIBLE) != 0;
  Check(!IsWindowVisible(dialog) == !shouldShow, name + " IsWindowVisible",
        shouldShow ? "visible" : "hidden",
        IsWindowVisible(dialog) ? "visible" : "hidden");
  DWORD exStyle = static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE));
  CheckHex(name + " window ex-style & WS_EX_DLGMODALFRAME (DS_MODALFRAME)",
           WS_EX_DLGMODALFRAME, exStyle & WS_EX_DLGMODALFRAME);
  CheckText(name + " caption", want.caption, WindowText(dialog));

  RECT units = {0, 0, want.width, want.height};
  MapDialogRect(dialog, &units);
  RECT client = {};
  GetClientRect(dialog, &client);
  Check(client.right == units.right && client.bottom == units.bottom,
        name + " client size in pixels (" + Size(want.width, want.height) +
            " dialog units)",
        Size(units.right, units.bottom), Size(client.right, client.bottom));

  // Children stand in template order, the dialog manager's tab order.
  int index = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT), ++index) {
    if (index < want.itemCount)
      CheckItem(name + " item " + Dec(index + 1), child, want.items[index]);
  }
  CheckDec(name + " number of items", want.itemCount, index);

  for (int i = 0; i < want.itemCount; ++i) {
    const ItemWant& item = want.items[i];
    if (item.id == 0xFFFF) continue;
    HWND byId = GetDlgItem(dialog, item.id);
    std::string field = name + " GetDlgItem(" + Dec(item.id) + ")";
    if (Check(byId != nullptr, field, "a window",
              byId ? "a window" : LastError("GetDlgItem")))
      CheckText(field + " class", item.className, ClassName(byId));
  }

  if (want.defaultButton) {
    LRESULT def = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    Check(HIWORD(def) == DC_HASDEFID && LOWORD(def) == want.defaultButton,
          name + " DM_GETDEFID", "default button " + Dec(want.defaultButton),
          HIWORD(def) == DC_HASDEFID ? "default button " + Dec(LOWORD(def))
                                     : "no default button");
  }

  BOOL destroyed = DestroyWindow(dialog);
  bool gone = destroyed && !IsWindow(dialog);
  Check(gone, name + " DestroyWindow", "destroyed",
        gone ? "destroyed"
             : (destroyed ? "still a window" : LastError("DestroyWindow")));
}

const DWORD kButtonStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;  // 0x50010001
const DWORD kTextStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
const DWORD kPictureStyle = WS_CHILD | WS_VISIBLE | SS_BITMAP;
const DWORD kFrameStyle = WS_CHILD | WS_VISIBLE | SS_BLACKFRAME;
const DWORD kPaletteStyle = 0x80C800A0;
const DWORD kModalStyle = 0x90C800C0;

const ItemWant kPaletteItems[] = {
    {1, L"Static", kPictureStyle, nullptr, 206, 75},
};

const ItemWant kAboutItems[] = {
    {1, L"Button", kButtonStyle, L"OK", 0, 0},
    {0xFFFF, L"Static", kTextStyle, L"Quaso Palette, v 10.0", 0, 0},
    {0xFFFF, L"Static", kTextStyle, nullptr, 0, 0},
    {0xFFFF, L"Static", kPictureStyle, nullptr, 90, 39},
};

const ItemWant kErrorItems[] = {
    {1, L"Button", kButtonStyle, L"OK", 0, 0},
    {2, L"Static", kTextStyle, L"Message", 0, 0},
    {3, L"Static", kTextStyle, L"Code", 0, 0},
    {4, L"Static", kFrameStyle, L"", 0, 0},
};

void PaletteDialog(const Plugin& plugin) {
  CheckDialog(plugin,
              {16000, L"Quaso", kPaletteStyle, 206, 75, 0, kPaletteItems, 1});
}

void AboutDialog(const Plugin& plugin) {
  CheckDialog(plugin, {16050, L"About Quaso Palette", kModalStyle, 211, 94, 1,
                       kAboutItems, 4});
}

void ErrorDialog(const Plugin& plugin) {
  CheckDialog(plugin, {16051, L"Plug-in Error", kModalStyle, 185, 92, 1,
                       kErrorItems, 4});
}

// ---- bitmaps ---------------------------------------------------------------

void CheckBitmap(const Plugin& plugin, WORD id, int width, int height) {
  const std::string name = "bitmap " + Dec(id);
  HBITMAP loaded = LoadBitmapW(plugin.module, MAKEINTRESOURCEW(id));
  if (Check(loaded != nullptr, name + " LoadBitmap", "a bitmap",
            loaded ? "a bitmap" : LastError("LoadBitmap"))) {
    BITMAP bitmap = {};
    GetObjectW(loaded, sizeof bitmap, &bitmap);
    Check(bitmap.bmWidth == width && bitmap.bmHeight == height,
          name + " LoadBitmap size", Size(width, height),
          Size(bitmap.bmWidth, bitmap.bmHeight));
    DeleteObject(loaded);
  }

  // As a DIB section the header's depth survives the load.
  HANDLE image = LoadImageW(plugin.module, MAKEINTRESOURCEW(id), IMAGE_BITMAP,
                            0, 0, LR_CREATEDIBSECTION);
  if (Check(image != nullptr, name + " LoadImage(LR_CREATEDIBSECTION)",
            "a bitmap", image ? "a bitmap" : LastError("LoadImage"))) {
    DIBSECTION section = {};
    int got = GetObjectW(image, sizeof section, &section);
    if (Check(got == sizeof section, name + " GetObject(DIBSECTION)",
              Dec(sizeof section) + " bytes", Dec(got) + " bytes")) {
      Check(
          section.dsBmih.biWidth == width && section.dsBmih.biHeight == height,
          name + " LoadImage size", Size(width, height),
          Size(section.dsBmih.biWidth, section.dsBmih.biHeight));
      CheckDec(name + " bits per pixel", 24, section.dsBmih.biBitCount);
    }
    DeleteObject(image);
  }
}

void PalettePicture(const Plugin& plugin) {
  CheckBitmap(plugin, 16500, 206, 75);
}

void AboutLogo(const Plugin& plugin) { CheckBitmap(plugin, 16000, 90, 39); }

// ---- version block ---------------------------------------------------------

// Filled once by the first version case; the others read it.
std::string g_versionBlock;

bool LoadVersionBlock(const Plugin& plugin) {
  if (!g_versionBlock.empty()) return true;
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(plugin.path.c_str(), &ignored);
  if (!Check(size != 0, "GetFileVersionInfoSize", "a size",
             size ? Dec(size) : LastError("GetFileVersionInfoSize")))
    return false;
  std::string block(size, '\0');
  BOOL read = GetFileVersionInfoW(plugin.path.c_str(), 0, size, &block[0]);
  if (!Check(read, "GetFileVersionInfo", "read",
             read ? "read" : LastError("GetFileVersionInfo")))
    return false;
  g_versionBlock = block;
  return true;
}

bool Query(const wchar_t* path, void** value, UINT* length) {
  *value = nullptr;
  *length = 0;
  return VerQueryValueW(&g_versionBlock[0], path, value, length) != 0;
}

void VersionFixedInfo(const Plugin& plugin) {
  if (!LoadVersionBlock(plugin)) return;
  void* value;
  UINT length;
  bool found = Query(L"\\", &value, &length);
  if (!Check(found && length == sizeof(VS_FIXEDFILEINFO),
             "VerQueryValue(\"\\\")", "a VS_FIXEDFILEINFO",
             found ? Dec(length) + " bytes" : "not found"))
    return;
  const VS_FIXEDFILEINFO* info = static_cast<VS_FIXEDFILEINFO*>(value);
  CheckHex("dwSignature", 0xFEEF04BD, info->dwSignature);
  CheckHex("dwStrucVersion", 0x00010000, info->dwStrucVersion);
  CheckHex("dwFileVersionMS", 0x00010000, info->dwFileVersionMS);
  CheckHex("dwFileVersionLS", 0x00000001, info->dwFileVersionLS);
  CheckHex("dwProductVersionMS", 0x00010000, info->dwProductVersionMS);
  CheckHex("dwProductVersionLS", 0x00000001, info->dwProductVersionLS);
  CheckHex("dwFileFlagsMask", VS_FFI_FILEFLAGSMASK, info->dwFileFlagsMask);
  CheckHex("dwFileFlags", VS_FF_PRIVATEBUILD, info->dwFileFlags);
  CheckHex("dwFileOS", VOS_NT_WINDOWS32, info->dwFileOS);
  CheckHex("dwFileType", VFT_DLL, info->dwFileType);
  CheckHex("dwFileSubtype", 0, info->dwFileSubtype);
  CheckHex("dwFileDateMS", 0, info->dwFileDateMS);
  CheckHex("dwFileDateLS", 0, info->dwFileDateLS);
}

void VersionStrings(const Plugin& plugin) {
  if (!LoadVersionBlock(plugin)) return;
  struct Want {
    const wchar_t* key;
    const wchar_t* value;  // null: ours to word, but not empty
  };
  const Want wants[] = {
      {L"Comments", L""},
      {L"CompanyName", L"Korvane"},
      {L"FileDescription", nullptr},
      {L"FileVersion", L"1,0,0,1"},
      {L"InternalName", L"Quaso Palette"},
      {L"LegalCopyright", nullptr},
      {L"LegalTrademarks", L""},
      {L"OriginalFilename", L"QuasoPalette.aip"},
      {L"PrivateBuild", L"4"},
      {L"ProductName", nullptr},
      {L"ProductVersion", L"10, 0, 0, 0"},
      {L"SpecialBuild", L""},
  };
  for (const Want& want : wants) {
    std::wstring path =
        std::wstring(L"\\StringFileInfo\\040904b0\\") + want.key;
    std::string field = "string " + Quote(want.key);
    void* value;
    UINT length;
    bool found = Query(path.c_str(), &value, &length);
    if (!Check(found, field + " key", "found",
               found ? "found, length " + Dec(length) : "not found"))
      continue;
    // An empty value may come back as no characters or as a lone zero.
    std::wstring text =
        value && length ? static_cast<const wchar_t*>(value) : L"";
    if (want.value) {
      CheckText(field + " value", want.value, text);
    } else {
      Check(!text.empty(), field + " value", "some text", Quote(text));
    }
  }
  // Without this, "key found" above could mean nothing.
  void* value;
  UINT length;
  bool found = Query(L"\\StringFileInfo\\040904b0\\NoSuchKey", &value, &length);
  Check(!found, "string \"NoSuchKey\" key", "not found",
        found ? "found" : "not found");
}

void VersionTranslation(const Plugin& plugin) {
  if (!LoadVersionBlock(plugin)) return;
  void* value;
  UINT length;
  bool found = Query(L"\\VarFileInfo\\Translation", &value, &length);
  if (!Check(found && length == 4,
             "VerQueryValue(\"\\VarFileInfo\\Translation\")", "4 bytes",
             found ? Dec(length) + " bytes" : "not found"))
    return;
  const WORD* pair = static_cast<const WORD*>(value);
  CheckHex("Translation language", 0x0409, pair[0]);
  CheckHex("Translation code page", 0x04B0, pair[1]);
}

// ---- the cases -------------------------------------------------------------

struct Case {
  const char* name;
  const char* description;
  void (*run)(const Plugin&);
};

const Case kCases[] = {
    {"exports.plugin_main",
     "GetProcAddress finds PluginMain by name and as ordinal 1, one address",
     ExportsPluginMain},
    {"resources.english_us",
     "FindResourceEx finds all seven resources under language 1033; the "
     "property list is 78 bytes",
     ResourcesInEnglishUs},
    {"dialog.palette",
     "template 16000 builds a hidden captioned popup \"Quaso\" whose one "
     "item, static 1, shows the 206x75 palette picture",
     PaletteDialog},
    {"dialog.about",
     "template 16050 builds the shown \"About Quaso Palette\" dialog: OK "
     "button 1, the name and credit statics and the 90x39 logo",
     AboutDialog},
    {"dialog.error",
     "template 16051 builds the shown \"Plug-in Error\" dialog: OK button 1, "
     "statics 2 \"Message\", 3 \"Code\" and the black frame 4",
     ErrorDialog},
    {"bitmap.palette_picture",
     "LoadBitmap and LoadImage read bitmap 16500 as 206x75, 24 bits a pixel",
     PalettePicture},
    {"bitmap.about_logo",
     "LoadBitmap and LoadImage read bitmap 16000 as 90x39, 24 bits a pixel",
     AboutLogo},
    {"version.fixed_info",
     "the version API reads file and product version 1.0.0.1, a private "
     "build, a 32-bit Windows DLL",
     VersionFixedInfo},
    {"version.strings",
     "the version API finds every key of string table 040904b0 with its "
     "value, the three empty ones included",
     VersionStrings},
    {"version.translation",
     "the version API reads the one translation 0x0409, 0x04B0",
     VersionTranslation},
};

// A crash must end the run with its place named, not start a debugger.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
  void* address = info->ExceptionRecord->ExceptionAddress;
  wchar_t module[MAX_PATH] = L"?";
  HMODULE owner = nullptr;
  if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         static_cast<LPCWSTR>(address), &owner))
    GetModuleFileNameW(owner, module, MAX_PATH);
  ++g_failed;
  printf("FAILED: %s: crash: expected none, found exception %s at %p in %s\n",
         g_case, Hex(info->ExceptionRecord->ExceptionCode).c_str(), address,
         Quote(module).c_str());
  printf("%d passed, %d failed\n", g_passed, g_failed);
  fflush(stdout);
  ExitProcess(3);
}

}  // namespace

int main(int argc, char** argv) {
  // A failure must print and exit, never wait on a dialog box.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX |
               SEM_NOOPENFILEERRORBOX);
  SetUnhandledExceptionFilter(ReportCrash);
  // Lines already checked stay on record if the run ends early.
  setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc != 2) {
    fprintf(stderr, "usage: resources_in_windows QuasoPalette.aip\n");
    return 2;
  }
  Plugin plugin;
  plugin.module = LoadLibraryA(argv[1]);
  g_case = "load";
  if (!Check(plugin.module != nullptr,
             std::string("LoadLibrary(") + argv[1] + ")", "a module",
             plugin.module ? "a module" : LastError("LoadLibrary"))) {
    printf("%d passed, %d failed\n", g_passed, g_failed);
    return 1;
  }
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(plugin.module, path, MAX_PATH);
  plugin.path = path;

  for (const Case& c : kCases) {
    g_case = c.name;
    c.run(plugin);
  }

  FreeLibrary(plugin.module);
  printf("%d passed, %d failed\n", g_passed, g_failed);
  fflush(stdout);
  return g_failed ? 1 : 0;
}
