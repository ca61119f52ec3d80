// How field values turn into the texts and integers the wrappers hand out, and how written
// texts and integers become stored values.
#pragma once

#include <string>
#include <string_view>

#include "records/ColumnType.h"
#include "records/SqlValue.h"

namespace lumicord {

// Text of `value` read from a column of `type`; false (nothing assigned) for a blob. A text
// from a fixed-width column comes back padded with blanks to the width; an empty one stays
// empty. `dateFormat` (strftime; empty: "%Y-%m-%d %H:%M:%S") formats a date column's seconds.
bool ValueToText(const SqlValue& value, const ColumnType& type, std::u16string& text,
                 const std::string& dateFormat);
// NULL gives 0; every other value its low 16 bits, sign-extended.
int ValueToInt(const SqlValue& value);

// The stored value of a written text: NULL for an empty text. A text longer than a fixed-width
// column is kept whole (read back unpadded) rather than refused or cut: a device's key must not
// change on its way through the store.
SqlValue TextToValue(std::u16string_view text);
// The stored value of a written integer: its low 16 bits, sign-extended.
SqlValue IntToValue(int value);

} // namespace lumicord
