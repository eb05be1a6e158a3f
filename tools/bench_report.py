"""Rewrites the measured part of docs/performance.md from the output of tools/bench.sh:
hyperfine's start-up table and JSON, GNU time's peak memory, Google Benchmark's JSON.

    python3 tools/bench_report.py RESULTS_DIR "WIDTH HEIGHT LABELS" docs/performance.md
"""
import json
import platform
import re
import statistics
import subprocess
import sys
from pathlib import Path

BEGIN = "<!-- measured by tools/bench.sh: begin -->"
END = "<!-- measured by tools/bench.sh: end -->"
# Start-up, the main window against the bare window.
TIME_AIM, CPU_AIM, MEMORY_AIM = 1.15, 1.20, 1.15
# The handlers' aims come with their cases, as the counter aim_ms.
AIM_NAMES = {1: "Handlers", 10: "The two 1,000-line editor cases"}


def verdict(met):
    return "met" if met else "**missed**"


def table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + " --- |" * len(header)]
    lines += ["| " + " | ".join(row) + " |" for row in rows]
    return "\n".join(lines) + "\n"


def milliseconds(value, unit):
    return value * {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[unit]


def version(command):
    try:
        return subprocess.run(command, capture_output=True, text=True).stdout.strip()
    except OSError:
        return "?"


def startup(results, shape, aims):
    main, bare = json.loads((results / "startup.json").read_text())["results"]
    cpu = {name: r["user"] + r["system"] for name, r in (("main", main), ("bare", bare))}
    memory = {name: statistics.median(int(line) for line in
                                      (results / f"memory-{name}").read_text().split())
              for name in ("form1", "bare")}
    time_ratio = main["mean"] / bare["mean"]
    cpu_ratio = cpu["main"] / cpu["bare"]
    memory_ratio = memory["form1"] / memory["bare"]
    aims += [(f"Start-up, wall clock: Form1 within {TIME_AIM:.2f} × the bare window",
              f"{time_ratio:.3f} ×", time_ratio <= TIME_AIM),
             (f"Start-up, CPU time (user + system): within {CPU_AIM:.2f} ×",
              f"{cpu_ratio:.3f} ×", cpu_ratio <= CPU_AIM),
             (f"Start-up, peak resident memory: within {MEMORY_AIM:.2f} ×",
              f"{memory_ratio:.3f} ×", memory_ratio <= MEMORY_AIM)]
    width, height, labels = shape.split()
    rows = [[window, f"{1e3 * r['user']:.1f} ms", f"{1e3 * r['system']:.1f} ms",
             f"{1e3 * (r['user'] + r['system']):.1f} ms", f"{memory[key] / 1024:.1f} MiB"]
            for window, r, key in (("Form1", main, "form1"), ("bare window", bare, "bare"))]
    rows.append(["Form1 / bare", "", "", f"{cpu_ratio:.2f} ×", f"{memory_ratio:.2f} ×"])
    return (
        "### Start-up to the first painted frame\n\n"
        f"hyperfine, {len(main['times'])} runs of each after 5 warm-up runs, on xcb (Xvfb, no "
        f"window manager): the main window as `main()` builds it, and a bare `QWidget` of the "
        f"same size ({width} × {height}) with as many plain labels ({labels}). The wall-clock "
        "ratio is that of the means, as in hyperfine's *Relative* column (which takes the "
        "faster of the two as 1.00).\n\n"
        + (results / "startup.md").read_text().strip() + "\n\n"
        "CPU time is hyperfine's mean user and system time of each; peak resident memory is "
        "GNU time's maximum resident set, the median of 10 runs of each.\n\n"
        + table(["Window", "User", "System", "CPU time", "Peak memory"], rows))


def handlers(results, aims):
    report = json.loads((results / "handlers.json").read_text())
    rows = []
    handler_aims = {}
    for run in report["benchmarks"]:
        if run.get("aggregate_name", "median") != "median":
            continue
        name = re.sub(r"/(iterations|repeats):\d+", "", run["run_name"])
        unit = run["time_unit"]
        cpu = milliseconds(run["cpu_time"], unit)
        aim = run["aim_ms"]
        handler_aims.setdefault(aim, []).append((name, cpu))
        stddev = next((milliseconds(r["cpu_time"], unit) for r in report["benchmarks"]
                       if r["run_name"] == run["run_name"]
                       and r.get("aggregate_name") == "stddev"), None)
        calls = re.search(r"/iterations:(\d+)", run["run_name"])
        rows.append([name, str(run.get("repetitions", 1)), calls.group(1) if calls else "?",
                     f"{cpu:.3f} ms", "—" if stddev is None else f"{stddev:.3f} ms",
                     f"{milliseconds(run['real_time'], unit):.3f} ms",
                     f"< {aim:g} ms {verdict(cpu < aim)}"])
    for aim, cases in handler_aims.items():
        missed = [f"{name} ({cpu:.3f} ms)" for name, cpu in cases if cpu >= aim]
        aims.append((f"{AIM_NAMES.get(aim, 'Handlers')}: median CPU time under {aim:g} ms",
                     f"{len(cases) - len(missed)} of {len(cases)} cases within"
                     + "".join("; " + case for case in missed), not missed))
    return (
        "### Handler costs\n\n"
        "Google Benchmark, offscreen, on real windows built as the program builds them. Each "
        "repetition times a number of calls and gives their mean; the table shows the median "
        "over the repetitions and their standard deviation. CPU time is the user-interface "
        "thread's, which other programs on the machine stretch far less than the wall clock; "
        "the aims are judged on it. Painting, which follows in the event loop, is not "
        "included.\n\n"
        + table(["Handler", "Repetitions", "Calls each", "CPU time, median", "Std. dev.",
                 "Wall clock, median", "Aim"], rows), report["context"])


def machine(results, context):
    os_release = dict(line.split("=", 1) for line in
                      Path("/etc/os-release").read_text().splitlines() if "=" in line)
    load = [(results / "loadavg-before").read_text().split()[:3],
            [f"{value:.2f}" for value in context.get("load_avg", [])],
            Path("/proc/loadavg").read_text().split()[:3]]
    rows = [["CPUs", f"{context['num_cpus']} at {context['mhz_per_cpu']} MHz"],
            ["OS", f"{os_release.get('PRETTY_NAME', '?').strip(chr(34))}, Linux "
                   f"{platform.release()} {platform.machine()}"],
            ["Qt", context.get("qt_version", "?")],
            ["Compiler, build type", f"{context.get('compiler', '?')}, "
                                     f"{context.get('build_type', '?')}"],
            ["Tools", f"{version(['hyperfine', '--version'])}, Google Benchmark "
                      + version(["dpkg-query", "-W", "-f", "${Version}", "libbenchmark-dev"])],
            ["Date", context["date"]],
            ["Load average (1, 5, 15 min): before start-up, at the handlers, at the end",
             " / ".join(", ".join(values) for values in load)]]
    return "### Machine\n\n" + table(["What", "Value"], rows)


def main():
    results, shape, document = Path(sys.argv[1]), sys.argv[2], Path(sys.argv[3])
    aims = []
    startup_part = startup(results, shape, aims)
    handler_part, context = handlers(results, aims)
    missed = [aim for aim in aims if not aim[2]]
    block = "\n".join([
        BEGIN, "## Measured", "",
        "Written by `sh tools/bench.sh` from the output of hyperfine and Google Benchmark; "
        "measuring again replaces this part.", "",
        machine(results, context), startup_part, handler_part,
        "### Aims\n\n" + table(["Aim", "Measured", ""],
                                 [[a, m, verdict(ok)] for a, m, ok in aims]), END])
    text = document.read_text()
    before, found, rest = text.partition(BEGIN)
    _, found_end, after = rest.partition(END)
    if not found or not found_end:
        sys.exit(f"{document}: the measured part's marker lines are missing; not written")
    document.write_text(before + block + after)
    print(f"{document}: {len(missed)} of {len(aims)} aims missed")


main()
