#!/usr/bin/env python3
"""The manifest Windows reads from each program (RT_MANIFEST, id 1), taken from the built .exe:
well-formed XML that holds what the programs need. Usage: manifest.py VERSION EXE..."""
import struct
import sys
import xml.etree.ElementTree as ET

RT_MANIFEST = 24
ASM = "{urn:schemas-microsoft-com:asm.v1}"
ASM3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPAT = "{urn:schemas-microsoft-com:compatibility.v1}"
WS2005 = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
WS2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"
SUPPORTED_OS = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "Windows 7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "Windows 8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "Windows 8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "Windows 10 and 11",
}


def resources(data, type_id):
    """Every resource of an integer type with an integer name: (name, language, bytes)."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    rsrc_rva, rsrc_size = struct.unpack_from("<II", data, directories + 2 * 8)
    if not rsrc_rva:
        return
    table = optional + optional_size

    def offset(rva):
        for i in range(sections):
            vsize, vaddr, rawsize, rawptr = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            if vaddr <= rva < vaddr + max(vsize, rawsize):
                return rawptr + rva - vaddr
        raise ValueError("address %#x in no section" % rva)

    base = offset(rsrc_rva)

    def entries(directory):
        named, ids = struct.unpack_from("<HH", data, base + directory + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * i)
            if not name & 0x80000000:
                yield name, target

    for kind, names in entries(0):
        if kind != type_id or not names & 0x80000000:
            continue
        for name, languages in entries(names & 0x7FFFFFFF):
            if not languages & 0x80000000:
                continue
            for language, leaf in entries(languages & 0x7FFFFFFF):
                if leaf & 0x80000000:
                    continue
                rva, size = struct.unpack_from("<II", data, base + leaf)
                start = offset(rva)
                yield name, language, data[start:start + size]


def resource(data, type_id, name_id):
    """The bytes of a resource with integer type and name, first language; None when absent."""
    for name, _, content in resources(data, type_id):
        if name == name_id:
            return content
    return None


def check(path, version):
    problems = []
    with open(path, "rb") as f:
        data = f.read()
    text = resource(data, RT_MANIFEST, 1)
    if text is None:
        return ["no RT_MANIFEST resource with id 1"]
    try:
        root = ET.fromstring(text)
    except ET.ParseError as e:
        return ["not well-formed XML: %s" % e]
    if root.tag != ASM + "assembly" or root.get("manifestVersion") != "1.0":
        problems.append("root is %s, not an assembly of manifestVersion 1.0" % root.tag)
    identity = root.find(ASM + "assemblyIdentity")
    if identity is None or identity.get("version") != version + ".0":
        problems.append("assemblyIdentity's version is not %s.0" % version)
    found = {e.get("Id") for e in root.iterfind("%scompatibility/%sapplication/%ssupportedOS" % (COMPAT, COMPAT, COMPAT))}
    for os_id, name in SUPPORTED_OS.items():
        if os_id not in found:
            problems.append("no supportedOS for %s" % name)
    levels = [e.get("level") for e in root.iter(ASM3 + "requestedExecutionLevel")]
    if levels != ["asInvoker"]:
        problems.append("requestedExecutionLevel is %s, not asInvoker alone" % levels)
    controls = [e for e in root.iterfind("%sdependency/%sdependentAssembly/%sassemblyIdentity" % (ASM, ASM, ASM))
                if e.get("name") == "Microsoft.Windows.Common-Controls"]
    if not any(e.get("version") == "6.0.0.0" and e.get("processorArchitecture") == "*"
               and e.get("publicKeyToken") == "6595b64144ccf1df" and e.get("type") == "win32" for e in controls):
        problems.append("no dependency on Common Controls 6.0.0.0 for every processor")
    settings = root.find("%sapplication/%swindowsSettings" % (ASM3, ASM3))
    aware = settings.find(WS2005 + "dpiAware") if settings is not None else None
    awareness = settings.find(WS2016 + "dpiAwareness") if settings is not None else None
    if awareness is None or (awareness.text or "").strip() != "PerMonitorV2":
        problems.append("dpiAwareness is not PerMonitorV2")
    if aware is None or (aware.text or "").strip() != "true/PM":
        problems.append("dpiAware is not true/PM")
    return problems


def main():
    version, programs = sys.argv[1], sys.argv[2:]
    failed = False
    for path in programs:
        problems = check(path, version)
        for p in problems:
            print("%s: %s" % (path, p))
        failed = failed or bool(problems)
        if not problems:
            print("%s: manifest whole" % path)
    return 1 if failed or not programs else 0


if __name__ == "__main__":
    sys.exit(main())
