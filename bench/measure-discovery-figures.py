#!/usr/bin/env python3
"""The flood figures of bench/measure-discovery, one line each (figure, value, beside it; tab-separated), from
the run tables it left in OUT (bare.tsv, bare-window.tsv, velbrix.tsv): each run's result in the order of the
runs, Velbrix's beside the bare receiver's and the bare dialog's of the same flood.
    bench/measure-discovery-figures.py OUT FLOOD_SECONDS"""
import csv
import statistics
import sys

out, flood_seconds = sys.argv[1], sys.argv[2]


def table(name):
    with open(f"{out}/{name}") as file:
        return list(csv.DictReader(file, delimiter="\t"))


def grouped(rows, *keys):
    groups = {}
    for row in rows:
        groups.setdefault(tuple(row[key] for key in keys), []).append(row)
    return groups


def rate_text(rate):
    return "no flood" if rate == "0" else f"flood {rate}/s for {flood_seconds} s"


def runs(rows, field):
    return ", ".join(row[field] for row in rows)


bare = grouped(table("bare.tsv"), "rate", "receiver")
bare_window = {rate: rows for (rate,), rows in grouped(table("bare-window.tsv"), "rate").items()}
for (rate, receiver), rows in bare.items():
    if receiver == "bare-last":
        continue
    if receiver == "bare-first":
        rows = rows + bare.get((rate, "bare-last"), [])
        what = "bare receiver (Velbrix's socket set-up, no window)"
    else:
        what = "bare receiver asking FIONREAD before each receive"
    print(f"{rate_text(rate)}: {what}: printers found (of 5)\t{runs(rows, 'printers')}\t"
          f"datagrams received {runs(rows, 'datagrams')}; noise sent {runs(rows, 'sent')}")

for (rate, label, stdout), rows in grouped(table("velbrix.tsv"), "rate", "label", "stdout").items():
    where = "stdout to the null device" if stdout == "null" else "stdout to a file"
    name = f"{rate_text(rate)}, {where}, build {label}"
    traced = f"; datagrams traced {runs(rows, 'traced')}" if stdout == "file" else ""
    baseline = [row["printers"] for row in bare.get((rate, "bare-first"), []) + bare.get((rate, "bare-last"), [])]
    print(f"{name}: printers found (of 5)\t{runs(rows, 'found')}{traced}; dropped by the system "
          f"{runs(rows, 'dropped')}\tbare receiver: {', '.join(baseline)}")
    worst = [float(row["worst_ms"]) for row in rows if row["worst_ms"]]
    machine = [row["worst_ms"] for row in bare_window.get(rate, [])]
    print(f"{name}: window's worst answer (ms)\t{max(worst) if worst else '-'} (runs: {runs(rows, 'worst_ms')})\t"
          f"mean answer {runs(rows, 'mean_ms')} ms; answers {runs(rows, 'answered')}; bare dialog beside the bare "
          f"receiver: worst {', '.join(machine) or '-'}")
