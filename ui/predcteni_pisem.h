#pragma once
// Reading the font configuration (its XML files and its caches) takes a few milliseconds that the
// window's first text would wait for. Begun on a thread of its own while the application connects
// to the display, it is done by the time the window is built.

#include <thread>

namespace tvarolam {

class PredcteniPisem {
public:
    PredcteniPisem();
    ~PredcteniPisem();
    PredcteniPisem(const PredcteniPisem&) = delete;
    PredcteniPisem& operator=(const PredcteniPisem&) = delete;

    // Returns once the configuration is read, so that the toolkit finds it instead of reading it
    // a second time beside this thread.
    void pockej();

private:
    std::thread vlakno_;
};

} // namespace tvarolam
