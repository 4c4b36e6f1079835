#!/usr/bin/env python3
"""Makes a ~100 MB archive shaped like an application payload, for zip_bench.

usage: make-mixed-zip.py OUT.zip

Large incompressible binaries, text and code that deflate well, many small files in
nested folders, and already-compressed pictures kept stored.
"""
import random
import sys
import zipfile

STAMP = (2024, 5, 17, 13, 45, 30)


class Corpus:
    """Slices of one large text, so making 40 MB of it stays quick."""

    def __init__(self, rng, size=8 << 20):
        words = [bytes(rng.choice(b"etaoinshrdlucmfwyp") for _ in range(rng.randint(2, 9)))
                 for _ in range(4000)]
        lines = [b" ".join(rng.choices(words, k=12)) for _ in range(size // 60)]
        self.text = b"\r\n".join(lines)

    def take(self, rng, size):
        start = rng.randrange(len(self.text) - size)
        return self.text[start:start + size]


LOW_NIBBLES = bytes(i % 9 for i in range(256))


def binary_like(rng, size):
    """Machine code and resources: random stretches between repetitive ones."""
    out = bytearray()
    while len(out) < size:
        out += rng.randbytes(rng.randint(64, 4096))
        out += rng.randbytes(rng.randint(64, 2048)).translate(LOW_NIBBLES)
    return bytes(out[:size])


def main(out):
    rng = random.Random(42)
    corpus = Corpus(rng)
    entries = []
    entries.append(("Quillpad.exe", binary_like(rng, 18 << 20), zipfile.ZIP_DEFLATED))
    for i in range(6):
        entries.append(("bin/module%d.dll" % i, binary_like(rng, (3 + i) << 20), zipfile.ZIP_DEFLATED))
    entries.append(("data/archive.pak", rng.randbytes(12 << 20), zipfile.ZIP_DEFLATED))
    for i in range(40):
        entries.append(("pictures/cover%02d.png" % i, rng.randbytes(rng.randint(50, 400) << 10), zipfile.ZIP_STORED))
    for i in range(120):
        entries.append(("docs/%s/page%03d.html" % ("abcdef"[i % 6], i), corpus.take(rng, rng.randint(20, 300) << 10),
                        zipfile.ZIP_DEFLATED))
    for i in range(2500):
        folder = "lib/%s/%s" % ("ghijkl"[i % 6], "mnop"[i % 4])
        entries.append(("%s/file%04d.js" % (folder, i), corpus.take(rng, rng.randint(1, 16) << 10),
                        zipfile.ZIP_DEFLATED))
    with zipfile.ZipFile(out, "w") as z:
        for name, data, method in entries:
            info = zipfile.ZipInfo(name, STAMP)
            info.compress_type = method
            z.writestr(info, data, compresslevel=6)


if __name__ == "__main__":
    main(sys.argv[1])
