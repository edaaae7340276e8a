#pragma once

#include "engine/ConversionReporter.h"

// The progress bar of a run: a step for each input row, then for each output
// line, then, with a statement, for each of its records and one for putting
// the files in place.
class RunProgress
{
public:
    explicit RunProgress(ConversionReporter &reporter) : reporter_(reporter) {}

    // The bar appears, spanning the input rows.
    void startInput(int rows)
    {
        inputRows_ = rows;
        reporter_.setProgressRange(0, rows);
        reporter_.showProgress();
    }
    // The output lines are counted once the rows are converted; the bar
    // grows by them and by the statement's steps.
    void startOutput(int lines, bool statement)
    {
        outputLines_ = lines;
        reporter_.setProgressRange(0, inputRows_ + (statement ? 2 * lines + 1 : lines));
    }
    // Lines written while the rows were converted took no step of their own:
    // the bar catches up with them.
    void finishOutput()
    {
        const int written = inputRows_ + outputLines_;
        if (value_ < written)
            reporter_.setProgressValue(value_ = written);
    }
    void step() { reporter_.setProgressValue(++value_); }

private:
    ConversionReporter &reporter_;
    int inputRows_ = 0;
    int outputLines_ = 0;
    int value_ = 0;
};
