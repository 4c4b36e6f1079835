#!/usr/bin/env python3
"""Prints the table of bench/run-install-bench.sh from its results file.

usage: summarise-install-bench.py RESULTS PAYLOAD_BYTES

RESULTS holds one line per measurement: "<case> <seconds> [<key>=<value> ...]", and
lines "size <name> <bytes>" for the installers' and payloads' file sizes.
PAYLOAD_BYTES is the uncompressed size of the large payload, for the MB/s column.
"""
import statistics
import sys

ORDER = [
    ("setup", "a. QuillpadSetup -silent, whole run"),
    ("setup.export", "   stage 2 Export (archive written once)"),
    ("setup.extract", "b. stage 3 Extract"),
    ("setup.write", "   stage 4 Write"),
    ("miniunz", "c. miniunz -x -o"),
    ("tree-copy", "d. Win32 tree copy (floor under Wine)"),
    ("native-cp", "   native cp -r"),
    ("native-bsdtar", "   native bsdtar -xf"),
    ("native-unzip", "   native unzip -q"),
    ("setup-small", "   QuillpadSetup -silent, small payload"),
    ("setup-small.extract", "   its stage 3 Extract"),
]


def read(path):
    times, memory, sizes = {}, {}, {}
    with open(path) as f:
        for line in f:
            fields = line.split()
            if not fields:
                continue
            if fields[0] == "size":
                sizes[fields[1]] = int(fields[2])
                continue
            times.setdefault(fields[0], []).append(float(fields[1]))
            for pair in fields[2:]:
                key, value = pair.split("=")
                memory.setdefault(fields[0], {}).setdefault(key, []).append(int(value))
    return times, memory, sizes


def ratio_line(name, numerator, denominator, target, times):
    if numerator not in times or denominator not in times:
        return
    value = statistics.median(times[numerator]) / statistics.median(times[denominator])
    verdict = "meets" if value <= target else "MISSES"
    print("  %-44s %6.3fx (target <= %.1fx: %s)" % (name, value, target, verdict))


def main():
    times, memory, sizes = read(sys.argv[1])
    megabytes = int(sys.argv[2]) / 1e6
    print("%-44s %8s %8s %8s %8s %3s" % ("", "min s", "median", "max s", "MB/s", "n"))
    for key, label in ORDER:
        if key not in times:
            continue
        values = times[key]
        median = statistics.median(values)
        rate = "%8.0f" % (megabytes / median) if not key.startswith("setup-small") else " " * 8
        print("%-44s %8.3f %8.3f %8.3f %s %3d" % (label, min(values), median, max(values), rate,
                                                   len(values)))

    print("\nRatios of medians:")
    ratio_line("b. extract stage / c. miniunz", "setup.extract", "miniunz", 0.8, times)
    ratio_line("b. extract stage / d. Win32 copy floor", "setup.extract", "tree-copy", 1.5, times)
    if all(k in times for k in ("setup", "setup.extract", "setup.export")):
        whole = statistics.median(times["setup"])
        parts = statistics.median(times["setup.extract"]) + statistics.median(times["setup.export"])
        verdict = "meets" if whole <= 1.3 * parts else "MISSES"
        print("  %-44s %6.3fx (target <= 1.3x: %s)" % (
            "a. whole run / (extract + export stages)", whole / parts, verdict))
        print("  %-44s %5.2fx  (no target: the archive's one extra write)" % (
            "   export stage / d. Win32 copy floor", statistics.median(times["setup.export"]) /
            statistics.median(times["tree-copy"])))
    for native in ("native-cp", "native-bsdtar", "native-unzip"):
        if "tree-copy" in times and native in times:
            print("  %-44s %5.2fx  (context: Wine against Linux)" % (
                "   d. Win32 copy floor / " + native,
                statistics.median(times["tree-copy"]) / statistics.median(times[native])))

    print("\nPeak memory of the silent run (MB; median of the runs):")
    for key, payload in (("setup", "payload-300"), ("setup-small", "payload-100")):
        if key not in memory:
            continue
        print("  payload %6.1f MB: private %6.1f MB, working set %6.1f MB" % (
            sizes.get(payload, 0) / 1e6,
            statistics.median(memory[key]["peak_private"]) / 1e6,
            statistics.median(memory[key]["peak_working_set"]) / 1e6))

    print("\nInstaller overhead (file size minus the payload archive it carries):")
    for installer, payload in (("QuillpadSetupBench300", "payload-300"),
                               ("QuillpadSetupBench100", "payload-100"),
                               ("QuillpadSetup", "program")):
        if installer in sizes and payload in sizes:
            print("  %-22s %7.2f MB  (%.1f MB file, %.1f MB archive)" % (
                installer, (sizes[installer] - sizes[payload]) / 1e6, sizes[installer] / 1e6,
                sizes[payload] / 1e6))


if __name__ == "__main__":
    main()
