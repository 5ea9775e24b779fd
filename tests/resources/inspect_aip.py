#!/usr/bin/python3
"""Reads a built QuasoPalette.aip and checks its resources, exports and imports.

    /usr/bin/python3 inspect_aip.py QuasoPalette.aip

Every check is a named field with the value the host or Windows needs; a
failure prints the field, the expected and the found value. Exits 1 on any
failure.
"""

import struct
import sys

import pefile

SIZE_LIMIT = 128 * 1024
LANG_EN_US = 1033

RT_BITMAP, RT_DIALOG, RT_VERSION = 2, 5, 16
DS_SETFONT = 0x40
CLASS_BUTTON, CLASS_STATIC = ("ord", 0x80), ("ord", 0x82)


class Rule:
    """An expectation that is a property rather than one value."""

    def __init__(self, text, test):
        self.text, self.test = text, test

    def __repr__(self):
        return self.text


def hexw(v):
    return "0x%08X" % v if isinstance(v, int) else repr(v)


class Report:
    def __init__(self):
        self.passed, self.failures = 0, []

    def check(self, field, expected, found, show=repr):
        ok = expected.test(found) if isinstance(expected, Rule) else expected == found
        if ok:
            self.passed += 1
        else:
            shown = repr(expected) if isinstance(expected, Rule) else show(expected)
            self.failures.append("%s: expected %s, found %s" % (field, shown, show(found)))
        return ok

    def fail(self, field, expected, found):
        self.failures.append("%s: expected %s, found %s" % (field, expected, found))


# ------------------------------------------------------------ what we expect

# The property list, field by field; together the fields cover all 78 bytes.
PIPL = [
    (0, "<H", "leading word", 1),
    (2, "<I", "list version", 0),
    (6, "<I", "number of properties", 3),
    (10, "<I", "property 1 vendor", 0x41444245),
    (14, "<I", "property 1 key", 0x6B696E64),
    (18, "<I", "property 1 ID", 0),
    (22, "<I", "property 1 data length", 4),
    (26, "<I", "property 1 data (kind)", 0x53504541),
    (30, "<I", "property 2 vendor", 0x41444245),
    (34, "<I", "property 2 key", 0x69767273),
    (38, "<I", "property 2 ID", 0),
    (42, "<I", "property 2 data length", 4),
    (46, "<I", "property 2 data (interface version)", 2),
    (50, "<I", "property 3 vendor", 0x41444245),
    (54, "<I", "property 3 key", 0x77783836),
    (58, "<I", "property 3 ID", 0),
    (62, "<I", "property 3 data length", 12),
    (66, "12s", "property 3 data (entry point)", b"PluginMain\0\0"),
]
PIPL_SIZE = 78


def credit_text(text):
    lines = text.split("\r")
    return len(lines) >= 2 and "\n" not in text and lines[0] != "" and lines[-1] != ""


CREDIT = Rule("several lines joined by lone carriage returns",
              lambda t: isinstance(t, tuple) and t[0] == "str" and credit_text(t[1]))


def item(ident, cls, style, x, y, cx, cy, text):
    return dict(id=ident, cls=cls, style=style, exstyle=0, x=x, y=y, cx=cx, cy=cy, text=text, extra=0)


DIALOGS = {
    16000: dict(
        name="palette", size=64, item_offsets=[36],
        style=0x80C800A0, cx=206, cy=75, caption="Quaso", font=None,
        items=[item(1, CLASS_STATIC, 0x5000000E, 0, 0, 206, 79, ("ord", 16500))]),
    16050: dict(
        name="About", size=None, item_offsets=None,
        style=0x90C800C0, cx=211, cy=94, caption="About Quaso Palette", font=(8, "MS Sans Serif"),
        items=[
            item(1, CLASS_BUTTON, 0x50010001, 15, 72, 40, 14, ("str", "OK")),
            item(0xFFFF, CLASS_STATIC, 0x50020000, 75, 6, 131, 12, ("str", "Quaso Palette, v 10.0")),
            item(0xFFFF, CLASS_STATIC, 0x50020000, 75, 20, 131, 70, CREDIT),
            item(0xFFFF, CLASS_STATIC, 0x5000000E, 5, 7, 60, 24, ("ord", 16000)),
        ]),
    16051: dict(
        name="Error", size=214, item_offsets=None,
        style=0x90C800C0, cx=185, cy=92, caption="Plug-in Error", font=(8, "MS Sans Serif"),
        items=[
            item(1, CLASS_BUTTON, 0x50010001, 127, 65, 50, 14, ("str", "OK")),
            item(2, CLASS_STATIC, 0x50020000, 43, 12, 126, 28, ("str", "Message")),
            item(3, CLASS_STATIC, 0x50020000, 13, 66, 30, 8, ("str", "Code")),
            item(4, CLASS_STATIC, 0x50000007, 10, 10, 18, 20, ("str", "")),
        ]),
}

# id: (name, width, height, least number of distinct colours)
BITMAPS = {
    16500: ("palette picture", 206, 75, 1000),
    16000: ("About logo", 90, 39, 64),
}

FIXED = [
    ("dwSignature", 0xFEEF04BD),
    ("dwStrucVersion", 0x00010000),
    ("dwFileVersionMS", 0x00010000),
    ("dwFileVersionLS", 0x00000001),
    ("dwProductVersionMS", 0x00010000),
    ("dwProductVersionLS", 0x00000001),
    ("dwFileFlagsMask", 0x3F),
    ("dwFileFlags", 0x08),
    ("dwFileOS", 0x00040004),
    ("dwFileType", 2),
    ("dwFileSubtype", 0),
    ("dwFileDateMS", 0),
    ("dwFileDateLS", 0),
]


def free_text(t):
    return isinstance(t, str) and 0 < len(t) <= 120 and t.strip() == t and t.isprintable()


FREE = Rule("a non-empty single line", free_text)

STRINGS = [
    ("Comments", ""),
    ("CompanyName", "Korvane"),
    ("FileDescription", FREE),
    ("FileVersion", "1,0,0,1"),
    ("InternalName", "Quaso Palette"),
    ("LegalCopyright", Rule("a notice naming Korvane", lambda t: free_text(t) and "Korvane" in t)),
    ("LegalTrademarks", ""),
    ("OriginalFilename", "QuasoPalette.aip"),
    ("PrivateBuild", "4"),
    ("ProductName", Rule("a name with 'Quaso Palette'", lambda t: free_text(t) and "Quaso Palette" in t)),
    ("ProductVersion", "10, 0, 0, 0"),
    ("SpecialBuild", ""),
]

RESOURCES = {
    ("PIPL", 16000): "property list",
    (RT_DIALOG, 16000): "palette template",
    (RT_DIALOG, 16050): "About template",
    (RT_DIALOG, 16051): "Error template",
    (RT_BITMAP, 16500): "palette picture",
    (RT_BITMAP, 16000): "About logo",
    (RT_VERSION, 1): "version block",
}

# DLLs that every Windows installation carries in its system directory.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "msvcrt.dll",
    "ntdll.dll", "shell32.dll", "ole32.dll", "oleaut32.dll", "comctl32.dll",
    "comdlg32.dll", "version.dll", "ws2_32.dll", "shlwapi.dll",
}


# ------------------------------------------------------------------ parsing


class Cursor:
    """Reads little-endian fields; running out of bytes raises ValueError."""

    def __init__(self, data, pos=0):
        self.data, self.pos = data, pos

    def take(self, fmt):
        size = struct.calcsize(fmt)
        if self.pos + size > len(self.data):
            raise ValueError("data ends at byte %d, inside a field of %d bytes at %d"
                             % (len(self.data), size, self.pos))
        v = struct.unpack_from(fmt, self.data, self.pos)
        self.pos += size
        return v if len(v) > 1 else v[0]

    def wstr(self):
        chars = []
        while True:
            w = self.take("<H")
            if w == 0:
                return "".join(chars)
            chars.append(chr(w))

    def sz_or_ord(self):
        w = self.take("<H")
        if w == 0xFFFF:
            return ("ord", self.take("<H"))
        self.pos -= 2
        return ("str", self.wstr())

    def align(self, base=0):
        pad = (-(self.pos - base)) % 4
        gap = self.data[self.pos:self.pos + pad]
        self.pos += pad
        return gap


def parse_dialog(data):
    c = Cursor(data)
    h = {}
    h["style"], h["exstyle"], count, h["x"], h["y"], h["cx"], h["cy"] = c.take("<IIHhhhh")
    h["menu"] = c.sz_or_ord()
    h["class"] = c.sz_or_ord()
    h["caption"] = c.wstr()
    h["font"] = None
    if h["style"] & DS_SETFONT:
        size = c.take("<H")
        h["font"] = (size, c.wstr())
    items = []
    for _ in range(count):
        gap = c.align()
        it = {"offset": c.pos, "gap": gap}
        it["style"], it["exstyle"], it["x"], it["y"], it["cx"], it["cy"], it["id"] = c.take("<IIhhhhH")
        it["cls"] = c.sz_or_ord()
        it["text"] = c.sz_or_ord()
        it["extra"] = c.take("<H")
        c.pos += it["extra"]
        items.append(it)
    return h, items, c.pos


def parse_version_node(data, pos):
    """One node of a version block: header, key, value and children."""
    c = Cursor(data, pos)
    length, value_len, kind = c.take("<HHH")
    node = dict(offset=pos, length=length, value_len=value_len, type=kind, key=c.wstr())
    node["key_gap"] = c.align()
    value_bytes = value_len * 2 if kind == 1 else value_len
    node["value"] = data[c.pos:c.pos + value_bytes]
    c.pos += value_bytes
    end = pos + length
    if value_bytes == 0 and c.pos > end:
        # a key with no value may end before its padding
        c.pos -= len(node["key_gap"])
    if end > len(data) or c.pos > end:
        raise ValueError("node %r at byte %d: length %d does not hold its key and value"
                         % (node["key"], pos, length))
    node["children"] = []
    while True:
        c.align()
        if c.pos >= end:
            break
        child = parse_version_node(data, c.pos)
        node["children"].append(child)
        c.pos = child["offset"] + child["length"]
    return node


# ------------------------------------------------------------------- checks


def check_pipl(r, data):
    r.check("PIPL size", PIPL_SIZE, len(data))
    for off, fmt, name, expected in PIPL:
        if off + struct.calcsize(fmt) <= len(data):
            found = struct.unpack_from(fmt, data, off)[0]
        else:
            found = "(past the end)"
        r.check("PIPL %s (offset %d)" % (name, off), expected, found, hexw if fmt == "<I" else repr)
    r.check("PIPL text at offset 10", b"EBDAdnik", data[10:18])
    r.check("PIPL last 12 bytes", b"PluginMain\0\0", data[-12:])


def check_dialog(r, ident, layout, data):
    name = "dialog %d (%s)" % (ident, layout["name"])
    try:
        h, items, end = parse_dialog(data)
    except ValueError as e:
        r.fail(name, "a dialog template", "unreadable: %s" % e)
        return
    if layout["size"] is not None:
        r.check(name + " size", layout["size"], len(data))
    r.check(name + " bytes after the last item", b"", data[end:])
    r.check(name + " style", layout["style"], h["style"], hexw)
    r.check(name + " extended style", 0, h["exstyle"], hexw)
    r.check(name + " x, y", (0, 0), (h["x"], h["y"]))
    r.check(name + " width x height", (layout["cx"], layout["cy"]), (h["cx"], h["cy"]))
    r.check(name + " menu", ("str", ""), h["menu"])
    r.check(name + " window class", ("str", ""), h["class"])
    r.check(name + " caption", layout["caption"], h["caption"])
    r.check(name + " font", layout["font"], h["font"])
    r.check(name + " number of items", len(layout["items"]), len(items))
    for n, (want, got) in enumerate(zip(layout["items"], items), 1):
        iname = "%s item %d" % (name, n)
        if layout["item_offsets"]:
            r.check(iname + " offset", layout["item_offsets"][n - 1], got["offset"])
        r.check(iname + " padding before it", b"\0" * len(got["gap"]), got["gap"])
        for field in ("id", "cls", "style", "exstyle", "x", "y", "cx", "cy", "text", "extra"):
            show = hexw if field in ("style", "exstyle", "id") else repr
            r.check("%s %s" % (iname, field), want[field], got[field], show)


def check_bitmap(r, ident, layout, data):
    label, width, height, colours = layout
    name = "bitmap %d (%s)" % (ident, label)
    stride = (width * 3 + 3) & ~3
    size = 40 + stride * height + 2
    if not r.check(name + " size", size, len(data)):
        return
    fields = struct.unpack_from("<IiiHHIIiiII", data, 0)
    names = ("biSize", "biWidth", "biHeight", "biPlanes", "biBitCount", "biCompression",
             "biSizeImage", "biXPelsPerMeter", "biYPelsPerMeter", "biClrUsed", "biClrImportant")
    want = (40, width, height, 1, 24, 0, 0, 2834, 2834, 0, 0)
    for field, w, f in zip(names, want, fields):
        r.check("%s %s" % (name, field), w, f)
    fill = bytearray()
    seen = set()
    for row in range(height):
        start = 40 + row * stride
        fill += data[start + width * 3:start + stride]
        for p in range(start, start + width * 3, 3):
            seen.add(data[p:p + 3])
    r.check(name + " row filling", bytes(len(fill)), bytes(fill))
    r.check(name + " two closing bytes", b"\0\0", data[-2:])
    r.check(name + " distinct colours", Rule("at least %d" % colours, lambda n: n >= colours), len(seen))


def check_version(r, data):
    name = "version"
    try:
        root = parse_version_node(data, 0)
    except ValueError as e:
        r.fail(name, "a version block", "unreadable: %s" % e)
        return
    r.check(name + " block length", len(data), root["length"])
    r.check(name + " root key", "VS_VERSION_INFO", root["key"])
    r.check(name + " root wValueLength", 52, root["value_len"])
    r.check(name + " root wType", 0, root["type"])
    if len(root["value"]) == 52:
        values = struct.unpack("<13I", root["value"])
        for (field, want), got in zip(FIXED, values):
            r.check("%s fixed %s" % (name, field), want, got, hexw)
    keys = [c["key"] for c in root["children"]]
    r.check(name + " blocks", ["StringFileInfo", "VarFileInfo"], keys)
    if keys != ["StringFileInfo", "VarFileInfo"]:
        return
    sfi, vfi = root["children"]
    r.check(name + " StringFileInfo wType", 1, sfi["type"])
    r.check(name + " string tables", ["040904b0"], [c["key"] for c in sfi["children"]])
    if len(sfi["children"]) == 1:
        table = sfi["children"][0]
        r.check(name + " string table wType", 1, table["type"])
        r.check(name + " string keys", [k for k, _ in STRINGS], [c["key"] for c in table["children"]])
        for (key, want), node in zip(STRINGS, table["children"]):
            field = "%s string %s" % (name, key)
            raw = node["value"]
            text = raw.decode("utf-16-le", "replace")
            r.check(field + " wType", 1, node["type"])
            if want == "":
                r.check(field + " wValueLength", 0, node["value_len"])
                r.check(field + " value", b"", raw)
            else:
                r.check(field + " zero at the end", "\0", text[-1:])
                r.check(field + " value", want, text[:-1])
                r.check(field + " wValueLength", len(text[:-1]) + 1, node["value_len"])
            r.check(field + " key padding", b"\0" * len(node["key_gap"]), node["key_gap"])
    r.check(name + " VarFileInfo wType", 1, vfi["type"])
    r.check(name + " VarFileInfo entries", ["Translation"], [c["key"] for c in vfi["children"]])
    if len(vfi["children"]) == 1:
        tr = vfi["children"][0]
        r.check(name + " Translation wType", 0, tr["type"])
        r.check(name + " Translation wValueLength", 4, tr["value_len"])
        value = tr["value"]
        pair = struct.unpack("<HH", value) if len(value) == 4 else value
        r.check(name + " Translation", (0x0409, 0x04B0), pair)


def resource_leaves(pe):
    """(type, id, language, data) of every resource; names as text."""
    leaves = []
    root = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for t in root.entries if root else []:
        tname = str(t.name) if t.name is not None else t.id
        for n in t.directory.entries:
            nname = str(n.name) if n.name is not None else n.id
            for lang in n.directory.entries:
                d = lang.data.struct
                leaves.append((tname, nname, lang.id, pe.get_data(d.OffsetToData, d.Size)))
    return leaves


def check_resources(r, pe):
    leaves = resource_leaves(pe)
    found = sorted(((t, n) for t, n, _, _ in leaves), key=repr)
    r.check("resources", sorted(RESOURCES, key=repr), found)
    for t, n, lang, _ in leaves:
        r.check("resource %r %r language" % (t, n), LANG_EN_US, lang)
    return {(t, n): data for t, n, _, data in leaves}


def check_exports(r, pe, pipl):
    exp = getattr(pe, "DIRECTORY_ENTRY_EXPORT", None)
    if not r.check("export directory present", True, exp is not None):
        return
    r.check("export module name", b"QuasoPalette.aip", pe.get_string_at_rva(exp.struct.Name))
    r.check("export ordinal base", 1, exp.struct.Base)
    r.check("export number of functions", 1, exp.struct.NumberOfFunctions)
    r.check("export number of names", 1, exp.struct.NumberOfNames)
    r.check("exports (name, ordinal)", [(b"PluginMain", 1)], [(s.name, s.ordinal) for s in exp.symbols])
    if pipl is not None and len(pipl) == PIPL_SIZE:
        r.check("export name against the PIPL entry point", pipl[66:].rstrip(b"\0"),
                exp.symbols[0].name if exp.symbols else None)


def check_imports(r, pe):
    entries = (list(getattr(pe, "DIRECTORY_ENTRY_IMPORT", []))
               + list(getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])))
    for e in entries:
        dll = e.dll.decode("ascii", "replace")
        r.check("import " + dll, Rule("a Windows system DLL", lambda d: d.lower() in SYSTEM_DLLS), dll)


def inspect(data):
    r = Report()
    r.check("file size", Rule("at most %d bytes" % SIZE_LIMIT, lambda n: n <= SIZE_LIMIT), len(data))
    try:
        pe = pefile.PE(data=bytes(data))
    except pefile.PEFormatError as e:
        r.fail("file", "a PE image", str(e))
        return r
    r.check("machine", 0x14C, pe.FILE_HEADER.Machine, hexw)
    r.check("is a DLL", True, pe.is_dll())
    res = check_resources(r, pe)
    pipl = res.get(("PIPL", 16000))
    if pipl is not None:
        check_pipl(r, pipl)
    for ident, layout in DIALOGS.items():
        if (RT_DIALOG, ident) in res:
            check_dialog(r, ident, layout, res[(RT_DIALOG, ident)])
    for ident, layout in BITMAPS.items():
        if (RT_BITMAP, ident) in res:
            check_bitmap(r, ident, layout, res[(RT_BITMAP, ident)])
    if (RT_VERSION, 1) in res:
        check_version(r, res[(RT_VERSION, 1)])
    check_exports(r, pe, pipl)
    check_imports(r, pe)
    return r


def main(argv):
    if len(argv) != 2:
        print("usage: inspect_aip.py QuasoPalette.aip", file=sys.stderr)
        return 2
    with open(argv[1], "rb") as f:
        data = f.read()
    print("%s: %d bytes (%.1f KiB of %d KiB allowed)"
          % (argv[1], len(data), len(data) / 1024, SIZE_LIMIT // 1024))
    r = inspect(data)
    for line in r.failures:
        print("FAIL " + line)
    print("%d passed, %d failed" % (r.passed, len(r.failures)))
    return 1 if r.failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
