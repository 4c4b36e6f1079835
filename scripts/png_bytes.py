"""PNG files from raw rows, for the build's drawn pictures (no imaging library needed)."""
import struct
import zlib


def png_bytes(width, height, color_type, rows):
    """rows: every row's filter byte followed by its pixels (colour type 2 RGB, 6 RGBA)."""

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    data = b"\x89PNG\r\n\x1a\n"
    data += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, color_type, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    data += chunk(b"IEND", b"")
    return data
