#pragma once
// A little vector and rotation arithmetic for the renderer.

#include "vykreslovac.h"

#include <cmath>

namespace tvarolam::kresleni {

inline Vektor operator+(const Vektor& a, const Vektor& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
inline Vektor operator-(const Vektor& a, const Vektor& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
inline Vektor operator*(const Vektor& a, float k) {
    return {a[0] * k, a[1] * k, a[2] * k};
}
inline float skalar(const Vektor& a, const Vektor& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
inline Vektor vektorovy(const Vektor& a, const Vektor& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
inline Vektor normalizuj(const Vektor& a) {
    const float delka = std::sqrt(skalar(a, a));
    return delka > 1e-12f ? a * (1 / delka) : Vektor{0, 0, 1};
}

struct Kvaternion {
    float w = 1, x = 0, y = 0, z = 0;

    static Kvaternion zOsy(const Vektor& osa, float uhel) {
        const Vektor n = normalizuj(osa);
        const float s = std::sin(uhel / 2);
        return {std::cos(uhel / 2), n[0] * s, n[1] * s, n[2] * s};
    }
    Kvaternion operator*(const Kvaternion& q) const {
        return {w * q.w - x * q.x - y * q.y - z * q.z, w * q.x + x * q.w + y * q.z - z * q.y,
                w * q.y - x * q.z + y * q.w + z * q.x, w * q.z + x * q.y - y * q.x + z * q.w};
    }
    Kvaternion sdruzeny() const { return {w, -x, -y, -z}; }
    Vektor otoc(const Vektor& v) const {
        const Vektor u{x, y, z};
        const Vektor t = vektorovy(u, v) * 2;
        return v + t * w + vektorovy(u, t);
    }
};

inline Kvaternion natoceni(const Kamera& kamera) {
    return Kvaternion::zOsy(kamera.osa, kamera.uhel);
}

} // namespace tvarolam::kresleni
