#pragma once
// What the game needs from the system around it: the clock in the user's formats, the shell's
// "open", and a few file operations. Tests give fixed dates and watch what was opened.

#include <string>

class QLocale;
class QTime;

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

// The real system's clock and files: Qt's locale and the file system. The shell's "open" needs a
// GUI application, so a program without one opens nothing; the window's side gives the desktop's
// (ProstrediPlochy).
class SystemoveProstredi : public Prostredi {
public:
    std::string datum() const override;
    std::string cas() const override;
    void otevri(const std::string&) override {}
    bool existuje(const std::string& cesta) const override;
    void smaz(const std::string& cesta) override;
};

// A time of day in the locale's long time format without its time-zone field, Windows-1250: a log
// reader expects a time of day.
std::string casBezZony(const QLocale& locale, const QTime& cas);

} // namespace tvarolam
