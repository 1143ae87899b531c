#pragma once
// The game ends as a closed window ends it — the pending log line appended, the preview file
// deleted — however the desktop session ends it: a signal, the session manager, a lost display.

namespace tvarolam {

class TForm1;

// Watches for the end of the session for as long as the window lives.
void koncitSeSezenim(TForm1& okno);

} // namespace tvarolam
