#include "Table.h"

#include <csv.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

Table_Reader::Table_Reader() : parser(new csv_parser)
{
    csv_init(parser.get(), 0);
}

Table_Reader::~Table_Reader()
{
    csv_free(parser.get());
}

bool Table_Reader::Open(const std::string& path)
{
    in.open(path, std::ios::binary);
    return in.is_open();
}

void Table_Reader::End_Field(void* text, std::size_t length, void* reader)
{
    static_cast<Table_Reader*>(reader)->fields.emplace_back(static_cast<const char*>(text), length);
}

void Table_Reader::End_Record(int, void* reader)
{
    Table_Reader& self = *static_cast<Table_Reader*>(reader);
    self.records.push_back(std::move(self.fields));
    self.fields.clear();
    self.at_record_start = true;
}

bool Table_Reader::Next(Record& record)
{
    while (records.empty()) {
        if (finished) return false;
        std::string line;
        if (!std::getline(in, line)) {
            failed = in.bad();
            csv_fini(parser.get(), End_Field, End_Record, this);
            finished = true;
            continue;
        }
        // A byte-order mark, as some spreadsheets write it.
        if (first_line && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        first_line = false;
        // Comments and blank lines only between records: inside a quoted
        // field a line is part of the field.
        if (at_record_start) {
            const std::size_t start = line.find_first_not_of(" \t\r");
            if (start == std::string::npos || line[start] == '#') continue;
            if (first_record) {
                std::size_t commas = 0, semicolons = 0;
                for (char c : line) {
                    commas += c == ',';
                    semicolons += c == ';';
                }
                separator = semicolons > commas ? ';' : ',';
                csv_set_delim(parser.get(), static_cast<unsigned char>(separator));
                first_record = false;
            }
            at_record_start = false;
        }
        line += '\n';
        if (csv_parse(parser.get(), line.data(), line.size(), End_Field, End_Record, this) != line.size()) {
            failed = true;   // out of memory
            return false;
        }
    }
    record = std::move(records.front());
    records.pop_front();
    return true;
}

std::string Trimmed(const std::string& text)
{
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string::npos) return std::string();
    return text.substr(start, text.find_last_not_of(" \t\r\n") - start + 1);
}

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool Read_Number(const std::string& text, char separator, double& value)
{
    std::string word = Trimmed(text);
    if (separator == ';') {
        for (char& c : word) {
            if (c == ',') c = '.';
        }
    }
    if (word.empty()) return false;
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

std::string Number_Cell(double value)
{
    if (!std::isfinite(value)) return std::string();
    char text[64];
    std::snprintf(text, sizeof text, "%.9f", value);
    return text;
}

std::string Table_Line(const Record& record)
{
    std::string line;
    for (std::size_t k = 0; k < record.size(); k++) {
        const std::string& field = record[k];
        if (k > 0) line += ',';
        const bool quote = field.find_first_of(",\"\r\n") != std::string::npos ||
                           (!field.empty() && (std::isspace(static_cast<unsigned char>(field.front())) ||
                                               std::isspace(static_cast<unsigned char>(field.back()))));
        if (!quote) {
            line += field;
            continue;
        }
        line += '"';
        for (char c : field) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line + '\n';
}
