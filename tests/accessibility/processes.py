"""The processes a test starts, and how they end.

Each starts in a process group of its own, and is killed when the test
dies before it. Ending a group sends it SIGTERM and, to whatever of it still
runs after a grace period, SIGKILL. The test adopts every orphan below it (it
is their subreaper): a daemon that leaves its group and session, as
`speech-dispatcher --spawn` does, stays below the test, where ending
everything finds it and a timeout of ctest, which kills the test's process
tree, reaches it.
"""

import ctypes
import os
import signal
import subprocess
import sys
import time

GRACE = 5  # seconds from SIGTERM to SIGKILL

_PR_SET_CHILD_SUBREAPER = 36
_started = []


def start(argv, env, log, **kwargs):
    """Starts ARGV in a group of its own, its output appended to the file LOG,
    which the process returned names as its `log`."""
    ctypes.CDLL(None, use_errno=True).prctl(_PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    with open(log, "ab") as out:
        process = subprocess.Popen(["setpriv", "--pdeathsig", "KILL", *argv], env=env,
                                   stdin=subprocess.DEVNULL, stdout=out,
                                   stderr=subprocess.STDOUT, start_new_session=True, **kwargs)
    process.log = log
    _started.append(process)
    return process


def end(*processes):
    """Ends the groups of PROCESSES or, without any, every process below this
    one, whatever group it runs in."""
    groups = {p.pid for p in processes}

    def ours(with_zombies=False):
        return {pid: group for pid, (_, group, state) in _below().items()
                if (with_zombies or state != "Z") and (not groups or group in groups)}

    _signal(ours(), signal.SIGTERM)
    deadline = time.monotonic() + GRACE
    while ours() and time.monotonic() < deadline:
        _reap()
        time.sleep(0.05)
    # The children of a process that ends come to this one, which collects
    # their status too.
    deadline = time.monotonic() + GRACE
    while (left := ours(with_zombies=True)) and time.monotonic() < deadline:
        _signal(left, signal.SIGKILL)
        _reap()
        time.sleep(0.02)
    if left:
        print("processes %s outlived SIGKILL" % sorted(left), file=sys.stderr)


def end_on_signals():
    """A test stopped by SIGTERM, SIGINT or SIGHUP ends everything below it
    first."""
    def stop(signum, _frame):
        end()
        os._exit(128 + signum)
    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signum, stop)


def _signal(living, signum):
    own = os.getpgrp()
    for group in set(living.values()) - {own}:
        try:
            os.killpg(group, signum)
        except ProcessLookupError:
            pass
    for pid in (pid for pid, group in living.items() if group == own):
        try:
            os.kill(pid, signum)
        except ProcessLookupError:
            pass


def _reap():
    """Collects the status of each ended child: of the processes started here
    and of the orphans adopted."""
    for process in _started:
        process.poll()
    _started[:] = [p for p in _started if p.returncode is None]
    ours = {p.pid for p in _started}
    for pid, (parent, _, state) in _below().items():
        if parent == os.getpid() and state == "Z" and pid not in ours:
            try:
                os.waitpid(pid, os.WNOHANG)
            except ChildProcessError:
                pass


def _below():
    """pid: (parent, process group, state) of every process below this one."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as stat_file:
                stat = stat_file.read()
        except OSError:
            continue
        # The command name in parentheses may hold blanks and parentheses.
        state, parent, group = stat[stat.rindex(")") + 2:].split()[:3]
        children.setdefault(int(parent), []).append((int(entry), int(group), state))
    below = {}
    parents = [os.getpid()]
    while parents:
        parent = parents.pop()
        for pid, group, state in children.get(parent, []):
            below[pid] = (parent, group, state)
            parents.append(pid)
    return below
