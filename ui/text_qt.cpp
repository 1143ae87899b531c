#include "text_qt.h"

#include <QLabel>

namespace tvarolam {

QString textSAkceleratorem(const QString& popisek) {
    QString html;
    for (qsizetype i = 0; i < popisek.size(); ++i) {
        QString znak = popisek.at(i);
        bool podtrhnout = false;
        if (znak == u'&' && i + 1 < popisek.size()) {
            znak = popisek.at(++i);
            podtrhnout = znak != u'&';
        } else if (znak == u'&') {
            continue;
        }
        znak = znak.toHtmlEscaped();
        html += podtrhnout ? QStringLiteral("<u>%1</u>").arg(znak) : znak;
    }
    // Blanks stay as the caption has them, and a long description still wraps.
    return QStringLiteral("<span style=\"white-space:pre-wrap\">%1</span>").arg(html);
}

void ukazPopisek(QLabel* label, const QString& popisek) {
    const bool akcelerator = popisek.contains(u'&');
    label->setTextFormat(akcelerator ? Qt::RichText : Qt::PlainText);
    label->setText(akcelerator ? textSAkceleratorem(popisek) : popisek);
}

} // namespace tvarolam
