#include "text_qt.h"

#include <QLabel>

namespace tvarolam {

namespace {
// Each underlined run is an element of its own in the label's document; a caption never needs
// more, and a title of a million marks would otherwise take a gigabyte.
constexpr int NejvicePodtrzeni = 64;
} // namespace

QString textSAkceleratorem(const QString& popisek) {
    QString html;
    html.reserve(popisek.size() + 64);
    bool vPodtrzeni = false;
    int podtrzeni = 0;
    for (qsizetype i = 0; i < popisek.size(); ++i) {
        QChar znak = popisek.at(i);
        bool podtrhnout = false;
        if (znak == u'&') {
            if (i + 1 == popisek.size()) continue;
            znak = popisek.at(++i);
            podtrhnout = znak != u'&';
        }
        if (podtrhnout && !vPodtrzeni && podtrzeni < NejvicePodtrzeni) {
            html += QStringLiteral("<u>");
            vPodtrzeni = true;
            ++podtrzeni;
        } else if (!podtrhnout && vPodtrzeni) {
            html += QStringLiteral("</u>");
            vPodtrzeni = false;
        }
        html += QString(znak).toHtmlEscaped();
    }
    if (vPodtrzeni) html += QStringLiteral("</u>");
    // Blanks stay as the caption has them, and a long description still wraps.
    return QStringLiteral("<span style=\"white-space:pre-wrap\">%1</span>").arg(html);
}

void ukazPopisek(QLabel* label, const QString& popisek) {
    const bool akcelerator = popisek.contains(u'&');
    label->setTextFormat(akcelerator ? Qt::RichText : Qt::PlainText);
    label->setText(akcelerator ? textSAkceleratorem(popisek) : popisek);
}

} // namespace tvarolam
