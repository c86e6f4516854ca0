#!/usr/bin/env python3
"""Writes small.qmc and small.qmf, the native data files of the data set SmallDataSet()
(tests/files/SampleData.h), straight from the record layout, independently of the program's
writer. Run it only when the layout or the sample changes; the files are committed."""
import datetime
import struct

BLANK_TIME = 0.0
EPOCH = datetime.datetime(1899, 12, 30)


def ole(y, mo, d, h, mi, s):
    days = (datetime.datetime(y, mo, d) - EPOCH).days
    return days + (h * 3600 + mi * 60 + s) / 86400.0


def record(group, number, value, time, text):
    raw = text.encode("cp932")[:40].ljust(40, b" ")
    return struct.pack("<hhfd", group, number, value, time) + raw


def groups():
    rows = {g: dict(emissivity=0.95, high=500.0, low=-40.0, tag=f"G{g}", target="",
                    measurer="", readings=[]) for g in range(1, 16)}
    rows[1].update(target="ボイラー", measurer="山田", tag="BOILER", high=100.0, low=20.0,
                   readings=[((2008, 3, 1, 9, 0, 59), 22.35, "入口"),
                             ((2008, 3, 1, 9, 10, 0), 120.0, ""),
                             ((2008, 3, 1, 9, 20, 0), 15.5, "  出口")])
    rows[2].update(target="ﾀﾞｸﾄ", tag="DUCT", emissivity=1.0, high=30.0, low=20.0,
                   readings=[((2008, 3, 2, 10, 0, 0), 20.0, "")])
    return rows


def native(unit_flag):
    rows = groups()
    out = [record(0, unit_flag, 0.0, BLANK_TIME, ""),
           record(15, 150, 0.0, BLANK_TIME, "VESTRA01"),
           record(0, 4, 0.0, ole(2008, 3, 1, 9, 5, 59), '配管"A",B')]
    for g in range(1, 16):
        r = rows[g]
        out += [record(g, len(r["readings"]), r["emissivity"], BLANK_TIME, r["target"]),
                record(g, 0, r["high"], BLANK_TIME, r["measurer"]),
                record(g, 0, r["low"], BLANK_TIME, r["tag"])]
    for g in range(1, 16):
        for k, (when, value, remark) in enumerate(rows[g]["readings"], start=1):
            out.append(record(g, k, value, ole(*when), remark))
    return b"".join(out)


for name, flag in (("small.qmc", 0), ("small.qmf", 1)):
    with open(name, "wb") as f:
        f.write(native(flag))
