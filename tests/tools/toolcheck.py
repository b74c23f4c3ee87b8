"""Helpers for the end-to-end tests of the command-line programs: running a
program, and reading pixels of the PNG files they write."""

import struct
import subprocess
import zlib


def run(args, stdin=None, timeout=60):
    """Runs a program; returns (exit status, stdout, stderr) as text."""
    p = subprocess.run(args, input=stdin, capture_output=True, text=True, timeout=timeout)
    return p.returncode, p.stdout, p.stderr


class Png:
    """An 8-bit RGB or RGBA, non-interlaced PNG image (what Cairo writes)."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            raise ValueError(f"{path}: not a PNG file")
        at, idat = 8, b""
        while at < len(data):
            length, kind = struct.unpack(">I4s", data[at:at + 8])
            body = data[at + 8:at + 8 + length]
            if kind == b"IHDR":
                self.width, self.height, depth, color, _, _, interlace = struct.unpack(">IIBBBBB", body)
                if depth != 8 or color not in (2, 6) or interlace:
                    raise ValueError(f"{path}: unsupported PNG layout")
                self.channels = 4 if color == 6 else 3
            elif kind == b"IDAT":
                idat += body
            self.chunks = getattr(self, "chunks", []) + [kind.decode()]
            at += 12 + length
        self.rows = self._unfilter(zlib.decompress(idat))

    def _unfilter(self, raw):
        bpp, stride = self.channels, self.width * self.channels
        rows, prev, at = [], bytearray(stride), 0
        for _ in range(self.height):
            kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
            at += 1 + stride
            for i in range(stride):
                a = line[i - bpp] if i >= bpp else 0
                b = prev[i]
                c = prev[i - bpp] if i >= bpp else 0
                if kind == 1:
                    line[i] = (line[i] + a) & 0xFF
                elif kind == 2:
                    line[i] = (line[i] + b) & 0xFF
                elif kind == 3:
                    line[i] = (line[i] + (a + b) // 2) & 0xFF
                elif kind == 4:
                    p = a + b - c
                    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                    line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
            rows.append(line)
            prev = line
        return rows

    def pixel(self, x, y):
        """(r, g, b, a) of pixel (x, y)."""
        px = self.rows[y][x * self.channels:(x + 1) * self.channels]
        return tuple(px) + ((255,) if self.channels == 3 else ())
