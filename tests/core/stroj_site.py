#!/usr/bin/python3
"""One machine of a classroom on a network share: mounts FOLDER at MOUNTPOINT.

Behaves as a network client whose share passes no byte-range locks to the server: record
locks taken through this mount stay on this machine (the kernel keeps them per mount), and
an append goes where this machine last saw the file end. The size is learned when the file
is opened or its attributes are asked for, and moved on by this machine's own writes only,
so another machine's appends in between are overwritten, as a client with a stale size does.
Creating a file exclusively is atomic, as on the server.

With "bez-zamku" the share takes no record locks at all: every fcntl lock is refused.

Usage: stroj_site.py FOLDER MOUNTPOINT [bez-zamku]   (runs in the foreground until unmounted)
"""

import errno
import os
import sys
import threading

from fusepy import FUSE, FuseOSError, Operations


class Stroj(Operations):
    def __init__(self, koren):
        self.koren = koren
        self.velikosti = {}  # path -> the size this machine believes the file has
        self.pripojovane = set()  # handles opened for appending
        self.zamek = threading.Lock()

    def _cesta(self, cesta):
        return os.path.join(self.koren, cesta.lstrip("/"))

    def _zjisti_velikost(self, cesta):
        velikost = os.lstat(self._cesta(cesta)).st_size
        self.velikosti[cesta] = velikost
        return velikost

    def getattr(self, cesta, fh=None):
        try:
            st = os.lstat(self._cesta(cesta))
        except OSError as e:
            raise FuseOSError(e.errno)
        with self.zamek:
            self.velikosti[cesta] = st.st_size
        return {k: getattr(st, k) for k in (
            "st_mode", "st_nlink", "st_uid", "st_gid", "st_size",
            "st_atime", "st_mtime", "st_ctime")}

    def readdir(self, cesta, fh):
        return [".", ".."] + os.listdir(self._cesta(cesta))

    def readlink(self, cesta):
        return os.readlink(self._cesta(cesta))

    def _otevri(self, cesta, priznaky, mod=0o644):
        try:
            fh = os.open(self._cesta(cesta), priznaky & ~os.O_APPEND, mod)
        except OSError as e:
            raise FuseOSError(e.errno)
        with self.zamek:
            if priznaky & os.O_APPEND:
                self.pripojovane.add(fh)
            if not priznaky & os.O_CREAT or os.path.isfile(self._cesta(cesta)):
                self._zjisti_velikost(cesta)
        return fh

    def open(self, cesta, fi):
        fi.fh = self._otevri(cesta, fi.flags)
        fi.direct_io = 1
        return 0

    def create(self, cesta, mod, fi):
        fi.fh = self._otevri(cesta, fi.flags | os.O_CREAT | os.O_EXCL, mod)
        fi.direct_io = 1
        return 0

    def read(self, cesta, velikost, posun, fi):
        return os.pread(fi.fh, velikost, posun)

    def write(self, cesta, data, posun, fi):
        with self.zamek:
            if fi.fh in self.pripojovane:
                posun = self.velikosti.get(cesta, posun)
            zapsano = os.pwrite(fi.fh, data, posun)
            self.velikosti[cesta] = max(self.velikosti.get(cesta, 0), posun + zapsano)
        return zapsano

    def truncate(self, cesta, delka, fh=None):
        with self.zamek:
            os.truncate(self._cesta(cesta), delka)
            self.velikosti[cesta] = delka

    def release(self, cesta, fi):
        with self.zamek:
            self.pripojovane.discard(fi.fh)
        os.close(fi.fh)
        return 0

    def flush(self, cesta, fi):
        return 0

    def unlink(self, cesta):
        os.unlink(self._cesta(cesta))

    def rename(self, stara, nova):
        os.rename(self._cesta(stara), self._cesta(nova))

    def link(self, cil, zdroj):
        os.link(self._cesta(zdroj), self._cesta(cil))

    def symlink(self, cil, zdroj):
        os.symlink(zdroj, self._cesta(cil))

    def mkdir(self, cesta, mod):
        os.mkdir(self._cesta(cesta), mod)

    def rmdir(self, cesta):
        os.rmdir(self._cesta(cesta))

    def chmod(self, cesta, mod):
        os.chmod(self._cesta(cesta), mod)

    def utimens(self, cesta, casy=None):
        os.utime(self._cesta(cesta), casy)

    def statfs(self, cesta):
        st = os.statvfs(self._cesta(cesta))
        return {k: getattr(st, k) for k in (
            "f_bavail", "f_bfree", "f_blocks", "f_bsize", "f_favail",
            "f_ffree", "f_files", "f_flag", "f_frsize", "f_namemax")}

    # No lock operation: record locks are not passed on, the kernel keeps them for this mount.
    lock = None


class StrojBezZamku(Stroj):
    def lock(self, cesta, fh, prikaz, zamek):
        raise FuseOSError(errno.ENOLCK)


if __name__ == "__main__":
    trida = StrojBezZamku if sys.argv[3:] == ["bez-zamku"] else Stroj
    FUSE(trida(sys.argv[1]), sys.argv[2], foreground=True, raw_fi=True, nothreads=False,
         attr_timeout=0, entry_timeout=0, negative_timeout=0)
