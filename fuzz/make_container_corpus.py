#!/usr/bin/env python3
"""Writes the corpus of the containers target: small MVE files, MVL libraries and BIF archives, whole and
broken. Run it again after changing it; the other corpora are written by hand."""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent / "corpus" / "containers"


def movie(n):
    # The signature, its two trailing bytes, and a few bytes that stand for the movie's chunks.
    return b"Interplay MVE File\x1a\x00" + bytes([n]) * 10


def mvl(entries, magic=b"VMVL", count=None):
    table = b"".join(name.ljust(13, b"\0")[:13] + struct.pack("<i", len(data) if size is None else size)
                     for name, data, size in entries)
    data = b"".join(data for _, data, _ in entries)
    return magic + struct.pack("<i", len(entries) if count is None else count) + table + data


def bif(entries, count=None):
    start = 20 + 16 * len(entries)
    table, data = b"", b""
    for payload, offset in entries:
        table += struct.pack("<iiii", 0, start + len(data) if offset is None else offset, len(payload), 0)
        data += payload
    return b"BIFF" + struct.pack("<iii", 0, len(entries) if count is None else count, 0) + b"\0" * 4 + table + data


SAMPLES = {
    "plain.mve": movie(1),
    "lower_case_signature.mve": b"i" + movie(1)[1:],
    "library.mvl": mvl([(b"intro.mve", movie(1), None), (b"B.MVE", movie(2), None), (b"LONGNAME1.MVE", movie(3), None)]),
    "hostile_names.mvl": mvl([(name, movie(i), None) for i, name in enumerate(
        [b"..\\..\\x.mve", b"C:AUTOEXEC", b"a/b", b"...", b"  ", b"x. ", b"Ab.mve", b"aB.MVE", b"\xe4.mve", b"\xc4.MVE",
         b"AB~2.MVE", b"\x01\x7f|?*"])]),
    "ripped.mvl": mvl([(b"A.MVE", movie(1), None), (b"B.MVE", movie(2), 1000)]),
    "negative_count.mvl": mvl([(b"A.MVE", movie(1), None)], count=-1),
    "wrong_magic.mvl": mvl([(b"A.MVE", movie(1), None)], magic=b"VMVX"),
    "archive.bif": bif([(movie(1), None), (movie(2), None)]),
    "empty_count.bif": bif([(movie(1), None)], count=0),
    "negative_offset.bif": bif([(movie(1), -5), (movie(2), None)]),
    "huge_count.bif": bif([(movie(1), None)], count=0x7FFFFFFF),
    "text.txt": b"not a container\r\n",
}

HERE.mkdir(parents=True, exist_ok=True)
for name, data in SAMPLES.items():
    (HERE / name).write_bytes(data)
