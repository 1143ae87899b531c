#include "okno_nahledu.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QIcon>
#include <QMenuBar>
#include <QScreen>

namespace tvarolam {

namespace {

QScreen* obrazovkaHry() {
    const QStringList stred = qEnvironmentVariable(PromennaStreduHry).split(',');
    bool x = false, y = false;
    if (stred.size() == 2) {
        const QPoint bod(stred[0].toInt(&x), stred[1].toInt(&y));
        if (x && y)
            if (QScreen* obrazovka = QGuiApplication::screenAt(bod)) return obrazovka;
    }
    if (QScreen* obrazovka = QGuiApplication::screenAt(QCursor::pos())) return obrazovka;
    return QGuiApplication::primaryScreen();
}

} // namespace

OknoNahledu::OknoNahledu(Scena scena, const QString& jmenoSouboru)
    : prohlizec_(new ProhlizecSceny(std::move(scena), this)) {
    setWindowTitle(QFileInfo(jmenoSouboru).fileName() + QStringLiteral(" – Náhled sestavy"));
    // The game's icon: the viewer belongs to it, in the task bar as in the menu.
    setWindowIcon(QIcon(QStringLiteral(":/prohlizec/cz.tvarolam.Hra.svg")));
    setCentralWidget(prohlizec_);
    prohlizec_->setAccessibleName(QStringLiteral("Náhled sestavy"));
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Pohled"));
    const std::tuple<QString, Pohled, Qt::Key> pohledy[] = {
        {QStringLiteral("&Celkový pohled"), Pohled::Pohled, Qt::Key_1},
        {QStringLiteral("Shora (&top)"), Pohled::Top, Qt::Key_2},
        {QStringLiteral("Zepředu (&front)"), Pohled::Front, Qt::Key_3},
    };
    for (const auto& [text, pohled, klavesa] : pohledy) {
        QAction* akce = menu->addAction(text);
        akce->setShortcut(QKeySequence(klavesa));
        connect(akce, &QAction::triggered, prohlizec_,
                [this, pohled = pohled] { prohlizec_->nastavPohled(pohled); });
    }
    menu->addSeparator();
    QAction* zpet = menu->addAction(QStringLiteral("&Výchozí pohled"));
    zpet->setShortcut(QKeySequence(Qt::Key_Home));
    connect(zpet, &QAction::triggered, prohlizec_,
            [this] { prohlizec_->nastavPohled(Pohled::Pohled); });
    QAction* konec = menu->addAction(QStringLiteral("&Konec"));
    konec->setShortcuts({QKeySequence::Quit, QKeySequence(Qt::Key_Escape)});
    connect(konec, &QAction::triggered, this, &QWidget::close);
    resize(800, 600);
}

void OknoNahledu::zobrazUprostred() {
    if (QScreen* obrazovka = obrazovkaHry()) {
        const QRect plocha = obrazovka->availableGeometry();
        resize(size().boundedTo(plocha.size() * 9 / 10));
        move(plocha.center() - QPoint(width() / 2, height() / 2));
    }
    show();
}

} // namespace tvarolam
