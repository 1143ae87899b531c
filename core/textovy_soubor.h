#pragma once
// Reading the text files teachers write (task files, texts files), byte by byte:
// a line ends at LF or CR LF, a lone CR is no line end, a 0x1A byte ends the input.

#include "cteni_souboru.h"

#include <cstdint>
#include <string>

namespace tvarolam {

class TextovySoubor {
public:
    // Reads a regular file of at most nejvice bytes whole; throws ChybaSouboru for anything
    // else (see cteni_souboru.h).
    static TextovySoubor otevri(const std::string& cesta, std::int64_t nejvice);
    // The same reading rules over bytes already in memory.
    static TextovySoubor zPameti(std::string obsah);

    // True at the end of the bytes, when a 0x1A byte is next, or after a number met the end.
    bool konec();
    // The next byte; at the end 0x1A, and nothing is consumed.
    char ctiZnak();
    // The rest of the current line, without its line end; a lone CR is dropped. A 0x1A byte ends
    // the text and the rest of the line is skipped. At the end: empty text.
    std::string ctiRadek();
    // Skips up to and including the next line end.
    void preskocRadek();
    // Skips space characters (code 32 only).
    void preskocMezery();
    // A number token: bytes of value 32 or below (line ends too) are skipped, then up to 32 bytes
    // above 32 are taken. Meeting the end while looking for it gives 0 and ends the input for good.
    // Throws ChybaPrevodu when the token is not an integer.
    std::int32_t ctiCislo();
    // The 1-based line of the next byte: line ends (LF) read so far, plus one.
    int cisloRadku() const { return radek_; }

private:
    explicit TextovySoubor(std::string obsah) : buffer_(std::move(obsah)) {}
    int nahled(); // next byte 0..255, or -1 at the end of the bytes
    void posun() {
        if (buffer_[pozice_] == '\n') ++radek_;
        ++pozice_;
    }

    std::string buffer_;
    std::size_t pozice_ = 0;
    int radek_ = 1;
    bool ukonceno_ = false;
};

// A text value as the task loader keeps it (a title, a picture's name, a code): bytes of value 32
// or below go at both ends.
std::string orizniHodnotu(const std::string& text);

} // namespace tvarolam
