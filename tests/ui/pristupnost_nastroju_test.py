#!/usr/bin/python3
"""The viewer and the teachers' editor as a screen-reader user meets them: roles and Czech names
in the accessible tree, the 3D views' descriptions, the editor's tables read through the table
interface, kinds added and removed with AT-SPI actions only, message boxes with their text.
Runs inside a private session bus under Xvfb (pristupnost_test.sh starts both).

Arguments: the work folder (ulohy/ holds the two-piece example), the viewer, the editor, the
scene template the game writes previews with."""

import os
import sys

import pyatspi
from pristupnost_podpora import (Program, akce, bunky, cekej, klavesa, najdi, over, potomci,
                                 vysledek, zahlavi, zprava)

PRACOVNI, NAHLED, EDITOR, SABLONA = sys.argv[1:5]
SLOZKA = os.path.join(PRACOVNI, "ulohy")

OVLADANI = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_SPIN_BUTTON,
            pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TABLE,
            pyatspi.ROLE_LIST, pyatspi.ROLE_IMAGE, pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM)


def bez_jmen(okno):
    return [f"{o.getRoleName()} in {o.parent.getRoleName()} '{o.parent.name}'"
            for o in potomci(okno) if o.getRole() in OVLADANI and not o.name]


# The viewer on a scene of two pieces, as the game writes it.
with open(SABLONA, "rb") as sablona:
    scena = sablona.read() + b"\r\n"
scena += b'Dilek { tvar "hranol" poloha 0 0 0 velikost 1 1 1 barva 1.00 0.00 0.00 }\r\n'
scena += b'Dilek { tvar "koule" poloha 1 0 0 velikost 1 1 1 barva 0.00 0.00 1.00 }\r\n'
with open(os.path.join(SLOZKA, "tempwrl.wrl"), "wb") as soubor:
    soubor.write(scena)

with Program([NAHLED, "tempwrl.wrl"], "tvarolam-nahled", SLOZKA) as nahled:
    okno = cekej(lambda: najdi(nahled.aplikace, pyatspi.ROLE_FRAME))
    over(okno is not None and okno.name == "tempwrl.wrl – Náhled sestavy",
         f"the viewer's window is '{okno and okno.name}'")
    pohled = najdi(okno, pyatspi.ROLE_IMAGE, "Náhled sestavy")
    over(pohled is not None and pohled.description ==
         "2 dílky: hranol červená, 1 × 1 × 1, na 0, 0, 0; koule modrá, 1 × 1 × 1, na 1, 0, 0.",
         f"the 3D view reads '{pohled and pohled.description}'")
    over(pohled is not None and pohled.getState().contains(pyatspi.STATE_FOCUSABLE),
         "the 3D view takes no focus (its keys orbit and zoom)")
    for jmeno in ("Pohled", "Celkový pohled", "Shora (top)", "Zepředu (front)", "Konec"):
        over(any(o.name == jmeno for o in potomci(okno)), f"the viewer has no '{jmeno}'")
    over(bez_jmen(okno) == [], f"the viewer's controls without a name: {bez_jmen(okno)}")

# A scene the viewer cannot show: the message box is announced with its text.
with Program([NAHLED, "chybi.wrl"], "tvarolam-nahled", SLOZKA) as nahled:
    over(cekej(lambda: zprava(nahled.aplikace, "chybi.wrl")) is not None,
         "no alert naming the missing scene")
    klavesa("Return")
    over(cekej(lambda: nahled.proces.poll() is not None), "Return did not close the message")

with Program([EDITOR, "01-dva-dilky.3du"], "tvarolam-editor", SLOZKA) as editor:
    okno = cekej(lambda: najdi(editor.aplikace, pyatspi.ROLE_FRAME))
    over(okno is not None and okno.name.startswith("01-dva-dilky.3du"),
         f"the editor's window is '{okno and okno.name}'")
    menu = najdi(okno, pyatspi.ROLE_MENU_BAR)
    over(menu is not None and [m.name for m in menu][:2] == ["Soubor", "Úpravy"],
         f"the editor's menus are {menu and [m.name for m in menu]}")
    for role, jmeno in [(pyatspi.ROLE_PUSH_BUTTON, "Přidat druh"),
                        (pyatspi.ROLE_PUSH_BUTTON, "Odebrat druh"),
                        (pyatspi.ROLE_PUSH_BUTTON, "Přidat řešení"),
                        (pyatspi.ROLE_PUSH_BUTTON, "Odebrat řešení"),
                        (pyatspi.ROLE_PUSH_BUTTON, "Ukázat"),
                        (pyatspi.ROLE_PUSH_BUTTON, "Vyzkoušet ve hře"),
                        (pyatspi.ROLE_SPIN_BUTTON, "Poloha x"),
                        (pyatspi.ROLE_CHECK_BOX, "Použít"),
                        (pyatspi.ROLE_TABLE, "Dílky"), (pyatspi.ROLE_LIST, "Řešení")]:
        over(najdi(okno, role, jmeno) is not None, f"the editor has no {role} '{jmeno}'")
    over(any(o.name == "Název" and o.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
             for o in potomci(okno)), "no text field 'Název'")
    over(bez_jmen(okno) == [], f"the editor's controls without a name: {bez_jmen(okno)}")
    # A combo box reads its value as its name on this platform; its label comes by relation.
    tvar = najdi(okno, pyatspi.ROLE_COMBO_BOX)
    stitky = [c.getTarget(i).name for c in tvar.getRelationSet()
              if c.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(c.getNTargets())]
    over(tvar.name == "hranol" and "Tvar:" in stitky, f"the shape box: {tvar.name}, {stitky}")

    druhy = najdi(okno, pyatspi.ROLE_TABLE, "Druhy dílků").queryTable()
    over(zahlavi(druhy) == ["tvar", "rx", "ry", "rz", "barva", "počet"],
         f"kinds' headers {zahlavi(druhy)}")
    over(bunky(druhy, 0) == ["hranol", "1", "1", "1", "červená", "1"], f"kind 1 {bunky(druhy, 0)}")
    over(bunky(druhy, 1) == ["hranol", "1", "1", "1", "modrá", "1"], f"kind 2 {bunky(druhy, 1)}")
    mrizka = najdi(okno, pyatspi.ROLE_TABLE, "Dílky").queryTable()
    over(zahlavi(mrizka)[:2] == ["barva", "tvar"] and bunky(mrizka, 1)[0] == "modrá",
         f"the grid reads {zahlavi(mrizka)} / {bunky(mrizka, 1)}")

    obrazky = [(o.name, o.description) for o in potomci(okno) if o.name.startswith("Obrázek ")
               and o.getRole() in (pyatspi.ROLE_IMAGE, pyatspi.ROLE_LABEL)]
    over(obrazky == [(f"Obrázek {i}", f"01-dva-dilky-{i}.jpg") for i in (1, 2, 3)],
         f"the picture boxes read {obrazky}")

    # "Ukázat" places the selected solution: the 3D view describes it.
    pohled = najdi(okno, pyatspi.ROLE_IMAGE, "Sestava ve 3D")
    akce(najdi(okno, pyatspi.ROLE_PUSH_BUTTON, "Ukázat"), "Press")
    over(cekej(lambda: pohled.description.startswith("2 dílky: hranol červená")),
         f"the editor's 3D view reads '{pohled.description}'")

    # A kind added; kinds selected through the table are the ones "Odebrat druh" removes.
    akce(najdi(okno, pyatspi.ROLE_PUSH_BUTTON, "Přidat druh"), "Press")
    over(cekej(lambda: druhy.nRows == 3), f"{druhy.nRows} kinds after 'Přidat druh'")
    # Kind 1 is in the solution: removing it asks first, the question read with its text.
    over(druhy.addRowSelection(0), "addRowSelection(0) refused")
    akce(najdi(okno, pyatspi.ROLE_PUSH_BUTTON, "Odebrat druh"), "Press")
    over(cekej(lambda: zprava(editor.aplikace, "Druh 1 používá")) is not None,
         "no question naming the solutions kind 1 breaks")
    klavesa("Escape")
    over(cekej(lambda: zprava(editor.aplikace, "Druh 1 používá") is None),
         "Escape did not answer the question")
    # The new kind is in no solution: it goes at once.
    over(druhy.addRowSelection(2), "addRowSelection(2) refused")
    akce(najdi(okno, pyatspi.ROLE_PUSH_BUTTON, "Odebrat druh"), "Press")
    over(cekej(lambda: druhy.nRows == 2), f"{druhy.nRows} kinds after 'Odebrat druh'")
    over([bunky(druhy, r)[4] for r in range(druhy.nRows)] == ["červená", "modrá"],
         "the wrong kind went")

vysledek()
