#pragma once

#include "prgtools/bytetable/core/bytetable.h"
#include "prgtools/common/core/conversion.h"

#include <QString>

namespace nembra {

// The texts of the window's boxes and the limit check box when "Read PRG" is
// pressed.
struct ConversionFields {
    QString input;        // txtStd(0)
    QString output;       // txtStd(1)
    QString valuesPerRow; // txtStd(3)
    bool limit = false;   // chkLimit
    QString limitStart;   // txtStd(4)
    QString limitEnd;     // txtStd(5)
};

// The field of ConversionFields that an input check found wrong (Values: the
// values per row).
enum class ConversionField { Input, Output, Values, LimitStart, LimitEnd };

using InputProblem = prg::InputProblem<ConversionField>;

// The input checks of cmdConvert_Click, in their order; the first that fails
// decides. They open no file. On success, the conversion they allow, with
// the limit as numbers.
prg::Checked<ConversionRequest, ConversionField> checkInputs(const ConversionFields& fields);

} // namespace nembra
