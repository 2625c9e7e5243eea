#!/usr/bin/env python3
"""Times fc-solve (Debian's freecell-solver-bin) on the FreeCell deals the
solver benchmark uses, for a side-by-side figure. fc-solve always runs with
an iteration cap and the atomic-moves preset "fools-gold".

usage: bench/fc_solve_compare.py CLI FIRST LAST [CAP]
CLI is the built kestrova-cli; prints one line per deal and a summary with
the median and 99th percentile of the wall time per deal (the process start
included), and of fc-solve's own processor time, which a loaded machine
does not inflate."""
import resource
import subprocess
import sys
import tempfile
import time

RANKS = "A23456789TJQK"
SUITS = "HDCS"


def card(code):
    c = code - 52 if code > 52 else code
    return RANKS[(c - 1) % 13] + SUITS[(c - 1) // 13]


def board(cli, deal):
    shown = subprocess.run([cli, "play", "1", str(deal), "--pref", "AutoPlay=N"], input="show\nquit\n",
                           capture_output=True, text=True, check=True).stdout
    piles = {}
    for line in shown.splitlines():
        name, sep, codes = line.partition("=")
        if not sep or not codes.isdigit():
            piles.setdefault(name, [])
            continue
        piles[name] = [int(codes[i:i + 3]) for i in range(0, len(codes), 4)]
    top = {s: 0 for s in SUITS}
    for f in range(1, 5):
        for c in piles.get(f"Dest{f}", []):
            top[card(c)[1]] = max(top[card(c)[1]], RANKS.index(card(c)[0]) + 1)
    ranks = "0" + RANKS
    text = "Foundations: " + " ".join(f"{s}-{ranks[top[s]]}" for s in "HCDS") + "\nFreecells:"
    text += "".join(" " + (card(piles[f"Appogg{i}"][-1]) if piles.get(f"Appogg{i}") else "-") for i in range(1, 5))
    text += "\n" + "".join(": " + " ".join(card(c) for c in piles[f"Fila{i}"]) + "\n" for i in range(1, 9))
    return text


def main():
    cli, first, last = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    cap = sys.argv[4] if len(sys.argv) > 4 else "100000"
    times, cpu, verdicts = [], [], {"won": 0, "lost": 0, "unknown": 0}
    for deal in range(first, last + 1):
        with tempfile.NamedTemporaryFile("w", suffix=".txt") as f:
            f.write(board(cli, deal))
            f.flush()
            used = resource.getrusage(resource.RUSAGE_CHILDREN)
            start = time.monotonic()
            out = subprocess.run(["fc-solve", "-l", "fools-gold", "-mi", cap, f.name],
                                 capture_output=True, text=True).stdout
            ms = (time.monotonic() - start) * 1000
            after = resource.getrusage(resource.RUSAGE_CHILDREN)
            cpu.append((after.ru_utime + after.ru_stime - used.ru_utime - used.ru_stime) * 1000)
        verdict = "won" if "This game is solveable" in out else (
            "unknown" if f"states checked is {cap}" in out or "could not solve" not in out else "lost")
        verdicts[verdict] += 1
        times.append(ms)
        print(deal, verdict, f"ms={ms:.1f} cpu_ms={cpu[-1]:.1f}")
    times.sort()
    cpu.sort()
    pick = lambda p, v=times: v[max(1, (len(v) * p + 99) // 100) - 1]
    print(f"deals={len(times)} won={verdicts['won']} lost={verdicts['lost']} unknown={verdicts['unknown']}"
          f" ms: median={pick(50):.1f} p90={pick(90):.1f} p99={pick(99):.1f} max={times[-1]:.1f}"
          f" cpu_ms: median={pick(50, cpu):.1f} p99={pick(99, cpu):.1f}")


if __name__ == "__main__":
    main()
