#pragma once

#include "bytetable.h"

#include <QString>

#include <variant>

namespace nembra {

// The texts of the window's boxes and the limit check box when "Read PRG" is
// pressed.
struct FormTexts {
    QString input;        // txtStd(0)
    QString output;       // txtStd(1)
    QString valuesPerRow; // txtStd(3)
    bool limit = false;   // chkLimit
    QString limitStart;   // txtStd(4)
    QString limitEnd;     // txtStd(5)
};

// The first check that failed: its message, and the index of the txtStd box
// that gets the focus.
struct CheckFailure {
    QString message;
    int box = 0;
};

// The input checks of cmdConvert_Click, in their order; the first that fails
// decides. They open no file. On success, the conversion they allow.
std::variant<ConversionRequest, CheckFailure> checkInputs(const FormTexts& texts);

} // namespace nembra
