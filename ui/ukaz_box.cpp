#include "ukaz_box.h"

#include <QMessageBox>

namespace tvarolam {

void ukazModalne(QMessageBox& box) {
    box.exec();
}

} // namespace tvarolam
