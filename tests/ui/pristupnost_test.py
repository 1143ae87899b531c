#!/usr/bin/python3
"""The game as a screen-reader user meets it: the accessible tree over AT-SPI, the grid read
through the table interface, and the two-piece example solved with AT-SPI actions and key
events only. Runs inside a private session bus under Xvfb (pristupnost_test.sh starts both).

Arguments: the game, a folder holding a copy of the example task, a file the stand-in shell
writes the opened path to."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

HRA, SLOZKA, OTEVRENO = sys.argv[1:4]
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


udalosti = []
pyatspi.Registry.registerEventListener(
    lambda u: udalosti.append((u.type, u.source.name if u.source else "")),
    "object:property-change:accessible-value", "object:property-change:accessible-name",
    "object:state-changed:checked", "window:create", "object:state-changed:showing")

hra = subprocess.Popen([HRA, "01-dva-dilky.3du"], cwd=SLOZKA,
                       env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    aplikace = cekej(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                   if a is not None and a.name == "tvarolam-hra"), None), 30)
    if aplikace is None:
        print("CHYBA: the game never appeared on the accessibility bus")
        sys.exit(1)
    okno = cekej(lambda: najdi(aplikace, pyatspi.ROLE_FRAME))
    over(okno is not None and okno.name.startswith("Tvarolam-Hra"), "the window's name")

    # Roles and Czech names, the visible label where there is one.
    ocekavane = [
        (pyatspi.ROLE_IMAGE, "obrázek 1 ze 3: Dva dílky"),
        (pyatspi.ROLE_IMAGE, "obrázek 3 ze 3: Dva dílky"),
        (pyatspi.ROLE_TABLE, "Dílky"),
        (pyatspi.ROLE_SPIN_BUTTON, "Poloha x"),
        (pyatspi.ROLE_SPIN_BUTTON, "Poloha z"),
        (pyatspi.ROLE_PUSH_BUTTON, "Zvětšit y"),
        (pyatspi.ROLE_PUSH_BUTTON, "Zmenšit z"),
        (pyatspi.ROLE_CHECK_BOX, "Použít"),
        (pyatspi.ROLE_PUSH_BUTTON, "Vyhodnoť"),
        (pyatspi.ROLE_LABEL, "Počet pokusů: 0"),
        (pyatspi.ROLE_LABEL, "Počet náhledů: 0"),
        (pyatspi.ROLE_MENU_ITEM, "Načíst"),
        (pyatspi.ROLE_MENU_ITEM, "Konec"),
    ]
    for role, jmeno in ocekavane:
        over(najdi(okno, role, jmeno) is not None, f"no {role} '{jmeno}'")
    for o in potomci(okno):
        if o.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_SPIN_BUTTON,
                           pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_IMAGE, pyatspi.ROLE_TABLE):
            over(o.name != "", f"a {o.getRoleName()} without a name")

    # The grid through the table interface: the pieces' rows, the headers, cells as shown.
    mrizka = najdi(okno, pyatspi.ROLE_TABLE, "Dílky")
    tabulka = mrizka.queryTable()
    over((tabulka.nRows, tabulka.nColumns) == (2, 9),
         f"table of {tabulka.nRows} x {tabulka.nColumns}, not 2 pieces x 9 columns")
    zahlavi = [tabulka.getColumnHeader(s).name for s in range(tabulka.nColumns)]
    over(zahlavi == ["barva", "tvar", "rx", "ry", "rz", "x", "y", "z", "ANO / NE"],
         f"headers {zahlavi}")

    def radek(r):
        return [tabulka.getAccessibleAt(r, s).name for s in range(tabulka.nColumns)]

    over(radek(0) == ["červená", "hranol", "1", "1", "1", "0", "0", "0", "NE"], f"row 1 {radek(0)}")
    over(radek(1) == ["modrá", "hranol", "1", "1", "1", "0", "0", "0", "NE"], f"row 2 {radek(1)}")

    pouzit = najdi(okno, pyatspi.ROLE_CHECK_BOX, "Použít")
    x = najdi(okno, pyatspi.ROLE_SPIN_BUTTON, "Poloha x")
    zvetsit_x = najdi(okno, pyatspi.ROLE_PUSH_BUTTON, "Zvětšit x")
    vyhodnot = najdi(okno, pyatspi.ROLE_PUSH_BUTTON, "Vyhodnoť")

    # Row 2 picked through the table: the game's current row follows, so the arrow and the
    # box change row 2 and leave row 1 alone.
    over(tabulka.addRowSelection(1), "addRowSelection(1) refused")
    over(cekej(lambda: list(tabulka.getSelectedRows()) == [1]), "row 2 not selected")
    akce(zvetsit_x, "Press")
    over(cekej(lambda: radek(1)[5] == "1"), f"the arrow did not move row 2: {radek(1)}")
    over(radek(0)[5] == "0", f"the arrow moved row 1: {radek(0)}")
    over(cekej(lambda: x.queryValue().currentValue == 1), "x does not read 1")
    over(cekej(lambda: ("object:property-change:accessible-value", "Poloha x") in udalosti),
         "the move was not announced as a value change")
    akce(pouzit, "Toggle")
    over(cekej(lambda: radek(1)[8] == "ANO"), f"Toggle did not reach the game: {radek(1)}")
    over(pouzit.getState().contains(pyatspi.STATE_CHECKED), "the box shows no tick")

    # Back to row 1 with the keyboard: the box and the arrows show row 1 again.
    over(tabulka.addRowSelection(0), "addRowSelection(0) refused")
    over(cekej(lambda: not pouzit.getState().contains(pyatspi.STATE_CHECKED)),
         "the box still shows row 2's tick")
    over(cekej(lambda: x.queryValue().currentValue == 0), "x still shows row 2's position")
    akce(pouzit, "Toggle")
    over(cekej(lambda: radek(0)[8] == "ANO"), f"row 1 not marked: {radek(0)}")
    mrizka.queryComponent().grabFocus()
    klavesa("Down")
    over(cekej(lambda: list(tabulka.getSelectedRows()) == [1]), "Down did not pick row 2")
    over(cekej(lambda: pouzit.getState().contains(pyatspi.STATE_CHECKED)),
         "the box does not show row 2's mark after Down")

    # Evaluate: the message box is announced with its text; keys answer it and the question.
    akce(vyhodnot, "Press")
    zprava = cekej(lambda: next((o for a in [aplikace] for o in potomci(a)
                                 if o.name == "Správné řešení"), None))
    over(zprava is not None, "no accessible 'Správné řešení' message")
    over(cekej(lambda: najdi(okno, pyatspi.ROLE_LABEL, "Počet pokusů: 1") is not None),
         "the attempt counter does not read 'Počet pokusů: 1'")
    klavesa("Return")
    otazka = cekej(lambda: next((o for o in potomci(aplikace)
                                 if o.name == "Zobrazit v náhledu hrany?"), None))
    over(otazka is not None, "no accessible question after the correct solution")
    klavesa("Escape")
    over(cekej(lambda: os.path.exists(OTEVRENO)), "the preview was never handed to the shell")
finally:
    hra.terminate()
    hra.wait(10)

print("OK" if not CHYBY else f"{len(CHYBY)} CHYB", flush=True)
sys.exit(1 if CHYBY else 0)
