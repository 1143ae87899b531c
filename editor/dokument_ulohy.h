#pragma once
// A task file as the editor holds it: the values the game reads from it (title, description,
// pictures, piece kinds, accepted codes) over the file's own lines. Saving rewrites only the
// records whose values changed; every other byte (lines the game ignores, the order of records,
// each line's end, anything after a 0x1A byte) stays as it was.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tvarolam::editor {

// One K record: the shape letter (H, K, V, Z), the sizes, the colour's components and the count.
struct DruhDilku {
    char tvar = 'H';
    std::int32_t rx = 1, ry = 1, rz = 1;
    std::int32_t r = 0, g = 0, b = 0;
    std::int32_t pocet = 1;
    bool operator==(const DruhDilku&) const = default;
};

// Texts are Windows-1250 bytes, as the game keeps them.
struct ObsahUlohy {
    std::string titulek;
    std::string popis;
    std::array<std::string, 3> obrazky; // O, p, q; empty: no such picture
    std::vector<DruhDilku> druhy;
    std::vector<std::string> reseni;
    bool operator==(const ObsahUlohy&) const = default;
};

// The K line of a kind as a new line holds it: "K H 1 1 1 255 0 0 1".
std::string radekDruhu(const DruhDilku& druh);

class DokumentUlohy {
public:
    DokumentUlohy() = default;
    // Reads a task's bytes. A file that is valid UTF-8 with some byte above 127 (what editors on
    // this system write) is converted to Windows-1250 first; `prevedenoZUtf8` says so, and
    // `nezobrazitelne` lists (in UTF-8) the characters Windows-1250 has no place for, which
    // became '?'. A UTF-8 byte-order mark goes with the conversion.
    static DokumentUlohy zBajtu(const std::string& bajty, bool rozpoznatUtf8 = true);

    // The file's bytes with the values of `obsah`: the original bytes when nothing changed.
    std::string bajty() const;

    ObsahUlohy obsah;
    const ObsahUlohy& puvodni() const { return puvodni_; }
    bool prevedenoZUtf8() const { return prevedenoZUtf8_; }
    const std::string& nezobrazitelne() const { return nezobrazitelne_; }

    // Whether saving would write other bytes than the file had.
    bool zmeneno() const { return prevedenoZUtf8_ || !(obsah == puvodni_); }
    // After a save: the bytes written become the ones kept.
    void ulozeno() { *this = zBajtu(bajty(), false); }

private:
    struct Radek {
        std::string text;  // without the line end
        std::string konec; // "\r\n", "\n", or "" for a last line without one
    };
    // A record: the lines [od, do) of `radky_`.
    struct Zaznam {
        char typ;
        std::size_t od, po;
    };

    std::vector<Radek> radky_;
    std::vector<Zaznam> zaznamy_;
    std::size_t konecCteni_ = 0; // lines from here on are never read (after a 0x1A byte)
    ObsahUlohy puvodni_;
    bool prevedenoZUtf8_ = false;
    std::string nezobrazitelne_;
};

} // namespace tvarolam::editor
