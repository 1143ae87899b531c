#pragma once
// What the game needs from the system around it: the clock in the user's formats, the shell's
// "open", and a few file operations. Tests give fixed dates and watch what was opened.

#include <string>
#include <vector>

namespace tvarolam {

class Prostredi {
public:
    virtual ~Prostredi() = default;

    // Today in the user's short date format, Windows-1250.
    virtual std::string datum() const = 0;
    // Now in the user's long time format, without a time-zone field, Windows-1250.
    virtual std::string cas() const = 0;
    // Hands a file to the application registered for its type; the answer is not examined.
    virtual void otevri(const std::string& cesta) = 0;
    virtual bool existuje(const std::string& cesta) const = 0;
    virtual void smaz(const std::string& cesta) = 0;
};

// The real system: Qt's locale and desktop services, the file system.
class SystemoveProstredi : public Prostredi {
public:
    std::string datum() const override;
    std::string cas() const override;
    void otevri(const std::string& cesta) override;
    bool existuje(const std::string& cesta) const override;
    void smaz(const std::string& cesta) override;
};

// A fixed clock; files handed to the shell are only remembered. For the task tool's checks,
// tests, fuzzing and benchmarks.
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

} // namespace tvarolam
