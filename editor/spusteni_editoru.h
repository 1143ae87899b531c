#pragma once
// tvarolam-editor's start: the command line read without a display (--help and --version work
// over ssh), then the window with the task it names.

namespace tvarolam::editor {

// Returns the exit code: 0 after the window closed or help was printed, 2 for wrong arguments.
int spustEditor(int argc, char* argv[]);

} // namespace tvarolam::editor
