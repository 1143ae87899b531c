#pragma once
// The game's start, in its order: texts, the window (which loads a command-line task), the
// captions from the texts file, the message loop.

#include "ukaz_box.h"

#include <functional>
#include <optional>
#include <string>

class QTranslator;
class QWidget;

namespace tvarolam {

class Prostredi;

// The name and icon panels and task switchers show, grouped with the game's menu entry.
void nastavIdentituAplikace();
// Loads the toolkit's own texts (the open dialog's) in the game's language: Czech, unless a texts
// file gives the game its own texts, whose language only the desktop's settings can guess.
// Returns false when the translation is not installed; the dialogs then stay in English.
bool nactiPrekladToolkitu(QTranslator& prekladac, bool vlastniTexty);

// A task named when the game starts, by the bytes the system passed. The plain argument is
// loaded by the creation handler and starts no log line; one opened as the menu opens it
// (a double click on a task file) moves to the task's folder and starts its log line.
struct UlohaPriStartu {
    std::string cesta;
    bool jakoZMenu = false;
};

// Runs the game until its window closes; returns the exit code (1 for a short texts file).
// poZobrazeni, when given, runs once the window has been shown (start-up measurements); every
// message box, the window's included, is shown through ukazBox.
int spustHru(Prostredi& prostredi, const std::optional<UlohaPriStartu>& uloha = {},
             const std::function<void(QWidget&)>& poZobrazeni = {},
             const UkazBox& ukazBox = ukazModalne);

// The game's process once its command line is read: the application on the desktop's display,
// with the font configuration read beside the display's connection, then spustHru.
int spustAplikaciHry(int& argc, char* argv[], const std::optional<UlohaPriStartu>& uloha,
                     const std::function<void(QWidget&)>& poZobrazeni = {});

} // namespace tvarolam
