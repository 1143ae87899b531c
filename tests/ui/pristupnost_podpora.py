"""What the AT-SPI tests share: checks that collect their failures, waiting on the bus, walking
an accessible tree, actions and keys as a screen reader sends them, a program started on the
private accessibility bus (pristupnost_test.sh makes it)."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CHYBY = []


def over(podminka, co):
    if not podminka:
        CHYBY.append(co)
        print("CHYBA:", co, flush=True)


def cekej(podminka, sekund=10.0):
    """Pumps AT-SPI's events until the condition holds; returns its last value."""
    konec = time.monotonic() + sekund
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        hodnota = podminka()
        if hodnota or time.monotonic() > konec:
            return hodnota
        time.sleep(0.05)


def potomci(objekt):
    for dite in objekt:
        if dite is None:
            continue
        yield dite
        yield from potomci(dite)


def najdi(koren, role, jmeno=None):
    for o in potomci(koren):
        if o.getRole() == role and (jmeno is None or o.name == jmeno):
            return o
    return None


def akce(objekt, jmeno):
    a = objekt.queryAction()
    nazvy = [a.getName(i) for i in range(a.nActions)]
    if jmeno not in nazvy:
        raise AssertionError(f"{objekt.getRoleName()} '{objekt.name}' nabízí jen {nazvy}")
    a.doAction(nazvy.index(jmeno))


KLAVESY = {"Return": 0xFF0D, "Escape": 0xFF1B, "Down": 0xFF54}


def klavesa(jmeno):
    pyatspi.Registry.generateKeyboardEvent(KLAVESY[jmeno], None, pyatspi.KEY_SYM)


def bunky(tabulka, radek):
    return [tabulka.getAccessibleAt(radek, s).name for s in range(tabulka.nColumns)]


def zahlavi(tabulka):
    return [tabulka.getColumnHeader(s).name for s in range(tabulka.nColumns)]


def zprava(koren, text):
    """An alert or dialog of the application that holds a text containing `text`."""
    for o in potomci(koren):
        if o.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
            if any(text in (d.name or "") for d in potomci(o)):
                return o
    return None


class Program:
    """A program on the accessibility bus for the length of a `with` block."""

    def __init__(self, prikaz, jmeno, slozka):
        # The registry up and listened to before the program starts: one that registered
        # first was sometimes never listed.
        pyatspi.Registry.getDesktop(0).childCount
        self.proces = subprocess.Popen(
            prikaz, cwd=slozka, env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        self.aplikace = cekej(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                            if a is not None and a.name == jmeno), None), 30)

    def __enter__(self):
        if self.aplikace is None:
            self.__exit__()
            print(f"CHYBA: {self.proces.args} never appeared on the accessibility bus")
            sys.exit(1)
        return self

    def __exit__(self, *_):
        self.proces.terminate()
        try:
            self.proces.wait(10)
        except subprocess.TimeoutExpired:
            self.proces.kill()
            self.proces.wait()


def vysledek():
    print("OK" if not CHYBY else f"{len(CHYBY)} CHYB", flush=True)
    sys.exit(1 if CHYBY else 0)
