"""Runs the benchmark programs in fresh program folders and prints their figures."""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

build = os.path.abspath(sys.argv[1])
program = os.path.join(build, "program")


def program_folder(open_tables):
    """A copy of the installed program folder, 30 tables shown, the first ones open."""
    folder = tempfile.mkdtemp(prefix="kirveno-bench-")
    for name in os.listdir(program):
        source = os.path.join(program, name)
        if os.path.isdir(source):
            shutil.copytree(source, os.path.join(folder, name))
        else:
            shutil.copy(source, folder)
    settings = open(os.path.join(folder, "ayar.dat"), "rb").read().split(b"\r\n")
    settings[1] = b"30"
    settings[16] = b"1"
    open(os.path.join(folder, "ayar.dat"), "wb").write(b"\r\n".join(settings))
    lines = [b"0"] * 120
    for t in range(open_tables):
        lines[4 * t : 4 * t + 4] = [b"Table %d" % (t + 1), b"%02d:%02d" % (t % 24, t), b"05,50", b"0"]
    open(os.path.join(folder, "zaman.dat"), "wb").write(b"\r\n".join(lines) + b"\r\n")
    return folder


def start(command):
    """Wall time, processor time (user and system) and peak resident memory of one run."""
    started = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        sys.exit(f"{command[0]} failed: {status}")
    return time.perf_counter() - started, usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def main():
    folder = program_folder(30)
    programs = {
        "board": [os.path.join(build, "bench", "bench_startup"), folder],
        "bare_window": [os.path.join(build, "bench", "bench_bare_window")],
        "label_window": [os.path.join(build, "bench", "bench_label_window")],
        # The bare window as large as the board with 30 tables: what the size costs by itself.
        "bare_window_of_board_size": [os.path.join(build, "bench", "bench_bare_window"), "367",
                                      "659"],
    }
    runs = {name: [] for name in programs}
    for _ in range(3):  # warm the file cache
        for command in programs.values():
            start(command)
    for _ in range(25):  # alternate, so that the machine's noise falls on all alike
        for name, command in programs.items():
            runs[name].append(start(command))
    medians = {name: [statistics.median(run[i] for run in runs[name]) for i in range(3)]
               for name in programs}
    for name, (wall, cpu, rss) in medians.items():
        print(f"startup_{name}_wall_ms {wall * 1000:.1f}")
        print(f"startup_{name}_cpu_ms {cpu * 1000:.1f}")
        print(f"startup_{name}_peak_rss_kib {rss}")
    board = medians["board"]
    for yardstick in ("bare_window", "label_window", "bare_window_of_board_size"):
        other = medians[yardstick]
        print(f"startup_ratio_to_{yardstick} wall {board[0] / other[0]:.2f} "
              f"cpu {board[1] / other[1]:.2f} memory {board[2] / other[2]:.2f}")

    tick = subprocess.run([os.path.join(build, "bench", "bench_tick"), folder], check=True,
                          capture_output=True, text=True)
    print(tick.stdout.strip())

    # The real program, idle with 30 running tables, for a minute.
    idle_folder = program_folder(30)
    shutil.copy(os.path.join(program, "Kirveno"), idle_folder)
    process = subprocess.Popen([os.path.join(idle_folder, "Kirveno")], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    time.sleep(3)

    def cpu_seconds():
        fields = open(f"/proc/{process.pid}/stat").read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    before, started = cpu_seconds(), time.perf_counter()
    time.sleep(60)
    used = cpu_seconds() - before
    elapsed = time.perf_counter() - started
    rss = [l for l in open(f"/proc/{process.pid}/status") if l.startswith("VmHWM")][0].split()[1]
    process.terminate()
    process.wait()
    print(f"idle_cpu_percent_of_a_core {100 * used / elapsed:.2f}")
    print(f"idle_program_peak_rss_kib {rss}")

    closing = subprocess.run([os.path.join(build, "bench", "bench_closing"), folder], check=True,
                             capture_output=True, text=True)
    print(closing.stdout.strip())
    for name in ("bench_reports", "bench_loans"):
        records = subprocess.run([os.path.join(build, "bench", name), program_folder(0)],
                                 check=True, capture_output=True, text=True)
        print(records.stdout.strip())
    shutil.rmtree(folder)
    shutil.rmtree(idle_folder)


main()
