# SPDX-License-Identifier: GPL-3.0-or-later
"""The scratch copy: the work tree's files mirrored into a folder of their own, built there."""
import os
import shutil
import subprocess
import time

MANIFEST = ".mutants-files"


def run(cmd, cwd=None, check=True):
    res = subprocess.run(cmd, cwd=cwd, capture_output=True, text=True)
    if check and res.returncode != 0:
        raise RuntimeError(f"{' '.join(cmd)} failed:\n{res.stdout}{res.stderr}")
    return res


def work_tree_files(repo):
    """Tracked files as they are on disk, plus new files git does not ignore."""
    out = run(["git", "-C", repo, "ls-files", "-z", "-c", "-o", "--exclude-standard"]).stdout
    names = sorted({n for n in out.split("\0") if n})
    return [n for n in names if os.path.lexists(os.path.join(repo, n))]


def write_file(path, data):
    """Writes data with a fresh modification time, so the next build sees the change."""
    with open(path, "wb") as f:
        f.write(data)
    now = time.time_ns()
    os.utime(path, ns=(now, now))


def _same(src, dst):
    if os.path.islink(src) or os.path.islink(dst):
        return os.path.islink(src) and os.path.islink(dst) and os.readlink(src) == os.readlink(dst)
    if not os.path.isfile(dst) or os.path.getsize(src) != os.path.getsize(dst):
        return False
    with open(src, "rb") as a, open(dst, "rb") as b:
        return a.read() == b.read()


def sync(repo, tree):
    """Copies only what differs, so unchanged files keep their times and the build stays incremental.
    Returns the number of files written."""
    os.makedirs(tree, exist_ok=True)
    names = work_tree_files(repo)
    manifest = os.path.join(tree, MANIFEST)
    old = set()
    if os.path.exists(manifest):
        with open(manifest, encoding="utf-8") as f:
            old = set(f.read().split("\0")) - {""}
    written = 0
    for name in names:
        src, dst = os.path.join(repo, name), os.path.join(tree, name)
        if _same(src, dst):
            continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        if os.path.lexists(dst):
            os.remove(dst)
        if os.path.islink(src):
            os.symlink(os.readlink(src), dst)
        else:
            with open(src, "rb") as f:
                write_file(dst, f.read())
            shutil.copymode(src, dst)
        written += 1
    for gone in old - set(names):
        path = os.path.join(tree, gone)
        if os.path.lexists(path):
            os.remove(path)
    with open(manifest, "w", encoding="utf-8") as f:
        f.write("\0".join(names))
    return written


def configure(tree, build):
    if not os.path.exists(os.path.join(build, "build.ninja")):
        run(["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
             "-DZORMADE_BENCHMARKS=OFF"])


def build(build_dir, jobs):
    """Runs ninja; returns (ok, output)."""
    res = run(["ninja", "-C", build_dir, f"-j{jobs}"], check=False)
    return res.returncode == 0, res.stdout + res.stderr
