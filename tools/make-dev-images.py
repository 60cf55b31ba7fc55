#!/usr/bin/env python3
"""Writes the six development firmware images of Update-Zyvent100.

The maker's images carry enciphered firmware builds. These stand-ins have the
same layout (types, versions, start addresses, block addresses and lengths)
with deterministic pseudo-random content of our own, "Encryption" 0.

Each block's data is its plain content padded to a multiple of 16 bytes, as a
16-byte block cipher leaves it, so some blocks carry a few bytes beyond their
plain length (29129 plain bytes travel as 29136). Because 192, the size of an
upload chunk, is a multiple of 16, such a tail always lies in the last chunk.

"CRC16" is CRC-16/CCITT-FALSE (poly 0x1021, init 0xFFFF, no reflection, no
final XOR; check value 0x29B1 for "123456789") over the block's plain bytes,
i.e. the first PlainLen bytes of "Data".

The files are written exactly as QSettings writes an INI file (keys sorted,
byte arrays in its "@ByteArray(...)" notation) and are checked in; run this
again only when the layout below changes:

    tools/make-dev-images.py update/Images          # (re)write the files
    tools/make-dev-images.py --check update/Images  # exit 1 if they differ
"""

import argparse
import os
import sys
import zlib

# Blocks 1 to 12 of both boot loaders lie at the same addresses.
_SHARED_BOOT_BLOCKS = [
    (1024, 120), (1152, 192), (1408, 193), (1664, 384), (2048, 1), (2176, 500),
    (2816, 1000), (3840, 16), (4096, 256), (4480, 777), (5376, 1500), (7168, 1000),
]

# file name, type, main version, sub version, start address, [(address, plain length)]
IMAGES = [
    ("Bootloader1.ini", 1, 2, 25, 1124,
     _SHARED_BOOT_BLOCKS + [(8192, 11000), (20136, 170), (20324, 1160)]),
    ("Bootloader2.ini", 2, 2, 25, 1124,
     _SHARED_BOOT_BLOCKS + [(21504, 12000), (33672, 170), (33860, 900)]),
    ("Application.ini", 3, 2, 25, 39651,
     [(34816, 29129), (65534, 2)]),
    ("Zyventplus.ini", 3, 2, 24, 40061,
     [(34816, 25000), (60416, 3072), (63488, 1000), (65408, 100), (65534, 2)]),
    ("cc3200.ini", 4, 3, 11, 0,
     [(0, 94838)]),
    ("cc3200_bridge.ini", 5, 3, 11, 0,
     [(0, 30012)]),
]

RESET_VECTOR = 65534  # MSP430 reset vector: holds the start address


def crc16_ccitt_false(data):
    crc = 0xFFFF
    for byte in data:
        crc ^= byte << 8
        for _ in range(8):
            crc = ((crc << 1) ^ 0x1021) if crc & 0x8000 else (crc << 1)
            crc &= 0xFFFF
    return crc


def pseudo_random_bytes(seed_text, count):
    """xorshift32, seeded from the text, so every block differs and never changes."""
    state = zlib.crc32(seed_text.encode("ascii")) or 1
    out = bytearray(count)
    for i in range(count):
        state ^= (state << 13) & 0xFFFFFFFF
        state ^= state >> 17
        state ^= (state << 5) & 0xFFFFFFFF
        out[i] = state & 0xFF
    return bytes(out)


def block_data(file_name, index, address, plain_len, start_adr):
    padded_len = (plain_len + 15) // 16 * 16
    data = bytearray(pseudo_random_bytes("%s/%d" % (file_name, index), padded_len))
    if address == RESET_VECTOR and plain_len == 2:
        data[0:2] = start_adr.to_bytes(2, "little")
    return bytes(data)


def ini_escaped(text):
    """QSettings' INI escaping of one value (Qt 5, byte arrays: no text codec)."""
    out = []
    needs_quotes = False
    escape_next_if_digit = False
    simple = {"\a": "\\a", "\b": "\\b", "\f": "\\f", "\n": "\\n",
              "\r": "\\r", "\t": "\\t", "\v": "\\v", '"': '\\"', "\\": "\\\\"}
    for ch in text:
        code = ord(ch)
        if ch in ";,=":
            needs_quotes = True
        if escape_next_if_digit and ch in "0123456789abcdefABCDEF":
            out.append("\\x%x" % code)
            continue
        escape_next_if_digit = False
        if code == 0:
            out.append("\\0")
            escape_next_if_digit = True
        elif ch in simple:
            out.append(simple[ch])
        elif code <= 0x1F or code >= 0x7F:
            out.append("\\x%x" % code)
            escape_next_if_digit = True
        else:
            out.append(ch)
    result = "".join(out)
    if needs_quotes or result.startswith(" ") or result.endswith(" "):
        result = '"' + result + '"'
    return result


def byte_array_value(data):
    return ini_escaped("@ByteArray(" + data.decode("latin-1") + ")")


def image_text(file_name, part_type, main_ver, sub_ver, start_adr, blocks):
    general = {"Type": part_type, "MainVer": main_ver, "SubVer": sub_ver,
               "StartAdr": start_adr, "Encryption": 0}
    lines = ["[General]"]
    lines += ["%s=%d" % (key, general[key]) for key in sorted(general)]
    lines += ["", "[MemBlocks]"]
    entries = {}
    for index, (address, plain_len) in enumerate(blocks, start=1):
        data = block_data(file_name, index, address, plain_len, start_adr)
        entries["%d\\MemAdr" % index] = str(address)
        entries["%d\\PlainLen" % index] = str(plain_len)
        entries["%d\\Data" % index] = byte_array_value(data)
        entries["%d\\CRC16" % index] = str(crc16_ccitt_false(data[:plain_len]))
    entries["size"] = str(len(blocks))
    # QSettings sorts on its internal key, which separates with '/', so "1/x" < "10/x".
    ordered = sorted(entries, key=lambda key: key.replace("\\", "/"))
    lines += ["%s=%s" % (key, entries[key]) for key in ordered]
    return ("\n".join(lines) + "\n").encode("latin-1")


def main():
    parser = argparse.ArgumentParser(description="Write the development firmware images.")
    parser.add_argument("directory", help="target folder, normally update/Images")
    parser.add_argument("--check", action="store_true",
                        help="compare with the files there instead of writing them")
    args = parser.parse_args()

    assert crc16_ccitt_false(b"123456789") == 0x29B1
    differing = []
    for file_name, part_type, main_ver, sub_ver, start_adr, blocks in IMAGES:
        text = image_text(file_name, part_type, main_ver, sub_ver, start_adr, blocks)
        path = os.path.join(args.directory, file_name)
        if args.check:
            try:
                with open(path, "rb") as existing:
                    if existing.read() != text:
                        differing.append(path)
            except OSError:
                differing.append(path)
        else:
            with open(path, "wb") as out:
                out.write(text)
    for path in differing:
        print("differs from the generator: " + path, file=sys.stderr)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
