#!/usr/bin/env python3
"""Makes a deterministic archive shaped like an application payload, for the benchmarks.

usage: make-payload.py OUT.zip [--megabytes N]

About N MB (default 300) in about 10 files per MB across nested folders: a few large
files (at 300 MB: 80 MB of incompressible data, a 60 MB executable-like binary, a
50 MB text database), mid-sized binaries, and thousands of small text and script
files. Every entry is deflated at level 6, the usual default of zip tools, by the writer
of scripts/make-zip.py. The same arguments always give the same bytes.
"""
import argparse
import importlib.util
import os
import random

MB = 1 << 20


def load_write_archive():
    """The reproducible archive writer of scripts/make-zip.py."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts", "make-zip.py")
    module_source = importlib.util.spec_from_file_location("make_zip", path)
    module = importlib.util.module_from_spec(module_source)
    module_source.loader.exec_module(module)
    return module.write_archive


write_archive = load_write_archive()


class Corpus:
    """Slices of one large text, so making many megabytes of it stays quick."""

    def __init__(self, rng, size=8 * MB):
        words = [bytes(rng.choice(b"etaoinshrdlucmfwyp") for _ in range(rng.randint(2, 9)))
                 for _ in range(4000)]
        lines = [b" ".join(rng.choices(words, k=12)) for _ in range(size // 60)]
        self.text = b"\r\n".join(lines)

    def take(self, rng, size):
        if size <= len(self.text) // 2:
            start = rng.randrange(len(self.text) - size)
            return self.text[start:start + size]
        return b"".join(self.take(rng, min(size - done, len(self.text) // 2))
                        for done in range(0, size, len(self.text) // 2))


LOW_NIBBLES = bytes(i % 9 for i in range(256))


def binary_like(rng, size):
    """Machine code and resources: random stretches between repetitive ones."""
    out = bytearray()
    while len(out) < size:
        out += rng.randbytes(rng.randint(64, 4096))
        out += rng.randbytes(rng.randint(64, 2048)).translate(LOW_NIBBLES)
    return bytes(out[:size])


def entries(megabytes, rng):
    """(name, bytes) pairs; sizes scale with megabytes (the shares below add up to 1)."""
    corpus = Corpus(rng)
    scale = megabytes / 300

    def size(mb):
        return max(1, int(mb * scale * MB))

    yield "data/assets.pak", rng.randbytes(size(80))
    yield "Quillpad.exe", binary_like(rng, size(60))
    yield "data/samples.db", corpus.take(rng, size(50))
    for i in range(int(20 * scale) or 1):
        yield "bin/module%02d.dll" % i, binary_like(rng, size(rng.uniform(1.5, 3.5)))
    for i in range(int(60 * scale) or 1):
        yield "media/cover%02d.png" % i, rng.randbytes(size(rng.uniform(0.1, 0.5)))
    # The rest, about 60 MB at full size, in ~2900 small files three levels deep.
    for i in range(int(2900 * scale) or 1):
        folder = "lib/%s/%s/%s" % ("abcdefgh"[i % 8], "ijkl"[i // 8 % 4], "mnopqr"[i // 32 % 6])
        kind = ("js", "css", "html", "json")[i % 4]
        yield "%s/file%04d.%s" % (folder, i, kind), corpus.take(rng, rng.randint(1 << 10, 40 << 10))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("--megabytes", type=float, default=300)
    args = parser.parse_args()

    write_archive(args.out, entries(args.megabytes, random.Random(42)))


if __name__ == "__main__":
    main()
