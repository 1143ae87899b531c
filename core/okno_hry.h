#pragma once
// What the game needs from its window. The game reports, the window shows: the real window
// (ui/) puts these on Qt widgets, PametoveOkno keeps them in memory for the task tool and tests.

#include <QImage>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tvarolam {

// Controls with a caption. The first nine are the captions of texts-file lines 21..29, in order;
// the question box's caption and its two buttons are those of the optional lines 30..32.
enum class Prvek {
    loha1,
    Nast1,
    KOnec1,
    GroupBox1,
    Label1,
    Label2,
    Label3,
    CBPouzit,
    BVyhodnot,
    LUloha,
    LUloha2,
    LPokusy,
    LNahledy,
    OtazkaTitulek,
    OtazkaAno,
    OtazkaNe,
};
constexpr int PocetPrvku = static_cast<int>(Prvek::OtazkaNe) + 1;

// The three position controls UDx, UDy, UDz.
enum class Osa { X, Y, Z };

// The captions of the window's design: texts-file defaults, empty task labels, counters at 0.
std::array<std::string, PocetPrvku> popiskyNavrhu();

class OknoHry {
public:
    virtual ~OknoHry() = default;

    virtual void nastavTitulek(const std::string& titulek) = 0;
    virtual void nastavPopisek(Prvek prvek, const std::string& popisek) = 0;
    virtual std::string popisek(Prvek prvek) const = 0;

    // Picture boxes IObr1..IObr3 (cislo 1..3). A null image shows an empty box.
    virtual void ukazObrazek(int cislo, const std::string& jmeno, const QImage& obraz) = 0;
    virtual void skryjObrazek(int cislo) = 0;

    // Position of an up-down control, already within its range 0..10. Setting it runs no handler.
    virtual void nastavPolohu(Osa osa, int poloha) = 0;
    virtual int poloha(Osa osa) const = 0;

    // The check box CBPouzit. Setting it runs no handler; the game runs CBPouzitClick itself.
    virtual void nastavPouzit(bool zaskrtnuto) = 0;
    virtual bool pouzit() const = 0;

    virtual void povolVyhodnoceni(bool povolit) = 0;

    // Modal boxes: a plain message with OK, and a Yes/No question (true for Yes).
    virtual void zprava(const std::string& text) = 0;
    virtual bool otazka(const std::string& text) = 0;
};

// A window without widgets: the state the game set, kept for whoever looks.
class PametoveOkno : public OknoHry {
public:
    PametoveOkno();

    void nastavTitulek(const std::string& titulek) override { this->titulek = titulek; }
    void nastavPopisek(Prvek prvek, const std::string& popisek) override;
    std::string popisek(Prvek prvek) const override;
    void ukazObrazek(int cislo, const std::string& jmeno, const QImage& obraz) override;
    void skryjObrazek(int cislo) override;
    void nastavPolohu(Osa osa, int poloha) override;
    int poloha(Osa osa) const override;
    void nastavPouzit(bool zaskrtnuto) override { pouzitZaskrtnuto = zaskrtnuto; }
    bool pouzit() const override { return pouzitZaskrtnuto; }
    void povolVyhodnoceni(bool povolit) override { vyhodnoceniPovoleno = povolit; }
    void zprava(const std::string& text) override { zpravy.push_back(text); }
    bool otazka(const std::string& text) override;

    struct Obrazek {
        bool viditelny = false;
        std::string jmeno;
        QImage obraz;
    };

    std::string titulek;
    std::array<std::string, PocetPrvku> popisky;
    std::array<Obrazek, 3> obrazky;
    std::array<int, 3> polohy{};
    bool pouzitZaskrtnuto = false;
    bool vyhodnoceniPovoleno = false;
    std::vector<std::string> zpravy;
    std::vector<std::string> otazky;
    // Answers the questions; without it every question is answered No.
    std::function<bool(const std::string&)> odpoved;
};

} // namespace tvarolam
