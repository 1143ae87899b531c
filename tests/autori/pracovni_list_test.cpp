// Worksheets as a teacher prints them: poppler renders every page and reads the titles and the
// pieces' names; what cannot be printed is refused before anything is written.

#include "hra_testu.h"
#include "navratove_kody.h"
#include "pracovni_list.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include <filesystem>
#include <sstream>

namespace tvarolam::test {
namespace {

// A poppler tool's standard output.
std::string poppler(const QString& program, const QStringList& argumenty) {
    QProcess proces;
    proces.start(program, argumenty);
    if (!proces.waitForFinished(60000) || proces.exitCode() != 0)
        return "(" + program.toStdString() + " failed)";
    return proces.readAllStandardOutput().toStdString();
}

class PracovniList : public VDocasnemAdresari {};

TEST_F(PracovniList, OnePageATaskThenOneKeyPageATaskThatPopplerReads) {
    QImage obraz(320, 200, QImage::Format_RGB32); // larger than the box: its middle shows
    obraz.fill(Qt::darkGreen);
    ASSERT_TRUE(obraz.save("vez-1.bmp", "BMP"));
    // Windows-1250 text, an accelerator mark, a picture; a second task without a solution.
    zapisSoubor("vez.3du",
                "U \x8Elut\xE1 v\xEC\x9E & spol.\r\nu Postav v\xEC\x9E.\r\nO vez-1.bmp\r\n"
                "K H 1 1 1 250 210 0 2\r\nK K 1 1 1 0 0 255 1\r\nR 1PPP1PQP2PRP\r\n");
    zapisSoubor("prazdna.3du", "U Bez reseni\r\nK Z 1 2 1 200 30 30 1\r\n");
    std::ostringstream chyby;
    ASSERT_EQ(pracovniList({"vez.3du", "prazdna.3du"}, "list.pdf", Texty(), chyby), navrat::Uspech)
        << chyby.str();

    EXPECT_NE(poppler("pdfinfo", {"list.pdf"}).find("Pages:           4"), std::string::npos);
    const std::string text = poppler("pdftotext", {"-layout", "list.pdf", "-"});
    for (const char* hledany : {"Žlutá věž spol.", "Postav věž.", "Bez reseni", "hranol", "koule",
                                "kužel", "Řešení: Žlutá věž", "ANO", "2×"})
        EXPECT_NE(text.find(hledany), std::string::npos) << hledany << "\n" << text;
    std::string bezMezer = text; // poppler spaces the sizes as it likes
    std::erase(bezMezer, ' ');
    EXPECT_NE(bezMezer.find("1×2×1"), std::string::npos) << text;
    // Every font embedded: pdffonts' column "emb" says yes on each font's line.
    std::istringstream pisma(poppler("pdffonts", {"list.pdf"}));
    std::string hlavicka, radek;
    std::getline(pisma, hlavicka);
    const auto emb = hlavicka.find("emb");
    std::getline(pisma, radek); // the rule under the header
    int pisem = 0;
    for (; std::getline(pisma, radek); ++pisem)
        EXPECT_EQ(radek.substr(emb, 3), "yes") << radek;
    EXPECT_EQ(pisem, 2) << "Liberation Sans and its bold";
    poppler("pdftoppm", {"-r", "20", "-png", "list.pdf", "strana"});
    for (const char* png : {"strana-1.png", "strana-2.png", "strana-3.png", "strana-4.png"})
        EXPECT_FALSE(QImage(png).isNull()) << png;
}

TEST_F(PracovniList, ATaskThatDoesNotLoadOrAFileThatCannotBeWrittenIsRefused) {
    zapisSoubor("u.3du", "U Test\r\nK H 1 1 1 0 0 255 1\r\nR 1PPP\r\n");
    std::ostringstream chyby;
    EXPECT_EQ(pracovniList({"u.3du", "chybi.3du"}, "list.pdf", Texty(), chyby),
              navrat::SpatneArgumenty);
    EXPECT_NE(chyby.str().find("chybi.3du"), std::string::npos) << chyby.str();
    EXPECT_FALSE(std::filesystem::exists("list.pdf"));
    EXPECT_EQ(pracovniList({"u.3du"}, "chybi/list.pdf", Texty(), chyby), navrat::Selhani);
}

} // namespace
} // namespace tvarolam::test
