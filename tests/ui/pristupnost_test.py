#!/usr/bin/python3
"""The game as a screen-reader user meets it: the accessible tree over AT-SPI, the grid read
through the table interface, and the two-piece example solved with AT-SPI actions and key
events only. Runs inside a private session bus under Xvfb (pristupnost_test.sh starts both).

Arguments: the work folder (ulohy/ holds a copy of the example task, the stand-in shell writes
the opened path to otevreno), the game."""

import os
import sys

import pyatspi
from pristupnost_podpora import (Program, akce, bunky, cekej, klavesa, najdi, over, potomci,
                                 vysledek, zahlavi)

PRACOVNI, HRA = sys.argv[1:3]
SLOZKA = os.path.join(PRACOVNI, "ulohy")
OTEVRENO = os.path.join(PRACOVNI, "otevreno")

udalosti = []
pyatspi.Registry.registerEventListener(
    lambda u: udalosti.append((u.type, u.source.name if u.source else "")),
    "object:property-change:accessible-value", "object:property-change:accessible-name",
    "object:state-changed:checked", "window:create", "object:state-changed:showing")

with Program([HRA, "01-dva-dilky.3du"], "tvarolam-hra", SLOZKA) as hra:
    aplikace = hra.aplikace
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
    over(zahlavi(tabulka) == ["barva", "tvar", "rx", "ry", "rz", "x", "y", "z", "ANO / NE"],
         f"headers {zahlavi(tabulka)}")

    def radek(r):
        return bunky(tabulka, r)

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

vysledek()
