#pragma once
// Shared test fixtures: a temporary current directory, a fixed clock, a game on a memory window.

#include "hra.h"
#include "okno_hry.h"
#include "prostredi.h"
#include "texty.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tvarolam::test {

void zapisSoubor(const std::string& jmeno, const std::string& obsah);
std::string prectiSoubor(const std::string& jmeno);

// Fixed date and time; remembers what the shell was asked to open.
class PevneProstredi : public Prostredi {
public:
    std::string datum() const override { return datumText; }
    std::string cas() const override { return casText; }
    void otevri(const std::string& cesta) override { otevrene.push_back(cesta); }
    bool existuje(const std::string& cesta) const override;
    void smaz(const std::string& cesta) override;

    std::string datumText = "8.12.2026";
    std::string casText = "10:20:30";
    std::vector<std::string> otevrene;
};

// Each test runs in its own empty current directory.
class VDocasnemAdresari : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    QTemporaryDir adresar_;
    std::filesystem::path puvodni_;
};

// A game after start-up, on a memory window, with default texts.
class HraTest : public VDocasnemAdresari {
protected:
    void SetUp() override;
    // Loads a task written from the given bytes (file "uloha.3du").
    bool nacti(const std::string& obsah, const std::string& jmeno = "uloha.3du");
    // Cells 1..10 of a row, joined by '|'.
    std::string radek(int r) const;

    PametoveOkno okno;
    PevneProstredi prostredi;
    Texty texty;
    Hra hra{okno, prostredi, texty};
};

} // namespace tvarolam::test
