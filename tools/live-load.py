#!/usr/bin/env python3
"""Load on tabulon-cli serve over loopback: CLIENTS readers each reading the site's pages for
SECONDS over a kept-alive connection, then the figures: requests, failures, latency percentiles and
the server's memory. Midway a change is made to the file (a points adjustment through tabulon-cli
adjust) and the time until the served version follows it is measured. Bounded: the server listens
on 127.0.0.1 alone and everything stops after SECONDS (at most 60) plus a few seconds.

    tools/live-load.py --cli build/tabulon-cli --file season.trn --team Arsenal [--clients 200] [--seconds 10]
        [--pause 0] [--client python|curl]

--pause is a reader's pause between two pages; 0 reads without a break, a load far above a crowd of
phones, each of which asks for the version once a second. --client curl reads through one
curl --parallel instead of Python threads, which leaves more of the processors to the server.
"""
import argparse
import http.client
import multiprocessing
import os
import queue
import random
import re
import subprocess
import sys
import threading
import time


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def pages_of(port):
    """Every page linked from the index and the group pages, as a reader would find them."""
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=5)
    seen, queue = {"/"}, ["/"]
    while queue:
        path = queue.pop()
        connection.request("GET", path)
        reply = connection.getresponse()
        body = reply.read().decode("utf-8", "replace")
        if not path.endswith(".html") and path != "/":
            continue
        for target in re.findall(r'(?:href|src)="([^":]+)"', body):
            if "/" + target not in seen:
                seen.add("/" + target)
                queue.append("/" + target)
    return sorted(seen)


def reader_process(port, pages, clients, seconds, pause, results):
    latencies, failures, lock = [], [0], threading.Lock()

    def reader():
        own, failed = [], 0
        connection = http.client.HTTPConnection("127.0.0.1", port, timeout=5)
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            path = random.choice(pages)
            start = time.monotonic()
            try:
                connection.request("GET", path)
                reply = connection.getresponse()
                reply.read()
                if reply.status != 200:
                    failed += 1
            except (OSError, http.client.HTTPException):
                failed += 1
                connection.close()
                connection = http.client.HTTPConnection("127.0.0.1", port, timeout=5)
                continue
            own.append(time.monotonic() - start)
            if pause:
                time.sleep(random.uniform(0, 2 * pause))
        with lock:
            latencies.extend(own)
            failures[0] += failed

    threads = [threading.Thread(target=reader) for _ in range(clients)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    results.put((latencies, failures[0]))


def curl_process(port, pages, clients, seconds, results):
    """The readers as one curl: CLIENTS transfers at once over kept-alive connections, in batches
    until SECONDS are over; far lighter on the processor than Python's threads."""
    latencies, failures, end = [], 0, time.monotonic() + seconds
    config = "".join(f'url = "http://127.0.0.1:{port}{random.choice(pages)}"\noutput = "/dev/null"\n'
                     for _ in range(clients * 20))
    while time.monotonic() < end:
        done = subprocess.run(["curl", "-s", "-Z", "--parallel-max", str(clients), "--parallel-immediate",
                               "--max-time", "10", "-K", "-", "-w", "%{http_code} %{time_total}\n"],
                              input=config, capture_output=True, text=True)
        for line in done.stdout.splitlines():
            code, seconds_taken = line.split()
            if code != "200":
                failures += 1
            else:
                latencies.append(float(seconds_taken))
    results.put((latencies, failures))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--file", required=True)
    parser.add_argument("--team", required=True, help="a team of group 1, given a point midway")
    parser.add_argument("--clients", type=int, default=200)
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--processes", type=int, default=4)
    parser.add_argument("--pause", type=float, default=0)
    parser.add_argument("--client", choices=["python", "curl"], default="python")
    args = parser.parse_args()
    args.seconds = min(args.seconds, 60)

    server = subprocess.Popen([args.cli, "serve", args.file, "--address", "127.0.0.1", "--port", "0"],
                              stdout=subprocess.PIPE, text=True)
    try:
        line = server.stdout.readline()
        port = int(re.search(r"http://127\.0\.0\.1:(\d+)/", line).group(1))
        print(line.strip())
        pages = pages_of(port)
        print(f"{len(pages)} pages")
        rss_start, cpu_start = rss_kib(server.pid), cpu_seconds(server.pid)
        results = multiprocessing.Queue()
        per_process = [args.clients // args.processes + (1 if i < args.clients % args.processes else 0)
                       for i in range(args.processes)]
        if args.client == "curl":
            readers = [multiprocessing.Process(target=curl_process, args=(port, pages, args.clients, args.seconds,
                                                                          results))]
        else:
            readers = [multiprocessing.Process(target=reader_process,
                                               args=(port, pages, n, args.seconds, args.pause, results))
                       for n in per_process]
        for reader in readers:
            reader.start()
        rss, sampled = [rss_start], threading.Event()

        def sample():
            while not sampled.wait(0.5):
                rss.append(rss_kib(server.pid))

        sampler = threading.Thread(target=sample, daemon=True)
        sampler.start()
        time.sleep(args.seconds / 2)
        # Midway: a change to the file, timed until the server serves a new version.
        probe = http.client.HTTPConnection("127.0.0.1", port, timeout=5)
        probe.request("GET", "/version")
        version = probe.getresponse().read()
        adjusted = subprocess.run([args.cli, "adjust", args.file, "--group", "1", "--team", args.team, "--points",
                                   "1", "--reason", "load test"], capture_output=True, text=True)
        if adjusted.returncode != 0:
            print(f"tabulon-cli adjust failed ({adjusted.returncode}): {adjusted.stderr.strip()}")
        changed = time.monotonic()
        while True:
            probe.request("GET", "/version")
            if probe.getresponse().read() != version or time.monotonic() - changed > 10:
                break
            time.sleep(0.02)
        change_seconds = time.monotonic() - changed
        # The results are taken while they come: a reader cannot end before its results are read.
        latencies, failures, received = [], 0, 0
        while received < len(readers):
            try:
                own, failed = results.get(timeout=0.5)
            except queue.Empty:
                continue
            received += 1
            latencies.extend(own)
            failures += failed
        for reader in readers:
            reader.join()
        sampled.set()
        sampler.join()
        rss.append(rss_kib(server.pid))
        latencies.sort()

        def percentile(p):
            return latencies[min(len(latencies) - 1, int(len(latencies) * p / 100))] * 1000 if latencies else 0

        print(f"clients {args.clients}, {args.seconds:g} s, pause {args.pause:g} s: {len(latencies)} requests "
              f"({len(latencies) / args.seconds:.0f}/s), {failures} failed")
        print(f"latency ms: p50 {percentile(50):.1f}, p90 {percentile(90):.1f}, p99 {percentile(99):.1f}, "
              f"max {latencies[-1] * 1000 if latencies else 0:.1f}")
        print(f"server memory (VmRSS KiB): start {rss_start}, peak {max(rss)}, end {rss[-1]}; "
              f"during the run {' '.join(str(kib) for kib in rss[1::max(1, len(rss) // 6)])}")
        print(f"change in the file served after {change_seconds * 1000:.0f} ms")
        print(f"server processor time {cpu_seconds(server.pid) - cpu_start:.1f} s in {args.seconds:g} s, "
              f"on {os.cpu_count()} processors shared with the readers")
        return 0 if failures == 0 else 1
    finally:
        server.terminate()
        server.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
