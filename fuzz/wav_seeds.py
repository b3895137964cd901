#!/usr/bin/env python3
"""Writes the seed corpus of wav_fuzz: one small file for each path of the WAV chunk reader."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "wav")


def chunk(cid, body):
    return cid + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


def riff(chunks):
    return b"RIFF" + struct.pack("<I", 4 + len(chunks)) + b"WAVE" + chunks


def fmt(tag, channels, rate, bits, align=None, extra=b""):
    align = align if align is not None else channels * bits // 8
    return chunk(b"fmt ", struct.pack("<HHIIHH", tag, channels, rate, rate * align, align, bits)
                 + extra)


def tone16(frames, channels):
    return b"".join(struct.pack("<h", int(12000 * math.sin(i * 0.3))) * channels
                    for i in range(frames))


def tone8(frames):
    return bytes(128 + int(60 * math.sin(i * 0.3)) for i in range(frames))


SMPL = bytes(28) + struct.pack("<I", 1) + bytes(28)
EXTENSIBLE = struct.pack("<HHI", 22, 16, 3) + struct.pack("<H", 1) + bytes(14)

SEEDS = {
    "mono8.wav": riff(fmt(1, 1, 8000, 8) + chunk(b"data", tone8(40))),
    "stereo16.wav": riff(fmt(1, 2, 44100, 16) + chunk(b"data", tone16(20, 2))),
    "surround51.wav": riff(fmt(1, 6, 48000, 16) + chunk(b"data", tone16(6, 6))),
    "extensible.wav": riff(fmt(65534, 2, 22050, 16, extra=EXTENSIBLE)
                           + chunk(b"data", tone16(10, 2))),
    "no_fmt.wav": riff(chunk(b"data", tone16(16, 1))),
    "data_first.wav": riff(chunk(b"data", tone16(8, 2)) + fmt(1, 2, 11025, 16)),
    "odd_and_loop.wav": riff(fmt(1, 1, 8000, 8) + chunk(b"LIST", b"abc")
                             + chunk(b"data", tone8(7)) + chunk(b"smpl", SMPL)),
    "ima_adpcm.wav": riff(fmt(17, 1, 22050, 4, align=36) + chunk(b"data", bytes(72))),
    "mp3_tag.wav": riff(fmt(85, 2, 44100, 0, align=1) + chunk(b"data", bytes(33))),
}

if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
    print(f"wrote {len(SEEDS)} seeds to {OUT}")
