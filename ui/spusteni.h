#pragma once
// The game's start, in its order: texts, the window (which loads a command-line task), the
// captions from the texts file, the message loop.

#include "ukaz_box.h"

#include <functional>

class QWidget;

namespace tvarolam {

class Prostredi;

// Runs the game until its window closes; returns the exit code (1 for a short texts file).
// poZobrazeni, when given, runs once the window has been shown (start-up measurements); every
// message box, the window's included, is shown through ukazBox.
int spustHru(Prostredi& prostredi, const std::function<void(QWidget&)>& poZobrazeni = {},
             const UkazBox& ukazBox = ukazModalne);

} // namespace tvarolam
