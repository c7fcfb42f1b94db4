#!/usr/bin/env python3
"""Measures the launcher against the tools a user knows; run through bench/run.sh.

For each package (small, large) and format (tar, tar.gz, tar.xz, tar.zst, zip),
interleaved rounds in one invocation, page cache warm, destination removed and
the file system synced (untimed) before every run:
  launcher   the installed launcher doing a first installation in a sandboxed HOME
  bsdtar     bsdtar -xf of the same archive into an empty folder
  decompress gzip/xz/zstd -dc of the archive to /dev/null (compressed tars only)
  cp -a      of the extracted tree
Then the no-upgrade path (an up-to-date copy whose start script returns at once)
against a bare QApplication, and the peak RSS of the launcher against a bare Qt
program that shows a progress dialog. Every run is wrapped in /usr/bin/time -v
for its peak RSS; wall time is taken around it with a monotonic clock.
"""

import argparse
import hashlib
import os
import platform
import re
import shutil
import statistics
import subprocess
import sys
import time

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FORMATS = ["tar", "tar.gz", "tar.xz", "tar.zst", "zip"]
DECOMPRESSORS = {"tar.gz": "gzip", "tar.xz": "xz", "tar.zst": "zstd"}
SEED = "20240601"
INFO = ("[Version]\nmajor_version=5\nminor_version=2\nbuild_version=124\n"
        "icon_overlay_version=1\n")
# bsdtar run by root restores owners and full permissions; a user's bsdtar
# does neither, and neither does the launcher. These options make root's run
# the one a user gets.
BSDTAR_USER = ["--no-same-owner", "--no-same-permissions"]


def log(msg):
    print(msg, flush=True)


def sh(cmd, **kw):
    return subprocess.run(cmd, check=True, **kw)


def out(cmd):
    try:
        return subprocess.run(cmd, capture_output=True, text=True, check=False).stdout.strip()
    except OSError:
        return ""


def rm(path):
    if os.path.lexists(path):
        shutil.rmtree(path)


class Runner:
    """Runs one command under /usr/bin/time -v; returns (wall seconds, peak KiB)."""

    def __init__(self, work):
        self.rss_file = os.path.join(work, "time-v.txt")

    def run(self, argv, env=None, stdout=subprocess.DEVNULL):
        os.sync()
        start = time.monotonic()
        r = subprocess.run(["/usr/bin/time", "-v", "-o", self.rss_file] + argv, env=env,
                           stdout=stdout, stderr=subprocess.PIPE)
        wall = time.monotonic() - start
        if r.returncode != 0:
            raise SystemExit("failed (%d): %s\n%s" % (r.returncode, " ".join(argv),
                                                      r.stderr.decode(errors="replace")))
        with open(self.rss_file) as f:
            m = re.search(r"Maximum resident set size \(kbytes\): (\d+)", f.read())
        return wall, int(m.group(1)) if m else 0


class Sandbox:
    """A bench root holding the installed launcher and a HOME for its runs."""

    def __init__(self, work, install):
        self.root = os.path.join(work, "root")
        self.home = os.path.join(work, "home")
        self.tmp = os.path.join(work, "tmp")
        rm(self.root)
        shutil.copytree(install, self.root, symlinks=True)
        os.makedirs(os.path.join(self.root, "package"))
        with open(os.path.join(self.root, "INFO"), "w") as f:
            f.write(INFO)
        runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        self.env = dict(os.environ, HOME=self.home, TMPDIR=self.tmp, QT_QPA_PLATFORM="offscreen",
                        LANG="C.UTF-8", LC_ALL="C.UTF-8", XDG_RUNTIME_DIR=runtime)
        for var in ("QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH"):
            self.env.pop(var, None)
        self.launcher = os.path.join(self.root, "bin", "launcher")
        self.app = os.path.join(self.home, ".OrvantaBackup", "Orvanta.app")

    def use_package(self, archive):
        link = os.path.join(self.root, "package", "orvanta.ovp")
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(archive, link)

    def fresh_home(self):
        rm(self.home)
        os.makedirs(self.home)

    def check_installed(self, want_tree):
        logfile = os.path.join(self.home, ".OrvantaBackup", "log", "launcher.log")
        text = open(logfile, errors="replace").read() if os.path.exists(logfile) else ""
        if "[ERROR]" in text or not os.path.exists(os.path.join(self.app, "bin", "orvanta-ui")):
            raise SystemExit("the launcher did not install the package:\n" + text)
        if want_tree:
            r = subprocess.run(["diff", "-r", "--no-dereference", want_tree, self.app],
                               capture_output=True, text=True)
            if r.returncode != 0:
                raise SystemExit("the launcher's copy differs from bsdtar's:\n" + r.stdout[:2000])


def generate(build, data, kinds, formats):
    """Writes the packages that are missing or were made by another generator."""
    gen = os.path.join(build, "bench", "gen_package")
    with open(os.path.join(REPO, "bench", "gen_package.cpp"), "rb") as f:
        stamp = hashlib.sha256(f.read() + SEED.encode()).hexdigest()
    stamp_file = os.path.join(data, "stamp")
    os.makedirs(data, exist_ok=True)
    if not os.path.exists(stamp_file) or open(stamp_file).read() != stamp:
        for name in os.listdir(data):
            os.remove(os.path.join(data, name))
    todo = [(k, f) for k in kinds for f in formats
            if not os.path.exists(os.path.join(data, "%s.%s" % (k, f)))]
    # Two at a time, the slow xz ones first so the others fill the other core.
    todo.sort(key=lambda kf: (kf[1] != "tar.xz", kf[0] != "large"))
    running = []
    while todo or running:
        while todo and len(running) < 2:
            k, f = todo.pop(0)
            path = os.path.join(data, "%s.%s" % (k, f))
            log("generating %s" % os.path.basename(path))
            running.append((path, subprocess.Popen([gen, k, f, path + ".part", SEED])))
        path, p = running.pop(0)
        if p.wait() != 0:
            raise SystemExit("gen_package failed for " + path)
        os.rename(path + ".part", path)
    with open(stamp_file, "w") as f:
        f.write(stamp)


def sha256(path):
    h = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            h.update(block)
    return h.hexdigest()


def tree_stats(path):
    files = links = dirs = size = 0
    for top, dnames, fnames in os.walk(path):
        dirs += len(dnames)
        for n in fnames:
            p = os.path.join(top, n)
            if os.path.islink(p):
                links += 1
            else:
                files += 1
                size += os.lstat(p).st_size
    for top, dnames, _ in os.walk(path):
        links += sum(1 for d in dnames if os.path.islink(os.path.join(top, d)))
    return files, links, dirs, size


def fmt_s(v):
    return "%.3f" % v


def summary(times):
    return min(times), statistics.median(times)


def measure_package(runner, sb, data, work, kind, fmt, rounds):
    archive = os.path.join(data, "%s.%s" % (kind, fmt))
    sb.use_package(archive)
    ref = os.path.join(work, "ref")      # bsdtar's tree, the source of cp -a
    dest = os.path.join(work, "dest")
    rm(ref)
    os.makedirs(ref)
    sh(["bsdtar", "-xf", archive, "-C", ref] + BSDTAR_USER)

    def launcher():
        sb.fresh_home()
        return runner.run([sb.launcher], env=sb.env)

    def bsdtar():
        rm(dest)
        os.makedirs(dest)
        return runner.run(["bsdtar", "-xf", archive, "-C", dest] + BSDTAR_USER)

    # The launcher flushes the new copy to disk before it removes the old one;
    # bsdtar does not. This run shows what bsdtar's extraction costs with the
    # same guarantee.
    def bsdtar_sync():
        rm(dest)
        os.makedirs(dest)
        return runner.run(["sh", "-c", 'bsdtar -xf "$1" -C "$2" %s && sync -f "$2"'
                           % " ".join(BSDTAR_USER), "sh", archive, dest])

    def decompress():
        return runner.run([DECOMPRESSORS[fmt], "-dc", archive])

    def copy():
        rm(dest)
        return runner.run(["cp", "-a", ref, dest])

    commands = [("launcher", launcher), ("bsdtar", bsdtar), ("bsdtar + sync", bsdtar_sync)]
    if fmt in DECOMPRESSORS:
        commands.append(("decompress", decompress))
    commands.append(("cp -a", copy))

    # One untimed round warms the page cache and checks the launcher's copy.
    for _, fn in commands:
        fn()
    sb.check_installed(ref)

    results = {name: [] for name, _ in commands}
    for _ in range(rounds):
        for name, fn in commands:
            results[name].append(fn())
    sb.check_installed(None)
    rm(dest)
    rm(ref)
    sb.fresh_home()
    return results


def paired_ratio(a, b):
    return statistics.median(x[0] / y[0] for x, y in zip(a, b))


def machine_info(work):
    cpu = ""
    with open("/proc/cpuinfo") as f:
        m = re.search(r"model name\s*:\s*(.*)", f.read())
        cpu = m.group(1) if m else platform.processor()
    mem = ""
    with open("/proc/meminfo") as f:
        m = re.search(r"MemTotal:\s*(\d+)", f.read())
        mem = "%.1f GiB" % (int(m.group(1)) / 1048576) if m else "?"
    fs = out(["findmnt", "-no", "FSTYPE,SOURCE", "-T", work])
    disk = out(["lsblk", "-dno", "NAME,SIZE,ROTA,MODEL"])
    qt = out(["pkg-config", "--modversion", "Qt5Core"])
    la = out(["pkg-config", "--modversion", "libarchive"])
    gcc = out(["c++", "-dumpfullversion"])
    rows = [
        ("CPU", "%s, %d cores" % (cpu, os.cpu_count())),
        ("memory", mem),
        ("bench folder's file system", fs),
        ("disks (name size rotational model)", disk.replace("\n", "; ")),
        ("kernel", platform.release()),
        ("Qt", qt),
        ("libarchive", la),
        ("compiler", "g++ " + gcc + ", Release (-O3)"),
        ("bsdtar", out(["bsdtar", "--version"])),
        ("gzip", out(["gzip", "--version"]).splitlines()[0] if out(["gzip", "--version"]) else ""),
        ("xz", out(["xz", "--version"]).splitlines()[0] if out(["xz", "--version"]) else ""),
        ("zstd", "zstd " + (re.findall(r"v(\d+\.\d+\.\d+)", out(["zstd", "--version"])) or ["?"])[0]),
        ("cp", out(["cp", "--version"]).splitlines()[0] if out(["cp", "--version"]) else ""),
    ]
    return rows


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", required=True)
    ap.add_argument("--quick", action="store_true",
                    help="small package only, few runs, output to the build folder")
    ap.add_argument("--runs", type=int, help="timed rounds per package and format")
    ap.add_argument("--output", help="where the report goes")
    ap.add_argument("--work", help="folder for packages and runs (default: <build>/bench-work)")
    args = ap.parse_args()

    build = os.path.abspath(args.build)
    work = os.path.abspath(args.work or os.path.join(build, "bench-work"))
    output = args.output or (os.path.join(build, "BENCHMARKS-quick.md") if args.quick
                             else os.path.join(REPO, "BENCHMARKS.md"))
    kinds = ["small"] if args.quick else ["small", "large"]
    rounds = {k: args.runs or (2 if args.quick else {"small": 7, "large": 5}[k]) for k in kinds}
    idle_rounds = args.runs or (5 if args.quick else 21)
    os.makedirs(work, exist_ok=True)
    data = os.path.join(work, "packages")

    install = os.path.join(work, "install")
    rm(install)
    sh(["cmake", "--install", build, "--prefix", install], stdout=subprocess.DEVNULL)
    generate(build, data, kinds, FORMATS)

    load_before = os.getloadavg()
    runner = Runner(work)
    sb = Sandbox(work, install)
    qt_bare = os.path.join(build, "bench", "qt_bare")
    qt_progress = os.path.join(build, "bench", "qt_progress")

    results = {}
    for kind in kinds:
        for fmt in FORMATS:
            log("measuring %s.%s" % (kind, fmt))
            results[(kind, fmt)] = measure_package(runner, sb, data, work, kind, fmt, rounds[kind])

    # The bare progress dialog, for the memory bound: as many runs as the
    # launcher had on the large package, interleaved with nothing heavy.
    dialog = [runner.run([qt_progress], env=sb.env) for _ in range(5)]

    # No-upgrade path: an up-to-date copy, then launcher and bare QApplication in turn.
    log("measuring the no-upgrade path")
    sb.use_package(os.path.join(data, "small.tar"))
    sb.fresh_home()
    runner.run([sb.launcher], env=sb.env)
    sb.check_installed(None)
    idle = {"launcher": [], "qt_bare": []}
    runner.run([sb.launcher], env=sb.env)
    runner.run([qt_bare], env=sb.env)
    for _ in range(idle_rounds):
        idle["launcher"].append(runner.run([sb.launcher], env=sb.env))
        idle["qt_bare"].append(runner.run([qt_bare], env=sb.env))
    sb.check_installed(None)
    load_after = os.getloadavg()

    write_report(output, args, work, data, kinds, rounds, results, dialog, idle, idle_rounds,
                 load_before, load_after)
    rm(sb.home)
    log("wrote " + output)


def write_report(output, args, work, data, kinds, rounds, results, dialog, idle, idle_rounds,
                 load_before, load_after):
    L = []
    cmd = "bench/run.sh" + (" " + " ".join(sys.argv[3:]) if len(sys.argv) > 3 else "")
    commit = out(["git", "-C", REPO, "rev-parse", "HEAD"])
    dirty = out(["git", "-C", REPO, "status", "--porcelain", "--untracked-files=no"])
    L.append("# Benchmarks\n")
    L.append("Made by `%s` at commit %s%s on %s (UTC), from a Release build."
             % (cmd, commit[:12], " with local changes" if dirty else "",
                time.strftime("%Y-%m-%d %H:%M", time.gmtime())))
    L.append("Load average (1, 5, 15 min) before: %.2f %.2f %.2f; after: %.2f %.2f %.2f.\n"
             % (load_before + load_after))
    L.append("## Machine\n")
    L.append("| | |\n|---|---|")
    for k, v in machine_info(work):
        L.append("| %s | %s |" % (k, v.replace("|", "/")))
    L.append("")
    L.append("## Packages\n")
    L.append("Seeded (seed %s) by `bench/gen_package`: the same bytes on every run.\n" % SEED)
    L.append("| package | format | archive MiB | sha256 (first 16) |\n|---|---|---:|---|")
    for kind in kinds:
        for fmt in FORMATS:
            p = os.path.join(data, "%s.%s" % (kind, fmt))
            L.append("| %s | %s | %.1f | %s |" % (kind, fmt, os.path.getsize(p) / 1048576,
                                                   sha256(p)[:16]))
    L.append("")
    for kind in kinds:
        ref = os.path.join(work, "stats-" + kind)
        rm(ref)
        os.makedirs(ref)
        sh(["bsdtar", "-xf", os.path.join(data, kind + ".tar"), "-C", ref] + BSDTAR_USER)
        files, links, dirs, size = tree_stats(ref)
        rm(ref)
        L.append("- %s: %d files, %d symbolic links, %d folders, %.0f MiB unpacked."
                 % (kind, files, links, dirs, size / 1048576))
    L.append("")

    L.append("## First installation\n")
    L.append("Wall seconds over %s timed rounds after one untimed round; each round runs the "
             "commands in turn, destination removed and file system synced before each run. "
             "Ratios are the median of the per-round ratios (interleaving keeps them fair when "
             "the machine's speed drifts); limit = the decompressor for compressed tars, cp -a "
             "of the tree otherwise and beside it."
             % ", ".join("%d (%s)" % (rounds[k], k) for k in kinds))
    L.append("")
    L.append("| package | format | launcher min / median | bsdtar min / median | "
             "bsdtar + sync min / median | decompress min / median | cp -a min / median | "
             "launcher / bsdtar | launcher / (bsdtar + sync) | launcher / decompress | "
             "launcher / cp -a | launcher peak RSS MiB |")
    L.append("|---|---|---|---|---|---|---|---:|---:|---:|---:|---:|")
    worst = {}
    for kind in kinds:
        for fmt in FORMATS:
            r = results[(kind, fmt)]

            def mm(name):
                if name not in r:
                    return "-"
                lo, med = summary([t for t, _ in r[name]])
                return "%s / %s" % (fmt_s(lo), fmt_s(med))

            vs_bsdtar = paired_ratio(r["launcher"], r["bsdtar"])
            vs_dec = ("%.2f" % paired_ratio(r["launcher"], r["decompress"])
                      if "decompress" in r else "-")
            vs_cp = paired_ratio(r["launcher"], r["cp -a"])
            vs_sync = paired_ratio(r["launcher"], r["bsdtar + sync"])
            peak = max(m for _, m in r["launcher"]) / 1024
            worst[(kind, fmt)] = (vs_bsdtar, peak)
            L.append("| %s | %s | %s | %s | %s | %s | %s | **%.2f** | %.2f | %s | %.2f | %.1f |"
                     % (kind, fmt, mm("launcher"), mm("bsdtar"), mm("bsdtar + sync"),
                        mm("decompress"), mm("cp -a"), vs_bsdtar, vs_sync, vs_dec, vs_cp, peak))
    L.append("")

    L.append("## Memory\n")
    dialog_peak = max(m for _, m in dialog) / 1024
    L.append("Peak RSS (`/usr/bin/time -v`, largest of the runs) of the bare Qt program that "
             "shows a progress dialog and quits (`bench/qt_progress`, offscreen): %.1f MiB."
             % dialog_peak)
    L.append("")
    L.append("| package | format | launcher peak MiB | above the dialog program MiB |")
    L.append("|---|---|---:|---:|")
    for kind in kinds:
        for fmt in FORMATS:
            peak = worst[(kind, fmt)][1]
            L.append("| %s | %s | %.1f | %.1f |" % (kind, fmt, peak, peak - dialog_peak))
    L.append("")

    L.append("## No-upgrade path\n")
    lo_l, med_l = summary([t for t, _ in idle["launcher"]])
    lo_q, med_q = summary([t for t, _ in idle["qt_bare"]])
    L.append("An up-to-date copy of the small package whose start script returns at once; "
             "%d interleaved rounds of the launcher and of a bare QApplication that "
             "constructs nothing and quits (`bench/qt_bare`)." % idle_rounds)
    L.append("")
    L.append("| program | min | median | peak RSS MiB |\n|---|---:|---:|---:|")
    L.append("| launcher | %s | %s | %.1f |" % (fmt_s(lo_l), fmt_s(med_l),
                                                 max(m for _, m in idle["launcher"]) / 1024))
    L.append("| bare QApplication | %s | %s | %.1f |" % (fmt_s(lo_q), fmt_s(med_q),
                                                          max(m for _, m in idle["qt_bare"]) / 1024))
    L.append("")
    L.append("Launcher / bare QApplication: **%.2f** (median of per-round ratios)."
             % paired_ratio(idle["launcher"], idle["qt_bare"]))
    L.append("")

    L.append("## Targets\n")
    L.append("| target | worst measured | met |\n|---|---:|---|")
    worst_ratio = max(v[0] for v in worst.values())
    worst_key = max(worst, key=lambda k: worst[k][0])
    L.append("| first installation ≤ 1.15 × bsdtar -xf, every package and format | %.2f (%s.%s) | %s |"
             % (worst_ratio, worst_key[0], worst_key[1], "yes" if worst_ratio <= 1.15 else "**no**"))
    if "large" in kinds:
        over = max(worst[("large", f)][1] for f in FORMATS) - dialog_peak
        L.append("| large upgrade's peak RSS ≤ dialog program + 16 MiB | +%.1f MiB | %s |"
                 % (over, "yes" if over <= 16 else "**no**"))
    idle_ratio = paired_ratio(idle["launcher"], idle["qt_bare"])
    L.append("| no-upgrade path ≤ 1.3 × bare QApplication | %.2f | %s |"
             % (idle_ratio, "yes" if idle_ratio <= 1.3 else "**no**"))
    L.append("")

    notes = os.path.join(REPO, "bench", "NOTES.md")
    if os.path.exists(notes) and not args.quick:
        L.append(open(notes).read().rstrip() + "\n")
    with open(output, "w") as f:
        f.write("\n".join(L))


if __name__ == "__main__":
    main()
