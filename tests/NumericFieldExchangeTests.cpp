// The numeric exchange on a real (headless) edit: what it writes, what it reads, and that it
// leaves a field alone when its text would not change.
#include "ProbeDialog.h"
#include "framework/headless/Desktop.h"
#include "ui/NumericFieldExchange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

class NumericFieldExchangeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        ASSERT_TRUE(headless::Desktop::AddResourceScript(kProbeScript, kProbeHeader, error))
            << error;
    }

    void Run(const std::function<void()>& driver) { desktop.Run(dialog, driver); }

    void Write(int id, double value, int decimals) {
        CDataExchange exchange(&dialog, FALSE);
        DDX_NumericField(&exchange, id, value, decimals);
    }

    double Read(int id, double value, int decimals) {
        CDataExchange exchange(&dialog, TRUE);
        DDX_NumericField(&exchange, id, value, decimals);
        return value;
    }

    std::size_t Changes() const { return dialog.Routed(EN_CHANGE).size(); }

    headless::Desktop desktop;
    ProbeDialog dialog;
};

TEST_F(NumericFieldExchangeTest, WritesOnlyWhenTheTextChanges) {
    Run([&] {
        Write(kName, 1234.5, 1);
        EXPECT_EQ(desktop.Text(kName), "1 234.5");
        const std::size_t changes = Changes();
        EXPECT_GE(changes, 1u);

        Write(kName, 1234.54, 1); // shows the same text: the field is not touched
        EXPECT_EQ(Changes(), changes);

        Write(kName, -0.001, 2);
        EXPECT_EQ(desktop.Text(kName), "-0.00");
        EXPECT_GT(Changes(), changes);
    });
}

TEST_F(NumericFieldExchangeTest, ReadsWhatTheFieldShows) {
    Run([&] {
        desktop.Type(kName, "1 234,567");
        EXPECT_DOUBLE_EQ(Read(kName, 99, 2), 1234.56);
        desktop.Type(kName, "abc");
        EXPECT_EQ(Read(kName, 99, 2), 0);
        desktop.Type(kName, std::string(31, ' ') + "7"); // the 32nd character is not read
        EXPECT_EQ(Read(kName, 99, 0), 0);
    });
}

// Reading -0.00 gives negative zero, which shows without its sign: the text changes once.
TEST_F(NumericFieldExchangeTest, MinusZeroLosesItsSignOnTheNextWrite) {
    Run([&] {
        Write(kName, -0.001, 2);
        const double read = Read(kName, 99, 2);
        EXPECT_TRUE(std::signbit(read));
        Write(kName, read, 2);
        EXPECT_EQ(desktop.Text(kName), "0.00");
    });
}

TEST_F(NumericFieldExchangeTest, ClampsTheDecimals) {
    Run([&] {
        Write(kName, 2.5, 12);
        EXPECT_EQ(desktop.Text(kName), "2.500000000");
        Write(kName, 2.51, -1);
        EXPECT_EQ(desktop.Text(kName), "3");
    });
}

TEST_F(NumericFieldExchangeTest, AMissingControlLeavesTheValueAlone) {
    Run([&] {
        const std::size_t changes = Changes();
        Write(4242, 1.0, 2);
        EXPECT_EQ(Read(4242, 12.5, 2), 12.5);
        EXPECT_EQ(Changes(), changes);
    });
}

} // namespace
