#!/usr/bin/python3
"""Proves that inspect_aip.py notices faults in a QuasoPalette.aip.

    /usr/bin/python3 test_inspect_aip.py QuasoPalette.aip

Each case damages one field of a copy of the built file, the way a wrong
resource script or link step would, and expects the inspection to fail on
that field.
"""

import os
import struct
import sys

import pefile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import inspect_aip  # noqa: E402


def locate(data):
    """File offsets of resource data, language entries and the export directory."""
    pe = pefile.PE(data=bytes(data))
    where = {}
    for t in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        tname = str(t.name) if t.name is not None else t.id
        for n in t.directory.entries:
            for lang in n.directory.entries:
                key = (tname, n.id)
                where[key] = pe.get_offset_from_rva(lang.data.struct.OffsetToData)
                where[("lang",) + key] = lang.struct.get_file_offset()
    exp = pe.DIRECTORY_ENTRY_EXPORT.struct
    where["export"] = exp.get_file_offset()
    where["export name"] = pe.get_offset_from_rva(exp.Name)
    return where


def put(buf, off, fmt, value):
    struct.pack_into(fmt, buf, off, value)


def get(buf, off, fmt):
    return struct.unpack_from(fmt, buf, off)[0]


def replace_in(buf, start, length, old, new):
    i = bytes(buf[start:start + length]).find(old)
    if i < 0:
        raise LookupError("%r not in the resource" % old)
    buf[start + i:start + i + len(new)] = new


def version_node(buf, w, key):
    start = w[(16, 1)]
    data = bytes(buf[start:start + 4096])
    stack = [inspect_aip.parse_version_node(data, 0)]
    while stack:
        node = stack.pop()
        if node["key"] == key:
            return start + node["offset"]
        stack += node["children"]
    raise LookupError(key)


D = 5  # dialog
PIC, LOGO = (2, 16500), (2, 16000)


def grow(buf, w):
    buf += bytes(inspect_aip.SIZE_LIMIT)


# (case, damage(buf, offsets), the field the inspection must name)
CASES = [
    ("property list codes in reading order",
     lambda b, w: replace_in(b, w[("PIPL", 16000)], 78, b"EBDA", b"ADBE"),
     "PIPL property 1 vendor"),
    ("entry point name with one zero after it",
     lambda b, w: put(b, w[("PIPL", 16000)] + 77, "B", 0x41),
     "PIPL property 3 data (entry point)"),
    ("palette visible from the start",
     lambda b, w: put(b, w[(D, 16000)], "<I", get(b, w[(D, 16000)], "<I") | 0x10000000),
     "dialog 16000 (palette) style"),
    ("palette picture named by another ID",
     lambda b, w: replace_in(b, w[(D, 16000)], 64, b"\xff\xff\x74\x40", b"\xff\xff\x75\x40"),
     "dialog 16000 (palette) item 1 text"),
    ("About dialog without WS_VISIBLE",
     lambda b, w: put(b, w[(D, 16050)], "<I", 0x80C800C0),
     "dialog 16050 (About) style"),
    ("credit text with carriage return and line feed",
     lambda b, w: replace_in(b, w[(D, 16050)], 400, b"\r\0", b"\n\0"),
     "dialog 16050 (About) item 3 text"),
    ("Error message item with the wrong ID",
     lambda b, w: replace_in(b, w[(D, 16051)], 214, b"\x02\x00\xff\xff\x82\x00M", b"\x05\x00\xff\xff\x82\x00M"),
     "dialog 16051 (Error) item 2 id"),
    ("Error OK button as a plain push button",
     lambda b, w: put(b, w[(D, 16051)] + 80, "<I", 0x50010000),
     "dialog 16051 (Error) item 1 style"),
    ("palette picture at 96 dots per inch",
     lambda b, w: put(b, w[PIC] + 24, "<i", 3780),
     "bitmap 16500 (palette picture) biXPelsPerMeter"),
    ("logo stored top-down",
     lambda b, w: put(b, w[LOGO] + 8, "<i", -39),
     "bitmap 16000 (About logo) biHeight"),
    ("palette picture without its closing zeros",
     lambda b, w: put(b, w[PIC] + 46541, "B", 7),
     "bitmap 16500 (palette picture) two closing bytes"),
    ("palette picture a flat fill",
     lambda b, w: b.__setitem__(slice(w[PIC] + 40, w[PIC] + 40 + 620 * 75), bytes(620 * 75)),
     "bitmap 16500 (palette picture) distinct colours"),
    ("fixed product version 10.0.0.0",
     lambda b, w: put(b, w[(16, 1)] + 40 + 16, "<I", 0x000A0000),
     "version fixed dwProductVersionMS"),
    ("Comments value of one character",
     lambda b, w: put(b, version_node(b, w, "Comments") + 2, "<H", 1),
     "version"),
    ("PrivateBuild value length without the zero",
     lambda b, w: put(b, version_node(b, w, "PrivateBuild") + 2, "<H", 1),
     "version string PrivateBuild"),
    ("translation to code page 1252",
     lambda b, w: put(b, version_node(b, w, "Translation") + 32 + 2, "<H", 0x04E4),
     "version Translation"),
    ("a resource in the neutral language",
     lambda b, w: put(b, w[("lang", 2, 16000)], "<I", 0),
     "resource 2 16000 language"),
    ("export ordinal base 2",
     lambda b, w: put(b, w["export"] + 16, "<I", 2),
     "export ordinal base"),
    ("export module name without its extension",
     lambda b, w: put(b, w["export name"] + 12, "B", 0),
     "export module name"),
    ("a runtime DLL among the imports",
     lambda b, w: replace_in(b, 0, len(b), b"msvcrt.dll", b"libstd.dll"),
     "import libstd.dll"),
    ("file over the size limit",
     grow,
     "file size"),
]


def main(argv):
    with open(argv[1], "rb") as f:
        original = f.read()
    where = locate(original)
    failed = 0
    clean = inspect_aip.inspect(original)
    if clean.failures:
        print("FAIL undamaged file: expected no failures, found %s" % clean.failures)
        failed += 1
    for name, damage, field in CASES:
        buf = bytearray(original)
        try:
            damage(buf, where)
        except LookupError as e:
            print("FAIL %s: expected to damage the file, found %s" % (name, e))
            failed += 1
            continue
        report = inspect_aip.inspect(bytes(buf))
        if not any(line.startswith(field) for line in report.failures):
            print("FAIL %s: expected a failure on '%s', found %s"
                  % (name, field, report.failures or "none"))
            failed += 1
    print("%d passed, %d failed" % (len(CASES) + 1 - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
