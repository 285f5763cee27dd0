#!/usr/bin/env python3
"""Makes the context map of a CHM written by chmcmd 3.2.2 name its topics relative to the file,
then checks that the file has a context map and that every topic it maps is in the file.

That chmcmd writes each mapped topic as the project's folder followed by the topic's name
("/home/me/build/help/start.htm"), so a viewer finds no such topic in the file. This rewrites
the topic strings in #STRINGS without moving any of them (the name, then NULs up to the old
length) and stores the new #STRINGS uncompressed at the end of the file, pointing its directory
entry there. Only files with a single directory chunk are handled; anything unexpected stops
the script with an error.

usage: relative_contexts.py FILE.chm PROJECT_FOLDER
"""
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

CHUNK_HEADER = 0x14
DIRECTORY_HEADER = 0x54


def fail(message):
    sys.exit(f"relative_contexts: {message}")


def read_encint(data, at):
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at


def encint(value):
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(groups))


def parse_listing(chunk):
    """The entries of a listing chunk: [name, section, offset, length]."""
    if chunk[:4] != b"PMGL":
        fail("the directory chunk is not a listing chunk")
    count = struct.unpack_from("<H", chunk, len(chunk) - 2)[0]
    entries, at = [], CHUNK_HEADER
    for _ in range(count):
        length, at = read_encint(chunk, at)
        name = chunk[at:at + length].decode("utf-8")
        at += length
        section, at = read_encint(chunk, at)
        offset, at = read_encint(chunk, at)
        size, at = read_encint(chunk, at)
        entries.append([name, section, offset, size])
    return entries


def build_listing(entries, chunk_size, density, header_tail):
    body, starts = b"", []
    for name, section, offset, size in entries:
        starts.append(len(body))
        encoded = name.encode("utf-8")
        body += encint(len(encoded)) + encoded + encint(section) + encint(offset) + encint(size)
    step = 1 + (1 << density)
    # Where every step-th entry starts, counted as chmcmd counts them.
    quickref = [struct.pack("<H", starts[i]) for i in range(step - 1, len(entries), step)]
    tail = b"".join(reversed(quickref)) + struct.pack("<H", len(entries))
    free = chunk_size - CHUNK_HEADER - len(body)
    if free < len(tail):
        fail("the directory no longer fits its chunk")
    chunk = b"PMGL" + struct.pack("<I", free) + header_tail + body
    return chunk + b"\0" * (chunk_size - len(chunk) - len(tail)) + tail


def relative_strings(strings, prefix):
    out = bytearray(strings)
    changed, start = 0, 0
    while start < len(out):
        end = out.index(0, start) if 0 in out[start:] else len(out)
        if bytes(out[start:end]).startswith(prefix):
            name = bytes(out[start + len(prefix):end])
            out[start:end] = name + b"\0" * (end - start - len(name))
            changed += 1
        start = end + 1
    return bytes(out), changed


def extract(chm, name):
    with tempfile.TemporaryDirectory() as folder:
        target = Path(folder) / "out"
        subprocess.run(["chmls", "extract", str(chm), name, str(target)], check=True, capture_output=True)
        return target.read_bytes()


def check_context_map(chm, strings, entries):
    try:
        ivb = extract(chm, "/#IVB")
    except subprocess.CalledProcessError:
        fail("the file has no context map")
    names = {entry[0] for entry in entries}
    pairs = struct.unpack_from(f"<{len(ivb) // 4 - 1}I", ivb, 4)
    if not pairs:
        fail("the context map is empty")
    for context, offset in zip(pairs[0::2], pairs[1::2]):
        topic = strings[offset:strings.index(0, offset)].decode("utf-8")
        if "/" + topic not in names:
            fail(f"context {context} maps to {topic}, which the file does not hold")


def main():
    chm, folder = Path(sys.argv[1]), sys.argv[2].rstrip("/") + "/"
    data = bytearray(chm.read_bytes())
    if data[:4] != b"ITSF" or struct.unpack_from("<I", data, 4)[0] != 3:
        fail("not a version 3 CHM file")
    sizes_at = struct.unpack_from("<Q", data, 0x38)[0]
    directory_at = struct.unpack_from("<Q", data, 0x48)[0]
    content_at = struct.unpack_from("<Q", data, 0x58)[0]
    header = struct.unpack_from("<4sIIIIIiiiiiI", data, directory_at)
    chunk_size, density, chunks = header[4], header[5], header[11]
    if header[0] != b"ITSP" or chunks != 1:
        fail("only a directory of one chunk is handled")
    chunk_at = directory_at + DIRECTORY_HEADER
    chunk = bytes(data[chunk_at:chunk_at + chunk_size])
    entries = parse_listing(chunk)
    header_tail = chunk[8:CHUNK_HEADER]
    if build_listing(entries, chunk_size, density, header_tail) != chunk:
        fail("the directory chunk is not laid out as expected")

    strings, changed = relative_strings(extract(chm, "/#STRINGS"), folder.encode("utf-8"))
    if changed:
        entry = next(e for e in entries if e[0] == "/#STRINGS")
        entry[1:] = [0, len(data) - content_at, len(strings)]
        data[chunk_at:chunk_at + chunk_size] = build_listing(entries, chunk_size, density, header_tail)
        data += strings
        struct.pack_into("<Q", data, sizes_at + 8, len(data))
        chm.write_bytes(data)
    check_context_map(chm, strings, entries)


if __name__ == "__main__":
    main()
