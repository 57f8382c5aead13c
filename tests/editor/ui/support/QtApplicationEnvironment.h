#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

// One QApplication for the whole test program, gone before the leak check runs.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "archive_dialog_test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};
