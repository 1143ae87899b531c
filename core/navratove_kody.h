#pragma once
// Exit codes of every program: authors' scripts and the desktop read them.

namespace tvarolam::navrat {

constexpr int Uspech = 0;
constexpr int Selhani = 1;
constexpr int SpatneArgumenty = 2;

} // namespace tvarolam::navrat
