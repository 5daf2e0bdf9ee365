#include "csv_reader.h"

namespace karumoa::tools {

bool ReadCsv(std::string_view text, std::vector<CsvRecord>& records, CsvError& error) {
    records.clear();
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom) {
        text.remove_prefix(kBom.size());
    }
    const auto fail = [&error](int line, std::string message) {
        error = CsvError{line, std::move(message)};
        return false;
    };

    std::size_t i = 0;
    int line = 1;
    // Consumes a record end at i (CR LF or LF); false when there is none.
    const auto atLineEnd = [&]() {
        if (i < text.size() && text[i] == '\n') {
            ++i;
            return true;
        }
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') {
            i += 2;
            return true;
        }
        return false;
    };

    while (i < text.size()) {
        CsvRecord record;
        record.line = line;
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        return fail(opened, "quoted field not closed");
                    }
                    const char c = text[i++];
                    if (c == '"') {
                        if (i < text.size() && text[i] == '"') {
                            field.push_back('"');
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n') {
                        ++line;
                    }
                    field.push_back(c);
                }
                if (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r') {
                    return fail(line, "text after the closing quote of a field");
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r') {
                    if (text[i] == '"') {
                        return fail(line, "double quote inside an unquoted field");
                    }
                    field.push_back(text[i++]);
                }
            }
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (i >= text.size()) {
                break;
            }
            if (!atLineEnd()) {
                return fail(line, "carriage return without a line feed");
            }
            ++line;
            break;
        }
        records.push_back(std::move(record));
    }
    return true;
}

}  // namespace karumoa::tools
