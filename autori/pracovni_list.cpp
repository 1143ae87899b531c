#include "pracovni_list.h"

#include "preklad.h"

#include "kodovani.h"
#include "kontrola_ulohy.h"
#include "nahled.h"
#include "navratove_kody.h"
#include "obrazky.h"
#include "obrazky_sestavy.h"
#include "prevod.h"
#include "scena.h"
#include "viditelnost.h"
#include "zapis_souboru.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <ostream>

namespace tvarolam {

namespace {

constexpr QSize Box(SirkaObrazku, VyskaObrazku);
constexpr double Dpi = 300;
constexpr double Sirka = 180, Vyska = 267; // A4 less 15 mm margins, in mm

double mm(double v) {
    return v * Dpi / 25.4;
}
QRectF obdelnik(double x, double y, double w, double h) {
    return {mm(x), mm(y), mm(w), mm(h)};
}

// A caption as a label shows it: "&&" is an ampersand, a single "&" marks the next letter.
std::string bezZnackyZkratky(const std::string& text) {
    std::string vysledek;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        else if (text[i] == '&')
            continue;
        vysledek += text[i];
    }
    return vysledek;
}

// The picture in a box of the game's size, centred: a larger one shows its middle.
QImage jakoVeHre(const QImage& obraz) {
    if (obraz.isNull()) return {};
    QImage box(Box, QImage::Format_RGB32);
    box.fill(Qt::white);
    QPainter p(&box);
    p.drawImage(QPoint((Box.width() - obraz.width()) / 2, (Box.height() - obraz.height()) / 2),
                obraz);
    return box;
}

QColor barvaDilku(int barva) {
    const Rgb rgb = rozlozBarvu(barva);
    return {rgb.r, rgb.g, rgb.b};
}

QFont pismo(double body, bool tucne = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(body);
    f.setBold(tucne);
    return f;
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Draws the text wrapped into the width from y; returns the height taken, in mm.
double odstavec(QPainter& p, const QString& obsah, double y, const QFont& f) {
    p.setFont(f);
    const QRectF misto = obdelnik(0, y, Sirka, Vyska - y);
    const QRectF zabrano = p.boundingRect(misto, Qt::TextWordWrap, obsah);
    p.drawText(misto, Qt::TextWordWrap, obsah);
    return zabrano.height() * 25.4 / Dpi;
}

void ramecek(QPainter& p, const QRectF& kde, const QImage& obraz) {
    if (!obraz.isNull())
        p.drawImage(kde, obraz);
    else {
        p.setFont(pismo(10));
        p.drawText(kde, Qt::AlignCenter, QStringLiteral("bez obrázku"));
    }
    p.setPen(QPen(Qt::black, mm(0.3)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kde);
}

void vzorekBarvy(QPainter& p, const QRectF& kde, int barva) {
    p.setPen(QPen(Qt::black, mm(0.2)));
    p.setBrush(barvaDilku(barva));
    p.drawRect(kde);
    p.setBrush(Qt::NoBrush);
}

// A table of rows: columns as (left edge, width) in mm, one text or swatch a cell.
struct Sloupec {
    double x, sirka;
    QString nazev;
};

double vyskaRadku(double misto, std::size_t radku) {
    return std::clamp(misto / static_cast<double>(radku + 1), 3.0, 8.0);
}

void stranaZaka(QPainter& p, const ListUlohy& u) {
    double y = 0;
    y += odstavec(p, text(u.titulek), y, pismo(20, true)) + 2;
    if (!u.popis.empty()) y += odstavec(p, text(u.popis), y, pismo(12)) + 4;
    const double w = 88, h = 66, mezera = 4;
    ramecek(p, obdelnik(0, y, w, h), u.obrazky[0]);
    ramecek(p, obdelnik(w + mezera, y, w, h), u.obrazky[1]);
    ramecek(p, obdelnik(0, y + h + mezera, w, h), u.obrazky[2]);
    y += 2 * h + mezera + 6;

    p.setFont(pismo(14, true));
    p.drawText(obdelnik(0, y, Sirka, 8), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Dílky, ze kterých stavíš"));
    y += 9;
    const Sloupec sloupce[] = {{0, 45, QStringLiteral("Tvar")},
                               {45, 50, QStringLiteral("Rozměry (x × y × z)")},
                               {95, 40, QStringLiteral("Barva")},
                               {135, 45, QStringLiteral("Počet")}};
    const double r = vyskaRadku(Vyska - y, u.druhy.size());
    p.setFont(pismo(std::min(11.0, r * 1.6), true));
    for (const auto& s : sloupce)
        p.drawText(obdelnik(s.x, y, s.sirka, r), Qt::AlignLeft | Qt::AlignVCenter, s.nazev);
    p.setFont(pismo(std::min(11.0, r * 1.6)));
    for (const auto& druh : u.druhy) {
        y += r;
        const auto bunka = [&](int i, const QString& obsah) {
            p.drawText(obdelnik(sloupce[i].x, y, sloupce[i].sirka, r),
                       Qt::AlignLeft | Qt::AlignVCenter, obsah);
        };
        bunka(0, text(druh.tvar));
        bunka(1, QStringLiteral("%1 × %2 × %3").arg(druh.rx).arg(druh.ry).arg(druh.rz));
        vzorekBarvy(p, obdelnik(95, y + r * 0.15, 25, r * 0.7), druh.barva);
        bunka(3, QStringLiteral("%1×").arg(druh.pocet));
    }
}

void stranaReseni(QPainter& p, const ListUlohy& u) {
    double y = 0;
    y += odstavec(p, QStringLiteral("Řešení: ") + text(u.titulek), y, pismo(18, true)) + 3;
    if (u.reseni.empty()) {
        odstavec(p, QStringLiteral("Úloha nemá žádné řešení, které by se dalo postavit."), y,
                 pismo(12));
        return;
    }
    const double w = 140, h = 105;
    ramecek(p, obdelnik((Sirka - w) / 2, y, w, h), u.obrazekReseni);
    y += h + 5;
    y += odstavec(p, QStringLiteral("Řádky tabulky tak, jak je žák nastaví:"), y, pismo(12)) + 1;
    const Sloupec sloupce[] = {{0, 20, QStringLiteral("Řádek")},   {20, 40, QStringLiteral("Tvar")},
                               {60, 35, QStringLiteral("Barva")},  {95, 20, QStringLiteral("x")},
                               {115, 20, QStringLiteral("y")},     {135, 20, QStringLiteral("z")},
                               {155, 25, QStringLiteral("Použít")}};
    const double r = vyskaRadku(Vyska - y, u.reseni.size());
    p.setFont(pismo(std::min(11.0, r * 1.6), true));
    for (const auto& s : sloupce)
        p.drawText(obdelnik(s.x, y, s.sirka, r), Qt::AlignLeft | Qt::AlignVCenter, s.nazev);
    p.setFont(pismo(std::min(11.0, r * 1.6)));
    for (const auto& d : u.reseni) {
        y += r;
        const auto bunka = [&](int i, const QString& obsah) {
            p.drawText(obdelnik(sloupce[i].x, y, sloupce[i].sirka, r),
                       Qt::AlignLeft | Qt::AlignVCenter, obsah);
        };
        bunka(0, QString::number(d.radek));
        bunka(1, text(d.tvar));
        vzorekBarvy(p, obdelnik(60, y + r * 0.15, 25, r * 0.7), d.barva);
        for (int k = 0; k < 3; ++k)
            bunka(3 + k, QString::number(d.poloha[static_cast<std::size_t>(k)]));
        bunka(6, text(u.ano));
    }
}

} // namespace

ListUlohy listUlohy(const PametoveOkno& okno, const TabulkaDilku& tabulka, const Texty& texty) {
    using S = TabulkaDilku::Sloupec;
    ListUlohy u;
    u.titulek = cp1250NaUtf8(bezZnackyZkratky(okno.popisek(Prvek::LUloha)));
    u.popis = cp1250NaUtf8(bezZnackyZkratky(okno.popisek(Prvek::LUloha2)));
    u.ano = cp1250NaUtf8(texty[Text::Ano]);
    for (std::size_t i = 0; i < 3; ++i)
        if (okno.obrazky[i].viditelny) u.obrazky[i] = jakoVeHre(okno.obrazky[i].obraz);

    // The loader gives each kind's pieces consecutive rows.
    std::string druh;
    for (int r = 1; r < tabulka.pocetRadku(); ++r) {
        const auto cislo = [&](int s) { return zkusStrToInt(tabulka.bunka(s, r)).value_or(0); };
        if (r == 1 || tabulka.bunka(S::Druh, r) != druh) {
            druh = tabulka.bunka(S::Druh, r);
            u.druhy.push_back({cp1250NaUtf8(tabulka.bunka(S::Tvar, r)), cislo(S::Rx), cislo(S::Ry),
                               cislo(S::Rz), cislo(S::Barva), 0});
        }
        ++u.druhy.back().pocet;
        if (tabulka.bunka(S::Pouzit, r) == texty[Text::Ano])
            u.reseni.push_back({r,
                                cp1250NaUtf8(tabulka.bunka(S::Tvar, r)),
                                cislo(S::Barva),
                                {cislo(S::X), cislo(S::Y), cislo(S::Z)}});
    }
    if (!u.reseni.empty()) {
        bool uplna = false;
        try {
            const Scena scena = rozeberScenu(textSceny(tabulka, texty, true, uplna));
            u.obrazekReseni =
                obrazekSestavy(scena, Pohled::Pohled, QSize(2 * Box.width(), 2 * Box.height()));
        } catch (const ChybaSceny&) {
            // A scene the viewer would refuse: the key keeps its table, without the picture.
        }
    }
    return u;
}

bool zapisPracovniList(const std::vector<ListUlohy>& ulohy, const std::string& cesta) {
    QByteArray bajty;
    {
        QBuffer buffer(&bajty);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(static_cast<int>(Dpi));
        pdf.setTitle(QStringLiteral("Pracovní list"));
        pdf.setCreator(QStringLiteral("tvarolam-uloha"));
        QPainter p;
        if (!p.begin(&pdf)) return false;
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        bool prvni = true;
        const auto novaStrana = [&] {
            if (!prvni) pdf.newPage();
            prvni = false;
        };
        for (const auto& u : ulohy) {
            novaStrana();
            stranaZaka(p, u);
        }
        for (const auto& u : ulohy) {
            novaStrana();
            stranaReseni(p, u);
        }
        if (!p.end()) return false;
    }
    return !bajty.isEmpty() && zapisNahradou(cesta, bajty.toStdString());
}

int pracovniList(const std::vector<std::string>& ulohy, const std::string& pdf, const Texty& texty,
                 std::ostream& chyby) {
    std::vector<ListUlohy> listy;
    for (const auto& cesta : ulohy) {
        RozborUlohy rozbor(texty);
        if (!rozbor.nacti(cesta)) {
            chyby << naTerminal(rozbor.zpravaNacteni()) << '\n';
            return navrat::SpatneArgumenty;
        }
        // A code that cannot be placed leaves the table as it loaded: a key without a solution.
        if (!rozbor.reseni().empty()) rozbor.umistiKod(rozbor.reseni().front());
        listy.push_back(listUlohy(rozbor.okno(), rozbor.hra().tabulka(), texty));
    }
    if (!zapisPracovniList(listy, pdf)) {
        chyby << "tvarolam-uloha: " << preloz("tvarolam-uloha", "cannot write ") << naTerminal(pdf)
              << '\n';
        return navrat::Selhani;
    }
    return navrat::Uspech;
}

} // namespace tvarolam
