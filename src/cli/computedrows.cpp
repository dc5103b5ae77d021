#include "cli/computedrows.h"

#include <string_view>

ComputedRows::ComputedRows() {
    text.reserve(capacity * 128);
    rows.reserve(capacity);
}

void ComputedRows::clear() {
    text.clear();
    rows.clear();
}

bool ComputedRows::writeTo(OutputBuffer& output) const {
    std::size_t textStart = 0;
    for (const Row& row : rows) {
        output.append(std::string_view(text).substr(textStart, row.textEnd - textStart));
        textStart = row.textEnd;
        if (row.computed) {
            const RowResults& r = row.results;
            for (const std::optional<double>* value : {&r.n, &r.Pz, &r.Py, &r.Px, &r.M, &r.N}) {
                output.append(',');
                if (*value) {
                    output.appendNumber(**value);
                }
            }
            output.append(",\n"); // and no error
        }
        if (!output.flushIfFull()) {
            return false;
        }
    }
    return true;
}
