#pragma once

// Where an output item or statement field takes one source value from. The
// numbers are what the settings file stores; a value outside them is kept as
// read and supplies nothing.
enum class SourceKind : int
{
    CompanyField = 0, // a company information field, code 0 to 7
    InputItem = 1     // a column of the combined input header
};
