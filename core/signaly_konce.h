#pragma once
// The signals that end a desktop session — SIGTERM (logout, shutdown), SIGHUP (a closed terminal
// or session), SIGINT (Ctrl+C) — handed over to the event loop: the handler only writes a byte
// into a pipe, and the loop ends the game between two handlers, never inside one.

namespace tvarolam {

// Installs the handlers; returns the pipe's end to watch for reading, or -1 when no pipe
// could be made (the signals then keep their default and end the process).
int predavejSignalyKonce();

// The signals end the process again.
void prestanPredavatSignalyKonce();

// Takes the waiting bytes out of the pipe once it is readable.
void vyprazdniSignalyKonce(int cteni);

} // namespace tvarolam
