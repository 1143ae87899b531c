#pragma once
// GoogleTest's form of DocasnaSlozka: each test runs in its own empty current folder.

#include "podpora_testu.h"

#include <gtest/gtest.h>

#include <optional>

namespace tvarolam::test {

class VDocasnemAdresari : public ::testing::Test {
protected:
    void SetUp() override { slozka_.emplace(); }
    void TearDown() override { slozka_.reset(); }
    const std::filesystem::path& slozka() const { return slozka_->cesta(); }

private:
    std::optional<DocasnaSlozka> slozka_;
};

} // namespace tvarolam::test
