// SPDX-License-Identifier: GPL-3.0-or-later
// Suites that measure and draw text need a QGuiApplication, since Qt allows that only inside one:
// one is made before the first test and destroyed after the last.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

class TGuiEnvironment : public testing::Environment {
public:
  void SetUp() override { application_ = std::make_unique<QGuiApplication>(argc_, argv_); }
  void TearDown() override { application_.reset(); }

private:
  int argc_ = 1;
  char name_[10] = "stronix";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new TGuiEnvironment);

}  // namespace
