#!/usr/bin/env python3
"""Time from launch until a Windows program's window is mapped under Wine.

Runs the programs interleaved, one after another in each round, after one
warm-up round, in a prepared prefix with its Wine server already running.
A program without a window (Wine's own start-up alone) is timed until it
ends.  The map is read from `xev -root -event substructure`.  Prints the
medians and each program's time less the first program's.

Usage: wine_startup.py <rounds> <loader> <windowless.exe> <program.exe>...
"""
import os
import select
import signal
import statistics
import subprocess
import sys
import time


def wait_for_map(events, deadline):
    while time.monotonic() < deadline:
        ready, _, _ = select.select([events], [], [], deadline - time.monotonic())
        if ready:
            line = os.read(events.fileno(), 65536).decode(errors="replace")
            if "MapNotify" in line:
                return time.monotonic()
    raise RuntimeError("no window was mapped")


def run_once(loader, program, windowed, events):
    started = time.monotonic()
    process = subprocess.Popen([loader, program], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    if not windowed:
        process.wait()
        return time.monotonic() - started
    shown = wait_for_map(events, started + 20)
    os.killpg(process.pid, signal.SIGKILL)
    process.wait()
    time.sleep(0.3)  # let the unmap and the server's clean-up pass
    while select.select([events], [], [], 0)[0]:
        os.read(events.fileno(), 65536)
    return shown - started


def main():
    rounds, loader, floor, *programs = sys.argv[1:]
    programs = [floor] + programs
    events = subprocess.Popen(["xev", "-root", "-event", "substructure"],
                              stdout=subprocess.PIPE).stdout
    times = {program: [] for program in programs}
    for round in range(int(rounds) + 1):
        for program in programs:
            elapsed = run_once(loader, program, program != floor, events)
            if round:
                times[program].append(elapsed * 1000)
    with open("/proc/loadavg") as load:
        print(f"{rounds} interleaved rounds, medians; load average {' '.join(load.read().split()[:3])}\n")
    floor_median = statistics.median(times[floor])
    print("| program | until shown (windowless: until ended) | less Wine's own start-up |")
    print("|---|---|---|")
    for program in programs:
        median = statistics.median(times[program])
        print(f"| {os.path.basename(program)} | {median:.1f} ms | {median - floor_median:+.1f} ms |")


main()
