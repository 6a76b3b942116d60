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


def wall_time(command):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start


def main():
    folder = program_folder(30)
    board = [os.path.join(build, "bench", "bench_startup"), folder]
    bare = [os.path.join(build, "bench", "bench_bare_window")]
    for _ in range(3):  # warm the file cache
        wall_time(board)
        wall_time(bare)
    board_times, bare_times = [], []
    for _ in range(25):  # alternate, so that the machine's noise falls on both alike
        board_times.append(wall_time(board))
        bare_times.append(wall_time(bare))
    board_ms = statistics.median(board_times) * 1000
    bare_ms = statistics.median(bare_times) * 1000
    print(f"startup_board_median_ms {board_ms:.1f}")
    print(f"startup_bare_window_median_ms {bare_ms:.1f}")
    print(f"startup_ratio {board_ms / bare_ms:.2f}")

    memory = subprocess.run(board + ["--memory"], check=True, capture_output=True, text=True)
    print(memory.stderr.strip().splitlines()[-1].replace("peak_rss_kib", "startup_peak_rss_kib"))

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
