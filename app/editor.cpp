// tvarolam-editor [TASK.3du]: the teachers' task editor.

#include "spusteni_editoru.h"

int main(int argc, char* argv[]) {
    return tvarolam::editor::spustEditor(argc, argv);
}
