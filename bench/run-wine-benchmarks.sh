#!/usr/bin/env bash
# Runs the Win32 benchmarks under Wine and Xvfb (after ./tools/test.sh or a
# build of build/win):
#   bench/run-wine-benchmarks.sh startup   # process start to main dialog visible, 1,000 jobs
#   bench/run-wine-benchmarks.sh idle      # CPU used over 60 s with 100 armed jobs
#   bench/run-wine-benchmarks.sh latency   # scheduled start latency, 6 runs (about 8 minutes)
#     QM_LATENCY_DESKTOP=1 runs it in a Wine virtual desktop, which draws
#     window frames as a window manager would.
# Wine's own share is shown beside ours: the start-up figure is printed next
# to a trivial window program's, and idle CPU is read from the Linux side
# (/proc), since Wine's GetProcessTimes does not report other processes.
set -euo pipefail
qm_root=$(cd "$(dirname "$0")/.." && pwd)
. "$qm_root/tools/lib/wine-env.sh"
export LANG=ja_JP.UTF-8
qm_wine_prefix
bench="$qm_root/build/win/bench/startup_bench.exe"

case "${1:-startup}" in
  startup)
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
      wineserver -p; wine cmd /c exit >/dev/null 2>&1 </dev/null
      wine explorer /desktop=bench,1280x1000 "$1" --jobs "${QM_BENCH_JOBS:-1000}" --runs 7
      wineserver -k' bench "$bench"
    ;;
  idle)
    seconds=${QM_IDLE_SECONDS:-60}
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
      wineserver -p; wine cmd /c exit >/dev/null 2>&1 </dev/null
      ticks=$(getconf CLK_TCK)
      cpu() { awk "{print \$14 + \$15}" /proc/$1/stat; }
      wine explorer /desktop=bench,1280x1000 "$1" --jobs 100 --armed 100 --idle $(($2 + 30)) \
        >/dev/null 2>&1 &
      # The Wine process shows the program'"'"'s Windows path as its command line.
      pid=
      for _ in $(seq 60); do
        pid=$(pgrep -n -f "^[A-Z]:.*QuillmereControl[.]exe") && break
        sleep 0.5
      done
      if [ -z "$pid" ]; then
        echo "idle: the program'"'"'s process was not found"
        wineserver -k; exit 1
      fi
      sleep 5  # past start-up and the splash
      before=$(cpu "$pid"); sleep "$2"; after=$(cpu "$pid")
      awk -v b="$before" -v a="$after" -v t="$ticks" -v s="$2" \
        "BEGIN { printf \"idle: %.2f s of CPU over %d s = %.3f%% of one core\\n\", (a-b)/t, s, 100*(a-b)/t/s }"
      wineserver -k' bench "$bench" "$seconds"
    ;;
  latency)
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
      wineserver -p; wine cmd /c exit >/dev/null 2>&1 </dev/null
      if [ -n "${QM_LATENCY_DESKTOP:-}" ]; then
        wine explorer /desktop=bench,1280x1000 "$1" --runs "${QM_LATENCY_RUNS:-6}"
      else
        wine "$1" --runs "${QM_LATENCY_RUNS:-6}"
      fi
      status=$?
      wineserver -k
      exit $status' bench "$qm_root/build/win/bench/latency_bench.exe"
    ;;
esac
