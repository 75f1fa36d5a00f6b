"""One sweep in one process and on a LocalCluster of two worker processes:
wall times, and whether the JSON lines come out byte for byte the same.

PYTHONPATH=build-py/src/python python3 bench/distributed_sweep.py [MASKS] [TRIALS]
"""
import json
import resource
import sys
import time

import rcalab
import rcalab.distributed as rd
from distributed import Client, LocalCluster


def lines(rows):
    return "".join(json.dumps(r, separators=(",", ":")) + "\n" for r in rows).encode()


def cpu_seconds():
    use = resource.getrusage(resource.RUSAGE_SELF)
    return use.ru_utime + use.ru_stime


def timed(call):
    start = time.perf_counter()
    out = call()
    return out, time.perf_counter() - start


def workers_cpu(client):
    return sum(client.run(cpu_seconds).values())


if __name__ == "__main__":
    masks = sys.argv[1] if len(sys.argv) > 1 else "0..7x0..7"
    trials = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    options = dict(masks=masks, trials=trials, seed=1, step_limit=100000)
    c0 = cpu_seconds()
    one, t1 = timed(lambda: rcalab.sweep(threads=1, **options))
    c1 = cpu_seconds() - c0
    both, t2 = timed(lambda: rcalab.sweep(threads=2, **options))
    with LocalCluster(n_workers=2, threads_per_worker=1, dashboard_address=":0") as cluster, \
            Client(cluster) as client:
        w0 = workers_cpu(client)
        spread, td = timed(lambda: rd.sweep(client, threads=1, **options))
        cd = workers_cpu(client) - w0
    print(f"{len(one)} configurations of {trials} trials, {sum(r['steps'] for r in one)} steps")
    print(f"one process, 1 thread:  {t1:.2f} s ({c1:.2f} s CPU)")
    print(f"one process, 2 threads: {t2:.2f} s")
    print(f"LocalCluster, 2 worker processes x 1 thread: {td:.2f} s ({cd:.2f} s CPU in the workers)")
    print("same bytes:", lines(one) == lines(spread) == lines(both))
