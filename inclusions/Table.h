// The text tables of the inclusions program: a header row, then one record a
// row; fields separated by ',' or, as spreadsheets with a decimal comma save
// them, by ';'; fields may be quoted ("..." with "" for a quote) and span
// lines; lines whose first character is '#' are comments, blank lines are
// skipped. Reading streams the file: one record at a time.
#ifndef TABLE_H
#define TABLE_H

#include <deque>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

struct csv_parser;

typedef std::vector<std::string> Record;

class Table_Reader {
public:
    Table_Reader();
    ~Table_Reader();
    Table_Reader(const Table_Reader&) = delete;
    Table_Reader& operator=(const Table_Reader&) = delete;

    // Opens `path`; false when it cannot be opened for reading.
    bool Open(const std::string& path);
    // The next record; false at the end of the file or after a read error
    // (Failed). The separator is chosen by the first record: ';' when it has
    // more semicolons than commas, ',' otherwise.
    bool Next(Record& record);
    bool Failed() const { return failed; }
    char Separator() const { return separator; }

private:
    static void End_Field(void* text, std::size_t length, void* reader);
    static void End_Record(int terminator, void* reader);

    std::ifstream in;
    std::unique_ptr<csv_parser> parser;
    Record fields;                // of the record being read
    std::deque<Record> records;   // read, not yet handed out
    char separator = ',';
    bool first_line = true;
    bool first_record = true;
    bool at_record_start = true;
    bool finished = false;
    bool failed = false;
};

// `text` without the spaces and tabs around it, and `text` in lower case.
std::string Trimmed(const std::string& text);
std::string Lower(std::string text);

// Reads `text` (spaces around it allowed) as one finite number; with the
// separator ';' a decimal comma is read as a decimal point. False when the
// text is anything else.
bool Read_Number(const std::string& text, char separator, double& value);

// A number as an output cell: "%.9f", at least the digits of the results
// files; empty when the number is not finite.
std::string Number_Cell(double value);

// One comma-separated line (with its line break); a field with a comma, a
// quote, a line break or spaces around it is quoted.
std::string Table_Line(const Record& record);

#endif
