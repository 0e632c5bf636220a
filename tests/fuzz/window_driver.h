/// \file window_driver.h
/// \brief A fuzz driver over a calculator window: arbitrary texts in every
/// entry box and arbitrary option and check box states, then "&Calculate",
/// on the real window, headless, repainted after each calculation. A target
/// for a window is its description and one call:
///
///     extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n)
///     { return morvel::fuzz::fuzzWindow(locddf, d, n); }
///
/// The input is text, one round after another (at most four), each round:
/// one line for every entry box, in the order listed, then one line of
/// states, one character for each option pair ('N' the first button, 'S'
/// the second, anything else neither) followed by one for each check box
/// ('1' ticked, anything else cleared). Each input starts from "Cl&ear".
///
/// After every Calculate the driver checks, and aborts with a description
/// when one fails:
///   - no box shows "nan" or "inf" unless the user typed it there;
///   - every listed result box that shows a result (visible, on the result
///     colour) holds a number inside its range;
///   - a message and a result never both: after a message that stops the
///     calculation nothing is on the result colour (a warning, after which
///     the calculation goes on, may come with a result);
///   - a calculation that a message stopped leaves every entry text and
///     every option and check box as the user set them;
///   - every control and painted item has a finite position.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvel::fuzz {

/// A control by name and index (-1 for a single control).
struct ControlName {
    QString name;
    int index = -1;
};

/// A box that may show a result, with the range of what it may show.
struct ResultBox {
    ControlName box;
    double lo, hi;
};

struct WindowUnderTest {
    QString menuButton;                  ///< the main menu's button that shows the window
    QString window;                      ///< its code name, "locddf"
    std::vector<ControlName> entries;    ///< the boxes the user types into
    std::vector<std::pair<QString, QString>> optionPairs;  ///< North/South and the like
    std::vector<QString> checkBoxes;
    std::vector<ResultBox> results;      ///< every box that can show a result
    std::vector<QString> warnings;       ///< messages after which the calculation goes on
    QString calculate = QStringLiteral("cmdStart");
    QString clear = QStringLiteral("Clear");
};

/// Runs one input against the window; returns 0 (libFuzzer's convention).
int fuzzWindow(const WindowUnderTest& w, const uint8_t* data, size_t size);

}  // namespace morvel::fuzz
